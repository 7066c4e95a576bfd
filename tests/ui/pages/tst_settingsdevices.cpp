#include "backup/BackupFiles.h"
#include "support/SettingsFixture.h"
#include "ui/pages/BasicSettingWidget.h"
#include "ui/pages/DevSettingWidget.h"
#include "ui/pages/PageLoops.h"
#include "ui/pages/RegSettingTitieWidget.h"
#include "ui/pages/SettingWidget.h"
#include "ui/pages/SyncSettingWidget.h"

#include <QDir>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QtTest>

#include <memory>

// The registered devices on the Settings page, as the fake sharing service lists them, and their
// deregistration with and without the removal of their backup.
class TestSettingsDevices : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void rows_data();
    void rows();
    void twoListsInARow();
    void textsShownExactly_data();
    void textsShownExactly();
    void basicOnly();
    void lastRowReachable();

    void confirmation_data();
    void confirmation();
    void removalTakesOnlyThatDevicesBackup();
    void failureReenablesEveryRow();
    void twoDeregistrationsKeepTheirOwnChoice();
    void unusableUuidRemovesNothing();
    void answerWithNothingPendingRemovesNothing();
    void pageGoesAwayWhileAsking_data();
    void pageGoesAwayWhileAsking();
    void resultBoxOutlivesItsPage();

private:
    // How often the list of devices was asked for (the controller logs each asking at once).
    int listAskings();
    static QString device(const QString& sUUID, const QString& sName, const QString& sDate = "2024/03/01");
    // A full page built with the service listing sList; returns when its rows stand.
    std::unique_ptr<SettingWidget> buildPage(const QString& sList, int nMode = 0);
    static QStringList rowUuids(const SettingWidget& page);
    static QPushButton* button(DevSettingWidget* pRow);
    static void writeArchive(const QString& sPath);

    SettingsFixture m_fixture;
};

void TestSettingsDevices::init()
{
    QVERIFY(m_fixture.reset());
    QDir(BackupFiles::backupDir()).removeRecursively();
    QVERIFY(QDir().mkpath(BackupFiles::backupDir()));
}

void TestSettingsDevices::cleanup()
{
    m_fixture.notifier().m_whileOpen = nullptr;
    m_fixture.notifier().m_nAnswer = Notifier::OK;
    m_fixture.notifier().m_bTick = false;
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

QString TestSettingsDevices::device(const QString& sUUID, const QString& sName, const QString& sDate)
{
    return JsonHelper::object(
        {{"UUID", sUUID}, {"SKUID", "1"}, {"Model", "M"}, {"HardwareName", sName}, {"AddDate", sDate}});
}

std::unique_ptr<SettingWidget> TestSettingsDevices::buildPage(const QString& sList, int nMode)
{
    m_fixture.m_pService->setAnswer("getDeviceList", FakeShareService::RETURN, sList);
    const int nHeard = m_fixture.heard(ENUMDEV_SUCCESS);
    std::unique_ptr<SettingWidget> pPage(new SettingWidget(nullptr));
    pPage->setBasicOnly(nMode);
    pPage->show();
    if (!m_fixture.waitHeard(ENUMDEV_SUCCESS, nHeard + 1))
        return nullptr;
    // Sections the layout takes in are shown from the event loop.
    QCoreApplication::processEvents();
    return pPage;
}

QStringList TestSettingsDevices::rowUuids(const SettingWidget& page)
{
    QStringList uuids;
    for (DevSettingWidget* pRow : page.deviceRows())
        uuids.append(pRow->device().sUUID);
    return uuids;
}

QPushButton* TestSettingsDevices::button(DevSettingWidget* pRow)
{
    return pRow->findChild<QPushButton*>("btn_deregister");
}

void TestSettingsDevices::writeArchive(const QString& sPath)
{
    QFile file(sPath);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write("7z archive"), qint64(10));
}

void TestSettingsDevices::rows_data()
{
    QTest::addColumn<QStringList>("listed");
    QTest::addColumn<bool>("attached"); // the fixture's device "0123456789ABCDEF" is plugged in
    QTest::addColumn<QStringList>("shown");
    const QString sAttached = "0123456789ABCDEF";
    QTest::newRow("none") << QStringList() << false << QStringList();
    QTest::newRow("none, device attached") << QStringList() << true << QStringList();
    QTest::newRow("three, attached third")
        << QStringList{"A1", "B2", sAttached} << true << QStringList{sAttached, "A1", "B2"};
    QTest::newRow("three, attached not listed")
        << QStringList{"A1", "B2", "C3"} << true << QStringList{"A1", "B2", "C3"};
    QTest::newRow("three, nothing attached")
        << QStringList{"A1", sAttached, "B2"} << false << QStringList{"A1", sAttached, "B2"};
}

