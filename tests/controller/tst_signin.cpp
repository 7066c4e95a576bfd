#include "support/ControllerTestDevices.h"
#include "controller/ZeqAgentCtrlMgr.h"
#include "core/AgentSettings.h"
#include "core/AgentTiming.h"
#include "core/JsonHelper.h"
#include "support/FakeShareService.h"
#include "support/TestFolders.h"
#include "support/UrlCatcher.h"

#include <QSignalSpy>
#include <QUrl>
#include <QtTest>

// The sign-in road through the controller: the page's request text, the account worker, the fake
// sharing service on loopback, and back to the windows through actionFinish.
static QString signInRequest(const QString& sPassword)
{
    return JsonHelper::object({{"user", "rider@example.org"}, {"password", sPassword}});
}

class TestSignIn : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void road_data();
    void road();
    void openShareWebSignedIn();
    void noServerListening();

private:
    QScopedPointer<TestFolders> m_pFolders;
    QScopedPointer<TestHttpServer> m_pServer;
    QScopedPointer<FakeShareService> m_pService;
};

void TestSignIn::initTestCase()
{
    ControllerTestDevices::install();
    AgentTiming::set(AgentTiming::NET_WATCHDOG, 500);
    m_pFolders.reset(new TestFolders);
    m_pServer.reset(new TestHttpServer);
    QVERIFY(m_pServer->start());
    m_pService.reset(new FakeShareService(*m_pServer));
    AgentSettings settings;
    settings.setValue("URL", "WebApi", m_pService->serviceUrl());
}

void TestSignIn::cleanupTestCase()
{
    m_pService.reset();
    m_pServer.reset();
}

void TestSignIn::road_data()
{
    QTest::addColumn<QString>("answer");
    QTest::addColumn<int>("status");
    QTest::addColumn<bool>("signedIn");
    QTest::newRow("success") << "SESSION-42" << int(LOGIN_SUCCESS) << true;
    QTest::newRow("E0013") << "ERROR:E0013" << int(LOGIN_REJECTED) << false;
    QTest::newRow("E0007") << "ERROR:E0007" << int(LOGIN_ERROR) << false;
}

void TestSignIn::road()
{
    QFETCH(QString, answer);
    QFETCH(int, status);
    QFETCH(bool, signedIn);
    m_pService->setAnswer("login", FakeShareService::RETURN, answer);
    ZeqAgentCtrlMgr* pCtrl = ZeqAgentCtrlMgr::getInstance();
    QSignalSpy finish(pCtrl, &ZeqAgentCtrlMgr::actionFinish);
    const QString sPassword = "p\"a\\ss";
    pCtrl->login(signInRequest(sPassword));
    // The pending account waits for the answer; the current one is untouched until then.
    QCOMPARE(pCtrl->pendingPassword(), sPassword);
    QVERIFY(finish.wait(10000));
    QCOMPARE(finish.count(), 1);
    QCOMPARE(finish.at(0).at(0).value<ACTION_STATUS>(), ACTION_STATUS(status));
    QCOMPARE(pCtrl->isSignedIn(), signedIn);
    QCOMPARE(pCtrl->currentSession(), signedIn ? answer : QString());
    QCOMPARE(pCtrl->currentUser(), signedIn ? QString("rider@example.org") : QString());
    QCOMPARE(m_pService->lastCall().params.value("Password"), sPassword);
}

void TestSignIn::openShareWebSignedIn()
{
    UrlCatcher catcher;
    m_pService->setAnswer("login", FakeShareService::RETURN, "SESSION-7");
    ZeqAgentCtrlMgr* pCtrl = ZeqAgentCtrlMgr::getInstance();
    QSignalSpy finish(pCtrl, &ZeqAgentCtrlMgr::actionFinish);
    pCtrl->login(signInRequest("pw+&"));
    QVERIFY(finish.wait(10000));
    pCtrl->openShareWeb(false, true);
    QCOMPARE(catcher.m_lstUrls.size(), 1);
    const QString sUrl = catcher.m_lstUrls.first().toString(QUrl::FullyEncoded);
    QVERIFY2(sUrl.startsWith("https://www.zeqshare.example/login/agentLauncher?"), qPrintable(sUrl));
    const QString sQuery = ZeqAgentCtrlMgr::unscramblePassword(
        QUrl::fromPercentEncoding(catcher.m_lstUrls.first().query(QUrl::FullyEncoded).toLatin1()));
    QVERIFY2(sQuery.contains("password=pw%2B%26&autologin=true&redirectPage=recording/corrupt"),
             qPrintable(sQuery));
}

void TestSignIn::noServerListening()
{
    m_pServer->stop();
    ZeqAgentCtrlMgr* pCtrl = ZeqAgentCtrlMgr::getInstance();
    QSignalSpy finish(pCtrl, &ZeqAgentCtrlMgr::actionFinish);
    pCtrl->login(signInRequest("pw"));
    QVERIFY(finish.wait(10000));
    QCOMPARE(finish.at(0).at(0).value<ACTION_STATUS>(), LOGIN_INTERNETERROR);
    QVERIFY(!pCtrl->isSignedIn());
}

QTEST_MAIN(TestSignIn)
#include "tst_signin.moc"
