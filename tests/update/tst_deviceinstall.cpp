#include "core/AgentFolders.h"
#include "core/AgentTiming.h"
#include "core/WorkFile.h"
#include "platform/ArchiveTool.h"
#include "platform/Platform.h"
#include "support/DesktopHandlerStub.h"
#include "support/FakeArchivePrograms.h"
#include "support/FakeInstallerLauncher.h"
#include "support/NginxFixture.h"
#include "support/SmallVolume.h"
#include "support/SystemTools.h"
#include "support/TestFolders.h"
#include "support/ZipBuilder.h"
#include "update/DeviceUpdateWorker.h"
#include "update/ProcDevUpdateXml.h"

#include <QDir>
#include <QPointer>
#include <QRandomGenerator>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

using Rows = QList<WorkFile::Row>;
using Statuses = QList<QPair<int, QString>>;

namespace
{
// Ends a worker as the controller does after its final result (deleteLater) and waits until it is gone:
// whatever it reported before has been delivered, and nothing more can follow.
bool endWorker(QObject* pWorker)
{
    QPointer<QObject> pAlive(pWorker);
    pWorker->deleteLater();
    return QTest::qWaitFor([&pAlive] { return pAlive.isNull(); }, 10000);
}
} // namespace

// The install pass of device and agent packages: downloads from a real nginx, archives made by the real
// 7-Zip (or built by hand where they must be hostile), the package check, and the work lists.
class TestDeviceInstall : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void twoDevicePackages();
    void secondDownloadFails();
    void unrecordableRowStays();
    void cutDownloadIsResumed();
    void badPackages_data();
    void badPackages();
    void archivePrograms_data();
    void archivePrograms();
    void agentPackage();
    void agentOpenedByTheDesktop_data();
    void agentOpenedByTheDesktop();
    void agentFailures_data();
    void agentFailures();
    void addressWithQuery();
    void lists_data();
    void lists();
    void fullDataFolder();

private:
    bool makeZip(const QString& sName, const QStringList& lstMembers);
    WorkFile::Row row(const QString& sKind, const QString& sName, qint64 nSizeDelta = 0) const;
    Statuses run(const Rows& rows);
    static Rows rowsOf(const QString& sPath);
    QString tempPath(const QString& sName) const { return m_pFolders->tempDir() + "/" + sName; }

    QTemporaryDir m_root;
    QString m_sOutside;
    NginxFixture m_nginx;
    QScopedPointer<TestFolders> m_pFolders;
    QStringList m_lstErrors;
};

bool TestDeviceInstall::makeZip(const QString& sName, const QStringList& lstMembers)
{
    QString sWhy;
    const QStringList args = QStringList({"a", "-tzip", m_root.filePath(sName)}) + lstMembers;
    const bool bOk = SystemTools::run(ArchiveTool::findProgram(QString()), args, &sWhy);
    if (!bOk)
        qWarning("%s", qPrintable(sWhy));
    return bOk;
}

void TestDeviceInstall::initTestCase()
{
    qRegisterMetaType<ACTION_STATUS>("ACTION_STATUS");
    if (ArchiveTool::findProgram(QString()).isEmpty())
        QSKIP("no 7-Zip installed");
    if (!NginxFixture::isAvailable())
        QSKIP(qPrintable(NginxFixture::skipReason()));
    QVERIFY(m_root.isValid());
    QRandomGenerator random(16);
    auto noise = [&random](int nSize) {
        QByteArray data(nSize, Qt::Uninitialized);
        for (char& c : data)
            c = char(random.bounded(256));
        return data;
    };
    const QString sSource = m_root.filePath("src");
    QVERIFY(TestFolders::writeFile(sSource + "/app1.bin", noise(300000)));
    QVERIFY(TestFolders::writeFile(sSource + "/app2.bin", noise(200000)));
    QVERIFY(TestFolders::writeFile(sSource + "/readme.txt", "no installer here"));
    QVERIFY(makeZip("app1.zip", {sSource + "/app1.bin"}));
    QVERIFY(makeZip("app2.zip", {sSource + "/app2.bin"}));
    // The agent's package as the build makes it: the Debian package in a zip of the same name.
    QVERIFY(DesktopHandlerStub::makeAgentDeb(sSource + "/WendoAgent_1.1.0.deb", "1.1.0", m_root.path()));
    QVERIFY(makeZip("WendoAgent_1.1.0.zip", {sSource + "/WendoAgent_1.1.0.deb"}));
    QVERIFY(makeZip("AgentNothing.zip", {sSource + "/readme.txt"}));
    // A package whose installer has the old name of another platform.
    QVERIFY(TestFolders::writeFile(sSource + "/AgentOther.exe", noise(1000)));
    QVERIFY(makeZip("AgentOther.zip", {sSource + "/AgentOther.exe"}));
    QByteArray damaged = TestFolders::readFile(m_root.filePath("app1.zip"));
    for (int i = 1000; i < 1100; ++i)
        damaged[i] = char(damaged[i] ^ 0x5a);
    QVERIFY(TestFolders::writeFile(m_root.filePath("damaged.zip"), damaged));
    // What the hostile archives aim at: a folder beside the work folder's parent.
    m_sOutside = m_root.filePath("outside");
    ZipBuilder dotdot;
    dotdot.addFile("ok.txt", "fine");
    dotdot.addFile("../../../../../../../../../../.." + m_sOutside + "/dotdot.txt", "escaped");
    QVERIFY(dotdot.write(m_root.filePath("dotdot.zip")));
    ZipBuilder absolute;
    absolute.addFile(m_sOutside + "/absolute.txt", "escaped");
    QVERIFY(absolute.write(m_root.filePath("absolute.zip")));
    ZipBuilder link;
    link.addLink("link", m_sOutside);
    link.addFile("link/through.txt", "escaped");
    QVERIFY(link.write(m_root.filePath("link.zip")));
    QVERIFY2(m_nginx.start(m_root.path()), qPrintable(m_nginx.errorString()));
}

