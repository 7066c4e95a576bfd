#pragma once

#include "platform/SerialLink.h"

#include <QAtomicInt>

#include <memory>

// The links of another factory, counting the opens that found their port held by another program: a
// test sees from it that the device monitor did meet a busy port, instead of hoping it did by a pause.
// The count may be read from any thread, and the factory may outlive this object.
class BusyCountingLinks
{
public:
    explicit BusyCountingLinks(SerialLinkFactory inner)
        : m_inner(std::move(inner)), m_pBusyOpens(std::make_shared<QAtomicInt>(0))
    {
    }

    SerialLinkFactory factory() const
    {
        return [inner = m_inner,
                pBusyOpens = m_pBusyOpens](const QString& sPort) -> std::unique_ptr<SerialLink> {
            std::unique_ptr<SerialLink> pLink = inner(sPort);
            if (!pLink)
                return nullptr;
            return std::make_unique<Link>(std::move(pLink), pBusyOpens);
        };
    }
    int busyOpens() const { return m_pBusyOpens->loadAcquire(); }

private:
    class Link : public SerialLink
    {
    public:
        Link(std::unique_ptr<SerialLink> pInner, std::shared_ptr<QAtomicInt> pBusyOpens)
            : m_pInner(std::move(pInner)), m_pBusyOpens(std::move(pBusyOpens))
        {
        }
        bool open() override
        {
            const bool bOpen = m_pInner->open();
            if (!bOpen && m_pInner->openFailure() == OPEN_BUSY)
                m_pBusyOpens->fetchAndAddOrdered(1);
            return bOpen;
        }
        OpenFailure openFailure() const override { return m_pInner->openFailure(); }
        void close() override { m_pInner->close(); }
        bool isOpen() const override { return m_pInner->isOpen(); }
        bool write(const QByteArray& data) override { return m_pInner->write(data); }
        int read(char* pBuffer, int nMax, int nTimeoutMs) override
        {
            return m_pInner->read(pBuffer, nMax, nTimeoutMs);
        }
        void purge() override { m_pInner->purge(); }

    private:
        std::unique_ptr<SerialLink> m_pInner;
        std::shared_ptr<QAtomicInt> m_pBusyOpens;
    };

    SerialLinkFactory m_inner;
    std::shared_ptr<QAtomicInt> m_pBusyOpens;
};
