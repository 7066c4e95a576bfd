#include "backup/BackupRestoreParam.h"
#include "platform/Platform.h"
#include "support/BackupTestDevice.h"
#include "support/FakeArchivePrograms.h"
#include "support/LiveWorkers.h"
#include "support/SerialDeviceSim.h"
#include "support/SerialRideScript.h"
#include "support/SmallVolume.h"
#include "support/SyncBoxFixture.h"
#include "ui/pages/MyDevShareSyncWidget.h"
#include "ui/pages/PageLoops.h"

#include <QGroupBox>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTranslator>
#include <QtTest>

namespace
{
QPushButton* button(QWidget* pBox)
{
    return pBox->findChild<QPushButton*>("btn_sync");
}

QLabel* label(QWidget* pBox, const char* szName)
{
    return pBox->findChild<QLabel*>(szName);
}

QString syncText(QWidget* pBox)
{
    return label(pBox, "label_sync")->text();
}

QString doneText()
{
    return QObject::tr("All data has been uploaded to ZeqShare successfully.");
}
QString partialText()
{
    return QObject::tr("Some data cannot be uploaded to ZeqShare.");
}
QString offlineText()
{
    return QObject::tr("Connect to the Internet to upload your data to ZeqShare.");
}

bool showsCheckMark(QLabel* pIcon)
{
    const QImage mark = QPixmap(":res/check-icon.png").toImage();
    return pIcon->isVisible() && pIcon->pixmap(Qt::ReturnByValue).toImage() == mark;
}

// Watches what a person sees of a sync box until its first result: every time the title, the result line
// or the icon is painted, and at every status the controller broadcasts (heard before the box hears it),
// notes whether the box claims that the data is uploaded (the done text or the check mark on screen).
class ClaimWatch : public QObject
{
public:
    // Made before the box, so that each status reaches the watch first.
    explicit ClaimWatch(ZeqAgentCtrlMgr* pCtrl)
    {
        connect(pCtrl, &ZeqAgentCtrlMgr::actionFinish, this, [this](ACTION_STATUS status) {
            m_bResult = m_bResult || (status >= SYNC_UPLOADERROR && status <= SYNC_SIZENOTENOUGH);
            look("status " + QString::number(int(status)));
        });
    }

    void watch(QWidget* pBox)
    {
        m_pBox = pBox;
        for (const char* szName : {"label_sync_2", "label_sync", "label_syncicon"})
            label(pBox, szName)->installEventFilter(this);
        look("built");
    }

    bool eventFilter(QObject* pWatched, QEvent* pEvent) override
    {
        if (pEvent->type() == QEvent::Paint) {
            m_nTitlePaints += pWatched->objectName() == "label_sync_2" ? 1 : 0;
            look("paint of " + pWatched->objectName());
        }
        return false;
    }

    bool m_bResult = false;
    int m_nTitlePaints = 0;
    QStringList m_lstClaims; // when the box claimed the upload before its first result

private:
    void look(const QString& sWhen)
    {
        if (m_bResult || !m_pBox)
            return;
        QLabel* pText = label(m_pBox, "label_sync");
        if (pText->isVisible() && pText->text() == doneText())
            m_lstClaims << "done text at " + sWhen;
        if (showsCheckMark(label(m_pBox, "label_syncicon")))
            m_lstClaims << "check mark at " + sWhen;
    }

    QWidget* m_pBox = nullptr;
};
} // namespace

// The sync box on real widgets with the real sync worker against the fake sharing service: what a person
// sees from the automatic start to the result, and what the device and the service saw.
class TestSyncBox : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void form();
    void checkAnswers_data();
    void checkAnswers();
    void failures_data();
    void failures();
    void computerDiskFull();
    void stopEndsTheQueue();
    void serialFamily();
    void dataDriveWithSpecialCharacters();
    void underTwoDriveRoots_data();
    void underTwoDriveRoots();
    void buttonsOffFromTheCheckOn();
    void noClaimBeforeTheFirstResult_data();
    void noClaimBeforeTheFirstResult();
    void automaticStartLeavesARunningSync();
    void automaticStartWaitsForBackup();
    void boxOpensAfterEveryReceiver_data();
    void boxOpensAfterEveryReceiver();
    void deviceLeavesWhileTheBoxIsOpen();
    void languageChange_data();
    void languageChange();

private:
    // A box as the device page holds it: inside a page widget, so the page can be retired.
    MyDevShareSyncWidget* newBox();
    void waitUntilQueueRuns(QWidget* pBox);

    SyncBoxFixture m_fixture;
    QScopedPointer<QWidget> m_pPage;
    QScopedPointer<QTranslator> m_pTranslator;
    // Every page the box opens lands here, never in a browser.
    UrlCatcher m_urls;
};

void TestSyncBox::initTestCase()
{
    QVERIFY(m_fixture.isStarted());
}

void TestSyncBox::init()
{
    m_fixture.reset();
    m_urls.m_lstUrls.clear();
    m_pPage.reset(new QWidget);
}

void TestSyncBox::cleanup()
{
    if (m_pTranslator) {
        QCoreApplication::removeTranslator(m_pTranslator.data());
        m_pTranslator.reset();
    }
    m_pPage.reset();
    m_fixture.m_ui.m_notifier.m_whileOpen = nullptr;
    ZeqAgentCtrlMgr::getInstance()->doStopSyncWorker();
}

MyDevShareSyncWidget* TestSyncBox::newBox()
{
    auto* pBox = new MyDevShareSyncWidget(m_pPage.data());
    pBox->show();
    m_pPage->show();
    return pBox;
}

void TestSyncBox::waitUntilQueueRuns(QWidget* pBox)
{
    QTRY_COMPARE_WITH_TIMEOUT(button(pBox)->text(), QObject::tr("Stop"), 20000);
}

