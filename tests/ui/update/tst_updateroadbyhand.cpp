#include "controller/ZeqAgentCtrlMgr.h"
#include "core/AgentFolders.h"
#include "support/BackupDialogFixture.h"
#include "support/DesktopHandlerStub.h"
#include "support/DialogDriver.h"
#include "support/RealInput.h"
#include "support/ServedPackages.h"
#include "support/TestFolders.h"
#include "support/UiFixture.h"
#include "support/UpdateCheckFixture.h"
#include "support/UpdateRoadFixture.h"
#include "ui/main/AgentResources.h"
#include "ui/pages/BackupRestoreDailog.h"
#include "ui/update/MapManagementWidget.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QSignalSpy>
#include <QStyle>
#include <QStyleOptionButton>
#include <QtTest>

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
    void serialDeviceByHand_data();
    void serialDeviceByHand();
    void mapPagePurchaseAndBubbleByHand();

private:
    bool plugDriveWithBackup();
    // Opens the tray menu and clicks "Check for Updates" with the real mouse; the whole road runs inside
    // that click.
    bool checkByHand(RealInput& input);

    UpdateRoadFixture m_road;
    UrlCatcher m_urls;
};

void TestUpdateRoadByHand::initTestCase()
{
    if (!RealInput::isAvailable())
        QSKIP(qPrintable("no display for real input: " + RealInput::unavailableReason()));
    const QString sUnavailable = UpdateRoadFixture::unavailableReason();
    if (!sUnavailable.isEmpty())
        QSKIP(qPrintable(sUnavailable));
    AgentResources::init();
    ServedPackages& packages = m_road.m_packages;
    QVERIFY(packages.isValid());
    QVERIFY(packages.stage("App_2.zip", "KORVO/Program/program.bin", ServedPackages::noise(60000, 1)));
    QVERIFY(packages.stage("eu_OSM.zip", "OSM/eu.img", ServedPackages::noise(30000, 3)));
    QVERIFY(packages.stage("Rom_2.zip", "KORVO/Firmware/rom.bin", ServedPackages::noise(40000, 2)));
    QVERIFY(packages.stage("WendoAgent_1.1.0.zip", "WendoAgent_1.1.0.deb", ServedPackages::noise(20000, 4)));
    QVERIFY2(m_road.serve({"App_2.zip", "eu_OSM.zip", "Rom_2.zip", "WendoAgent_1.1.0.zip"}),
             qPrintable(m_road.errorString()));
}

void TestUpdateRoadByHand::init()
{
    m_urls.m_lstUrls.clear();
    QVERIFY2(m_road.begin(), qPrintable(m_road.errorString()));
}

void TestUpdateRoadByHand::cleanup()
{
    m_road.end();
}

// A drive-family device with a software update and an OSM map on offer, and something the backup keeps,
// so the offer shows its backup box ticked.
bool TestUpdateRoadByHand::plugDriveWithBackup()
{
    m_road.m_pWorld->m_update.answerUpdates({m_road.served("APPLICATION", "200", "App_2.zip")});
    return m_road.plugDriveWithBackup();
}

void TestUpdateRoadByHand::updateWithBackupByHand()
{
    QVERIFY2(plugDriveWithBackup(), qPrintable(m_road.errorString()));
    m_road.openMainWindow();
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
    m_road.checkItem()->trigger();
    QVERIFY2(driver.failures().isEmpty(), qPrintable(driver.failures().join("; ")));
    QCOMPARE(lstSteps, QStringList({"offered 1", "click 1, ticked 0", "click 1, ticked 1"}));
    QCOMPARE(driver.shown(),
             (QStringList{"CheckUpdateDialog", "NewUpdateAvailableDialog", "InstallUpdateDialog"}));
    QVERIFY(bBackupOpen);
    QTRY_COMPARE_WITH_TIMEOUT(m_road.notices(), QStringList{g_sUpdated}, 20000);
    // Counted once the install and its dialog are gone: a second final box would have come before.
    QTRY_VERIFY_WITH_TIMEOUT(!DialogDriver::window("InstallUpdateDialog"), 20000);
    QTRY_VERIFY_WITH_TIMEOUT(!ZeqAgentCtrlMgr::getInstance()->isUpdateDialogShown(), 20000);
    QCoreApplication::sendPostedEvents();
    QCOMPARE(m_road.notices(), QStringList{g_sUpdated});
    QCOMPARE(BackupDialogFixture::backupFolder(), BackupDialogFixture::committedArchives());
    QVERIFY(!BackupDialogFixture::backupFolder().isEmpty());
    QCOMPARE(m_road.onDrive("KORVO/Program/program.bin"),
             m_road.m_packages.staged("App_2.zip", "KORVO/Program/program.bin"));
    QCOMPARE(m_road.onDrive("KORVO/Map/OSM/eu.img"), m_road.m_packages.staged("eu_OSM.zip", "OSM/eu.img"));
    QCOMPARE(m_road.onDrive("KORVO/Settings/settings.xml"), QByteArray("<settings/>"));
    QVERIFY(!ZeqAgentCtrlMgr::getInstance()->isUpdateDialogShown());
    QVERIFY(m_road.checkItem()->isEnabled());
}