void TestDeviceInstall::init()
{
    m_pFolders.reset(new TestFolders);
    QVERIFY(QDir().mkpath(m_pFolders->tempDir()));
    AgentTiming::set(AgentTiming::DOWNLOAD_PROGRESS, 0);
    m_lstErrors.clear();
}

void TestDeviceInstall::cleanup()
{
    AgentTiming::resetDefaults();
    m_pFolders.reset();
}

WorkFile::Row TestDeviceInstall::row(const QString& sKind, const QString& sName, qint64 nSizeDelta) const
{
    const qint64 nSize = QFileInfo(m_root.filePath(sName)).size() + nSizeDelta;
    return {sKind,
            "2026/01/02",
            "2.0",
            QString::number(nSize),
            m_nginx.url("/" + sName),
            "http://notes/" + sName};
}

Rows TestDeviceInstall::rowsOf(const QString& sPath)
{
    Rows rows;
    WorkFile::readRows(sPath, &rows);
    return rows;
}

Statuses TestDeviceInstall::run(const Rows& rows)
{
    if (!WorkFile::writeRows(ProcDevUpdateXml::updateListPath(), rows))
        return {};
    auto* pWorker = new DeviceUpdateWorker(false);
    pWorker->setErrorSink(
        [this](const QString& sCode, const QString& sText) { m_lstErrors << sCode << sText; });
    QSignalSpy spy(pWorker, &DeviceUpdateWorker::emitStatus);
    pWorker->installDeviceUpdate(R"({"drive":"/media/sys/"})", false);
    auto isFinal = [&spy] {
        if (spy.isEmpty())
            return false;
        const int nLast = int(spy.last().at(0).value<ACTION_STATUS>());
        return nLast != DEVICE_DOWNLOADPROCESS && nLast != DEVICE_INSTALLPROCESS;
    };
    if (!QTest::qWaitFor(isFinal, 60000))
        qWarning("no final status within 60 s");
    if (!endWorker(pWorker))
        qWarning("the worker was not deleted");
    Statuses seen;
    for (const QList<QVariant>& args : spy)
        seen.append({int(args.at(0).value<ACTION_STATUS>()), args.at(1).toString()});
    return seen;
}