void TestSyncBox::form()
{
    UiFixture::setValue("DEBUG", "Sync", "true"); // no automatic start
    MyDevShareSyncWidget* pBox = newBox();
    QCOMPARE(pBox->objectName(), QString("MyDevShareSyncWidget"));
    QCOMPARE(pBox->size(), QSize(800, 95));
    QCOMPARE(pBox->minimumSize(), QSize(800, 95));
    QCOMPARE(pBox->sizePolicy().horizontalPolicy(), QSizePolicy::Fixed);
    QVERIFY(pBox->autoFillBackground());
    auto* pGroup = pBox->findChild<QGroupBox*>("groupBox_sync");
    QVERIFY(pGroup);
    QCOMPARE(pGroup->geometry(), QRect(30, 5, 740, 90));
    QCOMPARE(pGroup->font().pointSize(), 14);
    QVERIFY(pGroup->font().bold());
    const QList<QPair<const char*, QRect>> geometries = {
        {"label_upload", QRect(91, 25, 461, 31)},  {"label_download", QRect(91, 55, 461, 31)},
        {"label_syncicon", QRect(45, 40, 20, 20)}, {"label_sync", QRect(70, 22, 461, 61)},
        {"label_sync_2", QRect(15, 0, 541, 31)},   {"label_4", QRect(0, 0, 800, 100)}};
    for (const auto& geometry : geometries) {
        QLabel* pLabel = label(pBox, geometry.first);
        QVERIFY2(pLabel, geometry.first);
        QCOMPARE(pLabel->geometry(), geometry.second);
    }
    QCOMPARE(label(pBox, "label_4")->parentWidget(), pBox);
    QCOMPARE(label(pBox, "label_sync")->parentWidget(), pGroup);
    QCOMPARE(button(pBox)->geometry(), QRect(560, 35, 150, 35));
    QCOMPARE(button(pBox)->font().family(), QString("Arial"));
    QCOMPARE(button(pBox)->font().pointSize(), 12);
    QVERIFY(!label(pBox, "label_4")->pixmap(Qt::ReturnByValue).isNull());
    QCOMPARE(label(pBox, "label_sync")->textFormat(), Qt::RichText);
    QVERIFY(label(pBox, "label_sync")->wordWrap());
    // The background lies under the group box.
    QVERIFY(pBox->children().indexOf(label(pBox, "label_4")) < pBox->children().indexOf(pGroup));
    QCOMPARE(label(pBox, "label_sync_2")->text(), QObject::tr("ZeqShare synchronisation"));
    // No sync has ended: the box claims nothing, neither the done text nor the check mark.
    QCOMPARE(syncText(pBox), QString());
    QVERIFY(label(pBox, "label_sync")->isHidden());
    QVERIFY(label(pBox, "label_syncicon")->pixmap(Qt::ReturnByValue).isNull());
    QVERIFY(label(pBox, "label_upload")->isHidden());
    QVERIFY(label(pBox, "label_download")->isHidden());
    QCOMPARE(button(pBox)->text(), QString("View my data"));
    // The busy pictures the code names with ":res/".
    for (int i = 1; i <= 6; ++i)
        QVERIFY(!QPixmap(QString(":res/loading0%1.png").arg(i)).isNull());
    QVERIFY(!QPixmap(":res/check-icon.png").isNull());
}

void TestSyncBox::checkAnswers_data()
{
    QTest::addColumn<QString>("work");
    QTest::addColumn<QList<int>>("expected");
    QTest::addColumn<QStringList>("counters");
    QTest::newRow("nothing to do") << "none" << QList<int>({60, 61, 63, 59}) << QStringList();
    QTest::newRow("delete only") << "delete" << QList<int>({60, 61, 68, 60, 68, 60, 63, 59})
                                 << QStringList({"0 history items uploading", "0 tracks downloading"});
    QTest::newRow("upload, track and delete")
        << "all" << QList<int>({60, 61, 68, 60, 68, 60, 68, 60, 68, 60, 63, 59})
        << QStringList({"1 history items uploading", "1 tracks downloading"});
}

void TestSyncBox::checkAnswers()
{
    QFETCH(QString, work);
    QFETCH(QList<int>, expected);
    QFETCH(QStringList, counters);
    const QString sData = m_fixture.plugDriveDevice();
    const QString sRide = SyncBoxFixture::addRide(sData, "ride.gpx", 15);
    const QString sGone = SyncBoxFixture::addRide(sData, "gone.gpx", 16);
    m_fixture.serveTrack("loop.gpx", "<gpx>loop</gpx>");
    QList<QStringList> items;
    if (work == "delete")
        items = {{"delete", SyncBoxFixture::hashOf(sGone)}};
    else if (work == "all")
        items = {{"upload", SyncBoxFixture::hashOf(sRide)},
                 {"download", "t1", "Morning loop", m_fixture.trackUrl("loop.gpx")},
                 {"delete", SyncBoxFixture::hashOf(sGone)}};
    m_fixture.m_service->setAnswer("getRouteSyncList", FakeShareService::RETURN,
                                   SyncBoxFixture::workList(items));

    ZeqAgentCtrlMgr* pCtrl = ZeqAgentCtrlMgr::getInstance();
    QSignalSpy finish(pCtrl, &ZeqAgentCtrlMgr::actionFinish);
    MyDevShareSyncWidget* pBox = newBox();
    // What the counters said when the queue's first step was announced (a receiver after the box).
    QStringList firstCounters;
    connect(pCtrl, &ZeqAgentCtrlMgr::actionFinish, pBox, [&](ACTION_STATUS status) {
        if (status == SYNC_PROCESS && firstCounters.isEmpty())
            firstCounters =
                QStringList{label(pBox, "label_upload")->text(), label(pBox, "label_download")->text()};
    });
    QCOMPARE(SyncBoxFixture::waitForFinal(finish), expected);
    QCOMPARE(firstCounters, counters);
    QCOMPARE(m_fixture.callCount("getRouteSyncList"), 1);
    QCOMPARE(syncText(pBox), doneText());
    QVERIFY(label(pBox, "label_sync")->isVisible());
    QVERIFY(label(pBox, "label_upload")->isHidden());
    QCOMPARE(button(pBox)->text(), QObject::tr("View my data"));
    QVERIFY(button(pBox)->isEnabled());
    QVERIFY(!pCtrl->isSyncRunning());
    QCOMPARE(QFile::exists(sGone), work == "none");
    QCOMPARE(QFile::exists(sData + "Korvo/Tracks/Morning loop.gpx"), work == "all");
    QCOMPARE(m_fixture.callCount("uploadRec"), work == "all" ? 1 : 0);
    QVERIFY(m_fixture.m_ui.m_notifier.m_notices.isEmpty());

    // "View my data" opens the recordings page signed in.
    QTest::mouseClick(button(pBox), Qt::LeftButton);
    QCOMPARE(m_urls.m_lstUrls.size(), 1);
    QCOMPARE(m_urls.m_lstUrls.first().path(), QString("/login/agentLauncher"));
}

