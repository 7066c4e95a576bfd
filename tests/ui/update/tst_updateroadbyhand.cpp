#include "backup/BackupFiles.h"
#include "controller/DialogOpener.h"
#include "controller/ZeqAgentCtrlMgr.h"
#include "core/AgentFolders.h"
#include "core/AgentTiming.h"
#include "platform/ArchiveTool.h"
#include "platform/DevicePath.h"
#include "support/BackupDialogFixture.h"
#include "support/ControllerTestDevices.h"
#include "support/DialogDriver.h"
#include "support/NginxFixture.h"
#include "support/RealInput.h"
#include "support/ServedPackages.h"
#include "support/TestFolders.h"
#include "support/UiFixture.h"
#include "support/UpdateCheckFixture.h"
#include "ui/main/AgentResources.h"
#include "ui/main/ZeqAgentMainDialog.h"
#include "ui/pages/BackupRestoreDailog.h"
#include "ui/update/MapManagementWidget.h"
#include "ui/update/UpdateDialogOpener.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QSignalSpy>
#include <QStyle>
#include <QStyleOptionButton>
#include <QtTest>

#include <memory>

namespace
{
const QString g_sUpdated = "Updates|Update successfully. Device should have been restarted. If not, please "
                           "disconnect the device now in order to complete the update process.";

// Where a person aims at a check box: its indicator (the box is far wider than its text, and a click
// beside the text does not toggle it).
QPoint indicatorOf(QCheckBox* pBox)
{
    QStyleOptionButton option;
    option.initFrom(pBox);
    option.text = pBox->text();
    return pBox->style()->subElementRect(QStyle::SE_CheckBoxIndicator, &option, pBox).center();
}
} // namespace

// The update road of a drive-family device and the map page's shop, driven through the X server with a
// real mouse: the offer's backup box is toggled and Update or Later pressed by real clicks, so focus,
// hit areas and enabled state count as they do for a person; the Purchase button and the map bubbles
// likewise.
class TestUpdateRoadByHand : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void updateWithBackupByHand();
    void laterByHand();
    void mapPagePurchaseAndBubbleByHand();

private:
    void openMainWindow();
    void plugDriveWithBackup();
    QAction* checkItem() const;
    FakeUpdateService::Package served(const QString& sKind, const QString& sVersion,
                                      const QString& sArchive) const;
    FakeMapService::Package servedMap(const QString& sNotes, const QString& sArchive) const;
    QStringList notices() const;
    QByteArray onDrive(const QString& sRelative) const;

    UiFixture m_ui;
    ServedPackages m_packages;
    UrlCatcher m_urls;
    QScopedPointer<UpdateCheckFixture> m_pWorld;
    std::unique_ptr<UpdateDialogOpener> m_pOpener;
    std::unique_ptr<BackupDialogFixture> m_pBackup;
    std::unique_ptr<ZeqAgentMainDialog> m_pWindow;
};

void TestUpdateRoadByHand::initTestCase()
{
    if (!RealInput::isAvailable())
        QSKIP(qPrintable("no display for real input: " + RealInput::unavailableReason()));
    if (ArchiveTool::findProgram(QString()).isEmpty())
        QSKIP("No 7-Zip program (7z, 7zz or 7za) is installed; the set-up scripts install Debian's 7zip.");
    if (!NginxFixture::isAvailable())
        QSKIP(qPrintable(NginxFixture::skipReason()));
    AgentResources::init();
    AgentTiming::set(AgentTiming::BACKUP_PART_PAUSE, 0);
    AgentTiming::set(AgentTiming::BACKUP_DONE_PAUSE, 50);
    QVERIFY(m_packages.isValid());
    QVERIFY(m_packages.stage("App_2.zip", "KORVO/Program/program.bin", ServedPackages::noise(60000, 1)));
    QVERIFY(m_packages.stage("eu_OSM.zip", "OSM/eu.img", ServedPackages::noise(30000, 3)));
    for (const char* szArchive : {"App_2.zip", "eu_OSM.zip"})
        QVERIFY2(m_packages.build(szArchive), qPrintable(m_packages.errorString()));
    QVERIFY2(m_packages.start(), qPrintable(m_packages.errorString()));
}

