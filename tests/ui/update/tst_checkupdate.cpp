#include "controller/DialogOpener.h"
#include "controller/ZeqAgentCtrlMgr.h"
#include "core/AgentTiming.h"
#include "support/DialogDriver.h"
#include "support/LiveWorkers.h"
#include "support/UiFixture.h"
#include "support/UpdateCheckFixture.h"
#include "ui/update/CheckFreeUpdateDialog.h"
#include "ui/update/CheckUpdateDialog.h"

#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>

namespace
{
using Package = FakeUpdateService::Package;

const QString UP_TO_DATE = "Updates|The device's software is up-to-date.";
const QString CONNECTION = "Internet connection|Failed to connect to the ZeqShare Server. Please check your "
                           "internet connection.";
const QString UPDATE_FAILED =
    "Updates|Update failed. Please ensure that your Wendo 500 is still connected to "
    "your computer. If this problem persists, contact Zeq support.";

// "AGENT:9.9" and the like.
QList<Package> packages(const QStringList& lstSpecs)
{
    QList<Package> lstPackages;
    for (const QString& sSpec : lstSpecs)
        lstPackages << UpdateCheckFixture::package(sSpec.section(':', 0, 0), sSpec.section(':', 1));
    return lstPackages;
}
} // namespace

// The update check as the user meets it: the real dialogs on the real controller, the update and map
// services on a local HTTP server, and a device of either family. What opens, what the boxes say, what
// the install is handed and what the work lists hold afterwards.
class TestCheckUpdate : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void form_data();
    void form();
    void outcomes_data();
    void outcomes();
    void nothingAfterTheEnd_data();
    void nothingAfterTheEnd();
    void failures_data();
    void failures();
    void mapCheckFailure_data();
    void mapCheckFailure();
    void stopDuringTheDeviceCheck();
    void deviceChangeEndsTheMapCheck_data();
    void deviceChangeEndsTheMapCheck();
    void freeVariant();
    void serialRecoverOn71();
    void requestsAsTheServicesSeeThem();

private:
    QStringList notices() const;
    // Runs the check the way the window layer opens it; the driver walks what opens.
    void runCheck(bool bRecover, bool bOfferBackup = false);
    // The update service's answer: these packages, or (none) an answer without packages or code.
    void offer(const QStringList& lstSpecs);

    UiFixture m_ui;
    QScopedPointer<UpdateCheckFixture> m_pWorld;
    QScopedPointer<InstallRecordingOpener> m_pOpener;
};

void TestCheckUpdate::init()
{
    m_ui.reset();
    m_pWorld.reset(new UpdateCheckFixture);
    QVERIFY(m_pWorld->isValid());
    m_pOpener.reset(new InstallRecordingOpener);
    AgentTiming::set(AgentTiming::NET_WATCHDOG, 30000);
}

void TestCheckUpdate::cleanup()
{
    UpdateCheckFixture::unplug();
    ZeqAgentCtrlMgr::getInstance()->terminateAllWorker();
    m_pOpener.reset();
    m_pWorld.reset();
}

QStringList TestCheckUpdate::notices() const
{
    QStringList lstNotices;
    for (const RecordingNotifier::Notice& notice : m_ui.m_notifier.m_notices)
        lstNotices << notice.sTitle + "|" + notice.sText;
    return lstNotices;
}

void TestCheckUpdate::runCheck(bool bRecover, bool bOfferBackup)
{
    DialogOpener::instance()->runCheckUpdate(bRecover, bOfferBackup);
}

void TestCheckUpdate::offer(const QStringList& lstSpecs)
{
    if (lstSpecs.isEmpty())
        m_pWorld->m_update.answerError(QString(), QString());
    else
        m_pWorld->m_update.answerUpdates(packages(lstSpecs));
}

void TestCheckUpdate::form_data()
{
    QTest::addColumn<bool>("recover");
    QTest::newRow("normal") << false;
    QTest::newRow("recover") << true;
}