void TestSyncBox::failures_data()
{
    QTest::addColumn<int>("finalStatus");
    QTest::addColumn<QString>("operation");
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("buttonText");
    QTest::addColumn<QString>("boxTitle");
    QTest::newRow("check: service error 500") << 66 << "getRouteSyncList" << int(FakeShareService::HTTP_500)
                                              << "" << offlineText() << QObject::tr("Try again") << "";
    QTest::newRow("check: service stalls") << 66 << "getRouteSyncList" << int(FakeShareService::STALL) << ""
                                           << offlineText() << QObject::tr("Try again") << "";
    QTest::newRow("check: answer no XML") << 66 << "getRouteSyncList" << int(FakeShareService::GARBAGE) << ""
                                          << offlineText() << QObject::tr("Try again") << "";
    QTest::newRow("upload: service error 500") << 66 << "uploadRec" << int(FakeShareService::HTTP_500) << ""
                                               << offlineText() << QObject::tr("Try again") << "";
    // The service refuses the ride: it stays on the device, the route after it comes, and the box says
    // the sync is partial instead of blaming the Internet.
    QTest::newRow("upload refused") << 62 << "uploadRec" << int(FakeShareService::RETURN) << "ERROR:E0008"
                                    << partialText() << QObject::tr("Sync again") << "";
    QTest::newRow("upload answer without return") << 62 << "uploadRec" << int(FakeShareService::NO_RETURN)
                                                  << "" << partialText() << QObject::tr("Sync again") << "";
    QTest::newRow("corrupted ride") << 64 << "uploadRec" << int(FakeShareService::RETURN) << "SUCCESS:S0006"
                                    << doneText() << QObject::tr("View my data") << "Data Corruption";
    QTest::newRow("no room for a track") << 67 << "" << 0 << "" << partialText() << QObject::tr("Sync again")
                                         << "Not enough memory space on your device.";
}

void TestSyncBox::failures()
{
    QFETCH(int, finalStatus);
    QFETCH(QString, operation);
    QFETCH(int, kind);
    QFETCH(QString, answer);
    QFETCH(QString, text);
    QFETCH(QString, buttonText);
    QFETCH(QString, boxTitle);
    AgentTiming::set(AgentTiming::NET_WATCHDOG, 1000); // a stalled answer is given up soon
    const QString sData = m_fixture.plugDriveDevice();
    const QString sRide = SyncBoxFixture::addRide(sData, "ride.gpx", 15);
    const QByteArray ride = TestFolders::readFile(sRide);
    m_fixture.serveTrack("loop.gpx", QByteArray(4096, 'x'));
    m_fixture.m_service->setAnswer(
        "getRouteSyncList", FakeShareService::RETURN,
        SyncBoxFixture::workList({{"upload", SyncBoxFixture::hashOf(sRide)},
                                  {"download", "t1", "Loop", m_fixture.trackUrl("loop.gpx")}}));
    if (!operation.isEmpty())
        m_fixture.m_service->setAnswer(operation, FakeShareService::Kind(kind), answer);
    if (finalStatus == SYNC_SIZENOTENOUGH)
        SyncBoxFixture::volumes().setFreeSpace(1024 * 1024);

    ZeqAgentCtrlMgr* pCtrl = ZeqAgentCtrlMgr::getInstance();
    QSignalSpy finish(pCtrl, &ZeqAgentCtrlMgr::actionFinish);
    MyDevShareSyncWidget* pBox = newBox();
    const QList<int> statuses = SyncBoxFixture::waitForFinal(finish);
    QVERIFY2(statuses.contains(finalStatus), qPrintable(QTest::toString(statuses)));
    QCOMPARE(statuses.last(), int(BACKUP_BUTTONSENABLE));
    QTRY_COMPARE(m_fixture.m_ui.m_notifier.m_notices.size(), boxTitle.isEmpty() ? 0 : 1);
    QCOMPARE(syncText(pBox), text);
    QVERIFY(label(pBox, "label_sync")->isVisible());
    QVERIFY(label(pBox, "label_syncicon")->isHidden());
    QVERIFY(label(pBox, "label_upload")->isHidden());
    QCOMPARE(button(pBox)->text(), buttonText);
    QVERIFY(button(pBox)->isEnabled());
    if (!boxTitle.isEmpty()) {
        const RecordingNotifier::Notice notice = m_fixture.m_ui.m_notifier.m_notices.first();
        QCOMPARE(notice.sTitle, QObject::tr(qPrintable(boxTitle)));
        QCOMPARE(notice.format, finalStatus == SYNC_CORRUPTION ? Notifier::RICH_TEXT : Notifier::PLAIN_TEXT);
    }
    // After the corrupted-data box, the page of corrupted recordings.
    QCOMPARE(m_urls.m_lstUrls.size(), finalStatus == SYNC_CORRUPTION ? 1 : 0);
    if (finalStatus == SYNC_SIZENOTENOUGH)
        QVERIFY(!QFile::exists(sData + "Korvo/Tracks/Loop.gpx")); // no half track on the device
    if (finalStatus == SYNC_UPLOADERROR) {
        QCOMPARE(TestFolders::readFile(sRide), ride);
        QCOMPARE(TestFolders::readFile(sData + "Korvo/Tracks/Loop.gpx"), QByteArray(4096, 'x'));
    }

    // A click on the button's new text starts a new check (the service now answers).
    if (finalStatus == SYNC_NETERROR) {
        m_fixture.m_service->setAnswer(operation, FakeShareService::RETURN,
                                       operation == "uploadRec" ? "SUCCESS:S0001" : "[]");
        m_fixture.m_service->setAnswer("getRouteSyncList", FakeShareService::RETURN, "[]");
        finish.clear();
        QTest::mouseClick(button(pBox), Qt::LeftButton);
        QCOMPARE(SyncBoxFixture::waitForFinal(finish), QList<int>({60, 61, 63, 59}));
        QCOMPARE(syncText(pBox), doneText());
    }
}

