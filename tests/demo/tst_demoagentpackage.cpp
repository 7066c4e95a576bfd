#include "DemoServices.h"
#include "OfferByHand.h"
#include "controller/DialogOpener.h"
#include "controller/ZeqAgentCtrlMgr.h"
#include "core/AgentFolders.h"
#include "core/AgentTiming.h"
#include "platform/ArchiveTool.h"
#include "support/DesktopHandlerStub.h"
#include "support/DialogDriver.h"
#include "support/RealInput.h"
#include "support/SystemTools.h"
#include "support/TestFolders.h"
#include "support/UiFixture.h"
#include "ui/main/AgentResources.h"
#include "ui/main/Login_fbWidget.h"
#include "ui/main/ZeqAgentMainDialog.h"
#include "ui/pages/ZeqAgentInfoWidget.h"
#include "ui/update/UpdateDialogOpener.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

// The demo's road for the agent's own package, as a newcomer walks it once cpack made one: signed in
// with no device connected, the agent checks for its own update, the stand-in offers the package
// (WendoAgent_<version>.zip holding the .deb), the person clicks Update, and the .deb is handed to the
// desktop's file handler (a stub on PATH that records what it was given). A process of its own: the
// controller is one per process, and this road starts at a sign-in with no device, where the drive road
// starts with its device and a stand-in that offers no agent package.
class TestDemoAgentPackage : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void agentPackageReachesTheDesktop();

private:
    QStringList record() const;
    int recorded(const QString& sLine) const { return record().count(sLine); }

    QTemporaryDir m_dir;
    QString m_sDeb;
    std::unique_ptr<DesktopHandlerStub> m_pHandler;
    std::unique_ptr<UiFixture> m_pUi;
    std::unique_ptr<DemoServices> m_pServices;
    std::unique_ptr<UpdateDialogOpener> m_pOpener;
    std::unique_ptr<ZeqAgentMainDialog> m_pWindow;
    QElapsedTimer m_clock;
};

void TestDemoAgentPackage::initTestCase()
{
    m_clock.start();
    if (!RealInput::isAvailable())
        QSKIP(qPrintable("no display for real input: " + RealInput::unavailableReason()));
    if (ArchiveTool::findProgram(QString()).isEmpty())
        QSKIP("No 7-Zip program (7z, 7zz or 7za) is installed; the set-up scripts install Debian's 7zip.");
    if (QStandardPaths::findExecutable("dpkg-deb").isEmpty())
        QSKIP("No dpkg-deb to make the agent's package with.");
    QVERIFY(m_dir.isValid());
    m_sDeb = m_dir.filePath("wendoagent_9.0.0_all.deb");
    QVERIFY(DesktopHandlerStub::makeAgentDeb(m_sDeb, "9.0.0", m_dir.path()));
    m_pHandler.reset(new DesktopHandlerStub({"xdg-open", "gio"}));
    QVERIFY(m_pHandler->isValid());

    AgentResources::init();
    m_pServices.reset(new DemoServices(m_dir.filePath("record.txt")));
    QString sWhy;
    QVERIFY2(m_pServices->start(m_sDeb, &sWhy), qPrintable(sWhy));
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
    // Short waits instead of the production pauses; none of them is asserted on.
    AgentTiming::set(AgentTiming::SETTINGS_FETCH, 0);
    AgentTiming::set(AgentTiming::DOWNLOAD_PROGRESS, 0);
}

void TestDemoAgentPackage::cleanupTestCase()
{
    if (!m_pUi) { // skipped before the agent was made
        m_pHandler.reset();
        return;
    }
    m_pWindow.reset();
    ZeqAgentCtrlMgr::getInstance()->terminateAllWorker();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    DialogOpener::setInstance(nullptr);
    m_pOpener.reset();
    if (m_pServices)
        m_pServices->stop();
    m_pHandler.reset(); // the old PATH
    qInfo("the agent's package road took %lld ms", m_clock.elapsed());
}

QStringList TestDemoAgentPackage::record() const
{
    return QString::fromUtf8(TestFolders::readFile(m_dir.filePath("record.txt"))).split('\n');
}