void TestCheckUpdate::form()
{
    QFETCH(bool, recover);
    m_pWorld->plug(Worker::FAMILY_DRIVE);
    m_pWorld->m_update.answerKind(FakeUpdateService::STALL);
    CheckUpdateDialog dialog(recover, false);
    QCOMPARE(dialog.accessibleName(), QString("CheckUpdateDialog"));
    QCOMPARE(dialog.windowTitle(), recover ? QString("Recover") : QString("Updates"));
    QCOMPARE(dialog.findChild<QLabel*>("label")->text(), QString("Checking for updates"));
    auto* pBar = dialog.findChild<QProgressBar*>("progressBar_check");
    QCOMPARE(pBar->minimum(), 0);
    QCOMPARE(pBar->maximum(), 0);
    QVERIFY(!dialog.windowFlags().testFlag(Qt::WindowContextHelpButtonHint));
    QVERIFY(!dialog.testAttribute(Qt::WA_QuitOnClose));
    dialog.show();
    QCOMPARE(dialog.findChild<QPushButton*>("Btn_Stop")->isVisible(), !recover);
    // Nothing is asked before the dialog's loop runs.
    QCOMPARE(m_pWorld->m_server.requestCount(), 0);
    // Escape and the window system's close do not cut the check.
    QTest::keyClick(&dialog, Qt::Key_Escape);
    dialog.close();
    QVERIFY(dialog.isVisible());
    QVERIFY(ZeqAgentCtrlMgr::getInstance()->isUpdateDialogShown());
    dialog.hide();
    QVERIFY(ZeqAgentCtrlMgr::getInstance()->isUpdateDialogShown()); // hidden, it still counts
}

void TestCheckUpdate::outcomes_data()
{
    QTest::addColumn<int>("family");
    QTest::addColumn<bool>("recover");
    QTest::addColumn<QStringList>("offered"); // the update service's packages, "KIND:version"
    QTest::addColumn<QStringList>("maps");    // the map service's new maps, by notes
    QTest::addColumn<QStringList>("shown");   // the windows that opened, in order
    QTest::addColumn<QStringList>("boxes");
    QTest::addColumn<QStringList>("installs");  // "recover agent-only: Update.script kinds"
    QTest::addColumn<QStringList>("listAfter"); // "Update.script" kinds after the road
    QTest::addColumn<bool>("mapAsked");

    const int drive = Worker::FAMILY_DRIVE;
    const int serial = Worker::FAMILY_SERIAL;
    const QString check = "CheckUpdateDialog";
    const QString offer = "NewUpdateAvailableDialog";
    const QString agent = "UpdateAvailableDialog";
    const QStringList none;
    QTest::newRow("drive, nothing new") << drive << false << none << none << QStringList{check}
                                        << QStringList{UP_TO_DATE} << none << none << true;
    QTest::newRow("drive, agent first: agent offer, no map check")
        << drive << false << QStringList{"IMAGE:R2.0", "AGENT:9.9"} << QStringList{"OSM-EU"}
        << QStringList{check, agent} << none << none << QStringList{"AGENT"} << false;
    QTest::newRow("drive, device and maps: the offer")
        << drive << false << QStringList{"APPLICATION:200", "IMAGE:R2.0"} << QStringList{"OSM-EU"}
        << QStringList{check, offer} << none << none << QStringList{"APPLICATION", "IMAGE"} << true;
    QTest::newRow("drive, maps only: the offer") << drive << false << none << QStringList{"TA-EU"}
                                                 << QStringList{check, offer} << none << none << none << true;
    QTest::newRow("serial, nothing new") << serial << false << none << none << QStringList{check}
                                         << QStringList{UP_TO_DATE} << none << none << false;
    QTest::newRow("serial, only an agent row: agent offer")
        << serial << false << QStringList{"AGENT:9.9"} << none << QStringList{check, agent} << none << none
        << QStringList{"AGENT"} << false;
    QTest::newRow("serial, agent and device rows: agent offer")
        << serial << false << QStringList{"IMAGE:R2.0", "AGENT:9.9"} << none << QStringList{check, agent}
        << none << none << QStringList{"AGENT"} << false;
    // The install reaches a device only through its drive: a serial device is offered no device rows.
    QTest::newRow("serial, device rows: not offered")
        << serial << false << QStringList{"IMAGE:R2.0", "APPLICATION:200"} << none << QStringList{check}
        << QStringList{UP_TO_DATE} << none << none << false;
    QTest::newRow("recover, agent only: up to date")
        << drive << true << QStringList{"AGENT:9.9"} << none << QStringList{check} << QStringList{UP_TO_DATE}
        << none << none << true;
    QTest::newRow("recover, agent agent image: every agent row goes")
        << drive << true << QStringList{"AGENT:9.9", "AGENT:9.8", "IMAGE:R2.0"} << none << QStringList{check}
        << none << QStringList{"10: IMAGE"} << QStringList{"IMAGE"} << true;
    QTest::newRow("recover, serial: device rows not offered")
        << serial << true << QStringList{"IMAGE:R2.0", "APPLICATION:200"} << none << QStringList{check}
        << QStringList{UP_TO_DATE} << none << none << false;
    QTest::newRow("recover, software first: list unchanged")
        << drive << true << QStringList{"APPLICATION:200", "IMAGE:R2.0"} << none << QStringList{check} << none
        << QStringList{"10: APPLICATION IMAGE"} << QStringList{"APPLICATION", "IMAGE"} << true;
    QTest::newRow("recover, maps only") << drive << true << none << QStringList{"OSM-EU"}
                                        << QStringList{check} << none << QStringList{"10: "} << none << true;
    QTest::newRow("serial recover, agent and image: nothing to recover with")
        << serial << true << QStringList{"AGENT:9.9", "IMAGE:R2.0"} << none << QStringList{check}
        << QStringList{UP_TO_DATE} << none << none << false;
}

