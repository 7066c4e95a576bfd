#include "support/QueuedMarker.h"
#include "support/SettingsFixture.h"
#include "ui/pages/BasicSettingWidget.h"
#include "ui/pages/PageLoops.h"
#include "ui/pages/SettingWidget.h"
#include "ui/pages/SyncSettingWidget.h"

#include <QCheckBox>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

#include <memory>

// The account's sync choices on the Settings page: what is stored, what the service answers, what Save
// sends and stores, and the question before leaving unsaved changes.
class TestSettingsSync : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void storedChoices_data();
    void storedChoices();
    void fetchedChoices_data();
    void fetchedChoices();
    void fetchFailures_data();
    void fetchFailures();
    void noFetchAfterSuccess();
    void agentUpdateCheck_data();
    void agentUpdateCheck();
    void answerKeys_data();
    void answerKeys();
    void fetchKeepsUnsavedMark();
    void saveSendsExactChoices_data();
    void saveSendsExactChoices();
    void firstStartSaveWithoutClickSendsNothing();
    void leaveQuestion_data();
    void leaveQuestion();
    void clickOnChosenCounts();
    void leaveQuestionOutlivesPage();

private:
    std::unique_ptr<SettingWidget> buildPage();
    static void storeChoices(const QString& sKept, const QString& sSync);
    static QRadioButton* keptBtn(SettingWidget& page)
    {
        return page.findChild<QRadioButton*>("radioBtn_kept");
    }
    static QRadioButton* delBtn(SettingWidget& page) { return page.findChild<QRadioButton*>("radioBtn_del"); }
    static QCheckBox* tracksBox(SettingWidget& page) { return page.findChild<QCheckBox*>("checkBox_trecks"); }
    static void save(SettingWidget& page)
    {
        QTest::mouseClick(page.findChild<QPushButton*>("btn_Save"), Qt::LeftButton);
    }

    SettingsFixture m_fixture;
};

void TestSettingsSync::init()
{
    QVERIFY(m_fixture.reset());
}

