#pragma once

#include "platform/Clock.h"

#include <QMutex>

// A clock that stands where the test puts it (the real present until then).
class FakeClock : public Clock
{
public:
    FakeClock();

    QDateTime now() const override;
    void setNow(const QDateTime& now);
    // Noon of that day.
    void setToday(const QDate& today);

private:
    mutable QMutex m_mutex;
    QDateTime m_now;
};
