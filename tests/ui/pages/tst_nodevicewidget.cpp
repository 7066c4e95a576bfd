#include "support/RecordingDialogOpener.h"
#include "support/RegisterInfoParent.h"
#include "support/UiFixture.h"
#include "ui/main/AgentResources.h"
#include "ui/pages/NoDeviceWidget.h"
#include "ui/pages/PageLoops.h"

#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QtTest>

#include <memory>

// The no-device page on real widgets: its two displays, its button and its fit in the tab area.
class TestNoDeviceWidget : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void emptyUntilDisplaySet();
    void displays_data();
    void displays();
    void registerInfo();
    void recover();
    void pageTakenDownWhileRecoverRuns();
    void registrationResultsEnableButton_data();
    void registrationResultsEnableButton();
    void buttonFont_data();
    void buttonFont();
    void languageChangeShowsDisplayAgain();

private:
    struct Page {
        std::unique_ptr<RegisterInfoParent> pParent;
        NoDeviceWidget* pPage = nullptr;
        QPushButton* pButton = nullptr;
        QLabel* pTitle = nullptr;
        QLabel* pInfo = nullptr;
    };
    static Page makePage();

    std::unique_ptr<UiFixture> m_pFixture;
    std::unique_ptr<RecordingDialogOpener> m_pOpener;
};

void TestNoDeviceWidget::initTestCase()
{
    m_pFixture.reset(new UiFixture());
    AgentResources::init();
}

void TestNoDeviceWidget::init()
{
    m_pFixture->reset();
    m_pOpener.reset(new RecordingDialogOpener());
}

void TestNoDeviceWidget::cleanup()
{
    m_pOpener.reset();
    ZeqAgentCtrlMgr::getInstance()->setLang("en");
}

TestNoDeviceWidget::Page TestNoDeviceWidget::makePage()
{
    Page page;
    page.pParent.reset(new RegisterInfoParent());
    page.pPage = new NoDeviceWidget(page.pParent.get());
    page.pParent->resize(800, 433);
    page.pParent->show();
    page.pButton = page.pPage->findChild<QPushButton*>("btn_action");
    page.pTitle = page.pPage->findChild<QLabel*>("label_title");
    page.pInfo = page.pPage->findChild<QLabel*>("label_info");
    return page;
}

void TestNoDeviceWidget::emptyUntilDisplaySet()
{
    Page page = makePage();
    QCOMPARE(page.pButton->text(), QString());
    QCOMPARE(page.pTitle->text(), QString());
    QCOMPARE(page.pInfo->text(), QString());
    QTest::mouseClick(page.pButton, Qt::LeftButton);
    QCOMPARE(page.pParent->m_nRegisterInfo, 0);
    QVERIFY(m_pOpener->m_calls.isEmpty());
}

void TestNoDeviceWidget::displays_data()
{
    QTest::addColumn<int>("display");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("info");

    QTest::newRow("no device") << 0 << "Register info"
                               << "NO DEVICE IS CONNECTED"
                               << "Please connect your device";
    QTest::newRow("recover")
        << 3 << "Recover"
        << "Recover your device"
        << "Cannot use your device? No worry, by clicking the Recover button, we can help you "
           "recover it.";
}

// The page fills the tab area below the tab bar, no more: a taller page would be cut off at the bottom.
void TestNoDeviceWidget::displays()
{
    QFETCH(int, display);
    QFETCH(QString, button);
    QFETCH(QString, title);
    QFETCH(QString, info);

    Page page = makePage();
    page.pPage->setDisplayStatus(display);
    QCOMPARE(page.pButton->text(), button);
    QCOMPARE(page.pTitle->text(), title);
    QCOMPARE(page.pInfo->text(), info);
    QCOMPARE(page.pPage->size(), QSize(800, 433));
    QCOMPARE(page.pPage->minimumSize(), QSize(800, 433));
    QCOMPARE(page.pPage->maximumSize(), QSize(800, 433));
    QCOMPARE(page.pPage->accessibleName(), QString("NoDeviceWidget"));
    QCOMPARE(page.pButton->geometry(), QRect(330, 220, 150, 45));
    QVERIFY(page.pButton->geometry().bottom() < 433);
}