void TestSettingsSync::cleanup()
{
    m_fixture.notifier().m_whileOpen = nullptr;
    m_fixture.notifier().m_nAnswer = Notifier::OK;
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

std::unique_ptr<SettingWidget> TestSettingsSync::buildPage()
{
    const int nHeard = m_fixture.heard(ENUMDEV_SUCCESS);
    std::unique_ptr<SettingWidget> pPage(new SettingWidget(nullptr));
    pPage->setBasicOnly(0);
    pPage->show();
    if (!m_fixture.waitHeard(ENUMDEV_SUCCESS, nHeard + 1))
        return nullptr;
    // Sections the layout takes in are shown from the event loop.
    QCoreApplication::processEvents();
    return pPage;
}

void TestSettingsSync::storeChoices(const QString& sKept, const QString& sSync)
{
    if (!sKept.isNull())
        UiFixture::setValue("SYNC", "KeptHistory", sKept);
    if (!sSync.isNull())
        UiFixture::setValue("SYNC", "AutoSync", sSync);
}

void TestSettingsSync::storedChoices_data()
{
    QTest::addColumn<QString>("keptKey");
    QTest::addColumn<QString>("syncKey");
    QTest::addColumn<bool>("kept");
    QTest::addColumn<bool>("sync");
    QTest::newRow("absent") << QString() << QString() << false << false;
    QTest::newRow("false/true") << "false"
                                << "true" << false << true;
    QTest::newRow("true/false") << "true"
                                << "false" << true << false;
}

// Shown before any answer of the service (the fetch is held back).
void TestSettingsSync::storedChoices()
{
    QFETCH(QString, keptKey);
    QFETCH(QString, syncKey);
    QFETCH(bool, kept);
    QFETCH(bool, sync);
    storeChoices(keptKey, syncKey);
    AgentTiming::set(AgentTiming::SETTINGS_FETCH, 60000);
    auto pPage = buildPage();
    QVERIFY(pPage);
    QCOMPARE(keptBtn(*pPage)->isChecked(), kept);
    QCOMPARE(delBtn(*pPage)->isChecked(), !kept);
    QCOMPARE(tracksBox(*pPage)->isChecked(), sync);
    QCOMPARE(pPage->syncSection()->isKept(), kept);
    QCOMPARE(pPage->syncSection()->isSync(), sync);
    QCOMPARE(m_fixture.calls("getCustomerSetting").size(), 0);
}

void TestSettingsSync::fetchedChoices_data()
{
    QTest::addColumn<QString>("afterUpload");
    QTest::addColumn<QString>("syncType");
    QTest::addColumn<bool>("kept");
    QTest::addColumn<bool>("sync");
    QTest::newRow("kept, auto") << "dont_delete_after_upload"
                                << "auto_sync" << true << true;
    QTest::newRow("kept, manual") << "dont_delete_after_upload"
                                  << "manual_sync" << true << false;
    QTest::newRow("deleted, auto") << "delete_after_upload"
                                   << "auto_sync" << false << true;
    QTest::newRow("deleted, manual") << "delete_after_upload"
                                     << "manual_sync" << false << false;
}

void TestSettingsSync::fetchedChoices()
{
    QFETCH(QString, afterUpload);
    QFETCH(QString, syncType);
    QFETCH(bool, kept);
    QFETCH(bool, sync);
    storeChoices(kept ? "false" : "true", sync ? "false" : "true");
    m_fixture.m_pService->setAnswer(
        "getCustomerSetting", FakeShareService::RETURN,
        JsonHelper::object({{"afterUpload", afterUpload}, {"syncType", syncType}}));
    auto pPage = buildPage();
    QVERIFY(pPage);
    QVERIFY(m_fixture.waitHeard(GETSETTING_SUCCESS));
    const QList<FakeShareService::Call> calls = m_fixture.calls("getCustomerSetting");
    QCOMPARE(calls.size(), 1);
    QCOMPARE(calls.first().params.value("SessionID"), QString("SESSION-7"));
    QCOMPARE(calls.first().params.value("CustomerEMail"), SettingsFixture::user());
    QCOMPARE(keptBtn(*pPage)->isChecked(), kept);
    QCOMPARE(delBtn(*pPage)->isChecked(), !kept);
    QCOMPARE(tracksBox(*pPage)->isChecked(), sync);
    QCOMPARE(UiFixture::value("SYNC", "KeptHistory"), QString(kept ? "true" : "false"));
    QCOMPARE(UiFixture::value("SYNC", "AutoSync"), QString(sync ? "true" : "false"));
    QVERIFY(ZeqAgentCtrlMgr::getInstance()->isCustomSettingLoaded());
}

void TestSettingsSync::fetchFailures_data()
{
    QTest::addColumn<int>("kind");
    QTest::newRow("HTTP 500") << int(FakeShareService::HTTP_500);
    QTest::newRow("stall") << int(FakeShareService::STALL);
    QTest::newRow("garbage") << int(FakeShareService::GARBAGE);
    QTest::newRow("SOAP fault") << int(FakeShareService::FAULT);
}

void TestSettingsSync::fetchFailures()
{
    QFETCH(int, kind);
    AgentTiming::set(AgentTiming::NET_WATCHDOG, 300);
    storeChoices("false", "true");
    m_fixture.m_pService->setAnswer("getCustomerSetting", FakeShareService::Kind(kind), "E0001");
    {
        auto pPage = buildPage();
        QVERIFY(pPage);
        QVERIFY(m_fixture.waitHeard(GETSETTING_ERROR));
        QVERIFY(delBtn(*pPage)->isChecked());
        QVERIFY(tracksBox(*pPage)->isChecked());
        QVERIFY(!ZeqAgentCtrlMgr::getInstance()->isCustomSettingLoaded());
    }
    QCOMPARE(UiFixture::value("SYNC", "KeptHistory"), QString("false"));
    QCOMPARE(UiFixture::value("SYNC", "AutoSync"), QString("true"));
    // The next page tries again.
    m_fixture.m_pService->setAnswer(
        "getCustomerSetting", FakeShareService::RETURN,
        "{\"afterUpload\":\"dont_delete_after_upload\",\"syncType\":\"auto_sync\"}");
    auto pNext = buildPage();
    QVERIFY(pNext);
    QVERIFY(m_fixture.waitHeard(GETSETTING_SUCCESS));
    QCOMPARE(m_fixture.calls("getCustomerSetting").size(), 2);
    AgentTiming::set(AgentTiming::NET_WATCHDOG, 30000);
}

void TestSettingsSync::noFetchAfterSuccess()
{
    {
        auto pPage = buildPage();
        QVERIFY(pPage);
        QVERIFY(m_fixture.waitHeard(GETSETTING_SUCCESS));
    }
    auto pNext = buildPage();
    QVERIFY(pNext);
    // A fetch the new page would start comes before the marker's, which a timer as long as the page's
    // delay, started after it, sends.
    QTimer after;
    after.setSingleShot(true);
    QSignalSpy fired(&after, &QTimer::timeout);
    after.start(AgentTiming::ms(AgentTiming::SETTINGS_FETCH));
    QVERIFY(fired.wait(20000));
    QVERIFY(m_fixture.passMarker());
    QCOMPARE(m_fixture.calls("getCustomerSetting").size(), 2);
}

void TestSettingsSync::agentUpdateCheck_data()
{
    QTest::addColumn<bool>("fetched");
    QTest::addColumn<bool>("device");
    QTest::newRow("36 without device") << true << false;
    QTest::newRow("37 without device") << false << false;
    QTest::newRow("36 with device") << true << true;
    QTest::newRow("37 with device") << false << true;
}

// The check opens a modal dialog: never while the windows are still hearing the result.
void TestSettingsSync::agentUpdateCheck()
{
    QFETCH(bool, fetched);
    QFETCH(bool, device);
    if (device)
        UiFixture::plugDevice(true);
    AgentTiming::set(AgentTiming::SETTINGS_FETCH, 60000);
    auto pPage = buildPage();
    QVERIFY(pPage);
    ZeqAgentCtrlMgr* pCtrl = ZeqAgentCtrlMgr::getInstance();
    pCtrl->slotHandleResults(fetched ? GETSETTING_SUCCESS : GETSETTING_ERROR,
                             fetched ? "{\"kept\":\"true\",\"sync\":\"true\"}" : QString());
    QCOMPARE(m_fixture.m_opener.count("CheckWendoAgentUpdateDialog"), 0);
    // The check is queued behind the result.
    QVERIFY(QueuedMarker::passEarlierCalls());
    QCOMPARE(m_fixture.m_opener.count("CheckWendoAgentUpdateDialog"), device ? 0 : 1);
    QCOMPARE(m_fixture.m_opener.m_calls.size(), device ? 0 : 1);
}

void TestSettingsSync::answerKeys_data()
{
    QTest::addColumn<QString>("answer");
    QTest::addColumn<bool>("kept");
    QTest::addColumn<bool>("sync");
    QTest::addColumn<QString>("keptKey");
    QTest::addColumn<QString>("syncKey");
    // Stored before: kept "false", sync "true".
    QTest::newRow("texts") << "{\"kept\":\"true\",\"sync\":\"false\"}" << true << false << "true"
                           << "false";
    QTest::newRow("JSON booleans") << "{\"kept\":true,\"sync\":false}" << true << false << "true"
                                   << "false";
    QTest::newRow("kept missing") << "{\"sync\":\"false\"}" << false << false << "false"
                                  << "false";
    QTest::newRow("sync unreadable") << "{\"kept\":\"true\",\"sync\":\"maybe\"}" << true << true << "true"
                                     << "true";
    QTest::newRow("not JSON") << "kept=true" << false << true << "false"
                              << "true";
    QTest::newRow("numbers") << "{\"kept\":1,\"sync\":0}" << false << true << "false"
                             << "true";
}

void TestSettingsSync::answerKeys()
{
    QFETCH(QString, answer);
    QFETCH(bool, kept);
    QFETCH(bool, sync);
    QFETCH(QString, keptKey);
    QFETCH(QString, syncKey);
    storeChoices("false", "true");
    AgentTiming::set(AgentTiming::SETTINGS_FETCH, 60000);
    auto pPage = buildPage();
    QVERIFY(pPage);
    ZeqAgentCtrlMgr::getInstance()->slotHandleResults(GETSETTING_SUCCESS, answer);
    QCOMPARE(keptBtn(*pPage)->isChecked(), kept);
    QCOMPARE(delBtn(*pPage)->isChecked(), !kept);
    QCOMPARE(tracksBox(*pPage)->isChecked(), sync);
    QCOMPARE(pPage->syncSection()->isKept(), kept);
    QCOMPARE(pPage->syncSection()->isSync(), sync);
    QCOMPARE(UiFixture::value("SYNC", "KeptHistory"), keptKey);
    QCOMPARE(UiFixture::value("SYNC", "AutoSync"), syncKey);
}

void TestSettingsSync::fetchKeepsUnsavedMark()
{
    storeChoices("true", "true");
    AgentTiming::set(AgentTiming::SETTINGS_FETCH, 60000);
    auto pPage = buildPage();
    QVERIFY(pPage);
    QTest::mouseClick(delBtn(*pPage), Qt::LeftButton);
    QVERIFY(ZeqAgentCtrlMgr::getInstance()->isSettingNotSave());
    ZeqAgentCtrlMgr::getInstance()->slotHandleResults(GETSETTING_SUCCESS,
                                                      "{\"kept\":\"false\",\"sync\":\"false\"}");
    QVERIFY(!keptBtn(*pPage)->isChecked());
    QVERIFY(!tracksBox(*pPage)->isChecked());
    QCOMPARE(UiFixture::value("SYNC", "KeptHistory"), QString("false"));
    QCOMPARE(UiFixture::value("SYNC", "AutoSync"), QString("false"));
    QVERIFY(ZeqAgentCtrlMgr::getInstance()->isSettingNotSave());
    QVERIFY(pPage->syncSection()->isDirty());
}

void TestSettingsSync::saveSendsExactChoices_data()
{
    QTest::addColumn<QString>("keptKey");
    QTest::addColumn<QString>("syncKey");
    QTest::addColumn<QStringList>("clicks"); // "kept", "del", "tracks"
    QTest::addColumn<QString>("afterUpload");
    QTest::addColumn<QString>("syncType");
    QTest::addColumn<bool>("kept");
    QTest::addColumn<bool>("sync");
    QTest::newRow("stored, no click") << "false"
                                      << "true" << QStringList() << "delete_after_upload"
                                      << "auto_sync" << false << true;
    QTest::newRow("stored, both changed")
        << "false"
        << "true" << QStringList{"kept", "tracks"} << "dont_delete_after_upload"
        << "manual_sync" << true << false;
    QTest::newRow("nothing stored, a click")
        << QString() << QString() << QStringList{"del"} << "delete_after_upload"
        << "manual_sync" << false << false;
}

void TestSettingsSync::saveSendsExactChoices()
{
    QFETCH(QString, keptKey);
    QFETCH(QString, syncKey);
    QFETCH(QStringList, clicks);
    QFETCH(QString, afterUpload);
    QFETCH(QString, syncType);
    QFETCH(bool, kept);
    QFETCH(bool, sync);
    storeChoices(keptKey, syncKey);
    AgentTiming::set(AgentTiming::SETTINGS_FETCH, 60000);
    auto pPage = buildPage();
    QVERIFY(pPage);
    for (const QString& sClick : clicks) {
        if (sClick == "kept")
            QTest::mouseClick(keptBtn(*pPage), Qt::LeftButton);
        else if (sClick == "del")
            QTest::mouseClick(delBtn(*pPage), Qt::LeftButton);
        else
            QTest::mouseClick(tracksBox(*pPage), Qt::LeftButton, Qt::NoModifier, QPoint(10, 15));
    }
    save(*pPage);
    QVERIFY(!ZeqAgentCtrlMgr::getInstance()->isSettingNotSave());
    QCOMPARE(UiFixture::value("SYNC", "KeptHistory"), QString(kept ? "true" : "false"));
    QCOMPARE(UiFixture::value("SYNC", "AutoSync"), QString(sync ? "true" : "false"));
    QTRY_COMPARE(m_fixture.calls("setCustomerSetting").size(), 1);
    const FakeShareService::Call call = m_fixture.calls("setCustomerSetting").first();
    QCOMPARE(call.params.value("SessionID"), QString("SESSION-7"));
    QCOMPARE(call.params.value("CustomerEMail"), SettingsFixture::user());
    const QVariantMap setting = JsonHelper().parse(call.params.value("SettingJSONString"));
    QCOMPARE(setting.value("afterUpload").toString(), afterUpload);
    QCOMPARE(setting.value("syncType").toString(), syncType);
}

// Nothing stored and nothing fetched yet: the defaults on screen are not the account's choices.
void TestSettingsSync::firstStartSaveWithoutClickSendsNothing()
{
    AgentTiming::set(AgentTiming::SETTINGS_FETCH, 60000);
    auto pPage = buildPage();
    QVERIFY(pPage);
    QVERIFY(delBtn(*pPage)->isChecked());
    QVERIFY(!tracksBox(*pPage)->isChecked());
    save(*pPage);
    QCOMPARE(UiFixture::value("SYNC", "KeptHistory"), QString());
    QCOMPARE(UiFixture::value("SYNC", "AutoSync"), QString());
    QVERIFY(!ZeqAgentCtrlMgr::getInstance()->isSettingNotSave());
    // A save the page sent would reach the service before the marker (the page then takes its choices).
    QVERIFY(m_fixture.passMarker());
    QCOMPARE(m_fixture.calls("setCustomerSetting").size(), 0);
}

void TestSettingsSync::leaveQuestion_data()
{
    QTest::addColumn<int>("answer");
    QTest::addColumn<int>("returned");
    QTest::newRow("Yes") << int(Notifier::YES) << int(QMessageBox::Yes);
    QTest::newRow("No") << int(Notifier::NO) << int(QMessageBox::No);
    QTest::newRow("closed") << int(Notifier::CANCEL) << int(QMessageBox::No);
}

void TestSettingsSync::leaveQuestion()
{
    QFETCH(int, answer);
    QFETCH(int, returned);
    storeChoices("true", "true");
    AgentTiming::set(AgentTiming::SETTINGS_FETCH, 60000);
    auto pPage = buildPage();
    QVERIFY(pPage);
    QTest::mouseClick(delBtn(*pPage), Qt::LeftButton);
    QTest::mouseClick(tracksBox(*pPage), Qt::LeftButton, Qt::NoModifier, QPoint(10, 15));
    QVERIFY(ZeqAgentCtrlMgr::getInstance()->isSettingNotSave());
    m_fixture.notifier().m_nAnswer = answer;
    QCOMPARE(pPage->ShowSaveSettingMsgBox(2), returned);
    const RecordingNotifier::Notice question = m_fixture.notifier().m_notices.last();
    QCOMPARE(question.sTitle, QString("Settings"));
    QCOMPARE(question.sText, QString("Are you sure you want to leave this page without saving new changes?"));
    QCOMPARE(question.nButtons, int(Notifier::YES | Notifier::NO));
    const bool bYes = returned == QMessageBox::Yes;
    QCOMPARE(ZeqAgentCtrlMgr::getInstance()->isSettingNotSave(), !bYes);
    QCOMPARE(pPage->syncSection()->isDirty(), !bYes);
    QCOMPARE(keptBtn(*pPage)->isChecked(), bYes);
    QCOMPARE(tracksBox(*pPage)->isChecked(), bYes);
    QCOMPARE(m_fixture.calls("setCustomerSetting").size(), 0);
}

void TestSettingsSync::clickOnChosenCounts()
{
    storeChoices("true", "true");
    AgentTiming::set(AgentTiming::SETTINGS_FETCH, 60000);
    auto pPage = buildPage();
    QVERIFY(pPage);
    QVERIFY(keptBtn(*pPage)->isChecked());
    QTest::mouseClick(keptBtn(*pPage), Qt::LeftButton);
    QVERIFY(keptBtn(*pPage)->isChecked());
    QVERIFY(ZeqAgentCtrlMgr::getInstance()->isSettingNotSave());
    QVERIFY(pPage->syncSection()->isDirty());
}

void TestSettingsSync::leaveQuestionOutlivesPage()
{
    storeChoices("true", "true");
    AgentTiming::set(AgentTiming::SETTINGS_FETCH, 60000);
    auto pPage = buildPage();
    QVERIFY(pPage);
    SettingWidget* pRaw = pPage.release();
    QPointer<SettingWidget> pGuard(pRaw);
    QTest::mouseClick(delBtn(*pRaw), Qt::LeftButton);
    m_fixture.notifier().m_nAnswer = Notifier::YES;
    m_fixture.notifier().m_whileOpen = [&] {
        PageLoops::retire(pRaw);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    };
    QCOMPARE(pRaw->ShowSaveSettingMsgBox(0), int(QMessageBox::No));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!pGuard);
}

QTEST_MAIN(TestSettingsSync)
#include "tst_settingssync.moc"
