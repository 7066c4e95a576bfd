#include "backup/BackupFiles.h"
#include "core/AgentTiming.h"
#include "core/JsonHelper.h"
#include "platform/ArchiveTool.h"
#include "support/BackupDialogFixture.h"
#include "support/ControllerTestDevices.h"
#include "support/FakeShareService.h"
#include "support/RealInput.h"
#include "support/RecordingDialogOpener.h"
#include "support/SignInByHand.h"
#include "support/SyncBoxFixture.h"
#include "support/TestFolders.h"
#include "support/TestHttpServer.h"
#include "support/UiFixture.h"
#include "ui/main/AgentResources.h"
#include "ui/main/Login_fbWidget.h"
#include "ui/main/ZeqAgentMainDialog.h"
#include "ui/pages/BackupRestoreDailog.h"
#include "ui/pages/CustomTabWidget.h"
#include "ui/pages/DevSettingWidget.h"
#include "ui/pages/MyDevRegWidget.h"
#include "ui/pages/MyDevShareSyncWidget.h"
#include "ui/pages/MyDevVersionWidget.h"
#include "ui/pages/MyDeviceWidget.h"
#include "ui/pages/SettingWidget.h"
#include "ui/pages/ZeqAgentInfoWidget.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QProcess>
#include <QPushButton>
#include <QTabBar>
#include <QTimer>
#include <QtTest>

#include <memory>

// The main road as a person takes it, on a display of its own with real mouse and keyboard: the real
// main window, sign-in by typing, a drive-family device arriving, My Device with its automatic sync,
// a second sync by click, a backup with the real 7-Zip, the Settings tab and back. Only the sharing
// service (on loopback), the track server, the volumes and the update dialogs are stand-ins; every
// request checked below was caused by what the person typed and clicked.
class TestMainRoadByHand : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void signInSyncBackUpAndLookAround();

private:
    QList<FakeShareService::Call> calls(const QString& sOperation) const;
    QStringList notices() const;
    // The page on the current tab, if it is of that class.
    template <class T> T* currentPage() const
    {
        return m_pTabs ? qobject_cast<T*>(m_pTabs->currentWidget()) : nullptr;
    }
    int tabOf(const QString& sText) const;
    // What 7-Zip lists in an archive, one path a line.
    static QStringList archiveEntries(const QString& sArchive);

    std::unique_ptr<TestHttpServer> m_pServer;
    std::unique_ptr<TestHttpServer> m_pTracks;
    std::unique_ptr<FakeShareService> m_pService;
    std::unique_ptr<UiFixture> m_pUi;
    std::unique_ptr<RecordingDialogOpener> m_pOpener;
    QString m_sArchiveProgram;
    CustomTabWidget* m_pTabs = nullptr;
};

namespace
{
// Shift, a quote and a plus sign: the service must get the address exactly as it was typed.
const QString EMAIL = "Rider.O'Neil+Road@Example.com";
const QString PASSWORD = "Pa ss<w>&rd";
const QString SESSION = "SESSION-ROAD";
const QByteArray TRACK =
    "<?xml version=\"1.0\"?>\n<gpx version=\"1.1\"><trk><name>Morning loop</name></trk></gpx>\n";
} // namespace

void TestMainRoadByHand::initTestCase()
{
    if (!RealInput::isAvailable())
        QSKIP(qPrintable("no display for real input: " + RealInput::unavailableReason()));
    m_sArchiveProgram = ArchiveTool::findProgram(QString());
    if (m_sArchiveProgram.isEmpty())
        QSKIP("No 7-Zip program (7z, 7zz or 7za) is installed; the set-up scripts install Debian's 7zip.");
    AgentResources::init();
    m_pServer.reset(new TestHttpServer);
    m_pTracks.reset(new TestHttpServer);
    QVERIFY(m_pServer->start());
    QVERIFY(m_pTracks->start());
    m_pService.reset(new FakeShareService(*m_pServer));
    m_pUi.reset(new UiFixture(false, m_pService->serviceUrl()));
    m_pOpener.reset(new RecordingDialogOpener);
    // Short waits instead of the production pauses; none of them is asserted on.
    AgentTiming::set(AgentTiming::SYNC_AUTOSTART, 100);
    AgentTiming::set(AgentTiming::SETTINGS_FETCH, 0);
    AgentTiming::set(AgentTiming::REGCHECK_RETRY, 20);
    AgentTiming::set(AgentTiming::BACKUP_PART_PAUSE, 0);
    AgentTiming::set(AgentTiming::BACKUP_DONE_PAUSE, 50);
    QDir(BackupFiles::backupDir()).removeRecursively();
}