// The computer's disk is full when the sync starts: the box tells that in a message of its own, not as a
// failed Internet connection, and offers a new sync; nothing left the device. With room again, the next
// sync goes through.
void TestSyncBox::computerDiskFull()
{
    SmallVolume volume(SmallVolume::TMPFS, m_fixture.m_ui.m_folders.tempDir());
    QString sWhy;
    if (!volume.mount(&sWhy))
        QSKIP(qPrintable("no volume can be mounted here: " + sWhy));
    UiFixture::setValue("SYNC", "KeptHistory", "false");
    const QString sData = m_fixture.plugDriveDevice();
    const QString sRide = SyncBoxFixture::addRide(sData, "ride.gpx", 15);
    m_fixture.m_service->setAnswer("getRouteSyncList", FakeShareService::RETURN,
                                   SyncBoxFixture::workList({{"upload", SyncBoxFixture::hashOf(sRide)}}));
    QVERIFY2(volume.fillLeaving(0, &sWhy), qPrintable(sWhy));

    ZeqAgentCtrlMgr* pCtrl = ZeqAgentCtrlMgr::getInstance();
    QSignalSpy finish(pCtrl, &ZeqAgentCtrlMgr::actionFinish);
    MyDevShareSyncWidget* pBox = newBox();
    const QList<int> statuses = SyncBoxFixture::waitForFinal(finish);
    QCOMPARE(statuses, QList<int>({BACKUP_BUTTONSDISABLE, SYNC_DISKFULL, BACKUP_BUTTONSENABLE}));
    QTRY_COMPARE(m_fixture.m_ui.m_notifier.m_notices.size(), 1);
    const RecordingNotifier::Notice notice = m_fixture.m_ui.m_notifier.m_notices.first();
    QCOMPARE(notice.sTitle, QObject::tr("ZeqShare synchronisation"));
    QCOMPARE(notice.sText, QObject::tr("The computer's disk is full. Free some space and try again."));
    QCOMPARE(syncText(pBox), partialText());
    QCOMPARE(button(pBox)->text(), QObject::tr("Sync again"));
    QVERIFY(button(pBox)->isEnabled());
    QVERIFY(!pCtrl->isSyncRunning());
    QVERIFY(QFile::exists(sRide));
    QCOMPARE(m_fixture.callCount("uploadRec"), 0);

    QVERIFY(volume.makeRoom());
    finish.clear();
    QTest::mouseClick(button(pBox), Qt::LeftButton);
    QVERIFY(SyncBoxFixture::waitForFinal(finish).contains(SYNC_SUCCESS));
    QCOMPARE(syncText(pBox), doneText());
    QCOMPARE(m_fixture.callCount("uploadRec"), 1);
    QVERIFY(!QFile::exists(sRide));
    QCOMPARE(m_fixture.m_ui.m_notifier.m_notices.size(), 1);
}

void TestSyncBox::stopEndsTheQueue()
{
    const QString sData = m_fixture.plugDriveDevice();
    const QString sRide = SyncBoxFixture::addRide(sData, "ride.gpx", 15);
    m_fixture.m_service->setAnswer("getRouteSyncList", FakeShareService::RETURN,
                                   SyncBoxFixture::workList({{"upload", SyncBoxFixture::hashOf(sRide)}}));
    m_fixture.m_service->setAnswer("uploadRec", FakeShareService::STALL);
    ZeqAgentCtrlMgr* pCtrl = ZeqAgentCtrlMgr::getInstance();
    QSignalSpy finish(pCtrl, &ZeqAgentCtrlMgr::actionFinish); // a receiver before the box
    MyDevShareSyncWidget* pBox = newBox();
    waitUntilQueueRuns(pBox);
    QTRY_COMPARE_WITH_TIMEOUT(m_fixture.callCount("uploadRec"), 1, 20000);
    QVERIFY(label(pBox, "label_upload")->isVisible());
    QCOMPARE(label(pBox, "label_upload")->text(), QString("1 history items uploading"));
    QVERIFY(label(pBox, "label_sync")->isHidden());

    finish.clear();
    LiveWorkers workers;
    QTest::mouseClick(button(pBox), Qt::LeftButton);
    QCOMPARE(SyncBoxFixture::codes(finish), QList<int>({BACKUP_BUTTONSENABLE}));
    QVERIFY(!pCtrl->isSyncRunning());
    QCOMPARE(button(pBox)->text(), QObject::tr("Sync again"));
    QVERIFY(button(pBox)->isEnabled());
    QCOMPARE(syncText(pBox), partialText());
    QVERIFY(label(pBox, "label_sync")->isVisible());
    QVERIFY(label(pBox, "label_syncicon")->isHidden());
    QVERIFY(label(pBox, "label_upload")->isHidden());
    // A stopped sync reports nothing: what it reported would have come before its worker was deleted.
    QVERIFY(workers.waitUntilNone());
    QCoreApplication::sendPostedEvents();
    QCOMPARE(SyncBoxFixture::codes(finish), QList<int>({BACKUP_BUTTONSENABLE}));
    QVERIFY(QFile::exists(sRide)); // not uploaded, so kept

    // "Sync again" starts a new check.
    m_fixture.m_service->setAnswer("getRouteSyncList", FakeShareService::RETURN, "[]");
    finish.clear();
    QTest::mouseClick(button(pBox), Qt::LeftButton);
    QCOMPARE(SyncBoxFixture::waitForFinal(finish), QList<int>({60, 61, 63, 59}));
}

