#include "FakeClock.h"

FakeClock::FakeClock() : m_now(QDateTime::currentDateTime()) {}

QDateTime FakeClock::now() const
{
    QMutexLocker lock(&m_mutex);
    return m_now;
}

void FakeClock::setNow(const QDateTime& now)
{
    QMutexLocker lock(&m_mutex);
    m_now = now;
}

void FakeClock::setToday(const QDate& today)
{
    setNow(QDateTime(today, QTime(12, 0)));
}