void TestMainRoadByHand::cleanupTestCase()
{
    BackupDialogFixture::unplug();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    m_pOpener.reset();
}

QList<FakeShareService::Call> TestMainRoadByHand::calls(const QString& sOperation) const
{
    return m_pService->calls(sOperation);
}

QStringList TestMainRoadByHand::notices() const
{
    QStringList lst;
    for (const RecordingNotifier::Notice& notice : m_pUi->m_notifier.m_notices)
        lst << notice.sTitle + "|" + notice.sText;
    return lst;
}

int TestMainRoadByHand::tabOf(const QString& sText) const
{
    for (int i = 0; m_pTabs && i < m_pTabs->count(); ++i) {
        if (m_pTabs->tabText(i) == sText)
            return i;
    }
    return -1;
}

QStringList TestMainRoadByHand::archiveEntries(const QString& sArchive)
{
    const QString sProgram = ArchiveTool::findProgram(QString());
    QProcess process;
    process.start(sProgram, {"l", "-slt", "-ba", sArchive});
    if (!process.waitForFinished(60000) || process.exitCode() != 0)
        return {"7-Zip could not list " + sArchive};
    QStringList entries;
    for (const QString& sLine : QString::fromUtf8(process.readAllStandardOutput()).split('\n')) {
        if (sLine.startsWith("Path = "))
            entries << sLine.mid(7).trimmed();
    }
    return entries;
}