void TestCheckUpdate::outcomes()
{
    QFETCH(int, family);
    QFETCH(bool, recover);
    QFETCH(QStringList, offered);
    QFETCH(QStringList, maps);
    QFETCH(QStringList, shown);
    QFETCH(QStringList, boxes);
    QFETCH(QStringList, installs);
    QFETCH(QStringList, listAfter);
    QFETCH(bool, mapAsked);

    m_pWorld->plug(family);
    offer(offered);
    QList<FakeMapService::Package> lstMaps;
    for (const QString& sNotes : maps)
        lstMaps << UpdateCheckFixture::mapPackage(sNotes);
    m_pWorld->answerMaps(lstMaps);
    // Lists of an earlier check never decide this one.
    QVERIFY(WorkFile::writeRows(UpdateCheckFixture::listPath("map.script"),
                                {{"BugFixMapUpdate", "9", "1", "2020-01-01", "OSM-OLD"}}));

    DialogDriver driver;
    driver.click(shown.value(1), "btn_cancel"); // Later, for whichever offer opens
    runCheck(recover);
    QVERIFY2(driver.failures().isEmpty(), qPrintable(driver.failures().join("; ")));

    QCOMPARE(driver.shown(), shown);
    QCOMPARE(notices(), boxes);
    QStringList lstInstalls;
    for (const InstallRecordingOpener::Install& install : m_pOpener->m_lstInstalls) {
        QStringList lstKinds;
        for (const WorkFile::Row& row : install.updateRows)
            lstKinds << row.value(0);
        lstInstalls << QString("%1%2: %3")
                           .arg(int(install.bRecover))
                           .arg(int(install.bAgentOnly))
                           .arg(lstKinds.join(' '));
    }
    QCOMPARE(lstInstalls, installs);
    QCOMPARE(UpdateCheckFixture::kinds("Update.script"), listAfter);
    QCOMPARE(m_pWorld->mapRequests().contains("ZeqMoreDeviceMapData"), mapAsked);
    QVERIFY(!ZeqAgentCtrlMgr::getInstance()->isUpdateDialogShown());
}

// Once the offer is open the check has ended: a result of another check (the version box's) opens no
// second offer and shows no box.
void TestCheckUpdate::nothingAfterTheEnd_data()
{
    QTest::addColumn<int>("status");
    QTest::newRow("71") << int(DEVICE_CHECKSUCCESS);
    QTest::newRow("81") << int(MAP_CHECKSUCCESS);
    QTest::newRow("73") << int(DEVICE_CHECKERROR);
    QTest::newRow("74") << int(DEVICE_REQUESTERROR);
    QTest::newRow("82") << int(MAP_CHECKERROR);
    QTest::newRow("83") << int(MAP_REQUESTERROR);
}

