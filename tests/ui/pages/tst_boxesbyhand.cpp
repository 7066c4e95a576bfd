#include "core/AgentFolders.h"
#include "support/RealInput.h"
#include "support/RecordingDialogOpener.h"
#include "support/RegisterInfoParent.h"
#include "support/TestDeviceRecord.h"
#include "support/TestFolders.h"
#include "support/UiFixture.h"
#include "ui/main/AgentResources.h"
#include "ui/pages/MyDevRegWidget.h"
#include "ui/pages/MyDevVersionWidget.h"

#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <QtTest>

#include <memory>

// The device boxes on a display of their own, pressed with a real mouse: a person's double press on
// Register sends one request, and a press on the release-note link opens the notes in the browser.
class TestBoxesByHand : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void registerByHandSendsOneRequest();
    void releaseLinkByHand();

private:
    // The device page's column in the signed-in page: registration box over version box.
    struct Column {
        std::unique_ptr<RegisterInfoParent> pWindow;
        MyDevRegWidget* pReg = nullptr;
        MyDevVersionWidget* pVersion = nullptr;
    };
    static Column makeColumn(int nStyle);

    std::unique_ptr<UiFixture> m_pFixture;
    std::unique_ptr<RecordingDialogOpener> m_pOpener;
};

void TestBoxesByHand::initTestCase()
{
    if (!RealInput::isAvailable())
        QSKIP(qPrintable("no display for real input: " + RealInput::unavailableReason()));
    m_pFixture.reset(new UiFixture());
    AgentResources::init();
    QVERIFY(QDir().mkpath(AgentFolders::tempDir()));
}

void TestBoxesByHand::init()
{
    m_pFixture->reset();
    m_pOpener.reset(new RecordingDialogOpener());
    TestDeviceRecord::attach(Worker::FAMILY_DRIVE, TestDeviceRecord::record("Zeq \"5&0\" <b>"));
}

void TestBoxesByHand::cleanup()
{
    m_pOpener.reset();
    TestDeviceRecord::detach();
}

TestBoxesByHand::Column TestBoxesByHand::makeColumn(int nStyle)
{
    Column column;
    column.pWindow.reset(new RegisterInfoParent());
    column.pReg = new MyDevRegWidget(column.pWindow.get());
    column.pReg->refreshDevInfo(nStyle);
    column.pVersion = new MyDevVersionWidget(nullptr);
    column.pVersion->refreshVersionInfo(nStyle);
    auto* pLayout = new QVBoxLayout(column.pWindow.get());
    pLayout->setContentsMargins(0, 0, 0, 0);
    pLayout->setSpacing(0);
    pLayout->addWidget(column.pReg);
    pLayout->addWidget(column.pVersion);
    return column;
}

void TestBoxesByHand::registerByHandSendsOneRequest()
{
    Column column = makeColumn(1);
    RealInput input;
    QVERIFY(input.isOpen());
    QVERIFY(input.showWindow(column.pWindow.get()));
    QCOMPARE(column.pReg->findChild<QLabel*>("label_devinfo")->text(), QString("\"5&0\" <b> is connected"));

    auto* pRegister = column.pReg->findChild<QPushButton*>("btn_registerinfo");
    QCOMPARE(pRegister->text(), QString("Register"));
    QVERIFY(input.doubleClick(pRegister));
    QVERIFY(input.click(pRegister));
    QCOMPARE(column.pWindow->m_nRegisterInfo, 1);

    // The answer could not be read: the user may press again.
    emit ZeqAgentCtrlMgr::getInstance()->actionFinish(DEVICE_REGERROR, QString());
    QVERIFY(input.click(pRegister));
    QCOMPARE(column.pWindow->m_nRegisterInfo, 2);
}

void TestBoxesByHand::releaseLinkByHand()
{
    UrlCatcher catcher;
    Column column = makeColumn(0);
    RealInput input;
    QVERIFY(input.isOpen());
    QVERIFY(input.showWindow(column.pWindow.get()));
    QVERIFY(TestFolders::writeFile(AgentFolders::tempPath("Update.script"),
                                   "APPLICATION;2026/12/01;1.3;20;https://dl.example/b.zip;"
                                   "https://notes.example/r?a=\"1\"&b=<2>\n"));
    emit ZeqAgentCtrlMgr::getInstance()->actionFinish(MAP_CHECKSUCCESS, "success");

    auto* pRelease = column.pVersion->findChild<QLabel*>("label_release");
    QVERIFY(pRelease->isVisible());
    // The link's words begin at the label's left edge, centred in its height.
    QVERIFY(input.click(pRelease, QPoint(20, pRelease->height() / 2)));
    QTRY_COMPARE(catcher.m_lstUrls.size(), 1);
    QCOMPARE(catcher.m_lstUrls.at(0).toString(QUrl::FullyEncoded),
             QString("https://notes.example/r?a=%221%22&b=%3C2%3E"));
    QVERIFY(m_pOpener->m_calls.isEmpty());
}

WENDO_REAL_INPUT_MAIN(TestBoxesByHand)
#include "tst_boxesbyhand.moc"