void TestMainRoadByHand::signInSyncBackUpAndLookAround()
{
    // The device: a system and a data drive in temporary folders, holding one new ride.
    BackupDialogFixture device;
    const QString sData = device.device().dataRoot();
    // This road's one ride; the backup device's filler in a ride folder is no GPX track and would leave
    // every sync partial.
    QVERIFY(QFile::remove(sData + "Korvo/Tracks/profile1/20240101120000.gpx"));
    const QString sRide = SyncBoxFixture::addRide(sData, "ride.gpx", 15);
    const QString sHash = SyncBoxFixture::hashOf(sRide);
    QVERIFY(!sHash.isEmpty());
    const QString sUUID = BackupDialogFixture::uuid();

    // The service: the device registered to this account; the first check asks for the ride and a track.
    m_pTracks->setHandler([](const TestHttpServer::Request& request) {
        return request.path() == "/loop.gpx" ? TestHttpServer::fileAnswer(request, TRACK)
                                             : TestHttpServer::Answer::status(404);
    });
    const QString sTrackUrl = m_pTracks->url("/loop.gpx");
    m_pService->setAnswer("login", FakeShareService::RETURN, SESSION);
    m_pService->setAnswer("checkDeviceReg", FakeShareService::RETURN, "SUCCESS:S0001");
    m_pService->setAnswer("getCustomerSetting", FakeShareService::RETURN,
                          "{\"afterUpload\":\"delete_after_upload\",\"syncType\":\"auto_sync\"}");
    m_pService->setAnswer("getDeviceList", FakeShareService::RETURN,
                          "[" +
                              JsonHelper::object({{"UUID", sUUID},
                                                  {"SKUID", "1"},
                                                  {"Model", "M"},
                                                  {"HardwareName", BackupDialogFixture::hardwareName()},
                                                  {"AddDate", "2024/03/01"}}) +
                              "]");
    m_pService->setAnswer("uploadRec", FakeShareService::RETURN, "SUCCESS:S0001");
    m_pService->setAnswer(
        "getRouteSyncList", FakeShareService::RETURN,
        SyncBoxFixture::workList({{"upload", sHash}, {"download", "t1", "Morning loop", sTrackUrl}}));
    // Too little room on the device for the track: the first sync uploads the ride and stops there.
    FakeVolumeInfo& volumes = ControllerTestDevices::install()->m_volumes;
    volumes.addVolume(device.device().systemRoot());
    volumes.addVolume(sData);
    volumes.setFreeSpace(1024 * 1024);

    // ---- sign-in by hand ----
    std::unique_ptr<ZeqAgentMainDialog> pWindow(new ZeqAgentMainDialog());
    RealInput input;
    QVERIFY(input.showWindow(pWindow.get()));
    auto* pEmail = pWindow->findChild<QLineEdit*>("txt_email");
    QVERIFY(pEmail);
    QVERIFY(signInByHand(input, pWindow.get(), EMAIL, PASSWORD));
    QTRY_COMPARE_WITH_TIMEOUT(calls("login").size(), 1, 30000);
    QCOMPARE(calls("login").first().params.value("CustomerEMail"), EMAIL);
    QCOMPARE(calls("login").first().params.value("Password"), PASSWORD);

    ZeqAgentInfoWidget* pInfo = nullptr;
    QTRY_VERIFY_WITH_TIMEOUT((pInfo = pWindow->findChild<ZeqAgentInfoWidget*>()) && pInfo->isVisible(),
                             30000);
    QVERIFY(!pEmail->isVisible());
    m_pTabs = pInfo->tabWidget();

    // ---- the device arrives: registered here, My Device with its three boxes ----
    device.plug();
    QTRY_COMPARE_WITH_TIMEOUT(calls("checkDeviceReg").size(), 1, 30000);
    const FakeShareService::Call check = calls("checkDeviceReg").first();
    QCOMPARE(check.params.value("UUID"), sUUID);
    QCOMPARE(check.params.value("CustomerEMail"), EMAIL);
    QCOMPARE(check.params.value("SessionID"), SESSION);
    QTRY_VERIFY_WITH_TIMEOUT(
        currentPage<MyDeviceWidget>() && currentPage<MyDeviceWidget>()->layoutStyle() == 0, 30000);
    QCOMPARE(m_pTabs->count(), 4);
    QCOMPARE(m_pTabs->tabText(0), QString("My Device"));
    MyDeviceWidget* pMyDevice = currentPage<MyDeviceWidget>();
    QVERIFY(pMyDevice->isVisible());
    auto* pReg = pMyDevice->findChild<MyDevRegWidget*>();
    auto* pSync = pMyDevice->findChild<MyDevShareSyncWidget*>();
    auto* pVersion = pMyDevice->findChild<MyDevVersionWidget*>();
    QVERIFY(pReg && pSync && pVersion);
    auto* pSyncButton = pSync->findChild<QPushButton*>("btn_sync");
    auto* pBackup = pReg->findChild<QPushButton*>("btn_backup");
    auto* pBackupLine = pReg->findChild<QLabel*>("label_backup");
    QVERIFY(pSyncButton && pBackup && pBackupLine);
    QCOMPARE(pReg->findChild<QLabel*>("label_devinfo")->text(), QString("Wendo 500 is connected"));
    QCOMPARE(pBackupLine->text(), QString("Back up your Wendo data"));

    // ---- the automatic sync: the ride goes up, the track finds no room ----
    QTRY_COMPARE_WITH_TIMEOUT(pSyncButton->text(), QString("Sync again"), 60000);
    QCOMPARE(calls("getRouteSyncList").size(), 1);
    QCOMPARE(calls("getRouteSyncList").first().params.value("CustomerEMail"), EMAIL);
    QCOMPARE(calls("uploadRec").size(), 1);
    const FakeShareService::Call upload = calls("uploadRec").first();
    QCOMPARE(upload.params.value("SHA512"), sHash);
    QCOMPARE(upload.params.value("CustomerEMail"), EMAIL);
    QCOMPARE(upload.params.value("SessionID"), SESSION);
    QVERIFY(!QFile::exists(sRide)); // uploaded and not kept
    QVERIFY(!QFile::exists(sData + "Korvo/Tracks/Morning loop.gpx"));
    QTRY_COMPARE(notices(),
                 QStringList({"Not enough memory space on your device.|The synchronisation is not complete. "
                              "Please delete some history or track items to free up memory space."}));
    QTRY_VERIFY(pSyncButton->isEnabled() && pBackup->isEnabled());
    // The version check that follows a sync's end, offering a backup first.
    QTRY_COMPARE(m_pOpener->m_calls.size(), 1);
    QCOMPARE(m_pOpener->m_calls.at(0).sDialog, QString("CheckUpdateDialog"));
    QCOMPARE(m_pOpener->m_calls.at(0).bFirst, false); // not the recovery
    QCOMPARE(m_pOpener->m_calls.at(0).bSecond, true); // a backup is offered first

    // ---- room made, "Sync again" clicked: the second sync brings the track ----
    volumes.setFreeSpace(100LL * 1024 * 1024);
    m_pService->setAnswer("getRouteSyncList", FakeShareService::RETURN,
                          SyncBoxFixture::workList({{"download", "t1", "Morning loop", sTrackUrl}}));
    QVERIFY(input.click(pSyncButton));
    QTRY_COMPARE_WITH_TIMEOUT(pSyncButton->text(), QString("View my data"), 60000);
    QCOMPARE(calls("getRouteSyncList").size(), 2);
    QCOMPARE(calls("uploadRec").size(), 1);
    QCOMPARE(TestFolders::readFile(sData + "Korvo/Tracks/Morning loop.gpx"), TRACK);
    QTRY_VERIFY(pBackup->isEnabled());
    QCOMPARE(m_pUi->m_notifier.m_notices.size(), 1);

    // ---- Backup clicked: the dialog runs the real 7-Zip to its result ----
    bool bDialogSeen = false;
    QTimer watch;
    connect(&watch, &QTimer::timeout, this, [&bDialogSeen] {
        for (QWidget* pWidget : QApplication::topLevelWidgets()) {
            auto* pDialog = qobject_cast<BackupRestoreDailog*>(pWidget);
            if (pDialog && pDialog->isVisible() && pDialog->windowTitle() == "Backup")
                bDialogSeen = true;
        }
    });
    watch.start(5);
    m_pUi->m_notifier.m_notices.clear();
    QVERIFY(input.click(pBackup));
    QTRY_COMPARE_WITH_TIMEOUT(notices(), QStringList({"Device backup|Backup completed successfully"}),
                              120000);
    watch.stop();
    QVERIFY(bDialogSeen);
    QTRY_VERIFY_WITH_TIMEOUT(!BackupDialogFixture::backupTime().isEmpty(), 30000);
    QCOMPARE(BackupDialogFixture::backupFolder(), BackupDialogFixture::committedArchives());
    const QStringList systemEntries = archiveEntries(BackupFiles::systemArchive(sUUID));
    const QStringList dataEntries = archiveEntries(BackupFiles::dataArchive(sUUID));
    auto holds = [](const QStringList& entries, const QString& sEnd) {
        for (const QString& sEntry : entries) {
            if (QString(sEntry).replace('\\', '/').endsWith(sEnd))
                return true;
        }
        return false;
    };
    // The system part holds the device's settings, the data part its tracks: the new one among them,
    // the uploaded ride no more.
    QVERIFY2(systemEntries.contains("settings.xml"), qPrintable(systemEntries.join(", ")));
    QVERIFY2(holds(dataEntries, "Morning loop.gpx"), qPrintable(dataEntries.join(", ")));
    QVERIFY2(!holds(dataEntries, "ride.gpx"), qPrintable(dataEntries.join(", ")));
    QTRY_COMPARE(pBackupLine->text(), "Last backup: " + BackupDialogFixture::backupTime());
    QVERIFY(pReg->findChild<QPushButton*>("btn_restore")->isVisible());
    QVERIFY(pBackup->isEnabled());

    // ---- the Settings tab and back ----
    const int nSettings = tabOf("Settings");
    QVERIFY(nSettings > 0);
    QTabBar* pBar = m_pTabs->tabBar();
    QVERIFY(input.click(pBar, pBar->tabRect(nSettings).center()));
    QTRY_VERIFY(currentPage<SettingWidget>());
    SettingWidget* pSettings = currentPage<SettingWidget>();
    QVERIFY(pSettings->isVisible());
    QTRY_COMPARE_WITH_TIMEOUT(pSettings->deviceRows().size(), 1, 30000);
    QCOMPARE(pSettings->deviceRows().first()->device().sUUID, sUUID);
    QVERIFY(!calls("getDeviceList").isEmpty());
    QCOMPARE(calls("getDeviceList").last().params.value("CustomerEMail"), EMAIL);

    QVERIFY(input.click(pBar, pBar->tabRect(0).center()));
    QTRY_COMPARE(currentPage<MyDeviceWidget>(), pMyDevice);
    QVERIFY(pMyDevice->isVisible());
    QVERIFY(pSyncButton->isVisible());
    QCOMPARE(pSyncButton->text(), QString("View my data"));
    QCOMPARE(pBackupLine->text(), "Last backup: " + BackupDialogFixture::backupTime());

    // Nothing more reached the service than the person's road asked for: one sign-in, one registration
    // check, two sync checks, one upload; no question and no box on the way back.
    QCOMPARE(calls("login").size(), 1);
    QCOMPARE(calls("checkDeviceReg").size(), 1);
    QCOMPARE(calls("getRouteSyncList").size(), 2);
    QCOMPARE(calls("uploadRec").size(), 1);
    QCOMPARE(calls("registerDevice").size(), 0);
    QCOMPARE(notices(), QStringList({"Device backup|Backup completed successfully"}));

    // The device leaves: its page goes from the tabs.
    const QPointer<MyDeviceWidget> pGuard(pMyDevice);
    BackupDialogFixture::unplug();
    QTRY_VERIFY(!pGuard || m_pTabs->indexOf(pGuard) < 0);
    m_pTabs = nullptr;
}

WENDO_REAL_INPUT_MAIN_WITH_WINDOW_MANAGER(TestMainRoadByHand)
#include "tst_mainroadbyhand.moc"
