#pragma once

#include "SerialLink.h"

// The serial link on a Linux tty (a USB CDC port, or a pseudo-terminal in tests). Exclusive use is
// enforced with flock(), which holds even against root and against a second open in this process, and
// announced to other programs with TIOCEXCL.
class TermiosSerialLink : public SerialLink
{
public:
    explicit TermiosSerialLink(const QString& sPort);
    ~TermiosSerialLink() override;

    bool open() override;
    void close() override;
    OpenFailure openFailure() const override { return m_eFailure; }
    bool isOpen() const override { return m_nFd >= 0; }
    bool write(const QByteArray& data) override;
    int read(char* pBuffer, int nMax, int nTimeoutMs) override;
    void purge() override;

    static SerialLinkFactory factory();

private:
    bool configure();
    void release();
    static OpenFailure failureOf(int nErrno);

    QString m_sPort;
    int m_nFd = -1;
    // The exclusive mode belongs to the port, not to this descriptor: only the holder that set it clears it.
    bool m_bExclusive = false;
    OpenFailure m_eFailure = OPEN_NO_FAILURE;
};
