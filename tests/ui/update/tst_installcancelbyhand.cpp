#include "../pages/WindowManagerClose.h"
#include "controller/ZeqAgentCtrlMgr.h"
#include "core/AgentFolders.h"
#include "core/AgentTiming.h"
#include "core/WorkFile.h"
#include "platform/ArchiveTool.h"
#include "support/DriveTree.h"
#include "support/FakeArchivePrograms.h"
#include "support/RealInput.h"
#include "support/TestFolders.h"
#include "support/TestHttpServer.h"
#include "support/UiFixture.h"
#include "support/ZipBuilder.h"
#include "ui/update/InstallUpdateDialog.h"

#include <QApplication>
#include <QCryptographicHash>
#include <QDirIterator>
#include <QSignalSpy>
#include <QTimer>
#include <QtTest>

#include <memory>

using Rows = QList<WorkFile::Row>;

namespace
{
enum class Way { Escape, WindowManager };

const QString g_sDeviceFailed =
    "Updates|Update failed. Please ensure that your Wendo 500 is still connected to "
    "your computer. If this problem persists, contact Zeq support.";

QByteArray noise(int nSize)
{
    QByteArray data(nSize, Qt::Uninitialized);
    for (int i = 0; i < nSize; ++i)
        data[i] = char((i * 131 + i / 7) & 0xff);
    return data;
}

// Every file below a folder with its content's digest: what a drive holds, to compare before and after.
QStringList treeOf(const QString& sRoot)
{
    QStringList lst;
    QDirIterator it(sRoot, QDir::Files | QDir::Hidden | QDir::System, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString sPath = it.next();
        lst << sPath.mid(sRoot.size()) + " " +
                   QCryptographicHash::hash(TestFolders::readFile(sPath), QCryptographicHash::Md5).toHex();
    }
    lst.sort();
    return lst;
}
} // namespace

Q_DECLARE_METATYPE(Way)

// A person stops an install with the keyboard's Escape or the window manager's close, on a display of
// its own, with the real controller and workers: while a package still downloads (from the test server,
// a drop at a time) the install ends at once without a box and the device is untouched; once a package
// is being unpacked onto the device, both are refused and the install's own end closes the dialog.
class TestInstallCancelByHand : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void cancelWhileDownloading_data();
    void cancelWhileDownloading();
    void unpackCannotBeCancelled_data();
    void unpackCannotBeCancelled();

private:
    void plug();
    static void unplug();
    bool askToClose(RealInput& input, InstallUpdateDialog* pDialog, Way way);
    QStringList notices() const;
    WorkFile::Row deviceRow() const;

    UiFixture m_ui;
    TestHttpServer m_server;
    QByteArray m_package;
    std::unique_ptr<DriveTree> m_pDrive;
    std::unique_ptr<FakeArchivePrograms> m_pPrograms;
};

void TestInstallCancelByHand::initTestCase()
{
    qRegisterMetaType<ACTION_STATUS>("ACTION_STATUS");
    if (!RealInput::isAvailable())
        QSKIP(qPrintable("no display for real input: " + RealInput::unavailableReason()));
    if (ArchiveTool::findProgram(QString()).isEmpty())
        QSKIP("no 7-Zip installed");
    ZipBuilder zip;
    zip.addFile("KORVO/Program/program.bin", noise(200000));
    m_package = zip.bytes();
    QVERIFY(m_server.start());
}

void TestInstallCancelByHand::init()
{
    m_ui.reset();
    m_ui.m_notifier.m_whileOpen = nullptr;
    QDir(m_ui.m_folders.tempDir()).removeRecursively();
    QVERIFY(QDir().mkpath(m_ui.m_folders.tempDir()));
    m_pDrive.reset(new DriveTree);
    QVERIFY(m_pDrive->writeVersion("osm", "1.0;old;1;"));
    QVERIFY(QDir().mkpath(m_pDrive->root() + "KORVO/Map"));
    m_pPrograms.reset(new FakeArchivePrograms);
    ControllerTestDevices::install()->m_volumes.clear();
    plug();
    AgentTiming::set(AgentTiming::DOWNLOAD_PROGRESS, 0);
    m_server.reset();
}