void TestSettingsDevices::rows()
{
    QFETCH(QStringList, listed);
    QFETCH(bool, attached);
    QFETCH(QStringList, shown);
    if (attached)
        UiFixture::plugDevice(true);
    QStringList objects;
    for (const QString& sUUID : listed)
        objects.append(device(sUUID, "Wendo " + sUUID));
    auto pPage = buildPage("[" + objects.join(",") + "]");
    QVERIFY(pPage);
    QCOMPARE(rowUuids(*pPage), shown);
    QCOMPARE(pPage->titleStrip() != nullptr, !shown.isEmpty());
    // The sync section always follows the language section in full mode.
    QVERIFY(pPage->syncSection()->isVisible());
    for (DevSettingWidget* pRow : pPage->deviceRows()) {
        const bool bConnected = attached && pRow->device().sUUID == "0123456789ABCDEF";
        QCOMPARE(pRow->isConnectedRow(), bConnected);
        QCOMPARE(button(pRow)->isVisible(), !bConnected);
        QCOMPARE(button(pRow)->isEnabled(), !bConnected);
        QLabel* pInfo = pRow->findChild<QLabel*>("label_info");
        QCOMPARE(pInfo->isVisible(), bConnected);
        QLabel* pName = pRow->findChild<QLabel*>("label_device");
        QCOMPARE(pName->text(), bConnected ? "Wendo " + pRow->device().sUUID + " connected"
                                           : "Wendo " + pRow->device().sUUID);
        if (bConnected)
            QCOMPARE(pInfo->text(), QString("Please disconnect your device to deregister."));
    }
}

void TestSettingsDevices::twoListsInARow()
{
    auto pPage = buildPage("[" + device("A1", "One") + "," + device("B2", "Two") + "]");
    QVERIFY(pPage);
    ZeqAgentCtrlMgr::getInstance()->slotHandleResults(ENUMDEV_SUCCESS, QString());
    QCOMPARE(rowUuids(*pPage), (QStringList{"A1", "B2"}));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCOMPARE(pPage->findChildren<RegSettingTitieWidget*>().size(), 1);
    QCOMPARE(pPage->findChildren<DevSettingWidget*>().size(), 2);
}

void TestSettingsDevices::textsShownExactly_data()
{
    QTest::addColumn<bool>("languageChange");
    QTest::newRow("as built") << false;
    // The row puts the form's texts back and must show the device's values again.
    QTest::newRow("after a language change") << true;
}

void TestSettingsDevices::textsShownExactly()
{
    QFETCH(bool, languageChange);
    const QString sName = QString::fromUtf8("Zeq \"5&0\" <b>é</b> ';%{");
    const QString sUUID = QString::fromUtf8("<i>&amp;'%{é");
    const QString sDate = QString::fromUtf8("<u>2024</u> &lt; é");
    // "connect" of a device never attached here is empty: the label ends with ": ".
    auto pPage = buildPage("[" + device(sUUID, sName, sDate) + "]");
    QVERIFY(pPage);
    QCOMPARE(pPage->deviceRows().size(), 1);
    DevSettingWidget* pRow = pPage->deviceRows().first();
    if (languageChange) {
        QEvent change(QEvent::LanguageChange);
        QCoreApplication::sendEvent(pRow, &change);
    }
    const struct {
        const char* szLabel;
        QString sText;
    } expected[] = {{"label_device", sName},
                    {"label_uuid", "UUID: " + sUUID},
                    {"label_register", "Registered on: " + sDate},
                    {"label_connect", "Last connected: "}};
    for (const auto& label : expected) {
        QLabel* pLabel = pRow->findChild<QLabel*>(label.szLabel);
        QCOMPARE(pLabel->text(), label.sText);
        QCOMPARE(pLabel->textFormat(), Qt::PlainText);
    }
}

