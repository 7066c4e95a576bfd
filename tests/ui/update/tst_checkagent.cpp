#include "controller/DialogOpener.h"
#include "controller/ZeqAgentCtrlMgr.h"
#include "core/AgentFolders.h"
#include "core/WorkFile.h"
#include "support/DialogDriver.h"
#include "support/LabelLink.h"
#include "support/UiFixture.h"
#include "support/UpdateCheckFixture.h"
#include "ui/update/CheckWendoAgentUpdateDialog.h"
#include "ui/update/UpdateAvailableDialog.h"

#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QtTest>

#ifdef WENDO_TEST_QUORVANE
const bool QUORVANE = true;
#else
const bool QUORVANE = false;
#endif

using Rows = QList<WorkFile::Row>;
Q_DECLARE_METATYPE(Rows)

// The agent's own update without a device: the agent-only check as the update service sees it, what
// follows its answer, and the agent offer's note, link, fonts and Update.
class TestCheckAgent : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void requestAsTheServiceSeesIt_data();
    void requestAsTheServiceSeesIt();
    void outcomes_data();
    void outcomes();
    void lateResultsAfterTheOffer();
    void offerNoteAndLink_data();
    void offerNoteAndLink();
    void offerUpdate_data();
    void offerUpdate();
    void offerFonts_data();
    void offerFonts();

private:
    QStringList notices() const;

    UiFixture m_ui{QUORVANE};
    QScopedPointer<UpdateCheckFixture> m_pWorld;
    QScopedPointer<InstallRecordingOpener> m_pOpener;
};

void TestCheckAgent::init()
{
    m_ui.reset();
    m_pWorld.reset(new UpdateCheckFixture);
    QVERIFY(m_pWorld->isValid());
    m_pOpener.reset(new InstallRecordingOpener);
    QDir().mkpath(AgentFolders::tempDir());
    QFile::remove(UpdateCheckFixture::listPath("Update.script"));
}

void TestCheckAgent::cleanup()
{
    ZeqAgentCtrlMgr::getInstance()->terminateAllWorker();
    ZeqAgentCtrlMgr::getInstance()->setLang("en");
    m_pOpener.reset();
    m_pWorld.reset();
}

QStringList TestCheckAgent::notices() const
{
    QStringList lstNotices;
    for (const RecordingNotifier::Notice& notice : m_ui.m_notifier.m_notices)
        lstNotices << notice.sTitle + "|" + notice.sText;
    return lstNotices;
}

void TestCheckAgent::requestAsTheServiceSeesIt_data()
{
    QTest::addColumn<QString>("version");
    QTest::addColumn<QString>("agent");
    QTest::newRow("no version: 0") << ""
                                   << "0";
    QTest::newRow("a version") << "1.50.0.1"
                               << "1.50.0.1";
}

void TestCheckAgent::requestAsTheServiceSeesIt()
{
    QFETCH(QString, version);
    QFETCH(QString, agent);
    UiFixture::setValue("AGENT", "version", version);
    m_pWorld->m_update.answerError(QString(), QString());
    DialogDriver driver;
    ZeqAgentCtrlMgr::getInstance()->checkWendoAgentupdate();
    QCOMPARE(driver.shown(), QStringList{"CheckWendoAgentUpdateDialog"});
    const FakeUpdateService::Call call = m_pWorld->m_update.lastCall();
    QVERIFY(call.bParsed);
    QCOMPARE(call.fields.value("skuid"), QString(QUORVANE ? "2" : "1"));
    QCOMPARE(call.fields.value("uuid"), QString());
    QCOMPARE(call.fields.value("model"), QString());
    QCOMPARE(call.versions.value("IMAGE"), QString());
    QCOMPARE(call.versions.value("APPLICATION"), QString());
    QCOMPARE(call.versions.value("AGENT"), agent);
    // Nothing offered: the check ends without a word.
    QCOMPARE(notices(), QStringList());
}