void TestDeviceInstall::twoDevicePackages()
{
    const Rows rows = {row("APPLICATION", "app1.zip"), row("IMAGE", "app2.zip")};
    const Statuses seen = run(rows);
    QVERIFY(!seen.isEmpty());
    QCOMPARE(seen.last(), qMakePair(int(INSTALLUPDATE_SUCCESS), QString()));
    // Progress of the first package, then of the second.
    QStringList files;
    for (const auto& status : seen) {
        if (status.first == DEVICE_DOWNLOADPROCESS) {
            const QString sFile = status.second.section('"', 3, 3);
            if (files.isEmpty() || files.last() != sFile)
                files << sFile;
        }
    }
    QCOMPARE(files, QStringList({"app1.zip", "app2.zip"}));
    QVERIFY(seen.first().second.startsWith(R"({"file":"app1.zip","read":")"));
    QCOMPARE(rowsOf(AgentFolders::tempPath("DevDownload.script")), rows);
    QCOMPARE(rowsOf(ProcDevUpdateXml::updateListPath()), Rows());
    QCOMPARE(TestFolders::readFile(tempPath("app2.zip")), TestFolders::readFile(m_root.filePath("app2.zip")));
}

void TestDeviceInstall::secondDownloadFails()
{
    Rows rows = {row("APPLICATION", "app1.zip"), row("IMAGE", "app2.zip")};
    rows[1][4] = m_nginx.url("/gone.zip");
    const Statuses seen = run(rows);
    QCOMPARE(seen.value(seen.size() - 1), qMakePair(int(DEVICE_REQUESTERROR), QString("true")));
    QCOMPARE(rowsOf(AgentFolders::tempPath("DevDownload.script")), Rows({rows[0]}));
    QCOMPARE(rowsOf(ProcDevUpdateXml::updateListPath()), Rows({rows[1]}));
}

// The row is recorded before it leaves the list: a record that cannot be written keeps it to be done.
void TestDeviceInstall::unrecordableRowStays()
{
    QVERIFY(QDir().mkpath(AgentFolders::tempPath("DevDownload.script")));
    const WorkFile::Row package = row("APPLICATION", "app1.zip");
    const Statuses seen = run({package});
    QCOMPARE(seen.value(seen.size() - 1), qMakePair(int(DEVICE_REQUESTERROR), QString("true")));
    QCOMPARE(rowsOf(ProcDevUpdateXml::updateListPath()), Rows({package}));
}

void TestDeviceInstall::cutDownloadIsResumed()
{
    const QByteArray whole = TestFolders::readFile(m_root.filePath("app1.zip"));
    const int nHalf = whole.size() / 2;
    QVERIFY(TestFolders::writeFile(tempPath("app1.zip"), whole.left(nHalf)));
    const Statuses seen = run({row("APPLICATION", "app1.zip")});
    QCOMPARE(seen.value(seen.size() - 1).first, int(INSTALLUPDATE_SUCCESS));
    QCOMPARE(TestFolders::readFile(tempPath("app1.zip")), whole);
    const QString sRange = QString("\"bytes=%1-\"").arg(nHalf);
    bool bResumed = false;
    for (const QString& sLine : m_nginx.accessLog())
        bResumed = bResumed || (sLine.startsWith("GET /app1.zip 206") && sLine.contains(sRange));
    QVERIFY2(bResumed, qPrintable(m_nginx.accessLog().join('\n')));
}

void TestDeviceInstall::badPackages_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("sizeDelta");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("code");
    QTest::newRow("size mismatch") << "app1.zip" << 1 << int(DEVICE_REQUESTERROR) << "";
    QTest::newRow("one byte longer than listed") << "app1.zip" << -1 << int(DEVICE_REQUESTERROR) << "";
    QTest::newRow("damaged archive") << "damaged.zip" << 0 << int(DEVICE_UNZIPERROR) << "E02-2";
    QTest::newRow("../ member") << "dotdot.zip" << 0 << int(DEVICE_UNZIPERROR) << "E03";
    QTest::newRow("absolute member") << "absolute.zip" << 0 << int(DEVICE_UNZIPERROR) << "E03";
    QTest::newRow("symbolic link") << "link.zip" << 0 << int(DEVICE_UNZIPERROR) << "E03";
}

// A package that is not what the list promised is removed and never recorded, and the row stays.
void TestDeviceInstall::badPackages()
{
    QFETCH(QString, name);
    QFETCH(int, sizeDelta);
    QFETCH(int, status);
    QFETCH(QString, code);
    const WorkFile::Row bad = row("APPLICATION", name, sizeDelta);
    const Statuses seen = run({bad});
    QCOMPARE(seen.value(seen.size() - 1), qMakePair(status, QString("true")));
    QCOMPARE(m_lstErrors.value(0), code);
    QVERIFY(!QFile::exists(tempPath(name)));
    QCOMPARE(rowsOf(AgentFolders::tempPath("DevDownload.script")), Rows());
    QCOMPARE(rowsOf(ProcDevUpdateXml::updateListPath()), Rows({bad}));
    QVERIFY(!QFileInfo::exists(m_sOutside));
    QVERIFY(!QFileInfo::exists(m_pFolders->tempDir() + "/link"));
}

