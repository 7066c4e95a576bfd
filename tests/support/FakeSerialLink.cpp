#include "FakeSerialLink.h"

#include <QThread>

#include <cstring>

FakeSerialLink::FakeSerialLink(std::shared_ptr<Script> pScript) : m_pScript(std::move(pScript)) {}

SerialLinkFactory FakeSerialLink::factory(std::shared_ptr<Script> pScript)
{
    return [pScript](const QString&) { return std::unique_ptr<SerialLink>(new FakeSerialLink(pScript)); };
}

bool FakeSerialLink::open()
{
    QMutexLocker lock(&m_pScript->mutex);
    ++m_pScript->nOpens;
    m_bOpen = !m_pScript->bFailOpen;
    m_incoming.clear();
    return m_bOpen;
}

void FakeSerialLink::close()
{
    m_bOpen = false;
    m_incoming.clear();
}

bool FakeSerialLink::write(const QByteArray& data)
{
    if (!m_bOpen)
        return false;
    QMutexLocker lock(&m_pScript->mutex);
    m_pScript->written += data;
    if (!m_pScript->lstReplies.isEmpty())
        m_incoming += m_pScript->lstReplies.takeFirst();
    return true;
}

int FakeSerialLink::read(char* pBuffer, int nMax, int nTimeoutMs)
{
    if (!m_bOpen)
        return -1;
    if (m_incoming.isEmpty()) {
        // Nothing more will come: silence lasts the whole wait, as on a real port.
        QThread::msleep(ulong(qMax(0, nTimeoutMs)));
        return 0;
    }
    const int nCount = qMin(nMax, m_incoming.size());
    if (nCount > 0) {
        std::memcpy(pBuffer, m_incoming.constData(), size_t(nCount));
        m_incoming.remove(0, nCount);
    }
    return nCount;
}

void FakeSerialLink::purge()
{
    m_incoming.clear();
}