void TestUpdateRoadByHand::init()
{
    m_ui.reset();
    m_urls.m_lstUrls.clear();
    QDir(BackupFiles::backupDir()).removeRecursively();
    QDir(AgentFolders::tempDir()).removeRecursively();
    QVERIFY(QDir().mkpath(AgentFolders::tempDir()));
    m_pWorld.reset(new UpdateCheckFixture);
    QVERIFY(m_pWorld->isValid());
    m_pOpener.reset(new UpdateDialogOpener);
    DialogOpener::setInstance(m_pOpener.get());
    m_pBackup.reset(new BackupDialogFixture);
    AgentTiming::set(AgentTiming::DOWNLOAD_PROGRESS, 0);
}

void TestUpdateRoadByHand::cleanup()
{
    m_pWindow.reset();
    UpdateCheckFixture::unplug();
    ZeqAgentCtrlMgr::getInstance()->terminateAllWorker();
    ControllerTestDevices::install()->m_volumes.clear();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    m_pBackup.reset();
    DialogOpener::setInstance(nullptr);
    m_pOpener.reset();
    m_pWorld.reset();
}

void TestUpdateRoadByHand::openMainWindow()
{
    m_pWindow.reset(new ZeqAgentMainDialog());
    m_pWindow->show();
    ZeqAgentCtrlMgr::getInstance()->m_nDevPageStyle = 0;
}

// A drive-family device with a software update and an OSM map on offer, and something the backup keeps,
// so the offer shows its backup box ticked.
void TestUpdateRoadByHand::plugDriveWithBackup()
{
    m_pWorld->m_update.answerUpdates({served("APPLICATION", "200", "App_2.zip")});
    QVERIFY(m_pWorld->m_system.writeVersion("osm", "1.0;old;1;"));
    QVERIFY(m_pWorld->m_system.writeFile("KORVO/Settings/settings.xml", "<settings/>"));
    QVERIFY(m_pWorld->m_data.writeFile("KORVO/Tracks/ride.fit", "ride"));
    ControllerTestDevices::install()->m_volumes.addVolume(m_pWorld->m_system.root(), "ZEQ_SYSTEM");
    BackupDialogFixture::plug(BackupDialogFixture::uuid(),
                              {m_pWorld->m_system.root(), m_pWorld->m_data.root()});
    m_pWorld->answerMaps({servedMap("OSM-EU", "eu_OSM.zip")});
}

QAction* TestUpdateRoadByHand::checkItem() const
{
    return m_pWindow->findChild<QMenu*>("TrayMenu")->findChild<QAction*>("actionCheck");
}

FakeUpdateService::Package TestUpdateRoadByHand::served(const QString& sKind, const QString& sVersion,
                                                        const QString& sArchive) const
{
    FakeUpdateService::Package package = UpdateCheckFixture::package(sKind, sVersion);
    package.sUrl = m_packages.url(sArchive);
    package.sFileSize = m_packages.size(sArchive);
    return package;
}

FakeMapService::Package TestUpdateRoadByHand::servedMap(const QString& sNotes, const QString& sArchive) const
{
    FakeMapService::Package package = UpdateCheckFixture::mapPackage(sNotes);
    for (QPair<QString, QString>& field : package) {
        if (field.first == "size")
            field.second = m_packages.size(sArchive);
        else if (field.first == "file_url" || field.first == "downloadurl")
            field.second = m_packages.url(sArchive);
        else if (field.first == "checksum")
            field.second = m_packages.md5(sArchive);
    }
    return package;
}

QStringList TestUpdateRoadByHand::notices() const
{
    QStringList lst;
    for (const RecordingNotifier::Notice& notice : m_ui.m_notifier.m_notices)
        lst << notice.sTitle + "|" + notice.sText;
    return lst;
}

QByteArray TestUpdateRoadByHand::onDrive(const QString& sRelative) const
{
    return TestFolders::readFile(DevicePath::resolve(m_pWorld->m_system.root(), sRelative));
}