void TestCheckAgent::outcomes_data()
{
    QTest::addColumn<int>("kind"); // a FakeUpdateService::Kind
    QTest::addColumn<QStringList>("offered");
    QTest::addColumn<QStringList>("shown");
    QTest::addColumn<QStringList>("boxes");
    const QString connection =
        QString(
            "Internet connection|Failed to connect to the %1 Server. Please check your internet connection.")
            .arg(QUORVANE ? "QuorvaneShare" : "ZeqShare");
    const QString failed = "Updates|Update failed. Please ensure that your  is still connected to your "
                           "computer. If this problem persists, contact Zeq support.";
    const QString check = "CheckWendoAgentUpdateDialog";
    QTest::newRow("agent offered") << int(FakeUpdateService::UPDATES) << QStringList{"AGENT"}
                                   << QStringList{check, "UpdateAvailableDialog"} << QStringList{};
    QTest::newRow("device package only: nothing")
        << int(FakeUpdateService::UPDATES) << QStringList{"IMAGE"} << QStringList{check} << QStringList{};
    QTest::newRow("service 500") << int(FakeUpdateService::HTTP_500) << QStringList{} << QStringList{check}
                                 << QStringList{connection};
    QTest::newRow("malformed answer")
        << int(FakeUpdateService::GARBAGE) << QStringList{} << QStringList{check} << QStringList{failed};
}

void TestCheckAgent::outcomes()
{
    QFETCH(int, kind);
    QFETCH(QStringList, offered);
    QFETCH(QStringList, shown);
    QFETCH(QStringList, boxes);
    QList<FakeUpdateService::Package> lstPackages;
    for (const QString& sKind : offered)
        lstPackages << UpdateCheckFixture::package(sKind, "9.9");
    m_pWorld->m_update.answerUpdates(lstPackages);
    m_pWorld->m_update.answerKind(FakeUpdateService::Kind(kind));
    DialogDriver driver;
    driver.click("UpdateAvailableDialog", "btn_cancel");
    DialogOpener::instance()->runAgentUpdateCheck();
    QVERIFY2(driver.failures().isEmpty(), qPrintable(driver.failures().join("; ")));
    QCOMPARE(driver.shown(), shown);
    QCOMPARE(notices(), boxes);
    QCOMPARE(m_pOpener->m_lstInstalls.size(), 0);
}

void TestCheckAgent::lateResultsAfterTheOffer()
{
    ZeqAgentCtrlMgr* pCtrl = ZeqAgentCtrlMgr::getInstance();
    m_pWorld->m_update.answerUpdates({UpdateCheckFixture::package("AGENT", "9.9")});
    DialogDriver driver;
    driver.then("UpdateAvailableDialog", [pCtrl](QWidget* pOffer) {
        for (ACTION_STATUS status : {DEVICE_CHECKSUCCESS, DEVICE_CHECKERROR, DEVICE_REQUESTERROR})
            emit pCtrl->actionFinish(status, QString());
        DialogDriver::clickButton(pOffer, "btn_cancel");
    });
    DialogOpener::instance()->runAgentUpdateCheck();
    QCOMPARE(driver.shown(), (QStringList{"CheckWendoAgentUpdateDialog", "UpdateAvailableDialog"}));
    QCOMPARE(notices(), QStringList());
}

void TestCheckAgent::offerNoteAndLink_data()
{
    QTest::addColumn<Rows>("rows");
    QTest::addColumn<QString>("note");
    QTest::addColumn<QString>("link"); // "" for plain "Release notes"
    const QString hostile = QString::fromUtf8("9.9 & <b>x</b> \" ' % ; , { Ünï");
    QTest::newRow("two agent rows: the second's version, the first's notes")
        << Rows{{"AGENT", "d", "9.1", "1", "u", "https://notes.example/one"},
                {"AGENT", "d", "9.2", "1", "u", "https://notes.example/two"}}
        << "WendoAgent update (version: 9.2)"
        << "https://notes.example/one";
    QTest::newRow("hostile version as it is")
        << Rows{{"AGENT", "d", hostile, "1", "u", ""}} << "WendoAgent update (version: " + hostile + ")"
        << "";
    QTest::newRow("notes address with a quote and markup")
        << Rows{{"AGENT", "d", "9.9", "1", "u", "http://notes.example/a\"b<i>c'd"}}
        << "WendoAgent update (version: 9.9)"
        << "http://notes.example/a\"b<i>c'd";
    QTest::newRow("javascript notes: no link")
        << Rows{{"AGENT", "d", "9.9", "1", "u", "javascript:x"}} << "WendoAgent update (version: 9.9)"
        << "";
    QTest::newRow("no agent row") << Rows{{"IMAGE", "d", "R2.0", "1", "u", "https://notes.example/i"}} << ""
                                  << "";
}