void TestCheckUpdate::nothingAfterTheEnd()
{
    QFETCH(int, status);
    m_pWorld->plug(Worker::FAMILY_DRIVE);
    offer({"IMAGE:R2.0"});
    m_pWorld->answerMaps({});
    ZeqAgentCtrlMgr* pCtrl = ZeqAgentCtrlMgr::getInstance();
    DialogDriver driver;
    driver.then("NewUpdateAvailableDialog", [pCtrl, status](QWidget* pOffer) {
        emit pCtrl->actionFinish(ACTION_STATUS(status), QString());
        emit pCtrl->actionFinish(ACTION_STATUS(status), QString());
        QTimer::singleShot(50, pOffer, [pOffer] { DialogDriver::clickButton(pOffer, "btn_cancel"); });
    });
    runCheck(false);
    QVERIFY2(driver.failures().isEmpty(), qPrintable(driver.failures().join("; ")));
    QCOMPARE(driver.shown(), (QStringList{"CheckUpdateDialog", "NewUpdateAvailableDialog"}));
    QCOMPARE(notices(), QStringList());
}

void TestCheckUpdate::failures_data()
{
    QTest::addColumn<int>("kind");           // a FakeUpdateService::Kind
    QTest::addColumn<QString>("codeBefore"); // left in the controller before the check
    QTest::addColumn<QString>("codeDuring"); // kept while the request is out
    QTest::addColumn<QString>("box");
    QTest::newRow("service 500") << int(FakeUpdateService::HTTP_500) << ""
                                 << "" << CONNECTION;
    QTest::newRow("stall") << int(FakeUpdateService::STALL) << ""
                           << "" << CONNECTION;
    QTest::newRow("cut answer") << int(FakeUpdateService::CUT) << ""
                                << "" << CONNECTION;
    QTest::newRow("code of an earlier reader not shown") << int(FakeUpdateService::HTTP_500) << "E9"
                                                         << "" << CONNECTION;
    QTest::newRow("code that came back") << int(FakeUpdateService::STALL) << ""
                                         << "E1" << CONNECTION + "(E1)";
    QTest::newRow("malformed answer") << int(FakeUpdateService::GARBAGE) << ""
                                      << "" << UPDATE_FAILED;
    QTest::newRow("error code answer") << int(FakeUpdateService::ERROR_CODE) << ""
                                       << "" << UPDATE_FAILED;
}

void TestCheckUpdate::failures()
{
    QFETCH(int, kind);
    QFETCH(QString, codeBefore);
    QFETCH(QString, codeDuring);
    QFETCH(QString, box);
    ZeqAgentCtrlMgr* pCtrl = ZeqAgentCtrlMgr::getInstance();
    m_pWorld->plug(Worker::FAMILY_DRIVE);
    if (kind == FakeUpdateService::ERROR_CODE)
        m_pWorld->m_update.answerError("E42", "unknown device");
    else
        m_pWorld->m_update.answerKind(FakeUpdateService::Kind(kind));
    if (kind == FakeUpdateService::STALL)
        AgentTiming::set(AgentTiming::NET_WATCHDOG, 300);
    if (!codeBefore.isEmpty())
        pCtrl->setErrorInfo(codeBefore, "left over");
    if (!codeDuring.isEmpty()) {
        // The watchdog cuts the stalled request; the code arrives while it is out.
        QTimer::singleShot(0, [this, pCtrl, codeDuring] {
            if (m_pWorld->m_server.waitForRequests(1))
                pCtrl->setErrorInfo(codeDuring, "refused");
        });
    }
    DialogDriver driver;
    runCheck(false);
    QVERIFY2(driver.failures().isEmpty(), qPrintable(driver.failures().join("; ")));
    QCOMPARE(driver.shown(), QStringList{"CheckUpdateDialog"});
    QCOMPARE(notices(), QStringList{box});
    QCOMPARE(m_pWorld->mapRequests(), QStringList());
    // The box took the code: none is left for the next one.
    QCOMPARE(pCtrl->takeErrorCode(), kind == FakeUpdateService::ERROR_CODE ? QString("E42") : QString());
}