void TestDeviceInstall::archivePrograms_data()
{
    QTest::addColumn<QString>("program");
    QTest::addColumn<QString>("code");
    QTest::newRow("missing") << "missing"
                             << "E01";
    QTest::newRow("failing") << "failing"
                             << "E02-1";
    QTest::newRow("crashing") << "crashing"
                              << "E02--1";
}

void TestDeviceInstall::archivePrograms()
{
    QFETCH(QString, program);
    QFETCH(QString, code);
    FakeArchivePrograms fakes;
    PlatformOverride platform;
    platform.setArchiveProgram(program == "missing"   ? fakes.missing()
                               : program == "failing" ? fakes.failing(1)
                                                      : fakes.crashing());
    const WorkFile::Row package = row("APPLICATION", "app1.zip");
    const Statuses seen = run({package});
    QCOMPARE(seen.value(seen.size() - 1), qMakePair(int(DEVICE_UNZIPERROR), QString("true")));
    QCOMPARE(m_lstErrors.value(0), code);
    QCOMPARE(rowsOf(ProcDevUpdateXml::updateListPath()), Rows({package}));
    QCOMPARE(rowsOf(AgentFolders::tempPath("DevDownload.script")), Rows());
}

void TestDeviceInstall::agentPackage()
{
    FakeInstallerLauncher launcher;
    PlatformOverride platform;
    platform.setInstallerLauncher(&launcher);
    const Rows rows = {row("AGENT", "WendoAgent_1.1.0.zip"), row("APPLICATION", "app1.zip")};
    const Statuses seen = run(rows);
    QCOMPARE(seen.value(seen.size() - 1), qMakePair(int(INSTALLUPDATE_SUCCESS), QString("agent")));
    QVERIFY(seen.contains({int(DEVICE_INSTALLPROCESS), R"({"file":"WendoAgent_1.1.0.zip","unzip":"0"})"}));
    QVERIFY(seen.contains({int(DEVICE_INSTALLPROCESS), R"({"file":"WendoAgent_1.1.0.zip","unzip":"100"})"}));
    QCOMPARE(launcher.launched(), QStringList({tempPath("WendoAgent_1.1.0.deb")}));
    QCOMPARE(TestFolders::readFile(tempPath("WendoAgent_1.1.0.deb")),
             TestFolders::readFile(m_root.filePath("src/WendoAgent_1.1.0.deb")));
    // The agent goes first and alone: the device package waits for the new agent.
    QVERIFY(!QFile::exists(tempPath("app1.zip")));
    QCOMPARE(rowsOf(ProcDevUpdateXml::updateListPath()), rows);
}

// The whole road on this desktop: an address with a query, the real launcher, and the desktop's handler
// (a stub first on PATH) given the Debian package, which is opened and never run. The handler's end
// decides: ended well or still running (it took over) is done, a failure (no program for Debian
// packages) is the agent's failed update, said in the log as it happened.
void TestDeviceInstall::agentOpenedByTheDesktop_data()
{
    QTest::addColumn<int>("ending");
    QTest::addColumn<int>("handOverMs");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("logged");
    QTest::newRow("handler ends well") << int(DesktopHandlerStub::ENDS_WELL) << 600000
                                       << int(INSTALLUPDATE_SUCCESS) << "\"xdg-open\" ended well";
    QTest::newRow("handler keeps running")
        << int(DesktopHandlerStub::KEEPS_RUNNING) << 50 << int(INSTALLUPDATE_SUCCESS) << "still runs 50 ms";
    QTest::newRow("handler fails") << int(DesktopHandlerStub::FAILS) << 600000 << int(DEVICE_REQUESTERROR)
                                   << "not opened: \"xdg-open\" ended with exit status 3";
}