void TestDemoAgentPackage::agentPackageReachesTheDesktop()
{
    m_pWindow.reset(new ZeqAgentMainDialog());
    RealInput input;
    QVERIFY(input.showWindow(m_pWindow.get()));
    Login_fbWidget* pLogin = m_pWindow->findChild<Login_fbWidget*>();
    QVERIFY(pLogin);
    auto* pEmail = pLogin->findChild<QLineEdit*>("txt_email");
    auto* pPassword = pLogin->findChild<QLineEdit*>("txt_pwd");
    auto* pSignIn = pLogin->findChild<QPushButton*>("btn_login");
    QVERIFY(pEmail && pPassword && pSignIn);

    // The offer that follows the sign-in: Update clicked by hand once it is the active window.
    QStringList lstSteps;
    DialogDriver driver(120000);
    driver.then("UpdateAvailableDialog",
                [&](QWidget* pOffer) { clickUpdateOnOffer(input, pOffer, lstSteps); });

    // ---- the demo account signs in, no device connected ----
    QVERIFY(input.click(pEmail));
    QVERIFY(input.type(DemoAccount::USER));
    QVERIFY(input.click(pPassword));
    QVERIFY(RealInput::waitForFocus(pPassword));
    QVERIFY(input.type(DemoAccount::PASSWORD));
    QVERIFY(input.click(pSignIn));
    ZeqAgentInfoWidget* pInfo = nullptr;
    QTRY_VERIFY_WITH_TIMEOUT((pInfo = m_pWindow->findChild<ZeqAgentInfoWidget*>()) && pInfo->isVisible(),
                             30000);
    QVERIFY(!ZeqAgentCtrlMgr::getInstance()->isDevicePresent());

    // ---- the agent's own check offers the package; Update hands the .deb to the desktop ----
    // The road ends with the handler's call, or with a box when the package never reached it.
    QTRY_VERIFY_WITH_TIMEOUT(!m_pHandler->calls("xdg-open").isEmpty() ||
                                 !m_pUi->m_notifier.m_notices.isEmpty() || !driver.failures().isEmpty(),
                             120000);
    QStringList lstNotices;
    for (const RecordingNotifier::Notice& notice : m_pUi->m_notifier.m_notices)
        lstNotices << notice.sTitle + "|" + notice.sText;
    QVERIFY2(lstNotices.isEmpty(), qPrintable(lstNotices.join("; ")));
    QVERIFY2(driver.failures().isEmpty(), qPrintable(driver.failures().join("; ")));
    const QString sOpened =
        AgentFolders::tempPath(QString("WendoAgent_%1.deb").arg(DemoServices::AGENT_VERSION));
    QCOMPARE(m_pHandler->calls("xdg-open"), QStringList{sOpened});
    QCOMPARE(m_pHandler->calls("gio"), QStringList());
    QCOMPARE(TestFolders::readFile(sOpened), TestFolders::readFile(m_sDeb));
    QVERIFY(!QFileInfo(sOpened).isExecutable());
    QTRY_VERIFY_WITH_TIMEOUT(!ZeqAgentCtrlMgr::getInstance()->isUpdateDialogShown(), 30000);
    QCOMPARE(lstSteps, QStringList({"offered", "update clicked 1"}));
    const QStringList lstShown = driver.shown();
    QVERIFY2(lstShown.contains("CheckWendoAgentUpdateDialog") && lstShown.contains("InstallUpdateDialog"),
             qPrintable(lstShown.join(' ')));
    // The installer took over: no box after it, least of all a failure.
    QCOMPARE(m_pUi->m_notifier.m_notices.size(), 0);

    // ---- what the stand-in recorded ----
    const QStringList lstRecord = record();
    QCOMPARE(recorded(QString("sign-in ") + DemoAccount::USER), 1);
    QCOMPARE(recorded(QString("the agent's own package is offered: ") + QFileInfo(m_sDeb).fileName()), 1);
    QVERIFY2(lstRecord.filter(QRegularExpression("^update check *: offered AGENT$")).size() == 1,
             qPrintable(lstRecord.join('\n')));
    QCOMPARE(recorded(QString("download WendoAgent_%1.zip").arg(DemoServices::AGENT_VERSION)), 1);
    QVERIFY2(lstRecord.filter(QRegularExpression("^unknown request|unknown operation")).isEmpty(),
             qPrintable(lstRecord.join('\n')));
}

WENDO_REAL_INPUT_MAIN(TestDemoAgentPackage)
#include "tst_demoagentpackage.moc"