void TestNoDeviceWidget::registerInfo()
{
    Page page = makePage();
    page.pPage->setDisplayStatus(0);
    QTest::mouseClick(page.pButton, Qt::LeftButton);
    QCOMPARE(page.pParent->m_nRegisterInfo, 1);
    QVERIFY(m_pOpener->m_calls.isEmpty());
    QCOMPARE(page.pButton->text(), QString("Register info"));
}

void TestNoDeviceWidget::recover()
{
    Page page = makePage();
    page.pPage->setDisplayStatus(3);
    bool bInLoop = false;
    m_pOpener->m_whileOpen = [&] { bInLoop = PageLoops::isRunning(); };
    QTest::mouseClick(page.pButton, Qt::LeftButton);
    QCOMPARE(m_pOpener->m_calls.size(), 1);
    QCOMPARE(m_pOpener->m_calls.at(0).sDialog, QString("CheckUpdateDialog"));
    QVERIFY(m_pOpener->m_calls.at(0).bFirst);  // the recover form
    QVERIFY(m_pOpener->m_calls.at(0).bSecond); // a backup offered before the update
    QVERIFY(bInLoop);
    QCOMPARE(page.pParent->m_nRegisterInfo, 0);
    QCOMPARE(page.pButton->text(), QString("Recover"));
}

// The recover dialog closes on a device change, which takes the page down while the click still runs.
void TestNoDeviceWidget::pageTakenDownWhileRecoverRuns()
{
    Page page = makePage();
    page.pPage->setDisplayStatus(3);
    QPointer<NoDeviceWidget> pPage = page.pPage;
    m_pOpener->m_whileOpen = [&] {
        PageLoops::retire(pPage);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    };
    QTest::mouseClick(page.pButton, Qt::LeftButton);
    QVERIFY(pPage);
    QVERIFY(PageLoops::isRetired(pPage));
    QTRY_VERIFY(!pPage);
}

void TestNoDeviceWidget::registrationResultsEnableButton_data()
{
    QTest::addColumn<int>("status");
    QTest::addColumn<bool>("enabled");
    QTest::newRow("21") << int(DEVICE_REGSUCCESS) << true;
    QTest::newRow("22") << int(DEVICE_REGERROR) << true;
    QTest::newRow("27") << int(DEVICE_DEREGERROR) << false;
}

void TestNoDeviceWidget::registrationResultsEnableButton()
{
    QFETCH(int, status);
    QFETCH(bool, enabled);

    Page page = makePage();
    page.pPage->setDisplayStatus(0);
    page.pButton->setEnabled(false);
    emit ZeqAgentCtrlMgr::getInstance()->actionFinish(ACTION_STATUS(status), "true");
    QCOMPARE(page.pButton->isEnabled(), enabled);
}

void TestNoDeviceWidget::buttonFont_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<int>("size");
    QTest::newRow("de") << "de" << 10;
    QTest::newRow("da") << "da" << 10;
    QTest::newRow("nl") << "nl" << 10;
    QTest::newRow("fr") << "fr" << 9;
    QTest::newRow("en") << "en" << 12;
    QTest::newRow("it") << "it" << 12;
    QTest::newRow("pt") << "pt" << 12;
}

void TestNoDeviceWidget::buttonFont()
{
    QFETCH(QString, code);
    QFETCH(int, size);

    ZeqAgentCtrlMgr::getInstance()->setLang(code);
    Page page = makePage();
    QCOMPARE(page.pButton->font().family(), QString("Arial"));
    QCOMPARE(page.pButton->font().pointSize(), size);
}

void TestNoDeviceWidget::languageChangeShowsDisplayAgain()
{
    Page page = makePage();
    page.pPage->setDisplayStatus(3);
    ZeqAgentCtrlMgr::getInstance()->setLang("fr");
    QEvent change(QEvent::LanguageChange);
    QCoreApplication::sendEvent(page.pPage, &change);
    QCOMPARE(page.pButton->font().pointSize(), 9);
    QCOMPARE(page.pButton->text(), QString("Recover"));
    QCOMPARE(page.pTitle->text(), QString("Recover your device"));
    QCOMPARE(page.pPage->windowTitle(), QString("Form"));
}

QTEST_MAIN(TestNoDeviceWidget)
#include "tst_nodevicewidget.moc"