void TestUpdateRoadByHand::updateWithBackupByHand()
{
    plugDriveWithBackup();
    openMainWindow();
    RealInput input;
    QVERIFY(input.isOpen());
    QStringList lstSteps;
    bool bBackupOpen = false;
    DialogDriver driver(120000);
    driver.then("NewUpdateAvailableDialog", [&](QWidget* pOffer) {
        QCheckBox* pBox = pOffer->findChild<QCheckBox*>("checkbox_backup");
        if (!input.showWindow(pOffer)) {
            lstSteps << "offer never active";
            pOffer->close();
            return;
        }
        lstSteps << QString("offered %1").arg(pBox->isChecked());
        const bool bOff = input.click(pBox, indicatorOf(pBox));
        lstSteps << QString("click %1, ticked %2").arg(bOff).arg(pBox->isChecked());
        const bool bOn = input.click(pBox, indicatorOf(pBox));
        lstSteps << QString("click %1, ticked %2").arg(bOn).arg(pBox->isChecked());
        // Update runs the backup and the install inside its own click.
        input.click(pOffer->findChild<QPushButton*>("btn_install"));
    });
    driver.then("InstallUpdateDialog", [&bBackupOpen](QWidget*) {
        for (QWidget* pWidget : QApplication::topLevelWidgets())
            bBackupOpen = bBackupOpen || qobject_cast<BackupRestoreDailog*>(pWidget);
    });
    checkItem()->trigger();
    QVERIFY2(driver.failures().isEmpty(), qPrintable(driver.failures().join("; ")));
    QCOMPARE(lstSteps, QStringList({"offered 1", "click 1, ticked 0", "click 1, ticked 1"}));
    QCOMPARE(driver.shown(),
             (QStringList{"CheckUpdateDialog", "NewUpdateAvailableDialog", "InstallUpdateDialog"}));
    QVERIFY(bBackupOpen);
    QTRY_COMPARE_WITH_TIMEOUT(notices(), QStringList{g_sUpdated}, 20000);
    QTest::qWait(200); // a second box would come now
    QCOMPARE(notices(), QStringList{g_sUpdated});
    QCOMPARE(BackupDialogFixture::backupFolder(), BackupDialogFixture::committedArchives());
    QVERIFY(!BackupDialogFixture::backupFolder().isEmpty());
    QCOMPARE(onDrive("KORVO/Program/program.bin"),
             m_packages.staged("App_2.zip", "KORVO/Program/program.bin"));
    QCOMPARE(onDrive("KORVO/Map/OSM/eu.img"), m_packages.staged("eu_OSM.zip", "OSM/eu.img"));
    QCOMPARE(onDrive("KORVO/Settings/settings.xml"), QByteArray("<settings/>"));
    QVERIFY(!ZeqAgentCtrlMgr::getInstance()->isUpdateDialogShown());
    QVERIFY(checkItem()->isEnabled());
}

void TestUpdateRoadByHand::laterByHand()
{
    plugDriveWithBackup();
    openMainWindow();
    RealInput input;
    QVERIFY(input.isOpen());
    QStringList lstSteps;
    DialogDriver driver(120000);
    driver.then("NewUpdateAvailableDialog", [&](QWidget* pOffer) {
        if (!input.showWindow(pOffer)) {
            lstSteps << "offer never active";
            pOffer->close();
            return;
        }
        lstSteps << QString("click %1").arg(input.click(pOffer->findChild<QPushButton*>("btn_cancel")));
        lstSteps << QString("visible %1").arg(pOffer->isVisible());
    });
    checkItem()->trigger();
    QVERIFY2(driver.failures().isEmpty(), qPrintable(driver.failures().join("; ")));
    QCOMPARE(lstSteps, QStringList({"click 1", "visible 0"}));
    QCOMPARE(driver.shown(), (QStringList{"CheckUpdateDialog", "NewUpdateAvailableDialog"}));
    QTest::qWait(200); // a late install or box would come now
    QVERIFY(!DialogDriver::window("InstallUpdateDialog"));
    QCOMPARE(notices(), QStringList());
    QCOMPARE(BackupDialogFixture::backupFolder(), QStringList());
    QCOMPARE(onDrive("KORVO/Program/program.bin"), QByteArray());
    QCOMPARE(onDrive("KORVO/Map/OSM/eu.img"), QByteArray());
    QVERIFY(!ZeqAgentCtrlMgr::getInstance()->isUpdateDialogShown());
    QVERIFY(checkItem()->isEnabled());
}