void TestCheckUpdate::mapCheckFailure_data()
{
    QTest::addColumn<int>("kind"); // a FakeMapService::Kind; -1: an error code answer
    QTest::addColumn<QStringList>("boxes");
    QTest::newRow("map service 500") << int(FakeMapService::HTTP_500) << QStringList{CONNECTION};
    QTest::newRow("map check error: the controller's box, then the dialog's")
        << -1 << QStringList{CONNECTION + "(E00077)", UPDATE_FAILED};
}

void TestCheckUpdate::mapCheckFailure()
{
    QFETCH(int, kind);
    QFETCH(QStringList, boxes);
    m_pWorld->plug(Worker::FAMILY_DRIVE);
    offer({"IMAGE:R2.0"});
    if (kind < 0)
        m_pWorld->m_maps.answer("ZeqMoreDeviceMapData", FakeMapService::codeDocument("E00077", "unknown"));
    else
        m_pWorld->m_maps.answerKind("ZeqMoreDeviceMapData", FakeMapService::Kind(kind));
    DialogDriver driver;
    runCheck(false);
    QCOMPARE(driver.shown(), QStringList{"CheckUpdateDialog"});
    QCOMPARE(notices(), boxes);
}

void TestCheckUpdate::stopDuringTheDeviceCheck()
{
    m_pWorld->plug(Worker::FAMILY_DRIVE);
    m_pWorld->m_update.answerKind(FakeUpdateService::STALL);
    DialogDriver driver;
    driver.then("CheckUpdateDialog", [this](QWidget* pDialog) {
        QVERIFY(m_pWorld->m_server.waitForRequests(1));
        DialogDriver::clickButton(pDialog, "Btn_Stop");
    });
    runCheck(false);
    QVERIFY2(driver.failures().isEmpty(), qPrintable(driver.failures().join("; ")));
    QVERIFY(driver.isDone());
    QCOMPARE(notices(), QStringList());
    QVERIFY(!ZeqAgentCtrlMgr::getInstance()->isUpdateDialogShown());
}

void TestCheckUpdate::deviceChangeEndsTheMapCheck_data()
{
    QTest::addColumn<bool>("arrival");
    QTest::newRow("removal") << false;
    QTest::newRow("arrival") << true;
}

void TestCheckUpdate::deviceChangeEndsTheMapCheck()
{
    QFETCH(bool, arrival);
    ZeqAgentCtrlMgr* pCtrl = ZeqAgentCtrlMgr::getInstance();
    m_pWorld->plug(Worker::FAMILY_DRIVE);
    offer({"IMAGE:R2.0"});
    m_pWorld->m_maps.answerKind("ZeqMoreDeviceMapData", FakeMapService::STALL);
    QSignalSpy finish(pCtrl, &ZeqAgentCtrlMgr::actionFinish);
    DialogDriver driver;
    driver.then("CheckUpdateDialog", [this, pCtrl, arrival](QWidget*) {
        // The device check is in and the map check waits for its answer.
        QVERIFY(QTest::qWaitFor([this] { return m_pWorld->mapRequests().contains("ZeqMoreDeviceMapData"); },
                                20000));
        if (arrival)
            emit pCtrl->devRefresh(true);
        else
            UpdateCheckFixture::unplug();
    });
    LiveWorkers mapWorkers("MapFreeUpdateWorker");
    runCheck(false);
    QVERIFY(driver.isDone());
    QCOMPARE(driver.shown(), QStringList{"CheckUpdateDialog"});
    QCOMPARE(notices(), QStringList());
    // The map check was stopped: the service going away reports nothing more, since its worker is gone.
    const int nBefore = finish.count();
    m_pWorld->m_mapServer.stop();
    QVERIFY(mapWorkers.waitUntilNone());
    QCOMPARE(finish.count(), nBefore);
}

