#include "platform/ArchiveTool.h"
#include "support/SystemTools.h"

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>
#include <sys/types.h>

// An agent killed mid-unpack takes the archive program with it: a 7z left behind would go on writing onto
// the device with nobody to report to.
class TestUnzipChild : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void archiveProgramEndsWithTheAgent();

private:
    QTemporaryDir m_dir;
};

namespace
{
struct ProcessState {
    qint64 nParent = 0;
    QByteArray name;
    char state = 0;
};

// From /proc/<pid>/stat: "pid (name) state ppid ..."; false once the process is gone.
bool readState(qint64 nPid, ProcessState* pState)
{
    QFile file(QString("/proc/%1/stat").arg(nPid));
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray line = file.readAll();
    const int nOpen = line.indexOf('(');
    const int nClose = line.lastIndexOf(')');
    if (nOpen < 0 || nClose < nOpen)
        return false;
    pState->name = line.mid(nOpen + 1, nClose - nOpen - 1);
    const QList<QByteArray> fields = line.mid(nClose + 2).split(' ');
    if (fields.size() < 2)
        return false;
    pState->state = fields.at(0).isEmpty() ? 0 : fields.at(0).at(0);
    pState->nParent = fields.at(1).toLongLong();
    return true;
}

// A process that was reaped, or that died and waits to be (a zombie), no longer runs.
bool isRunning(qint64 nPid)
{
    ProcessState state;
    return readState(nPid, &state) && state.state != 'Z' && state.state != 'X';
}

// The archive program started by nParent, once it runs (after its exec), or 0.
qint64 archiveChildOf(qint64 nParent)
{
    const QStringList entries = QDir("/proc").entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    for (const QString& sEntry : entries) {
        bool bNumber = false;
        const qint64 nPid = sEntry.toLongLong(&bNumber);
        ProcessState state;
        if (bNumber && readState(nPid, &state) && state.nParent == nParent && state.name.startsWith("7z"))
            return nPid;
    }
    return 0;
}
} // namespace

void TestUnzipChild::initTestCase()
{
    const QString sProgram = ArchiveTool::findProgram(QString());
    if (sProgram.isEmpty())
        QSKIP("no 7-Zip installed");
    QVERIFY(m_dir.isValid());
    // 200 MB of zeros pack into a few kilobytes and take the program long enough to unpack.
    QFile big(m_dir.filePath("src/big.img"));
    QVERIFY(QDir().mkpath(m_dir.filePath("src")));
    QVERIFY(big.open(QIODevice::WriteOnly) && big.resize(200LL * 1000 * 1000));
    big.close();
    QString sWhy;
    QVERIFY2(SystemTools::run(sProgram, {"a", "-mx1", m_dir.filePath("big.7z"), big.fileName()}, &sWhy),
             qPrintable(sWhy));
    QVERIFY(big.remove());
}

void TestUnzipChild::archiveProgramEndsWithTheAgent()
{
    QProcess agent;
    agent.setProcessChannelMode(QProcess::ForwardedChannels);
    agent.start(QString::fromLocal8Bit(qgetenv("WENDO_TEST_BIN")) + "/wendo-unzip-helper",
                {m_dir.filePath("big.7z"), m_dir.filePath("out"), m_dir.filePath("data")});
    QVERIFY2(agent.waitForStarted(), qPrintable(agent.errorString()));
    const qint64 nAgent = agent.processId();
    qint64 nChild = 0;
    QVERIFY(QTest::qWaitFor([&] { return (nChild = archiveChildOf(nAgent)) != 0; }, 20000));
    // Held still, so it cannot end by finishing its work: only the agent's end may end it.
    QCOMPARE(::kill(pid_t(nChild), SIGSTOP), 0);
    QCOMPARE(::kill(pid_t(nAgent), SIGKILL), 0);
    QVERIFY(agent.waitForFinished(10000));
    const bool bGone = QTest::qWaitFor([nChild] { return !isRunning(nChild); }, 1000);
    if (!bGone)
        ::kill(pid_t(nChild), SIGKILL);
    QVERIFY2(bGone, "the archive program outlived the agent");
}

QTEST_GUILESS_MAIN(TestUnzipChild)
#include "tst_unzipchild.moc"