void TestSyncBox::serialFamily()
{
    AgentTiming::set(AgentTiming::SERIAL_SILENCE, 1500);
    SerialDeviceSim sim;
    QVERIFY(sim.start());
    SerialRideScript script(sim);
    SerialRideScript::Ride ride;
    ride.header.nDuration = 100;
    ride.header.nLength = 10;
    SerialRideScript::Point point;
    point.nLat = 1000000;
    point.nLon = 2000000;
    ride.points = {point};
    ride.laps = {{0, 0}};
    ride.nId = 7;
    script.addRide(ride);
    SyncBoxFixture::plugSerial(sim.portName());
    // The ride the device sends becomes this file; its hash is what the service asks for.
    const QString sFetched = m_fixture.m_ui.m_folders.tempDir() + "/20120315083005.gpx";
    m_fixture.m_service->setAnswer("getRouteSyncList", FakeShareService::RETURN, "[]");
    ZeqAgentCtrlMgr* pCtrl = ZeqAgentCtrlMgr::getInstance();
    QSignalSpy finish(pCtrl, &ZeqAgentCtrlMgr::actionFinish);
    MyDevShareSyncWidget* pBox = newBox();
    QCOMPARE(SyncBoxFixture::waitForFinal(finish), QList<int>({60, 61, 63, 59}));
    QVERIFY(QFile::exists(sFetched));
    QVERIFY(sim.frameCount(0x78) > 0);

    // The service wants the ride: uploaded, then deleted from the device (history not kept).
    m_fixture.m_service->setAnswer("getRouteSyncList", FakeShareService::RETURN,
                                   SyncBoxFixture::workList({{"upload", SyncBoxFixture::hashOf(sFetched)}}));
    finish.clear();
    QTest::mouseClick(button(pBox), Qt::LeftButton); // "View my data"
    QCOMPARE(finish.count(), 0);
    QMetaObject::invokeMethod(pBox, "slotSync");
    QCOMPARE(SyncBoxFixture::waitForFinal(finish), QList<int>({60, 61, 68, 60, 68, 60, 63, 59}));
    QCOMPARE(m_fixture.callCount("uploadRec"), 1);
    QCOMPARE(m_fixture.callsOf("uploadRec").first().params.value("CustomerEMail"),
             QString("rider@example.com"));
    QCOMPARE(m_fixture.callsOf("uploadRec").first().params.value("SessionID"), QString("S-1"));
    QCOMPARE(script.deletedIds(), QList<quint16>({7}));
    QCOMPARE(syncText(pBox), doneText());
}

// Every character a folder name may hold reaches the worker as it stands: the rides of that drive are
// read, uploaded and removed.
void TestSyncBox::dataDriveWithSpecialCharacters()
{
    const QString sData = m_fixture.plugDriveDevice(QString::fromUtf8("Data \"&<>';,%{é"));
    QVERIFY(QFileInfo(sData).isDir());
    const QString sRide = SyncBoxFixture::addRide(sData, "ride.gpx", 15);
    const QString sHash = SyncBoxFixture::hashOf(sRide);
    m_fixture.m_service->setAnswer("getRouteSyncList", FakeShareService::RETURN,
                                   SyncBoxFixture::workList({{"upload", sHash}}));
    ZeqAgentCtrlMgr* pCtrl = ZeqAgentCtrlMgr::getInstance();
    QSignalSpy finish(pCtrl, &ZeqAgentCtrlMgr::actionFinish);
    MyDevShareSyncWidget* pBox = newBox();
    QCOMPARE(SyncBoxFixture::waitForFinal(finish), QList<int>({60, 61, 68, 60, 68, 60, 63, 59}));
    const QList<FakeShareService::Call> uploads = m_fixture.callsOf("uploadRec");
    QCOMPARE(uploads.size(), 1);
    QCOMPARE(uploads.first().params.value("SHA512"), sHash);
    QVERIFY(!QFile::exists(sRide));
    QCOMPARE(syncText(pBox), doneText());
}

void TestSyncBox::underTwoDriveRoots_data()
{
    QTest::addColumn<QStringList>("roots");
    QTest::addColumn<bool>("present");
    QTest::newRow("system drive only") << QStringList({"SYS"}) << true;
    QTest::newRow("no roots") << QStringList() << true;
    QTest::newRow("data drive empty") << QStringList({"SYS", ""}) << true;
    QTest::newRow("no device") << QStringList() << false;
}

void TestSyncBox::underTwoDriveRoots()
{
    QFETCH(QStringList, roots);
    QFETCH(bool, present);
    for (QString& sRoot : roots)
        if (!sRoot.isEmpty())
            sRoot = m_fixture.m_ui.m_folders.dataPath(sRoot + "/");
    if (present)
        SyncBoxFixture::plugDrives(roots);
    ZeqAgentCtrlMgr* pCtrl = ZeqAgentCtrlMgr::getInstance();
    QSignalSpy finish(pCtrl, &ZeqAgentCtrlMgr::actionFinish);
    MyDevShareSyncWidget* pBox = newBox();
    QTRY_COMPARE(button(pBox)->text(), QObject::tr("Sync again"));
    QVERIFY(button(pBox)->isEnabled());
    QCOMPARE(syncText(pBox), partialText());
    QVERIFY(label(pBox, "label_syncicon")->isHidden());
    QVERIFY(!pCtrl->isSyncRunning());
    QCOMPARE(finish.count(), 0); // nothing started, so the other boxes' buttons were never switched off
    QTest::mouseClick(button(pBox), Qt::LeftButton);
    QCOMPARE(button(pBox)->text(), QObject::tr("Sync again"));
    QCOMPARE(m_fixture.m_service->calls().size(), 0);
}

