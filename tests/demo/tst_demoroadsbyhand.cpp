#include "DemoDevices.h"
#include "DemoServices.h"
#include "OfferByHand.h"
#include "backup/BackupFiles.h"
#include "controller/DialogOpener.h"
#include "controller/ZeqAgentCtrlMgr.h"
#include "core/AgentFolders.h"
#include "core/AgentTiming.h"
#include "platform/ArchiveTool.h"
#include "platform/DevicePath.h"
#include "support/ControllerTestDevices.h"
#include "support/DialogDriver.h"
#include "support/RealInput.h"
#include "support/TestFolders.h"
#include "support/UiFixture.h"
#include "ui/main/AgentResources.h"
#include "ui/main/Login_fbWidget.h"
#include "ui/main/ZeqAgentMainDialog.h"
#include "ui/pages/CustomTabWidget.h"
#include "ui/pages/DevSettingWidget.h"
#include "ui/pages/MyDevShareSyncWidget.h"
#include "ui/pages/MyDeviceWidget.h"
#include "ui/pages/SettingWidget.h"
#include "ui/pages/ZeqAgentInfoWidget.h"
#include "ui/update/UpdateDialogOpener.h"

#include <QApplication>
#include <QDate>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTabBar>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>
#include <unistd.h>

// The demo's roads as a newcomer walks them, in one process so real mouse and keys reach the widgets:
// the real main window on a display of its own against the demo's stand-in services and its drive-family
// device (loop-mounted images, so root only), seen through the real device watch. A wrong password, the
// demo account's sign-in, the automatic sync, the update offer installed to its success box, a service
// link opened and fetched from the stand-in, and Settings with both registered devices, the second one
// deregistered. What the stand-ins recorded is checked at the end.
class TestDemoRoadsByHand : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void walkTheDemoRoads();

private:
    QStringList record() const;
    int recorded(const QString& sLine) const { return record().count(sLine); }
    void plugDrive(bool bIn);
    template <class T> T* currentPage() const
    {
        return m_pTabs ? qobject_cast<T*>(m_pTabs->currentWidget()) : nullptr;
    }
    int tabOf(const QString& sText) const;
    QStringList notices() const;
    // The page the stand-in serves at that address.
    static QByteArray fetch(const QUrl& url);

    QTemporaryDir m_recordDir;
    std::unique_ptr<UiFixture> m_pUi;
    std::unique_ptr<DemoServices> m_pServices;
    std::unique_ptr<DemoDevices> m_pDevices;
    std::unique_ptr<UpdateDialogOpener> m_pOpener;
    std::unique_ptr<UrlCatcher> m_pUrls;
    std::unique_ptr<ZeqAgentMainDialog> m_pWindow;
    CustomTabWidget* m_pTabs = nullptr;
    QElapsedTimer m_clock;
};

namespace
{
const QString UPDATED = "Updates|Update successfully. Device should have been restarted. If not, please "
                        "disconnect the device now in order to complete the update process.";
} // namespace

void TestDemoRoadsByHand::initTestCase()
{
    m_clock.start();
    if (!RealInput::isAvailable())
        QSKIP(qPrintable("no display for real input: " + RealInput::unavailableReason()));
    if (::geteuid() != 0)
        QSKIP("The demo's drive-family device is made of loop-mounted images: run as root.");
    if (ArchiveTool::findProgram(QString()).isEmpty())
        QSKIP("No 7-Zip program (7z, 7zz or 7za) is installed; the set-up scripts install Debian's 7zip.");
    m_pDevices.reset(new DemoDevices);
    QString sWhy;
    if (!m_pDevices->prepareDrive(&sWhy))
        QSKIP(qPrintable("The demo's drive-family device cannot be made here: " + sWhy));
    QVERIFY(m_pDevices->plugDrive(true, &sWhy));

    AgentResources::init();
    QVERIFY(m_recordDir.isValid());
    m_pServices.reset(new DemoServices(m_recordDir.filePath("record.txt")));
    QVERIFY2(m_pServices->start(QString(), &sWhy), qPrintable(sWhy));
    const QString sAdded = QDate::currentDate().addDays(-200).toString("yyyy-MM-dd");
    m_pServices->account().addDevice({DemoDevices::DRIVE_UUID, "SKU-500", "Wendo 500", sAdded});
    m_pServices->account().addDevice({DemoAccount::SECOND_UUID, "SKU-300", "Wendo 300", sAdded});

    // The agent's settings point every service at the stand-ins, as the demo program writes them.
    QString sWebApi;
    for (const auto& url : m_pServices->urlSettings()) {
        if (url.first == "WebApi")
            sWebApi = url.second;
    }
    m_pUi.reset(new UiFixture(false, sWebApi));
    for (const auto& url : m_pServices->urlSettings())
        UiFixture::setValue("URL", url.first, url.second);
    m_pOpener.reset(new UpdateDialogOpener);
    DialogOpener::setInstance(m_pOpener.get());
    m_pUrls.reset(new UrlCatcher);
    // Short waits instead of the production pauses; none of them is asserted on.
    AgentTiming::set(AgentTiming::SYNC_AUTOSTART, 100);
    AgentTiming::set(AgentTiming::SETTINGS_FETCH, 0);
    AgentTiming::set(AgentTiming::REGCHECK_RETRY, 20);
    AgentTiming::set(AgentTiming::BACKUP_PART_PAUSE, 0);
    AgentTiming::set(AgentTiming::BACKUP_DONE_PAUSE, 50);
    AgentTiming::set(AgentTiming::DOWNLOAD_PROGRESS, 0);
    QDir(BackupFiles::backupDir()).removeRecursively();
    QTRY_VERIFY(ControllerTestDevices::install()->m_pNotices); // the device watch has started
}