void TestInstallCancelByHand::cleanup()
{
    m_ui.m_platform.setArchiveProgram(QString());
    ZeqAgentCtrlMgr* pCtrl = ZeqAgentCtrlMgr::getInstance();
    pCtrl->doStopDeviceWorker();
    pCtrl->terminateCheckUpdate();
    pCtrl->takeErrorCode();
    unplug();
    m_pDrive.reset();
    m_pPrograms.reset();
    AgentTiming::resetDefaults();
    AgentTiming::set(AgentTiming::WELCOME_PAUSE, 0);
}

void TestInstallCancelByHand::plug()
{
    ControllerTestDevices::install()->m_volumes.addVolume(m_pDrive->root(), "ZEQ_SYSTEM");
    Worker::DEVINFOEX device;
    device.bArrival = true;
    device.type = Worker::FAMILY_DRIVE;
    device.devInfo.sUUID = "0123456789ABCDEF";
    device.devInfo.sSkuID = "1";
    device.devInfo.sHWName = "Wendo 500";
    device.lstDrive = QStringList{m_pDrive->root(), m_pDrive->root() + "data/"};
    ZeqAgentCtrlMgr::getInstance()->notityWendoDev(device);
}

void TestInstallCancelByHand::unplug()
{
    ZeqAgentCtrlMgr* pCtrl = ZeqAgentCtrlMgr::getInstance();
    if (!pCtrl->isDevicePresent())
        return;
    Worker::DEVINFOEX device = pCtrl->currentDevice();
    device.bArrival = false;
    pCtrl->notityWendoDev(device);
}

bool TestInstallCancelByHand::askToClose(RealInput& input, InstallUpdateDialog* pDialog, Way way)
{
    if (way == Way::Escape)
        return input.key(Qt::Key_Escape);
    return sendWindowManagerClose(pDialog) && input.sync();
}

QStringList TestInstallCancelByHand::notices() const
{
    QStringList lst;
    for (const RecordingNotifier::Notice& notice : m_ui.m_notifier.m_notices)
        lst << notice.sTitle + "|" + notice.sText;
    return lst;
}

WorkFile::Row TestInstallCancelByHand::deviceRow() const
{
    return {"APPLICATION", "2026-01-02", "103", QString::number(m_package.size()), m_server.url("/App_1.zip"),
            "notes"};
}

void TestInstallCancelByHand::cancelWhileDownloading_data()
{
    QTest::addColumn<Way>("way");
    QTest::addColumn<bool>("map"); // the map part's download, else the device part's
    QTest::newRow("Escape, device package") << Way::Escape << false;
    QTest::newRow("window manager close, device package") << Way::WindowManager << false;
    QTest::newRow("Escape, map archive") << Way::Escape << true;
    QTest::newRow("window manager close, map archive") << Way::WindowManager << true;
}