void TestCheckUpdate::freeVariant()
{
    m_pWorld->plug(Worker::FAMILY_DRIVE);
    offer({"AGENT:9.9", "IMAGE:R2.0"});
    m_pWorld->answerMaps({});
    DialogDriver driver;
    driver.then("NewUpdateAvailableDialog", [](QWidget* pOffer) {
        // The free variant always offers a backup when the device has something to save: here it has not.
        DialogDriver::clickButton(pOffer, "btn_cancel");
    });
    {
        CheckFreeUpdateDialog dialog(false);
        QCOMPARE(dialog.accessibleName(), QString("CheckFreeUpdateDialog"));
        QVERIFY(ZeqAgentCtrlMgr::getInstance()->isUpdateDialogShown());
        dialog.exec();
    }
    // No agent offer: the map check followed and the device offer opened.
    QCOMPARE(driver.shown(), (QStringList{"CheckFreeUpdateDialog", "NewUpdateAvailableDialog"}));
    QVERIFY(m_pWorld->mapRequests().contains("ZeqMoreDeviceMapData"));
    QCOMPARE(UpdateCheckFixture::kinds("Update.script"), (QStringList{"AGENT", "IMAGE"}));
}

// A 71 for a serial device (the controller normally turns it into 81) recovers like the 81 does.
void TestCheckUpdate::serialRecoverOn71()
{
    ZeqAgentCtrlMgr* pCtrl = ZeqAgentCtrlMgr::getInstance();
    m_pWorld->plug(Worker::FAMILY_SERIAL);
    m_pWorld->m_update.answerKind(FakeUpdateService::STALL);
    DialogDriver driver;
    driver.then("CheckUpdateDialog", [this, pCtrl](QWidget*) {
        QVERIFY(m_pWorld->m_server.waitForRequests(1));
        QVERIFY(WorkFile::writeRows(UpdateCheckFixture::listPath("Update.script"),
                                    {{"AGENT", "d", "9.9"}, {"IMAGE", "d", "R2.0"}}));
        emit pCtrl->actionFinish(DEVICE_CHECKSUCCESS, QString());
    });
    runCheck(true);
    QVERIFY(driver.isDone());
    QCOMPARE(m_pOpener->m_lstInstalls.size(), 1);
    QCOMPARE(m_pOpener->m_lstInstalls.first().bRecover, true);
    QCOMPARE(m_pOpener->m_lstInstalls.first().updateRows.size(), 1);
    QCOMPARE(m_pOpener->m_lstInstalls.first().updateRows.first().value(0), QString("IMAGE"));
    QCOMPARE(notices(), QStringList());
}

void TestCheckUpdate::requestsAsTheServicesSeeThem()
{
    const QString sHostile = QString::fromUtf8("W & <5> \"x\" 'y' 100% ; a, {b} Ünï");
    UiFixture::setValue("AGENT", "version", "3.2.1");
    m_pWorld->plug(Worker::FAMILY_DRIVE, sHostile);
    offer({});
    m_pWorld->answerMaps({});
    DialogDriver driver;
    runCheck(false);
    const FakeUpdateService::Call call = m_pWorld->m_update.lastCall();
    QVERIFY(call.bParsed);
    QCOMPARE(call.fields.value("skuid"), QString("006-B2"));
    QCOMPARE(call.fields.value("uuid"), UpdateCheckFixture::uuid());
    QCOMPARE(call.fields.value("model"), sHostile);
    QCOMPARE(call.versions.value("IMAGE"), QString("R1.0"));
    QCOMPARE(call.versions.value("APPLICATION"), QString("100"));
    QCOMPARE(call.versions.value("AGENT"), QString("3.2.1"));
    const QList<FakeMapService::Call> mapCalls = m_pWorld->m_maps.calls();
    QVERIFY(!mapCalls.isEmpty());
    QVERIFY(mapCalls.first().bParsed);
    QCOMPARE(mapCalls.first().params.value("model"), sHostile);
    QCOMPARE(notices(), QStringList{UP_TO_DATE});
}

QTEST_MAIN(TestCheckUpdate)
#include "tst_checkupdate.moc"