void TestDemoRoadsByHand::cleanupTestCase()
{
    if (!m_pUi) { // skipped before the agent was made
        m_pDevices.reset();
        return;
    }
    m_pWindow.reset();
    if (m_pDevices->isDrivePlugged())
        plugDrive(false);
    ZeqAgentCtrlMgr::getInstance()->terminateAllWorker();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    DialogOpener::setInstance(nullptr);
    m_pOpener.reset();
    m_pUrls.reset();
    if (m_pServices)
        m_pServices->stop();
    QVERIFY(!m_pDevices->isDrivePlugged());
    m_pDevices.reset(); // removes the images
    qInfo("the demo's roads took %lld ms", m_clock.elapsed());
}

QStringList TestDemoRoadsByHand::record() const
{
    return QString::fromUtf8(TestFolders::readFile(m_recordDir.filePath("record.txt"))).split('\n');
}

// The drives show up in the volume list and the USB notice comes, as the system reports a device.
void TestDemoRoadsByHand::plugDrive(bool bIn)
{
    ControllerTestDevices* pDevices = ControllerTestDevices::install();
    const QString sSystem = m_pDevices->systemRoot();
    if (bIn) {
        pDevices->m_volumes.addVolume(sSystem, m_pDevices->systemLabel());
        pDevices->m_volumes.addVolume(m_pDevices->dataRoot(), m_pDevices->dataLabel());
    } else {
        pDevices->m_volumes.clear();
    }
    if (pDevices->m_pNotices)
        pDevices->m_pNotices->send(sSystem, bIn);
    if (!bIn) {
        QTRY_VERIFY(!ZeqAgentCtrlMgr::getInstance()->isDevicePresent());
        QString sWhy;
        QVERIFY2(m_pDevices->plugDrive(false, &sWhy), qPrintable(sWhy));
    }
}

int TestDemoRoadsByHand::tabOf(const QString& sText) const
{
    for (int i = 0; m_pTabs && i < m_pTabs->count(); ++i) {
        if (m_pTabs->tabText(i) == sText)
            return i;
    }
    return -1;
}

QStringList TestDemoRoadsByHand::notices() const
{
    QStringList lst;
    for (const RecordingNotifier::Notice& notice : m_pUi->m_notifier.m_notices)
        lst << notice.sTitle + "|" + notice.sText;
    return lst;
}

QByteArray TestDemoRoadsByHand::fetch(const QUrl& url)
{
    QNetworkAccessManager manager;
    std::unique_ptr<QNetworkReply> pReply(manager.get(QNetworkRequest(url)));
    if (!QTest::qWaitFor([&pReply] { return pReply->isFinished(); }, 30000) ||
        pReply->error() != QNetworkReply::NoError)
        return QByteArray();
    return pReply->readAll();
}