void TestSettingsDevices::basicOnly()
{
    auto pPage = buildPage("[" + device("A1", "One") + "]", 1);
    QVERIFY(pPage);
    QCOMPARE(pPage->basicSection()->size(), QSize(800, 433));
    QVERIFY(!pPage->basicSection()->findChild<QPushButton*>("btn_Save")->isVisible());
    QVERIFY(pPage->deviceRows().isEmpty());
    QVERIFY(!pPage->titleStrip());
    QVERIFY(!pPage->syncSection()->isVisible());
    QCOMPARE(pPage->size(), QSize(800, 433));
}

void TestSettingsDevices::lastRowReachable()
{
    QStringList objects;
    for (int i = 0; i < 8; ++i)
        objects.append(device(QString("D%1").arg(i), QString("Device %1").arg(i)));
    auto pPage = buildPage("[" + objects.join(",") + "]");
    QVERIFY(pPage);
    QCOMPARE(pPage->deviceRows().size(), 8);
    QScrollArea* pArea = pPage->findChild<QScrollArea*>("scrollArea");
    DevSettingWidget* pLast = pPage->deviceRows().last();
    QCoreApplication::processEvents();
    pArea->verticalScrollBar()->setValue(pArea->verticalScrollBar()->maximum());
    QCoreApplication::processEvents();
    const QRect rowInViewport(pLast->mapTo(pArea->viewport(), QPoint(0, 0)), pLast->size());
    QVERIFY2(rowInViewport.top() >= 0 && rowInViewport.bottom() <= pArea->viewport()->rect().bottom(),
             qPrintable(QString("row at %1,%2 %3x%4")
                            .arg(rowInViewport.x())
                            .arg(rowInViewport.y())
                            .arg(rowInViewport.width())
                            .arg(rowInViewport.height())));
    QVERIFY(pLast->height() >= 115);
}

void TestSettingsDevices::confirmation_data()
{
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("tick");
    QTest::addColumn<bool>("sent");
    QTest::newRow("No") << int(Notifier::NO) << false << false;
    QTest::newRow("No, ticked") << int(Notifier::NO) << true << false;
    QTest::newRow("closed") << int(Notifier::CANCEL) << false << false;
    QTest::newRow("Yes") << int(Notifier::YES) << false << true;
    QTest::newRow("Yes, ticked") << int(Notifier::YES) << true << true;
}

void TestSettingsDevices::confirmation()
{
    QFETCH(int, answer);
    QFETCH(bool, tick);
    QFETCH(bool, sent);
    writeArchive(BackupFiles::systemArchive("A1"));
    UiFixture::setValue("A1", "backuptime", "2024/01/01");
    auto pPage = buildPage("[" + device("A1", "One") + "]");
    QVERIFY(pPage);
    m_fixture.notifier().m_nAnswer = answer;
    m_fixture.notifier().m_bTick = tick;
    QPushButton* pButton = button(pPage->deviceRows().first());
    QTest::mouseClick(pButton, Qt::LeftButton);
    const RecordingNotifier::Notice question = m_fixture.notifier().m_notices.value(0);
    QCOMPARE(question.sTitle, QString("Device Deregisteration"));
    QCOMPARE(question.sText, QString("Are you sure you want to deregister your device?"));
    QCOMPARE(question.sCheckText, QString("Remove my backup file if any."));
    if (!sent) {
        QCOMPARE(pButton->isEnabled(), true);
        QVERIFY(m_fixture.passMarker());
        QCOMPARE(m_fixture.calls("deregisterDevice").size(), 0);
        return;
    }
    QVERIFY(!pButton->isEnabled());
    QVERIFY(m_fixture.waitHeard(DEVICE_DEREGSUCCESS));
    const QList<FakeShareService::Call> calls = m_fixture.calls("deregisterDevice");
    QCOMPARE(calls.size(), 1);
    QCOMPARE(calls.first().params.value("UUID"), QString("A1"));
    QCOMPARE(calls.first().params.value("SessionID"), QString("SESSION-7"));
    QCOMPARE(calls.first().params.value("CustomerEMail"), SettingsFixture::user());
    QCOMPARE(QFile::exists(BackupFiles::systemArchive("A1")), !tick);
    QCOMPARE(UiFixture::value("A1", "backuptime"), tick ? QString() : QString("2024/01/01"));
    // The result box, then the list is asked for again.
    QCOMPARE(m_fixture.notifier().m_notices.value(1).sText,
             QString("Your device is successfully deregistered."));
    QTRY_COMPARE(m_fixture.calls("getDeviceList").size(), 2);
}

