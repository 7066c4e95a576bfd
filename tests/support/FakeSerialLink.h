#pragma once

#include "platform/SerialLink.h"

#include <QList>
#include <QMutex>

// An in-memory link for tests: records what is written and answers each write with the next scripted
// reply. What is not queued by then is silence: a read waits out its time and returns nothing.
class FakeSerialLink : public SerialLink
{
public:
    struct Script {
        QMutex mutex;
        QList<QByteArray> lstReplies; // one per write, taken in order; an empty one is silence
        QByteArray written;           // every byte written, in order
        bool bFailOpen = false;
        int nOpens = 0;
    };

    explicit FakeSerialLink(std::shared_ptr<Script> pScript);

    bool open() override;
    void close() override;
    bool isOpen() const override { return m_bOpen; }
    bool write(const QByteArray& data) override;
    int read(char* pBuffer, int nMax, int nTimeoutMs) override;
    void purge() override;

    static SerialLinkFactory factory(std::shared_ptr<Script> pScript);

private:
    std::shared_ptr<Script> m_pScript;
    QByteArray m_incoming;
    bool m_bOpen = false;
};