void TestUpdateRoadByHand::mapPagePurchaseAndBubbleByHand()
{
    QVERIFY(m_pWorld->m_system.writeFile("Korvo/version.app", "1"));
    QVERIFY(m_pWorld->m_system.writeFile("HDD/Map/sigreg.dat", "DE_Germany.dat\n"));
    QVERIFY(TestFolders::writeFile(AgentFolders::tempPath("country.script"),
                                   "Western Europe:Germany,Austria,Switzerland\n"));
    ZeqAgentCtrlMgr* pCtrl = ZeqAgentCtrlMgr::getInstance();
    pCtrl->GenerateEShopURL();
    pCtrl->GenerateCreditExpiredDay();
    m_pWorld->m_maps.answer(
        "ZeqMoreAvailableAdditionData",
        FakeMapService::shopDocument({{"EU", "addition+credits", "http://shop.example/add?x=1"},
                                      {"EU", "credits", "http://shop.example/credits"}}));
    m_pWorld->m_maps.answer(
        "ZeqMoreDeviceMapData",
        FakeMapService::listDocument({{"BugFixMapUpdate", {UpdateCheckFixture::mapPackage("BM-EU")}}}));
    m_pWorld->m_maps.answer("ZeqMoreDeviceDownloadHistory", FakeMapService::listDocument({{"History", {}}}));
    Worker::DEVINFOEX info;
    info.bArrival = true;
    info.type = Worker::FAMILY_DRIVE;
    info.devInfo.sUUID = "MAP-0123";
    info.devInfo.sSkuID = "SKU-9";
    info.devInfo.sHWName = "Wendo 500";
    info.devInfo.sTaDate = "2015-05-06 11:12:13";
    info.devInfo.sOsmDate = "2016-01-02 03:04:05";
    info.devInfo.bTaMap = true;
    info.lstDrive = QStringList{m_pWorld->m_system.root(), m_pWorld->m_data.root()};
    pCtrl->notityWendoDev(info);

    QSignalSpy mapStatus(pCtrl, &ZeqAgentCtrlMgr::emitMapStatus);
    MapManagementWidget page;
    page.resize(800, 493);
    QTRY_VERIFY_WITH_TIMEOUT(mapStatus.size() >= 2, 20000);
    RealInput input;
    QVERIFY(input.isOpen());
    QVERIFY(input.showWindow(&page));

    // The bubble follows the real pointer: over the button it shows, away from it it goes.
    QPushButton* pOsm = page.findChild<QPushButton*>("btn_OSM");
    QLabel* pBubble = page.findChild<QLabel*>("Label_OSMInfo");
    QVERIFY(pOsm && pBubble);
    QVERIFY(pOsm->isVisible());
    QVERIFY(!pBubble->isVisible());
    QVERIFY(input.moveTo(RealInput::globalPoint(pOsm)));
    QTRY_VERIFY_WITH_TIMEOUT(pBubble->isVisible(), 5000);
    QVERIFY(input.moveTo(RealInput::globalPoint(&page, QPoint(2, 2))));
    QTRY_VERIFY_WITH_TIMEOUT(!pBubble->isVisible(), 5000);

    QPushButton* pPurchase = page.findChild<QPushButton*>("btn_purchase");
    QVERIFY(pPurchase && pPurchase->isVisible());
    QVERIFY(input.click(pPurchase));
    QCOMPARE(m_urls.m_lstUrls.size(), 1);
    QCOMPARE(m_urls.m_lstUrls.first().toString(), QString("http://shop.example/add?x=1&UUID=MAP-0123"));
}

WENDO_REAL_INPUT_MAIN(TestUpdateRoadByHand)
#include "tst_updateroadbyhand.moc"