void TestInstallCancelByHand::cancelWhileDownloading()
{
    QFETCH(Way, way);
    QFETCH(bool, map);
    const QString sName = map ? "a_OSM.zip" : "App_1.zip";
    if (map) {
        const QByteArray md5 = QCryptographicHash::hash(m_package, QCryptographicHash::Md5).toHex();
        QVERIFY(WorkFile::writeRows(
            AgentFolders::tempPath("map.script"),
            {{"BugFixMapUpdate", "3.5", QString::number(m_package.size()), "2026-02-03 04:05:06", "OSM-EU",
              "7", m_server.url("/" + sName), QString::fromLatin1(md5), "http://notes/", "0", ""}}));
    } else {
        QVERIFY(WorkFile::writeRows(AgentFolders::tempPath("Update.script"), {deviceRow()}));
    }
    // A drop at a time: the download runs for minutes unless it is stopped.
    const QByteArray package = m_package;
    m_server.setHandler([package](const TestHttpServer::Request& request) {
        return TestHttpServer::fileAnswer(request, package).trickled(50, 100, false);
    });
    const QStringList lstDriveBefore = treeOf(m_pDrive->root());
    QSignalSpy finish(ZeqAgentCtrlMgr::getInstance(), &ZeqAgentCtrlMgr::actionFinish);
    const QString sPartial = AgentFolders::tempPath(sName);
    const int nLogBefore = m_ui.log().size();

    InstallUpdateDialog dialog(false, false, nullptr);
    RealInput input;
    QVERIFY(input.isOpen());
    QStringList steps;
    QTimer::singleShot(0, &dialog, [&] {
        if (!input.showWindow(&dialog)) {
            steps << "not shown";
            dialog.done(42);
            return;
        }
        if (!QTest::qWaitFor([&] { return QFileInfo(sPartial).size() > 0; }, 30000)) {
            steps << "no download";
            dialog.done(42);
            return;
        }
        steps << QString("asked %1").arg(askToClose(input, &dialog, way));
    });
    QTimer::singleShot(60000, &dialog, [&dialog] { dialog.done(42); }); // hang guard only
    const int nResult = dialog.exec();

    QCOMPARE(steps, QStringList{"asked 1"});
    QCOMPARE(nResult, int(QDialog::Rejected));
    // No box: the person stopped it. The worker was stopped by the cancel itself, so no status follows.
    QCOMPARE(notices(), QStringList());
    QVERIFY(m_ui.log()
                .mid(nLogBefore)
                .contains(map ? "[WorkerSlot][stop] map update" : "[WorkerSlot][stop] device update"));
    for (const QList<QVariant>& args : finish) {
        const int nStatus = int(args.at(0).value<ACTION_STATUS>());
        QVERIFY2(nStatus == DEVICE_DOWNLOADPROCESS || nStatus == MAP_DOWNLOADPROCESS ||
                     (map && nStatus == INSTALLUPDATE_SUCCESS),
                 qPrintable(QString::number(nStatus)));
    }
    // Nothing on the device; what came so far waits in the work folder for the next install to resume.
    QCOMPARE(treeOf(m_pDrive->root()), lstDriveBefore);
    const QByteArray partial = TestFolders::readFile(sPartial);
    QVERIFY(!partial.isEmpty() && partial.size() < m_package.size());
    QCOMPARE(partial, m_package.left(partial.size()));
}

void TestInstallCancelByHand::unpackCannotBeCancelled_data()
{
    QTest::addColumn<Way>("way");
    QTest::newRow("Escape") << Way::Escape;
    QTest::newRow("window manager close") << Way::WindowManager;
}

void TestInstallCancelByHand::unpackCannotBeCancelled()
{
    QFETCH(Way, way);
    // The real program checks and lists the package; its unpack onto the device hangs until stopped.
    const QString sPidFile = m_pPrograms->dir() + "/unpack.pid";
    m_ui.m_platform.setArchiveProgram(m_pPrograms->script(
        "7z-unpack-hangs", QString("if [ \"$1\" = x ]; then echo $$ > '%1.tmp' && mv '%1.tmp' '%1'; "
                                   "exec sleep 600; fi\nexec '%2' \"$@\"\n")
                               .arg(sPidFile, ArchiveTool::findProgram(QString()))));
    QVERIFY(WorkFile::writeRows(AgentFolders::tempPath("Update.script"), {deviceRow()}));
    const QByteArray package = m_package;
    m_server.setHandler([package](const TestHttpServer::Request& request) {
        return TestHttpServer::fileAnswer(request, package);
    });

    InstallUpdateDialog dialog(false, false, nullptr);
    RealInput input;
    QVERIFY(input.isOpen());
    QStringList steps;
    qint64 nPid = 0;
    QTimer::singleShot(0, &dialog, [&] {
        if (!input.showWindow(&dialog) || !QTest::qWaitFor([&] { return QFile::exists(sPidFile); }, 30000)) {
            steps << "no unpack";
            dialog.done(42);
            return;
        }
        nPid = TestFolders::readFile(sPidFile).trimmed().toLongLong();
        for (int i = 0; i < 2; ++i)
            steps << QString("asked %1, visible %2")
                         .arg(askToClose(input, &dialog, way))
                         .arg(dialog.isVisible());
        unplug();
    });
    QTimer::singleShot(60000, &dialog, [&dialog] { dialog.done(42); }); // hang guard only
    const int nResult = dialog.exec();

    QCOMPARE(steps, QStringList({"asked 1, visible 1", "asked 1, visible 1"}));
    QCOMPARE(nResult, int(QDialog::Accepted));
    QCOMPARE(notices(), QStringList{g_sDeviceFailed});
    QVERIFY(nPid != 0);
    QTRY_VERIFY(!FakeArchivePrograms::isProcessAlive(nPid));
}

WENDO_REAL_INPUT_MAIN(TestInstallCancelByHand)
#include "tst_installcancelbyhand.moc"