// A restore that runs while the check reads the device swaps the rides under the catalogue: the backup
// and restore buttons are off from the moment the check starts until the sync has ended.
void TestSyncBox::buttonsOffFromTheCheckOn()
{
    m_fixture.plugDriveDevice();
    m_fixture.m_service->setAnswer("getRouteSyncList", FakeShareService::STALL);
    ZeqAgentCtrlMgr* pCtrl = ZeqAgentCtrlMgr::getInstance();
    QSignalSpy finish(pCtrl, &ZeqAgentCtrlMgr::actionFinish);
    QSignalSpy mapStatus(pCtrl, &ZeqAgentCtrlMgr::emitMapStatus);
    MyDevShareSyncWidget* pBox = newBox();
    QTRY_COMPARE_WITH_TIMEOUT(m_fixture.callCount("getRouteSyncList"), 1, 20000);
    QCOMPARE(SyncBoxFixture::codes(finish), QList<int>({BACKUP_BUTTONSDISABLE}));
    QCOMPARE(SyncBoxFixture::codes(mapStatus), QList<int>({BACKUP_BUTTONSDISABLE}));
    QVERIFY(!button(pBox)->isEnabled());
    QVERIFY(pCtrl->isSyncRunning());
    // A check that runs to its end: the buttons come back after the result.
    pCtrl->doStopSyncWorker();
    m_fixture.m_service->setAnswer("getRouteSyncList", FakeShareService::RETURN, "[]");
    finish.clear();
    QMetaObject::invokeMethod(pBox, "slotSync");
    QCOMPARE(SyncBoxFixture::waitForFinal(finish), QList<int>({60, 61, 63, 59}));
}

void TestSyncBox::noClaimBeforeTheFirstResult_data()
{
    QTest::addColumn<bool>("automatic");
    QTest::addColumn<bool>("upload");
    QTest::addColumn<QList<int>>("expected");
    const QList<int> uploaded = {60, 61, 68, 60, 68, 60, 63, 59};
    const QList<int> nothing = {60, 61, 63, 59};
    QTest::newRow("automatic sync, a ride to upload") << true << true << uploaded;
    QTest::newRow("automatic sync, nothing to do") << true << false << nothing;
    QTest::newRow("manual sync, a ride to upload") << false << true << uploaded;
    QTest::newRow("manual sync, nothing to do") << false << false << nothing;
}

// A rider who reads "All data has been uploaded" unplugs. Before its sync has ended the box says no such
// thing: busy while its own start is due and its sync runs, nothing at all where no sync starts by itself.
void TestSyncBox::noClaimBeforeTheFirstResult()
{
    QFETCH(bool, automatic);
    QFETCH(bool, upload);
    QFETCH(QList<int>, expected);
    const QString sData = m_fixture.plugDriveDevice();
    const QString sRide = SyncBoxFixture::addRide(sData, "ride.gpx", 15);
    if (upload)
        m_fixture.m_service->setAnswer("getRouteSyncList", FakeShareService::RETURN,
                                       SyncBoxFixture::workList({{"upload", SyncBoxFixture::hashOf(sRide)}}));
    // The sync waits before it starts, as the box's own start does in the agent.
    AgentTiming::set(AgentTiming::SYNC_AUTOSTART, 1500);
    UiFixture::setValue("DEBUG", "Sync", automatic ? "false" : "true");
    ZeqAgentCtrlMgr* pCtrl = ZeqAgentCtrlMgr::getInstance();
    QSignalSpy finish(pCtrl, &ZeqAgentCtrlMgr::actionFinish);
    ClaimWatch watch(pCtrl);
    MyDevShareSyncWidget* pBox = newBox();
    watch.watch(pBox);
    QLabel* pIcon = label(pBox, "label_syncicon");

    // As built: no result line, and the busy pictures only where the sync starts by itself.
    QVERIFY(label(pBox, "label_sync")->isHidden());
    QCOMPARE(syncText(pBox), QString());
    QCOMPARE(pIcon->isVisible() && !pIcon->pixmap(Qt::ReturnByValue).isNull(), automatic);
    QVERIFY(!showsCheckMark(pIcon));
    QVERIFY(label(pBox, "label_upload")->isHidden());
    QCOMPARE(button(pBox)->text(), QString("View my data"));
    QVERIFY(button(pBox)->isEnabled());
    // The watch sees the screen: the box has been painted.
    QTRY_VERIFY(watch.m_nTitlePaints > 0);
    if (automatic) {
        // The busy pictures run while the start is due (or the check runs).
        const qint64 nFirst = pIcon->pixmap(Qt::ReturnByValue).cacheKey();
        QTRY_VERIFY(pIcon->pixmap(Qt::ReturnByValue).cacheKey() != nFirst);
    } else {
        QCOMPARE(finish.count(), 0); // nothing starts by itself
        QMetaObject::invokeMethod(pBox, "slotSync");
    }
    QCOMPARE(SyncBoxFixture::waitForFinal(finish), expected);
    QVERIFY2(watch.m_lstClaims.isEmpty(), qPrintable(watch.m_lstClaims.join("; ")));

    // The result as the box has always shown it.
    QCOMPARE(syncText(pBox), doneText());
    QVERIFY(label(pBox, "label_sync")->isVisible());
    QVERIFY(showsCheckMark(pIcon));
    QVERIFY(label(pBox, "label_upload")->isHidden());
    QCOMPARE(button(pBox)->text(), automatic ? QObject::tr("View my data") : QString("test"));
    QVERIFY(button(pBox)->isEnabled());
    QCOMPARE(QFile::exists(sRide), !upload);
    QCOMPARE(m_fixture.callCount("uploadRec"), upload ? 1 : 0);
}