void TestSettingsDevices::removalTakesOnlyThatDevicesBackup()
{
    writeArchive(BackupFiles::dataArchive("A1"));
    writeArchive(BackupFiles::systemArchive("B2"));
    writeArchive(BackupFiles::dataArchive("B2"));
    UiFixture::setValue("A1", "backuptime", "2024/01/01");
    UiFixture::setValue("B2", "backuptime", "2024/02/02");
    auto pPage = buildPage("[" + device("A1", "One") + "," + device("B2", "Two") + "]");
    QVERIFY(pPage);
    m_fixture.notifier().m_nAnswer = Notifier::YES;
    m_fixture.notifier().m_bTick = true;
    button(pPage->deviceRows().first())->click();
    QVERIFY(m_fixture.waitHeard(DEVICE_DEREGSUCCESS));
    QVERIFY(!QFile::exists(BackupFiles::dataArchive("A1")));
    QCOMPARE(UiFixture::value("A1", "backuptime"), QString());
    QVERIFY(QFile::exists(BackupFiles::systemArchive("B2")));
    QVERIFY(QFile::exists(BackupFiles::dataArchive("B2")));
    QCOMPARE(UiFixture::value("B2", "backuptime"), QString("2024/02/02"));
}

void TestSettingsDevices::failureReenablesEveryRow()
{
    m_fixture.m_pService->setAnswer("deregisterDevice", FakeShareService::RETURN, "ERROR:E0009");
    writeArchive(BackupFiles::systemArchive("A1"));
    auto pPage = buildPage("[" + device("A1", "One") + "," + device("B2", "Two") + "]");
    QVERIFY(pPage);
    m_fixture.notifier().m_nAnswer = Notifier::YES;
    m_fixture.notifier().m_bTick = true;
    button(pPage->deviceRows().first())->click();
    QVERIFY(!button(pPage->deviceRows().first())->isEnabled());
    QVERIFY(m_fixture.waitHeard(DEVICE_DEREGERROR));
    QCOMPARE(m_fixture.notifier().m_notices.last().sTitle, QString("Device Deregisteration"));
    QCOMPARE(m_fixture.notifier().m_notices.last().sText,
             QString("Your device is not deregistered successfully yet."));
    for (DevSettingWidget* pRow : pPage->deviceRows())
        QVERIFY(button(pRow)->isEnabled());
    QCOMPARE(rowUuids(*pPage), (QStringList{"A1", "B2"}));
    QVERIFY(QFile::exists(BackupFiles::systemArchive("A1")));
    // No new list is asked for after a failure.
    const int nAskings = listAskings();
    QVERIFY(m_fixture.passMarker());
    QCOMPARE(listAskings(), nAskings);
    QCOMPARE(m_fixture.calls("getDeviceList").size(), 1);
}

// A with the removal, then B without it, both sent before either answer: each answer takes its own
// device's choice.
void TestSettingsDevices::twoDeregistrationsKeepTheirOwnChoice()
{
    for (const QString sUUID : {"A1", "B2"}) {
        writeArchive(BackupFiles::systemArchive(sUUID));
        writeArchive(BackupFiles::dataArchive(sUUID));
        UiFixture::setValue(sUUID, "backuptime", "2024/01/01");
    }
    auto pPage = buildPage("[" + device("A1", "One") + "," + device("B2", "Two") + "]");
    QVERIFY(pPage);
    m_fixture.notifier().m_nAnswer = Notifier::YES;
    m_fixture.notifier().m_bTick = true;
    button(pPage->deviceRows().at(0))->click();
    m_fixture.notifier().m_bTick = false;
    button(pPage->deviceRows().at(1))->click();
    QVERIFY(m_fixture.waitHeard(DEVICE_DEREGSUCCESS, 2));
    const QList<FakeShareService::Call> calls = m_fixture.calls("deregisterDevice");
    QCOMPARE(calls.size(), 2);
    QCOMPARE(calls.at(0).params.value("UUID"), QString("A1"));
    QCOMPARE(calls.at(1).params.value("UUID"), QString("B2"));
    QVERIFY(!QFile::exists(BackupFiles::systemArchive("A1")));
    QVERIFY(!QFile::exists(BackupFiles::dataArchive("A1")));
    QCOMPARE(UiFixture::value("A1", "backuptime"), QString());
    QVERIFY(QFile::exists(BackupFiles::systemArchive("B2")));
    QVERIFY(QFile::exists(BackupFiles::dataArchive("B2")));
    QCOMPARE(UiFixture::value("B2", "backuptime"), QString("2024/01/01"));
}