void TestUpdateRoadByHand::laterByHand()
{
    QVERIFY2(plugDriveWithBackup(), qPrintable(m_road.errorString()));
    m_road.openMainWindow();
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
    m_road.checkItem()->trigger();
    QVERIFY2(driver.failures().isEmpty(), qPrintable(driver.failures().join("; ")));
    QCOMPARE(lstSteps, QStringList({"click 1", "visible 0"}));
    QCOMPARE(driver.shown(), (QStringList{"CheckUpdateDialog", "NewUpdateAvailableDialog"}));
    // Counted once no update dialog is left: an install or box started by the offer would still be one.
    QTRY_VERIFY_WITH_TIMEOUT(!ZeqAgentCtrlMgr::getInstance()->isUpdateDialogShown(), 20000);
    QCoreApplication::sendPostedEvents();
    QVERIFY(!DialogDriver::window("InstallUpdateDialog"));
    QCOMPARE(m_road.notices(), QStringList());
    QCOMPARE(BackupDialogFixture::backupFolder(), QStringList());
    QCOMPARE(m_road.onDrive("KORVO/Program/program.bin"), QByteArray());
    QCOMPARE(m_road.onDrive("KORVO/Map/OSM/eu.img"), QByteArray());
    QVERIFY(!ZeqAgentCtrlMgr::getInstance()->isUpdateDialogShown());
    QVERIFY(m_road.checkItem()->isEnabled());
}

bool TestUpdateRoadByHand::checkByHand(RealInput& input)
{
    QAction* pCheck = m_road.checkItem();
    QMenu* pMenu = nullptr;
    for (QWidget* pWidget : pCheck->associatedWidgets())
        pMenu = pMenu ? pMenu : qobject_cast<QMenu*>(pWidget);
    if (!pMenu || !pCheck->isEnabled())
        return false;
    pMenu->popup(QPoint(40, 40));
    if (!QTest::qWaitForWindowExposed(pMenu, 5000))
        return false;
    return input.click(pMenu, pMenu->actionGeometry(pCheck).center());
}

// A serial-family device, checked from the tray by hand: its software and firmware are not offered (no
// download, no box about the cable; the check says the device is up to date), while the agent's own
// package is, and Update pressed by hand hands its Debian package to the desktop's handler.
void TestUpdateRoadByHand::serialDeviceByHand_data()
{
    QTest::addColumn<bool>("withAgent");
    QTest::addColumn<QStringList>("shown");
    QTest::addColumn<QStringList>("boxes");
    QTest::newRow("device packages only") << false << QStringList{"CheckUpdateDialog"}
                                          << QStringList{"Updates|The device's software is up-to-date."};
    QTest::newRow("and the agent package")
        << true << QStringList{"CheckUpdateDialog", "UpdateAvailableDialog", "InstallUpdateDialog"}
        << QStringList();
}