// The device page is rebuilt at every device change and registration result; the new box must not stop
// the sync that runs, but show it.
void TestSyncBox::automaticStartLeavesARunningSync()
{
    const QString sData = m_fixture.plugDriveDevice();
    const QString sRide = SyncBoxFixture::addRide(sData, "ride.gpx", 15);
    m_fixture.m_service->setAnswer("getRouteSyncList", FakeShareService::RETURN,
                                   SyncBoxFixture::workList({{"upload", SyncBoxFixture::hashOf(sRide)}}));
    m_fixture.m_service->setAnswer("uploadRec", FakeShareService::STALL);
    ZeqAgentCtrlMgr* pCtrl = ZeqAgentCtrlMgr::getInstance();
    QPointer<MyDevShareSyncWidget> pOld = newBox();
    waitUntilQueueRuns(pOld);
    QTRY_COMPARE_WITH_TIMEOUT(m_fixture.callCount("uploadRec"), 1, 20000);

    // The page is rebuilt: the old box goes, a new one comes and its start comes due.
    PageLoops::retire(pOld);
    QTRY_VERIFY(!pOld);
    MyDevShareSyncWidget* pBox = newBox();
    QTRY_VERIFY(m_fixture.m_ui.log().contains("[MyDevShareSyncWidget][autoSync] a sync runs already"));
    QCoreApplication::processEvents();
    QVERIFY(pCtrl->isSyncRunning());
    QCOMPARE(m_fixture.callCount("getRouteSyncList"), 1);
    QCOMPARE(button(pBox)->text(), QObject::tr("View my data"));

    // The running sync's next step shows in the new box, which can stop it.
    pCtrl->slotHandleResults(SYNC_PROCESS, R"({"records":"1","tracks":"0"})");
    QCOMPARE(button(pBox)->text(), QObject::tr("Stop"));
    QVERIFY(button(pBox)->isEnabled());
    QCOMPARE(label(pBox, "label_upload")->text(), QString("1 history items uploading"));
    QVERIFY(label(pBox, "label_upload")->isVisible());
    QVERIFY(label(pBox, "label_sync")->isHidden());
    QTest::mouseClick(button(pBox), Qt::LeftButton);
    QVERIFY(!pCtrl->isSyncRunning());
    QCOMPARE(button(pBox)->text(), QObject::tr("Sync again"));
}

void TestSyncBox::automaticStartWaitsForBackup()
{
    BackupTestDevice device;
    QVERIFY(device.isValid());
    SyncBoxFixture::plugDrives(device.drives());
    FakeArchivePrograms programs;
    PlatformOverride platform;
    platform.setArchiveProgram(programs.hanging());
    ZeqAgentCtrlMgr* pCtrl = ZeqAgentCtrlMgr::getInstance();
    QString sParam;
    QVERIFY(BackupRestoreParam::buildBackup(pCtrl->currentDevice().devInfo.sUUID,
                                            pCtrl->currentDevice().lstDrive, &sParam));
    QVERIFY(pCtrl->backupDev(sParam));
    QTRY_VERIFY_WITH_TIMEOUT(programs.hangingPid() > 0, 20000);
    QVERIFY(pCtrl->isBackupRunning());

    AgentTiming::set(AgentTiming::SYNC_AUTOSTART, 20);
    QSignalSpy finish(pCtrl, &ZeqAgentCtrlMgr::actionFinish);
    MyDevShareSyncWidget* pBox = newBox();
    QTRY_VERIFY(m_fixture.m_ui.log().contains("[MyDevShareSyncWidget][autoSync] a backup or restore runs"));
    QCOMPARE(m_fixture.callCount("getRouteSyncList"), 0);
    QVERIFY(!pCtrl->isSyncRunning());
    QCOMPARE(finish.count(), 0);

    // The backup ends (here by the user's Cancel, which reports nothing): the sync starts. The backup
    // device's one ride is filler, not a GPX track, so it stays on the device and the sync says so.
    pCtrl->terminateBackup();
    QCOMPARE(SyncBoxFixture::waitForFinal(finish), QList<int>({60, 65, 59}));
    QCOMPARE(m_fixture.callCount("getRouteSyncList"), 1);
    QCOMPARE(syncText(pBox), partialText());
}

void TestSyncBox::boxOpensAfterEveryReceiver_data()
{
    QTest::addColumn<int>("status");
    QTest::addColumn<int>("format");
    QTest::addColumn<int>("pages");
    QTest::newRow("not enough space") << int(SYNC_SIZENOTENOUGH) << int(Notifier::PLAIN_TEXT) << 0;
    QTest::newRow("data corruption") << int(SYNC_CORRUPTION) << int(Notifier::RICH_TEXT) << 1;
}

// A box opened inside the controller's broadcast would hold back every window connected after this box
// until the user closed it.
void TestSyncBox::boxOpensAfterEveryReceiver()
{
    QFETCH(int, status);
    QFETCH(int, format);
    QFETCH(int, pages);
    m_fixture.plugDriveDevice();
    UiFixture::setValue("DEBUG", "Sync", "true");
    ZeqAgentCtrlMgr* pCtrl = ZeqAgentCtrlMgr::getInstance();
    MyDevShareSyncWidget* pBox = newBox();
    bool bLaterHeard = false;
    connect(pCtrl, &ZeqAgentCtrlMgr::actionFinish, pBox,
            [&](ACTION_STATUS received) { bLaterHeard = bLaterHeard || received == status; });
    bool bHeardBeforeBox = false;
    RecordingNotifier& notifier = m_fixture.m_ui.m_notifier;
    notifier.m_whileOpen = [&] { bHeardBeforeBox = bLaterHeard; };
    pCtrl->slotHandleResults(ACTION_STATUS(status), "true");
    QVERIFY(notifier.m_notices.isEmpty());
    QTRY_COMPARE(notifier.m_notices.size(), 1);
    QVERIFY(bHeardBeforeBox);
    QCOMPARE(int(notifier.m_notices.first().format), format);
    QCOMPARE(m_urls.m_lstUrls.size(), pages);
    if (status == SYNC_CORRUPTION) {
        QCOMPARE(notifier.m_notices.first().sTitle, QString("Data Corruption"));
        QVERIFY(notifier.m_notices.first().sText.startsWith(
            "<FONT COLOR='red'>Delete the corrupted History<BR/>"));
        QCOMPARE(m_urls.m_lstUrls.first().path(), QString("/login/agentLauncher"));
    } else {
        QCOMPARE(notifier.m_notices.first().sText,
                 QString("The synchronisation is not complete. Please delete some history or track items to "
                         "free up memory space."));
    }
}