void TestDemoRoadsByHand::walkTheDemoRoads()
{
    m_pWindow.reset(new ZeqAgentMainDialog());
    RealInput input;
    QVERIFY(input.showWindow(m_pWindow.get()));
    Login_fbWidget* pLogin = m_pWindow->findChild<Login_fbWidget*>();
    QVERIFY(pLogin);
    auto* pEmail = pLogin->findChild<QLineEdit*>("txt_email");
    auto* pPassword = pLogin->findChild<QLineEdit*>("txt_pwd");
    auto* pSignIn = pLogin->findChild<QPushButton*>("btn_login");
    auto* pError = pLogin->findChild<QLabel*>("label_error");
    QVERIFY(pEmail && pPassword && pSignIn && pError);

    // ---- a wrong password: the error line, no sign-in ----
    QVERIFY(!pError->isVisible());
    QVERIFY(input.click(pEmail));
    QVERIFY(input.type(DemoAccount::USER));
    QVERIFY(input.click(pPassword));
    QVERIFY(RealInput::waitForFocus(pPassword));
    QVERIFY(input.type("not the password"));
    QVERIFY(input.click(pSignIn));
    QTRY_VERIFY_WITH_TIMEOUT(pError->isVisible(), 30000);
    QVERIFY(pEmail->isVisible());
    QCOMPARE(recorded(QString("sign-in refused, wrong e-mail or password ") + DemoAccount::USER), 1);

    // ---- the demo account's password typed over it ----
    QVERIFY(input.click(pPassword));
    QVERIFY(RealInput::waitForFocus(pPassword));
    QVERIFY(input.key(Qt::Key_A, Qt::ControlModifier));
    QVERIFY(input.type(DemoAccount::PASSWORD));
    QCOMPARE(pPassword->text(), QString(DemoAccount::PASSWORD));
    QVERIFY(input.click(pSignIn));
    ZeqAgentInfoWidget* pInfo = nullptr;
    QTRY_VERIFY_WITH_TIMEOUT((pInfo = m_pWindow->findChild<ZeqAgentInfoWidget*>()) && pInfo->isVisible(),
                             30000);
    QCOMPARE(recorded(QString("sign-in ") + DemoAccount::USER), 1);
    m_pTabs = pInfo->tabWidget();

    // ---- the drive-family device arrives: registered, synced by itself, then offered its update ----
    // The version check that follows the sync opens the offer; Update installs what it lists.
    QStringList lstSteps;
    DialogDriver driver(120000);
    driver.then("NewUpdateAvailableDialog",
                [&](QWidget* pOffer) { clickUpdateOnOffer(input, pOffer, lstSteps); });
    plugDrive(true);
    QTRY_VERIFY_WITH_TIMEOUT(currentPage<MyDeviceWidget>(), 30000);
    MyDeviceWidget* pMyDevice = currentPage<MyDeviceWidget>();
    auto* pSyncBox = pMyDevice->findChild<MyDevShareSyncWidget*>();
    QVERIFY(pSyncBox);
    auto* pSyncButton = pSyncBox->findChild<QPushButton*>("btn_sync");
    QVERIFY(pSyncButton);

    // The sync: the ride goes up once, the route comes down once.
    QTRY_COMPARE_WITH_TIMEOUT(recorded("ride uploaded 1"), 1, 60000);
    QTRY_COMPARE_WITH_TIMEOUT(m_pDevices->driveRoutes(), 1, 60000);
    QCOMPARE(recorded("download DemoLoop.gpx"), 1);

    // The update to its success box.
    QTRY_COMPARE_WITH_TIMEOUT(notices(), QStringList{UPDATED}, 120000);
    QVERIFY2(driver.failures().isEmpty(), qPrintable(driver.failures().join("; ")));
    QCOMPARE(lstSteps, QStringList({"offered", "update clicked 1"}));
    QVERIFY(driver.shown().contains("InstallUpdateDialog"));
    QTRY_VERIFY(!ZeqAgentCtrlMgr::getInstance()->isUpdateDialogShown());
    // What the packages held is on the system drive: the device software and the base map.
    const QString sSystem = m_pDevices->systemRoot();
    const QByteArray software = TestFolders::readFile(
        DevicePath::resolve(sSystem, QString("Korvo/App/demo-%1.txt").arg(DemoServices::APP_VERSION)));
    QVERIFY2(software.contains(DemoServices::APP_VERSION), software.constData());
    QVERIFY(QFileInfo(DevicePath::resolve(
                          sSystem, QString("Korvo/Map/EU_Basemap_%1.dat").arg(DemoServices::MAP_VERSION)))
                .isFile());

    // ---- a service link: "View my data" opens the stand-in's page, which names what was asked ----
    QTRY_VERIFY(pSyncButton->isEnabled());
    QCOMPARE(pSyncButton->text(), QString("View my data"));
    m_pUrls->m_lstUrls.clear();
    QVERIFY(input.click(pSyncButton));
    QTRY_COMPARE(m_pUrls->m_lstUrls.size(), 1);
    const QUrl link = m_pUrls->m_lstUrls.first();
    QCOMPARE(link.host(), QString("127.0.0.1"));
    QVERIFY2(link.path().startsWith("/site/"), qPrintable(link.toString()));
    const QByteArray page = fetch(link);
    QVERIFY2(page.contains(link.path().toUtf8()), page.constData());
    QTRY_VERIFY(record()
                    .filter(QRegularExpression("^page opened " + QRegularExpression::escape(link.path())))
                    .size() >= 1);

    // ---- Settings: both devices of the account, the second one deregistered by hand ----
    const int nSettings = tabOf("Settings");
    QVERIFY(nSettings > 0);
    QTabBar* pBar = m_pTabs->tabBar();
    QVERIFY(input.click(pBar, pBar->tabRect(nSettings).center()));
    QTRY_VERIFY(currentPage<SettingWidget>());
    SettingWidget* pSettings = currentPage<SettingWidget>();
    QTRY_COMPARE_WITH_TIMEOUT(pSettings->deviceRows().size(), 2, 30000);
    QStringList lstShown;
    DevSettingWidget* pSecond = nullptr;
    for (DevSettingWidget* pRow : pSettings->deviceRows()) {
        lstShown << pRow->device().sUUID;
        if (pRow->device().sUUID == DemoAccount::SECOND_UUID)
            pSecond = pRow;
    }
    QCOMPARE(lstShown, QStringList({DemoDevices::DRIVE_UUID, DemoAccount::SECOND_UUID}));
    QVERIFY(pSecond);
    auto* pDeregister = pSecond->findChild<QPushButton*>("btn_deregister");
    QVERIFY(pDeregister && pDeregister->isVisible() && pDeregister->isEnabled());
    QCOMPARE(notices(), QStringList{UPDATED}); // no late box after the update's success
    m_pUi->m_notifier.m_notices.clear();
    m_pUi->m_notifier.m_nAnswer = Notifier::YES; // the question "Are you sure ...?" answered Yes
    // The second row lies below the page's fold: scrolled into view by clicks on the scroll bar.
    auto* pScroll = pSettings->findChild<QScrollArea*>("scrollArea");
    QVERIFY(pScroll);
    QScrollBar* pScrollBar = pScroll->verticalScrollBar();
    for (int i = 0; i < 20 && pDeregister->visibleRegion() != QRegion(pDeregister->rect()); ++i) {
        QVERIFY(pScrollBar->isVisible());
        QVERIFY(input.click(pScrollBar, QPoint(pScrollBar->width() / 2, pScrollBar->height() * 7 / 8)));
    }
    QCOMPARE(pDeregister->visibleRegion(), QRegion(pDeregister->rect()));
    QVERIFY(input.click(pDeregister));
    QTRY_VERIFY_WITH_TIMEOUT(!notices().isEmpty(), 5000);
    QTRY_COMPARE_WITH_TIMEOUT(recorded(QString("device deregistered ") + DemoAccount::SECOND_UUID), 1, 30000);
    QCOMPARE(m_pServices->account().deviceUuids(), QStringList({DemoDevices::DRIVE_UUID}));
    QTRY_COMPARE_WITH_TIMEOUT(pSettings->deviceRows().size(), 1, 30000);
    QCOMPARE(pSettings->deviceRows().first()->device().sUUID, QString(DemoDevices::DRIVE_UUID));
    QCOMPARE(m_pUi->m_notifier.m_notices.first().sTitle, QString("Device Deregisteration"));

    // ---- what the stand-ins recorded over the whole road ----
    const QStringList lstRecord = record();
    QCOMPARE(recorded(QString("sign-in ") + DemoAccount::USER), 1);
    QCOMPARE(recorded(QString("registration check ") + DemoDevices::DRIVE_UUID), 1);
    QCOMPARE(recorded("sync list: 1 ride(s) to upload, 1 route(s) to send"), 1);
    QCOMPARE(recorded("ride uploaded 1"), 1);
    QCOMPARE(recorded("ride uploaded 2"), 0);
    QCOMPARE(recorded("download DemoLoop.gpx"), 1);
    QVERIFY2(!lstRecord.filter(QRegularExpression("^update check DEMO-WENDO-500: offered .*APPLICATION"))
                  .isEmpty(),
             qPrintable(lstRecord.join('\n')));
    QVERIFY2(lstRecord.filter(QRegularExpression("^unknown request|unknown operation")).isEmpty(),
             qPrintable(lstRecord.join('\n')));
}

WENDO_REAL_INPUT_MAIN(TestDemoRoadsByHand)
#include "tst_demoroadsbyhand.moc"