void TestDeviceInstall::agentOpenedByTheDesktop()
{
    QFETCH(int, ending);
    QFETCH(int, handOverMs);
    QFETCH(int, status);
    QFETCH(QString, logged);
    // The log on (the old folders' end closes the log, so they go first).
    m_pFolders.reset();
    m_pFolders.reset(new TestFolders(true));
    QVERIFY(QDir().mkpath(m_pFolders->tempDir()));
    DesktopHandlerStub handler({"xdg-open"}, DesktopHandlerStub::STUBS_FIRST,
                               DesktopHandlerStub::Ending(ending));
    QVERIFY(handler.isValid());
    AgentTiming::set(AgentTiming::HANDLER_HANDOVER, handOverMs);
    WorkFile::Row agent = row("AGENT", "WendoAgent_1.1.0.zip");
    agent[4] += "?sig=1";
    const Statuses seen = run({agent});
    const bool bTaken = status == INSTALLUPDATE_SUCCESS;
    QCOMPARE(seen.value(seen.size() - 1), qMakePair(status, QString(bTaken ? "agent" : "true")));
    QCOMPARE(m_lstErrors.value(0), bTaken ? QString() : QString("E06"));
    QVERIFY(seen.contains(
        {int(DEVICE_INSTALLPROCESS), R"({"file":"WendoAgent_1.1.0.zip?sig=1","unzip":"100"})"}));
    QCOMPARE(TestFolders::readFile(tempPath("WendoAgent_1.1.0.zip?sig=1")),
             TestFolders::readFile(m_root.filePath("WendoAgent_1.1.0.zip")));
    QVERIFY(handler.waitForCall("xdg-open", 60000)); // one that took over may not have got there yet
    QCOMPARE(handler.calls("xdg-open"), QStringList{tempPath("WendoAgent_1.1.0.deb")});
    QCOMPARE(TestFolders::readFile(tempPath("WendoAgent_1.1.0.deb")),
             TestFolders::readFile(m_root.filePath("src/WendoAgent_1.1.0.deb")));
    QVERIFY(!QFileInfo(tempPath("WendoAgent_1.1.0.deb")).isExecutable());
    const auto log = [this] {
        return QString::fromUtf8(TestFolders::readFile(m_pFolders->dataPath("WendoAgent.log")));
    };
    QVERIFY2(log().contains(logged), qUtf8Printable(log().right(2000)));
    if (ending == DesktopHandlerStub::KEEPS_RUNNING) {
        // The handler that took over is still heard when it ends.
        handler.stopRunning();
        QTRY_VERIFY_WITH_TIMEOUT(log().contains("the handler that took the installer ended"), 60000);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    // The row stays until the new agent has replaced this one, and for the next try after a failure.
    QCOMPARE(rowsOf(ProcDevUpdateXml::updateListPath()), Rows({agent}));
}

// The agent's update has nothing to do with a device: its failures end as a failed update of the agent
// (74, with a code), never as an unpack onto a device, and the row stays for the next try.
void TestDeviceInstall::agentFailures_data()
{
    QTest::addColumn<QString>("package");
    QTest::addColumn<QString>("launchFailure");
    QTest::addColumn<QString>("code");
    QTest::addColumn<bool>("packageKept");
    QTest::addColumn<bool>("earlierInstaller"); // one of the same name left in the work folder
    QTest::newRow("no installer") << "AgentNothing.zip" << QString() << "E03" << false << false;
    QTest::newRow("no installer, an earlier one left")
        << "AgentNothing.zip" << QString() << "E03" << false << true;
    QTest::newRow("installer for another platform")
        << "AgentOther.zip" << QString() << "E03" << false << false;
    QTest::newRow("damaged package") << "damaged.zip" << QString() << "E02-2" << false << false;
    QTest::newRow("desktop did not take it") << "WendoAgent_1.1.0.zip"
                                             << "no desktop handler"
                                             << "E06" << true << false;
}

void TestDeviceInstall::agentFailures()
{
    QFETCH(QString, package);
    QFETCH(QString, launchFailure);
    QFETCH(QString, code);
    QFETCH(bool, packageKept);
    QFETCH(bool, earlierInstaller);
    if (earlierInstaller)
        QVERIFY(TestFolders::writeFile(tempPath(QString(package).replace(".zip", ".deb")), "earlier"));
    FakeInstallerLauncher launcher;
    if (!launchFailure.isEmpty())
        launcher.setFailure(launchFailure);
    PlatformOverride platform;
    platform.setInstallerLauncher(&launcher);
    const WorkFile::Row agent = row("AGENT", package);
    const Statuses seen = run({agent});
    QCOMPARE(seen.value(seen.size() - 1), qMakePair(int(DEVICE_REQUESTERROR), QString("true")));
    QCOMPARE(m_lstErrors.value(0), code);
    QCOMPARE(launcher.launched(), QStringList());
    // A package that is not what it should be is fetched anew next time.
    QCOMPARE(QFile::exists(tempPath(package)), packageKept);
    QCOMPARE(rowsOf(ProcDevUpdateXml::updateListPath()), Rows({agent}));
}

// The address carries a query: the package is saved and recorded under the whole last segment.
void TestDeviceInstall::addressWithQuery()
{
    WorkFile::Row package = row("APPLICATION", "app1.zip");
    package[4] += "?sig=1";
    const Statuses seen = run({package});
    QCOMPARE(seen.value(seen.size() - 1), qMakePair(int(INSTALLUPDATE_SUCCESS), QString()));
    const QString sProgress = "{\"file\":\"app1.zip?sig=1\",\"read\":\"";
    QVERIFY(seen.first().second.startsWith(sProgress));
    QCOMPARE(TestFolders::readFile(tempPath("app1.zip?sig=1")),
             TestFolders::readFile(m_root.filePath("app1.zip")));
    QVERIFY(!QFile::exists(tempPath("app1.zip")));
    QCOMPARE(rowsOf(AgentFolders::tempPath("DevDownload.script")), Rows({package}));
}

void TestDeviceInstall::lists_data()
{
    QTest::addColumn<QString>("list");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("text");
    QTest::newRow("no list") << "none" << int(INSTALLUPDATE_SUCCESS) << "true";
    QTest::newRow("empty list") << "empty" << int(INSTALLUPDATE_SUCCESS) << "true";
    QTest::newRow("unreadable list") << "folder" << int(DEVICE_REQUESTERROR) << "true";
    QTest::newRow("address ends in /") << "slash" << int(DEVICE_REQUESTERROR) << "true";
    QTest::newRow("address ends in ..") << "dots" << int(DEVICE_REQUESTERROR) << "true";
    QTest::newRow("address names a work list") << "worklist" << int(DEVICE_REQUESTERROR) << "true";
}

void TestDeviceInstall::lists()
{
    QFETCH(QString, list);
    QFETCH(int, status);
    QFETCH(QString, text);
    const QString sList = ProcDevUpdateXml::updateListPath();
    if (list == "empty")
        QVERIFY(WorkFile::writeRows(sList, {}));
    else if (list == "folder")
        QVERIFY(QDir().mkpath(sList));
    else if (list != "none")
        QVERIFY(WorkFile::writeRows(sList, {{"IMAGE", "d", "v", "10",
                                             m_nginx.url(list == "slash"  ? "/"
                                                         : list == "dots" ? "/a/.."
                                                                          : "/Update.script"),
                                             ""}}));
    auto* pWorker = new DeviceUpdateWorker(false);
    QSignalSpy spy(pWorker, &DeviceUpdateWorker::emitStatus);
    pWorker->installDeviceUpdate(R"({"drive":"/media/sys/"})", false);
    QVERIFY(spy.count() == 1 || spy.wait(20000));
    QVERIFY(endWorker(pWorker));
    QCOMPARE(spy.count(), 1);
    QCOMPARE(int(spy.first().at(0).value<ACTION_STATUS>()), status);
    QCOMPARE(spy.first().at(1).toString(), text);
    if (list == "worklist") // the list itself was not taken for the package
        QCOMPARE(rowsOf(sList).size(), 1);
}

void TestDeviceInstall::fullDataFolder()
{
    SmallVolume volume(SmallVolume::EXT4);
    QString sWhy;
    if (!volume.mount(&sWhy))
        QSKIP(qPrintable("no small volume: " + sWhy));
    AgentFolders::setDataDir(volume.path());
    QVERIFY(QDir().mkpath(AgentFolders::tempDir()));
    const WorkFile::Row package = row("APPLICATION", "app1.zip");
    QVERIFY(WorkFile::writeRows(ProcDevUpdateXml::updateListPath(), {package}));
    QVERIFY2(volume.fillLeaving(4, &sWhy), qPrintable(sWhy));
    DeviceUpdateWorker worker(false);
    QSignalSpy spy(&worker, &DeviceUpdateWorker::emitStatus);
    worker.installDeviceUpdate(R"({"drive":"/media/sys/"})", false);
    QTRY_VERIFY_WITH_TIMEOUT(
        !spy.isEmpty() && spy.last().at(0).value<ACTION_STATUS>() != DEVICE_DOWNLOADPROCESS, 60000);
    QCOMPARE(spy.last().at(0).value<ACTION_STATUS>(), DEVICE_REQUESTERROR);
    QCOMPARE(rowsOf(ProcDevUpdateXml::updateListPath()), Rows({package}));
    QVERIFY(!QFile::exists(AgentFolders::tempPath("DevDownload.script")));
    AgentFolders::setDataDir(m_pFolders->dataDir());
    volume.makeRoom();
}

QTEST_GUILESS_MAIN(TestDeviceInstall)
#include "tst_deviceinstall.moc"