void TestCheckAgent::offerNoteAndLink()
{
    QFETCH(Rows, rows);
    QFETCH(QString, note);
    QFETCH(QString, link);
    // The removed device's state must not decide the agent's link.
    AgentSettings().setDeviceValue(UpdateCheckFixture::uuid(), "update", "true");
    AgentSettings().setDeviceValue(UpdateCheckFixture::uuid(), "releaseurl", "https://device.example/");
    QVERIFY(WorkFile::writeRows(UpdateCheckFixture::listPath("Update.script"), rows));
    UrlCatcher web;
    UpdateAvailableDialog dialog;
    QCOMPARE(dialog.accessibleName(), QString("UpdateAvailableDialog"));
    QCOMPARE(dialog.windowTitle(), QString("Updates"));
    auto* pNote = dialog.findChild<QLabel*>("label_WendoAgentNote");
    QCOMPARE(pNote->text(), note);
    QCOMPARE(pNote->textFormat(), Qt::PlainText);
    auto* pLink = dialog.findChild<QLabel*>("label_releasenote");
    if (link.isEmpty()) {
        QCOMPARE(pLink->textFormat(), Qt::PlainText);
        QCOMPARE(pLink->text(), QString("Release notes"));
        return;
    }
    QCOMPARE(pLink->textFormat(), Qt::RichText);
    // What a click hands on is the label's own link.
    const QString sHref = linkOf(pLink);
    QCOMPARE(sHref, link);
    emit pLink->linkActivated(sHref);
    QCOMPARE(web.m_lstUrls, QList<QUrl>{QUrl(link, QUrl::TolerantMode)});
}

void TestCheckAgent::offerUpdate_data()
{
    QTest::addColumn<Rows>("rows");
    QTest::addColumn<int>("installs");
    QTest::addColumn<Rows>("left");
    const WorkFile::Row agent1 = {"AGENT", "d", "9.1", "1", "u", "n"};
    const WorkFile::Row agent2 = {"AGENT", "d", "9.2", "1", "u", "n"};
    const WorkFile::Row image = {"IMAGE", "d", "R2.0", "1", "u", "n"};
    QTest::newRow("agent rows stay, device rows go")
        << Rows{agent1, agent2, image} << 1 << Rows{agent1, agent2};
    QTest::newRow("no agent row: nothing installed") << Rows{image} << 0 << Rows{image};
}

void TestCheckAgent::offerUpdate()
{
    QFETCH(Rows, rows);
    QFETCH(int, installs);
    QFETCH(Rows, left);
    QVERIFY(WorkFile::writeRows(UpdateCheckFixture::listPath("Update.script"), rows));
    DialogDriver driver;
    driver.click("UpdateAvailableDialog", "btn_install");
    {
        UpdateAvailableDialog dialog;
        dialog.exec();
    }
    QVERIFY2(driver.failures().isEmpty(), qPrintable(driver.failures().join("; ")));
    QCOMPARE(m_pOpener->m_lstInstalls.size(), installs);
    if (installs > 0) {
        QCOMPARE(m_pOpener->m_lstInstalls.first().bRecover, false);
        QCOMPARE(m_pOpener->m_lstInstalls.first().bAgentOnly, true);
        QCOMPARE(m_pOpener->m_lstInstalls.first().updateRows, left);
    }
    QCOMPARE(UpdateCheckFixture::rows("Update.script"), left);
}

void TestCheckAgent::offerFonts_data()
{
    QTest::addColumn<QString>("lang");
    QTest::addColumn<int>("points");
    QTest::newRow("fr") << "fr" << 9;
    QTest::newRow("de") << "de" << 10;
    QTest::newRow("nl") << "nl" << 10;
    QTest::newRow("en") << "en" << 12;
}

void TestCheckAgent::offerFonts()
{
    QFETCH(QString, lang);
    QFETCH(int, points);
    ZeqAgentCtrlMgr::getInstance()->setLang(lang);
    UpdateAvailableDialog dialog;
    for (const char* szButton : {"btn_cancel", "btn_install"})
        QCOMPARE(dialog.findChild<QPushButton*>(szButton)->font().pointSize(), points);
}

QTEST_MAIN(TestCheckAgent)
#include "tst_checkagent.moc"