void TestSettingsDevices::unusableUuidRemovesNothing()
{
    const QString sDecoy = QDir(BackupFiles::backupDir()).absoluteFilePath("../x-sys.7z");
    writeArchive(sDecoy);
    auto pPage = buildPage("[" + device("../x", "Odd") + "]");
    QVERIFY(pPage);
    m_fixture.notifier().m_nAnswer = Notifier::YES;
    m_fixture.notifier().m_bTick = true;
    button(pPage->deviceRows().first())->click();
    QVERIFY(m_fixture.waitHeard(DEVICE_DEREGSUCCESS));
    QCOMPARE(m_fixture.calls("deregisterDevice").value(0).params.value("UUID"), QString("../x"));
    QVERIFY(QFile::exists(sDecoy));
    QFile::remove(sDecoy);
}

void TestSettingsDevices::answerWithNothingPendingRemovesNothing()
{
    writeArchive(BackupFiles::systemArchive("A1"));
    UiFixture::setValue("A1", "backuptime", "2024/01/01");
    auto pPage = buildPage("[" + device("A1", "One") + "]");
    QVERIFY(pPage);
    // Earlier deregistrations of this run are all answered; a stray success belongs to none of them.
    m_fixture.notifier().m_nAnswer = Notifier::OK;
    ZeqAgentCtrlMgr::getInstance()->slotHandleResults(DEVICE_DEREGSUCCESS, QString());
    QVERIFY(QFile::exists(BackupFiles::systemArchive("A1")));
    QCOMPARE(UiFixture::value("A1", "backuptime"), QString("2024/01/01"));
}

void TestSettingsDevices::pageGoesAwayWhileAsking_data()
{
    QTest::addColumn<bool>("wholePage"); // else a new device list replaces the rows
    QTest::newRow("device change retires the page") << true;
    QTest::newRow("new list replaces the rows") << false;
}

// The confirmation box is open when the page or its rows go; afterwards nothing is sent and nothing
// freed is touched (run under the sanitizer too).
void TestSettingsDevices::pageGoesAwayWhileAsking()
{
    QFETCH(bool, wholePage);
    auto pPage = buildPage("[" + device("A1", "One") + "]");
    QVERIFY(pPage);
    SettingWidget* pRaw = pPage.release();
    QPointer<SettingWidget> pGuard(pRaw);
    m_fixture.notifier().m_nAnswer = Notifier::YES;
    m_fixture.notifier().m_bTick = true;
    bool bDone = false;
    m_fixture.notifier().m_whileOpen = [&] {
        if (bDone)
            return;
        bDone = true;
        if (wholePage) {
            PageLoops::retire(pRaw);
        } else {
            ZeqAgentCtrlMgr::getInstance()->slotHandleResults(ENUMDEV_SUCCESS, QString());
        }
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    };
    QPointer<DevSettingWidget> pRow(pRaw->deviceRows().first());
    button(pRow)->click();
    QVERIFY(m_fixture.passMarker());
    QCOMPARE(m_fixture.calls("deregisterDevice").size(), 0);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!pRow);
    if (wholePage)
        QVERIFY(!pGuard);
    else
        delete pRaw;
}

void TestSettingsDevices::resultBoxOutlivesItsPage()
{
    auto pPage = buildPage("[" + device("A1", "One") + "]");
    QVERIFY(pPage);
    SettingWidget* pRaw = pPage.release();
    QPointer<SettingWidget> pGuard(pRaw);
    m_fixture.notifier().m_nAnswer = Notifier::YES;
    button(pRaw->deviceRows().first())->click();
    // While the result box is open, a device change takes the page away: no new list is asked for.
    m_fixture.notifier().m_whileOpen = [&] {
        if (m_fixture.notifier().m_notices.last().sText.startsWith("Your device"))
            PageLoops::retire(pRaw);
    };
    const int nAskings = listAskings();
    QVERIFY(m_fixture.waitHeard(DEVICE_DEREGSUCCESS));
    QVERIFY(m_fixture.passMarker());
    QCOMPARE(listAskings(), nAskings);
    QCOMPARE(m_fixture.calls("getDeviceList").size(), 1);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!pGuard);
}

int TestSettingsDevices::listAskings()
{
    return m_fixture.ui().log().count("[ZeqAgentCtrlMgr][enumRegDevs][Entry]");
}

QTEST_MAIN(TestSettingsDevices)
#include "tst_settingsdevices.moc"
