#include "platform/TermiosSerialLink.h"
#include "support/SerialDeviceSim.h"
#include "support/TestFolders.h"

#include <QtTest>

#include <cerrno>
#include <fcntl.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

class TestTermiosSerialLink : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void exchangesBytes();
    void heldPortCannotBeOpenedTwice();
    void silenceReadsNothing();
    void missingPortFails();
    void readsAtMostWhatIsAsked();

private:
    std::unique_ptr<TestFolders> m_pFolders;
    std::unique_ptr<SerialDeviceSim> m_pSim;
};

void TestTermiosSerialLink::init()
{
    m_pFolders = std::make_unique<TestFolders>();
    m_pSim = std::make_unique<SerialDeviceSim>();
    if (!m_pSim->start())
        QSKIP("no pseudo-terminal available");
}

void TestTermiosSerialLink::cleanup()
{
    m_pSim.reset();
    m_pFolders.reset();
}

namespace
{
const QByteArray UUID_REQUEST = QByteArray::fromHex("020001a2a3");

int readAll(SerialLink& link, QByteArray* pOut, int nWant)
{
    char buffer[256];
    while (pOut->size() < nWant) {
        const int nGot = link.read(buffer, qMin(int(sizeof(buffer)), nWant - pOut->size()), 2000);
        if (nGot <= 0)
            return nGot;
        pOut->append(buffer, nGot);
    }
    return pOut->size();
}
// The port's exclusive-mode flag as the kernel keeps it: root may open an exclusive port and look, anyone
// else is refused with EBUSY. -1 when it cannot be told.
int exclusiveMode(const QString& sPort)
{
    const int nFd = ::open(QFile::encodeName(sPort).constData(), O_RDWR | O_NOCTTY | O_NONBLOCK);
    if (nFd < 0)
        return errno == EBUSY ? 1 : -1;
    int nExclusive = -1;
    if (::ioctl(nFd, TIOCGEXCL, &nExclusive) != 0)
        nExclusive = -1;
    ::close(nFd);
    return nExclusive;
}
} // namespace

void TestTermiosSerialLink::exchangesBytes()
{
    m_pSim->setIdentity("ABC", "S", "H", "F");
    TermiosSerialLink link(m_pSim->portName());
    QVERIFY(link.open());
    QVERIFY(link.isOpen());
    QVERIFY(link.write(UUID_REQUEST));
    QByteArray reply;
    const QByteArray expected = SerialDeviceSim::replyFrame(0xA2, QByteArray("ABC\0", 4));
    QCOMPARE(readAll(link, &reply, expected.size()), expected.size());
    QCOMPARE(reply, expected);
    QCOMPARE(m_pSim->frames(), QList<QByteArray>({UUID_REQUEST}));
    link.close();
    QVERIFY(!link.isOpen());
}

void TestTermiosSerialLink::heldPortCannotBeOpenedTwice()
{
    TermiosSerialLink first(m_pSim->portName());
    TermiosSerialLink second(m_pSim->portName());
    QVERIFY(first.open());
    QVERIFY(!second.open());
    QCOMPARE(second.openFailure(), SerialLink::OPEN_BUSY);
    // The refused open leaves the holder's claim on the port as it was, for other programs to see.
    QCOMPARE(exclusiveMode(m_pSim->portName()), 1);
    first.close();
    QCOMPARE(exclusiveMode(m_pSim->portName()), 0);
    QVERIFY(second.open()); // free again once the first let go
}

void TestTermiosSerialLink::silenceReadsNothing()
{
    m_pSim->setSilent(0xA2);
    TermiosSerialLink link(m_pSim->portName());
    QVERIFY(link.open());
    QVERIFY(link.write(UUID_REQUEST));
    char buffer[16];
    QCOMPARE(link.read(buffer, sizeof(buffer), 50), 0);
}

void TestTermiosSerialLink::missingPortFails()
{
    TermiosSerialLink link(m_pFolders->dataPath("no-such-port"));
    QVERIFY(!link.open());
    QCOMPARE(link.openFailure(), SerialLink::OPEN_FAILED);
    char buffer[4];
    QCOMPARE(link.read(buffer, sizeof(buffer), 10), -1);
    QVERIFY(!link.write("x"));
}

void TestTermiosSerialLink::readsAtMostWhatIsAsked()
{
    TermiosSerialLink link(m_pSim->portName());
    QVERIFY(link.open());
    QVERIFY(link.write(UUID_REQUEST));
    char buffer[8] = {};
    QCOMPARE(link.read(buffer, 2, 2000), 2);
    QCOMPARE(buffer[0], char(0xA2));
    QCOMPARE(buffer[2], char(0x00)); // untouched beyond what was asked
}

QTEST_GUILESS_MAIN(TestTermiosSerialLink)
#include "tst_termiosseriallink.moc"