void TestUpdateRoadByHand::serialDeviceByHand()
{
    QFETCH(bool, withAgent);
    QFETCH(QStringList, shown);
    QFETCH(QStringList, boxes);
    DesktopHandlerStub handler({"xdg-open"});
    QVERIFY(handler.isValid());
    QList<FakeUpdateService::Package> packages = {m_road.served("IMAGE", "R2.0", "Rom_2.zip"),
                                                  m_road.served("APPLICATION", "200", "App_2.zip")};
    if (withAgent)
        packages.prepend(m_road.served("AGENT", "9.9", "WendoAgent_1.1.0.zip"));
    m_road.m_pWorld->m_update.answerUpdates(packages);
    m_road.m_pWorld->plug(Worker::FAMILY_SERIAL);
    m_road.openMainWindow();
    RealInput input;
    QVERIFY(input.isOpen());
    QStringList lstSteps;
    DialogDriver driver(120000);
    driver.then("UpdateAvailableDialog", [&](QWidget* pOffer) {
        if (!input.showWindow(pOffer)) {
            lstSteps << "offer never active";
            pOffer->close();
            return;
        }
        lstSteps << QString("update %1").arg(input.click(pOffer->findChild<QPushButton*>("btn_install")));
    });
    QVERIFY(checkByHand(input));
    QTRY_VERIFY_WITH_TIMEOUT(
        !DialogDriver::window("CheckUpdateDialog") && !DialogDriver::window("InstallUpdateDialog"), 60000);
    QVERIFY2(driver.failures().isEmpty(), qPrintable(driver.failures().join("; ")));
    QCOMPARE(driver.shown(), shown);
    QCOMPARE(lstSteps, withAgent ? QStringList{"update 1"} : QStringList());
    QTRY_COMPARE_WITH_TIMEOUT(m_road.notices(), boxes, 20000);
    if (withAgent) {
        QVERIFY(handler.waitForCall("xdg-open", 20000));
        QCOMPARE(handler.calls("xdg-open"), QStringList{AgentFolders::tempPath("WendoAgent_1.1.0.deb")});
    }
    // Nothing of the device's packages was fetched.
    for (const char* szArchive : {"Rom_2.zip", "App_2.zip"})
        QVERIFY2(!QFile::exists(AgentFolders::tempPath(szArchive)), szArchive);
    QVERIFY(!ZeqAgentCtrlMgr::getInstance()->isUpdateDialogShown());
}

void TestUpdateRoadByHand::mapPagePurchaseAndBubbleByHand()
{
    QVERIFY(m_road.m_pWorld->m_system.writeFile("Korvo/version.app", "1"));
    QVERIFY(m_road.m_pWorld->m_system.writeFile("HDD/Map/sigreg.dat", "DE_Germany.dat\n"));
    QVERIFY(TestFolders::writeFile(AgentFolders::tempPath("country.script"),
                                   "Western Europe:Germany,Austria,Switzerland\n"));
    ZeqAgentCtrlMgr* pCtrl = ZeqAgentCtrlMgr::getInstance();
    pCtrl->GenerateEShopURL();
    pCtrl->GenerateCreditExpiredDay();
    m_road.m_pWorld->m_maps.answer(
        "ZeqMoreAvailableAdditionData",
        FakeMapService::shopDocument({{"EU", "addition+credits", "http://shop.example/add?x=1"},
                                      {"EU", "credits", "http://shop.example/credits"}}));
    m_road.m_pWorld->m_maps.answer(
        "ZeqMoreDeviceMapData",
        FakeMapService::listDocument({{"BugFixMapUpdate", {UpdateCheckFixture::mapPackage("BM-EU")}}}));
    m_road.m_pWorld->m_maps.answer("ZeqMoreDeviceDownloadHistory",
                                   FakeMapService::listDocument({{"History", {}}}));
    Worker::DEVINFOEX info;
    info.bArrival = true;
    info.type = Worker::FAMILY_DRIVE;
    info.devInfo.sUUID = "MAP-0123";
    info.devInfo.sSkuID = "SKU-9";
    info.devInfo.sHWName = "Wendo 500";
    info.devInfo.sTaDate = "2015-05-06 11:12:13";
    info.devInfo.sOsmDate = "2016-01-02 03:04:05";
    info.devInfo.bTaMap = true;
    info.lstDrive = QStringList{m_road.m_pWorld->m_system.root(), m_road.m_pWorld->m_data.root()};
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