// The device leaves while the corrupted-data box is open: the page is retired under the box; the box's
// method ends without touching it and opens no page for a device that is gone.
void TestSyncBox::deviceLeavesWhileTheBoxIsOpen()
{
    m_fixture.plugDriveDevice();
    UiFixture::setValue("DEBUG", "Sync", "true");
    ZeqAgentCtrlMgr* pCtrl = ZeqAgentCtrlMgr::getInstance();
    newBox();
    QPointer<QWidget> pPage = m_pPage.take();
    RecordingNotifier& notifier = m_fixture.m_ui.m_notifier;
    notifier.m_whileOpen = [&] {
        SyncBoxFixture::unplug();
        PageLoops::retire(pPage);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    };
    pCtrl->slotHandleResults(SYNC_CORRUPTION, "true");
    QTRY_COMPARE(notifier.m_notices.size(), 1);
    QCOMPARE(m_urls.m_lstUrls.size(), 0);
    QTRY_VERIFY(!pPage);
}

void TestSyncBox::languageChange_data()
{
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("buttonText");
    QTest::addColumn<QString>("text");
    QTest::newRow("62") << 62 << "Sync again"
                        << "Some data cannot be uploaded to ZeqShare.";
    QTest::newRow("63") << 63 << "View my data"
                        << "All data has been uploaded to ZeqShare successfully.";
    QTest::newRow("64") << 64 << "View my data"
                        << "All data has been uploaded to ZeqShare successfully.";
    QTest::newRow("65") << 65 << "Sync again"
                        << "Some data cannot be uploaded to ZeqShare.";
    QTest::newRow("66") << 66 << "Try again"
                        << "Connect to the Internet to upload your data to ZeqShare.";
    QTest::newRow("67") << 67 << "Sync again"
                        << "Some data cannot be uploaded to ZeqShare.";
    QTest::newRow("68") << 68 << "Stop"
                        << "";
    QTest::newRow("stopped") << 69 << "Sync again"
                             << "Some data cannot be uploaded to ZeqShare.";
    // No sync has ended yet: there is still nothing to tell.
    QTest::newRow("no result") << int(MyDevShareSyncWidget::SYNC_NO_RESULT) << "View my data"
                               << "";
}

void TestSyncBox::languageChange()
{
    QFETCH(int, status);
    QFETCH(QString, buttonText);
    QFETCH(QString, text);
    m_fixture.plugDriveDevice();
    UiFixture::setValue("DEBUG", "Sync", "true");
    ZeqAgentCtrlMgr* pCtrl = ZeqAgentCtrlMgr::getInstance();
    MyDevShareSyncWidget* pBox = newBox();
    const QString sDoneBefore = syncText(pBox);
    if (status == MyDevShareSyncWidget::SYNC_STOPPED) {
        pCtrl->slotHandleResults(SYNC_PROCESS, R"({"records":"4","tracks":"2"})");
        QTest::mouseClick(button(pBox), Qt::LeftButton);
    } else if (status != MyDevShareSyncWidget::SYNC_NO_RESULT) {
        pCtrl->slotHandleResults(ACTION_STATUS(status),
                                 status == SYNC_PROCESS ? R"({"records":"4","tracks":"2"})" : "");
    }

    m_pTranslator.reset(new QTranslator);
    QVERIFY(m_pTranslator->load(QStringLiteral(TEST_QM_DIR "/syncbox_test_de.qm")));
    QVERIFY(QCoreApplication::installTranslator(m_pTranslator.data()));
    QCOMPARE(QObject::tr("Sync again"), QString("Erneut synchronisieren")); // the test language is in place
    QTRY_COMPARE(label(pBox, "label_sync_2")->text(), QObject::tr("ZeqShare synchronisation"));

    QCOMPARE(button(pBox)->text(), QObject::tr(qPrintable(buttonText)));
    QVERIFY(button(pBox)->text() != buttonText);
    QCOMPARE(label(pBox, "label_sync_2")->text(), QObject::tr("ZeqShare synchronisation"));
    if (status == SYNC_PROCESS) {
        QCOMPARE(label(pBox, "label_upload")->text(), QString("4 Fahrten werden hochgeladen"));
        QCOMPARE(label(pBox, "label_download")->text(), QString("2 Strecken werden geladen"));
        QCOMPARE(syncText(pBox), sDoneBefore); // unchanged, and hidden
        QVERIFY(label(pBox, "label_sync")->isHidden());
    } else if (status == MyDevShareSyncWidget::SYNC_NO_RESULT) {
        QCOMPARE(syncText(pBox), QString());
        QVERIFY(label(pBox, "label_sync")->isHidden());
    } else {
        QCOMPARE(syncText(pBox), QObject::tr(qPrintable(text)));
        QVERIFY(syncText(pBox) != text);
    }
    // The button's function follows its text in the new language.
    m_urls.m_lstUrls.clear();
    QTest::mouseClick(button(pBox), Qt::LeftButton);
    if (buttonText == "View my data")
        QCOMPARE(m_urls.m_lstUrls.size(), 1);
    else if (buttonText == "Stop")
        QCOMPARE(button(pBox)->text(), QObject::tr("Sync again"));
    else
        QVERIFY(!button(pBox)->isEnabled() && pCtrl->isSyncRunning()); // a new check
}

QTEST_MAIN(TestSyncBox)
#include "tst_syncbox.moc"
