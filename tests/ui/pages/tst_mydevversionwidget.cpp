#include "core/AgentFolders.h"
#include "support/QueuedMarker.h"
#include "support/RecordingDialogOpener.h"
#include "support/TestDeviceRecord.h"
#include "support/TestFolders.h"
#include "support/UiFixture.h"
#include "ui/main/AgentResources.h"
#include "ui/pages/MyDevVersionWidget.h"
#include "ui/pages/PageLoops.h"

#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTextBlock>
#include <QTextDocument>
#include <QtTest>

#include <memory>

#ifdef WENDO_TEST_QUORVANE
const bool QUORVANE = true;
#else
const bool QUORVANE = false;
#endif

// The version box of the device page on real widgets: version lines, update state from the update list,
// the release-note link and the update checks it starts.
class TestMyDevVersionWidget : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void versionLines_data();
    void versionLines();
    void serialLines();
    void otherStylesCheckByThemselves_data();
    void otherStylesCheckByThemselves();
    void noAutomaticCheckOnceStarted();
    void noCheckWhileAnotherDialogIsOpen();
    void buttonStartsCheck();
    void syncEndChecksFromQueuedCall_data();
    void syncEndChecksFromQueuedCall();
    void otherStatusesStartNothing_data();
    void otherStatusesStartNothing();
    void checkButtonFollowsBackupButtons_data();
    void checkButtonFollowsBackupButtons();
    void updateState_data();
    void updateState();
    void releaseNoteOpensOnlyWebAddresses_data();
    void releaseNoteOpensOnlyWebAddresses();
    void boxTakenDownStartsNothing();
    void boxTakenDownWhileCheckRuns();
    void languageChange();

private:
    struct Box {
        std::unique_ptr<QWidget> pPage;
        MyDevVersionWidget* pBox = nullptr;
        QPushButton* pCheck = nullptr;
        QLabel* pRom = nullptr;
        QLabel* pSoftware = nullptr;
        QLabel* pStatus = nullptr;
        QLabel* pRelease = nullptr;
    };
    static Box makeBox(int nStyle);
    static QString updateList() { return AgentFolders::tempPath("Update.script"); }
    // The address the link's markup carries, as the label reads it; empty when it holds no link.
    static QString linkOf(const QLabel* pLabel, int* pLinks = nullptr);
    static void mapCheckWith(const QString& sUpdateList);

    std::unique_ptr<UiFixture> m_pFixture;
    std::unique_ptr<RecordingDialogOpener> m_pOpener;
};

void TestMyDevVersionWidget::initTestCase()
{
    m_pFixture.reset(new UiFixture(QUORVANE));
    QCOMPARE(ZeqAgentCtrlMgr::getInstance()->isQuorvane(), QUORVANE);
    AgentResources::init();
    QVERIFY(QDir().mkpath(AgentFolders::tempDir()));
}

void TestMyDevVersionWidget::init()
{
    m_pFixture->reset();
    m_pOpener.reset(new RecordingDialogOpener());
    AgentTiming::set(AgentTiming::VERSION_CHECK, 10000);
    QFile::remove(updateList());
    TestDeviceRecord::attach(Worker::FAMILY_DRIVE, TestDeviceRecord::record("Zeq Wendo 500"));
}

void TestMyDevVersionWidget::cleanup()
{
    m_pOpener.reset();
    TestDeviceRecord::detach();
}

TestMyDevVersionWidget::Box TestMyDevVersionWidget::makeBox(int nStyle)
{
    Box box;
    box.pPage.reset(new QWidget());
    box.pBox = new MyDevVersionWidget(nullptr);
    box.pBox->setParent(box.pPage.get());
    box.pBox->refreshVersionInfo(nStyle);
    box.pPage->resize(800, 200);
    box.pPage->show();
    box.pCheck = box.pBox->findChild<QPushButton*>("btn_check");
    box.pRom = box.pBox->findChild<QLabel*>("label_rom");
    box.pSoftware = box.pBox->findChild<QLabel*>("label_software");
    box.pStatus = box.pBox->findChild<QLabel*>("label_devstatus");
    box.pRelease = box.pBox->findChild<QLabel*>("label_release");
    return box;
}

QString TestMyDevVersionWidget::linkOf(const QLabel* pLabel, int* pLinks)
{
    QTextDocument document;
    document.setHtml(pLabel->text());
    QString sHref;
    int nLinks = 0;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat format = it.fragment().charFormat();
            if (format.isAnchor() && !format.anchorHref().isEmpty()) {
                sHref = format.anchorHref();
                ++nLinks;
            }
        }
    }
    if (pLinks)
        *pLinks = nLinks;
    return sHref;
}

void TestMyDevVersionWidget::mapCheckWith(const QString& sUpdateList)
{
    if (!sUpdateList.isNull())
        QVERIFY(TestFolders::writeFile(updateList(), sUpdateList.toUtf8()));
    emit ZeqAgentCtrlMgr::getInstance()->actionFinish(MAP_CHECKSUCCESS, "success");
}

void TestMyDevVersionWidget::versionLines_data()
{
    QTest::addColumn<QString>("firmware");
    QTest::addColumn<QString>("application");
    QTest::addColumn<QString>("rom"); // with the first brand's letter
    QTest::addColumn<QString>("software");

    QTest::newRow("R05.12, 1.2.3") << "R05.12"
                                   << "1.2.3"
                                   << "R05"
                                   << "1.2.3";
    QTest::newRow("R123.1, 123") << "R123.1"
                                 << "123"
                                 << "R123"
                                 << "1.2.3";
    QTest::newRow("V03, 1234") << "V03"
                               << "1234"
                               << "R03"
                               << "1.2.3";
    QTest::newRow("empty, 12") << ""
                               << "12"
                               << "R00"
                               << "12";
    QTest::newRow("5R, 0") << "5R"
                           << "0"
                           << "R00"
                           << "0";
    QTest::newRow("R05.12, empty") << "R05.12" << QString() << "R05" << QString();
}

void TestMyDevVersionWidget::versionLines()
{
    QFETCH(QString, firmware);
    QFETCH(QString, application);
    QFETCH(QString, rom);
    QFETCH(QString, software);

    TestDeviceRecord::attach(Worker::FAMILY_DRIVE,
                             TestDeviceRecord::record("Zeq Wendo 500", firmware, application));
    Box box = makeBox(0);
    if (QUORVANE)
        rom.replace(0, 1, 'V');
    QCOMPARE(box.pRom->text(), "ROM version: " + rom);
    QCOMPARE(box.pSoftware->text(), "Software version: " + software);
    QVERIFY(box.pRom->isVisible());
    QVERIFY(box.pSoftware->isVisible());
    QCOMPARE(box.pBox->findChild<QLabel*>("label_version")->text(), QString("Device"));
    QCOMPARE(box.pStatus->text(), QString());
    QVERIFY(box.pStatus->isVisible());
    QVERIFY(!box.pRelease->isVisible());
    QCOMPARE(box.pCheck->text(), QString("Check for Updates"));
    QVERIFY(box.pCheck->isVisible());
    QVERIFY(!box.pCheck->isEnabled());
    QCOMPARE(box.pBox->findChild<QGroupBox*>("groupBox_update")->geometry(), QRect(30, 5, 741, 190));
    QCOMPARE(box.pBox->size(), QSize(800, 200));
    QCOMPARE(ZeqAgentCtrlMgr::getInstance()->m_nDevPageStyle, 0);
}

void TestMyDevVersionWidget::serialLines()
{
    TestDeviceRecord::attach(Worker::FAMILY_SERIAL,
                             TestDeviceRecord::record("Zeq Wendo 100", "R05.12 <b>x</b>"));
    Box box = makeBox(0);
    QCOMPARE(box.pRom->text(), QString("ROM version: R05.12 <b>x</b>"));
    QCOMPARE(box.pRom->textFormat(), Qt::PlainText);
    QCOMPARE(box.pSoftware->text(), QString());
}

void TestMyDevVersionWidget::otherStylesCheckByThemselves_data()
{
    QTest::addColumn<int>("style");
    QTest::newRow("not registered") << 1;
    QTest::newRow("registered elsewhere") << 2;
}

void TestMyDevVersionWidget::otherStylesCheckByThemselves()
{
    QFETCH(int, style);

    AgentTiming::set(AgentTiming::VERSION_CHECK, 50);
    Box box = makeBox(style);
    QVERIFY(!box.pRom->isVisible());
    QVERIFY(!box.pSoftware->isVisible());
    QVERIFY(!box.pBox->findChild<QLabel*>("label_device")->isVisible());
    QVERIFY(box.pCheck->isEnabled());
    QCOMPARE(box.pBox->findChild<QGroupBox*>("groupBox_update")->geometry(), QRect(30, 5, 741, 110));
    QCOMPARE(ZeqAgentCtrlMgr::getInstance()->m_nDevPageStyle, style);
    QVERIFY(m_pOpener->m_calls.isEmpty());

    QTRY_COMPARE(m_pOpener->m_calls.size(), 1);
    QCOMPARE(m_pOpener->m_calls.at(0).sDialog, QString("CheckUpdateDialog"));
    QVERIFY(!m_pOpener->m_calls.at(0).bFirst);  // not the recover form
    QVERIFY(!m_pOpener->m_calls.at(0).bSecond); // no backup offered for a device not registered here
    QVERIFY(ZeqAgentCtrlMgr::getInstance()->isCheckStarted());
}

void TestMyDevVersionWidget::noAutomaticCheckOnceStarted()
{
    AgentTiming::set(AgentTiming::VERSION_CHECK, 0);
    const QByteArray looked = "[MyDevVersionWidget][slotCheckUpdate]";
    const int nLooked = m_pFixture->log().count(looked);
    Box box = makeBox(1);
    ZeqAgentCtrlMgr::getInstance()->setCheckStarted(true); // the map page started one meanwhile
    // The automatic check came and found the started one.
    QTRY_VERIFY(m_pFixture->log().count(looked) > nLooked);
    emit ZeqAgentCtrlMgr::getInstance()->actionFinish(SYNC_SUCCESS, QString());
    QCoreApplication::sendPostedEvents(); // a check the result queued runs here
    QVERIFY(m_pOpener->m_calls.isEmpty());
}

void TestMyDevVersionWidget::noCheckWhileAnotherDialogIsOpen()
{
    Box box = makeBox(1);
    m_pOpener->m_bShown = true;
    QTest::mouseClick(box.pCheck, Qt::LeftButton);
    QVERIFY(m_pOpener->m_calls.isEmpty());
    QVERIFY(!ZeqAgentCtrlMgr::getInstance()->isCheckStarted());
}

void TestMyDevVersionWidget::buttonStartsCheck()
{
    Box box = makeBox(0);
    emit ZeqAgentCtrlMgr::getInstance()->actionFinish(BACKUP_BUTTONSENABLE, QString());
    bool bInLoop = false;
    m_pOpener->m_whileOpen = [&] { bInLoop = PageLoops::isRunning(); };
    QTest::mouseClick(box.pCheck, Qt::LeftButton);
    QCOMPARE(m_pOpener->m_calls.size(), 1);
    QVERIFY(!m_pOpener->m_calls.at(0).bFirst);
    QVERIFY(m_pOpener->m_calls.at(0).bSecond); // registered here: a backup is offered before an update
    QVERIFY(bInLoop);
    QVERIFY(ZeqAgentCtrlMgr::getInstance()->isCheckStarted());
}

void TestMyDevVersionWidget::syncEndChecksFromQueuedCall_data()
{
    QTest::addColumn<int>("status");
    for (int nStatus = SYNC_UPLOADERROR; nStatus <= SYNC_SIZENOTENOUGH; ++nStatus)
        QTest::newRow(qPrintable(QString::number(nStatus))) << nStatus;
    QTest::newRow(qPrintable(QString::number(SYNC_DISKFULL))) << int(SYNC_DISKFULL);
}

// The check's dialog runs a loop: from inside actionFinish it would hold up every window that hears the
// result after this box until the dialog closed.
void TestMyDevVersionWidget::syncEndChecksFromQueuedCall()
{
    QFETCH(int, status);

    Box box = makeBox(0);
    bool bInLoop = false;
    m_pOpener->m_whileOpen = [&] { bInLoop = PageLoops::isRunning(); };
    int nCallsWhenLaterReceiverHeard = -1;
    QObject later;
    connect(ZeqAgentCtrlMgr::getInstance(), &ZeqAgentCtrlMgr::actionFinish, &later,
            [&] { nCallsWhenLaterReceiverHeard = m_pOpener->m_calls.size(); });
    emit ZeqAgentCtrlMgr::getInstance()->actionFinish(ACTION_STATUS(status), QString());
    QCOMPARE(nCallsWhenLaterReceiverHeard, 0);
    QVERIFY(m_pOpener->m_calls.isEmpty());
    QVERIFY(box.pCheck->isEnabled());

    QTRY_COMPARE(m_pOpener->m_calls.size(), 1);
    QVERIFY(m_pOpener->m_calls.at(0).bSecond);
    QVERIFY(bInLoop);

    // Once per layout: a later sync end starts nothing more.
    emit ZeqAgentCtrlMgr::getInstance()->actionFinish(SYNC_SUCCESS, QString());
    QVERIFY(QueuedMarker::passEarlierCalls());
    QCOMPARE(m_pOpener->m_calls.size(), 1);
}

void TestMyDevVersionWidget::otherStatusesStartNothing_data()
{
    QTest::addColumn<int>("status");
    QTest::newRow("61") << int(SYNC_CHECKSUCCESS);
    QTest::newRow("68") << int(SYNC_PROCESS);
    QTest::newRow("71") << int(DEVICE_CHECKSUCCESS);
}

void TestMyDevVersionWidget::otherStatusesStartNothing()
{
    QFETCH(int, status);

    Box box = makeBox(0);
    emit ZeqAgentCtrlMgr::getInstance()->actionFinish(ACTION_STATUS(status), QString());
    QVERIFY(QueuedMarker::passEarlierCalls());
    QVERIFY(m_pOpener->m_calls.isEmpty());
    QVERIFY(!box.pCheck->isEnabled());
}

void TestMyDevVersionWidget::checkButtonFollowsBackupButtons_data()
{
    QTest::addColumn<int>("status");
    QTest::addColumn<bool>("enabled");
    QTest::newRow("59 enables") << int(BACKUP_BUTTONSENABLE) << true;
    QTest::newRow("60 disables") << int(BACKUP_BUTTONSDISABLE) << false;
}

void TestMyDevVersionWidget::checkButtonFollowsBackupButtons()
{
    QFETCH(int, status);
    QFETCH(bool, enabled);

    Box box = makeBox(1);
    box.pCheck->setEnabled(!enabled);
    emit ZeqAgentCtrlMgr::getInstance()->actionFinish(ACTION_STATUS(status), QString());
    QCOMPARE(box.pCheck->isEnabled(), enabled);
}

void TestMyDevVersionWidget::updateState_data()
{
    QTest::addColumn<QString>("list"); // null: no list at all
    QTest::addColumn<bool>("update");
    QTest::addColumn<QString>("href");

    QTest::newRow("application")
        << "AGENT;2026/12/01;2.0;10;https://dl.example/a.zip;https://notes.example/agent\n"
           "APPLICATION;2026/12/01;1.3;20;https://dl.example/b.zip;https://notes.example/app\n"
        << true << "https://notes.example/app";
    QTest::newRow("last device row wins")
        << "IMAGE;d;R06;1;https://dl.example/i.zip;https://notes.example/image\r\n"
           "APPLICATION;d;1.3;2;https://dl.example/a.zip;https://notes.example/app\r\n"
        << true << "https://notes.example/app";
    QTest::newRow("only agent") << "AGENT;d;2.0;1;https://dl.example/a.zip;https://notes.example/agent\n"
                                << false << QString();
    QTest::newRow("short row") << "APPLICATION;d;1.3;1;https://dl.example/a.zip\n" << false << QString();
    QTest::newRow("short row, then a full one")
        << "IMAGE;d;R06;1;https://dl.example/i.zip;https://notes.example/i\n"
           "APPLICATION;d;1.3\n"
        << true << "https://notes.example/i";
    QTest::newRow("kind in other case") << "application;d;1.3;1;u;https://notes.example/app\n"
                                        << false << QString();
    QTest::newRow("quote and angle") << "APPLICATION;d;1.3;1;u;https://notes.example/r?a=\"1\"&b=<2>' x\n"
                                     << true << "https://notes.example/r?a=\"1\"&b=<2>' x";
    QTest::newRow("encoded field") << "APPLICATION;d;1.3;1;u;https://notes.example/a%3Bb%25c\n"
                                   << true << "https://notes.example/a;b%c";
    QTest::newRow("file address") << "APPLICATION;d;1.3;1;u;file:///etc/passwd\n"
                                  << true << "file:///etc/passwd";
    QTest::newRow("empty list") << "" << false << QString();
    QTest::newRow("no list") << QString() << false << QString();
}

void TestMyDevVersionWidget::updateState()
{
    QFETCH(QString, list);
    QFETCH(bool, update);
    QFETCH(QString, href);

    Box box = makeBox(0);
    mapCheckWith(list);
    QVERIFY(box.pStatus->isVisible());
    QCOMPARE(box.pRelease->isVisible(), update);
    if (update) {
        QCOMPARE(box.pStatus->text(), QString("[Update available]"));
        QCOMPARE(box.pCheck->text(), QString("Updates"));
        int nLinks = 0;
        QCOMPARE(linkOf(box.pRelease, &nLinks), href);
        QCOMPARE(nLinks, 1);
        QTextDocument document;
        document.setHtml(box.pRelease->text());
        QCOMPARE(document.toPlainText(), QString("Release notes"));
    } else {
        QCOMPARE(box.pStatus->text(), QString("[The device's software is up-to-date.]"));
        QCOMPARE(box.pCheck->text(), QString("Check for Updates"));
    }
}

void TestMyDevVersionWidget::releaseNoteOpensOnlyWebAddresses_data()
{
    QTest::addColumn<QString>("address");
    QTest::addColumn<QString>("opened"); // empty: refused

    QTest::newRow("https") << "https://notes.example/r1"
                           << "https://notes.example/r1";
    QTest::newRow("http") << "http://notes.example/r1"
                          << "http://notes.example/r1";
    QTest::newRow("quote and angle") << "https://notes.example/r?a=\"1\"&b=<2>"
                                     << "https://notes.example/r?a=%221%22&b=%3C2%3E";
    QTest::newRow("file") << "file:///etc/passwd" << QString();
    QTest::newRow("script") << "javascript:alert(1)" << QString();
    QTest::newRow("no scheme") << "notes.example/r1" << QString();
    QTest::newRow("no host") << "https:///r1" << QString();
}

void TestMyDevVersionWidget::releaseNoteOpensOnlyWebAddresses()
{
    QFETCH(QString, address);
    QFETCH(QString, opened);

    UrlCatcher catcher; // every address the desktop is given, whatever its scheme
    Box box = makeBox(0);
    mapCheckWith("APPLICATION;d;1.3;1;u;" + address + "\n");
    const QString sHref = linkOf(box.pRelease);
    QCOMPARE(sHref, address);
    emit box.pRelease->linkActivated(sHref);
    if (opened.isEmpty()) {
        QVERIFY(catcher.m_lstUrls.isEmpty());
    } else {
        QCOMPARE(catcher.m_lstUrls.size(), 1);
        QCOMPARE(catcher.m_lstUrls.at(0).toString(QUrl::FullyEncoded), opened);
    }
}

void TestMyDevVersionWidget::boxTakenDownStartsNothing()
{
    AgentTiming::set(AgentTiming::VERSION_CHECK, 0);
    Box box = makeBox(1);
    QPointer<MyDevVersionWidget> pBox = box.pBox;
    PageLoops::Scope scope(box.pBox); // the page goes while a loop of its box runs: not deleted yet
    PageLoops::retire(box.pPage.release());
    QVERIFY(QueuedMarker::passEarlierCalls()); // the box's check was due at once
    QVERIFY(pBox);
    QVERIFY(m_pOpener->m_calls.isEmpty());
}

void TestMyDevVersionWidget::boxTakenDownWhileCheckRuns()
{
    Box box = makeBox(1);
    QPointer<MyDevVersionWidget> pBox = box.pBox;
    QWidget* pPage = box.pPage.release();
    bool bAliveInLoop = false;
    m_pOpener->m_whileOpen = [&] {
        PageLoops::retire(pPage);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        bAliveInLoop = !pBox.isNull();
    };
    QTest::mouseClick(box.pCheck, Qt::LeftButton);
    QVERIFY(bAliveInLoop);
    QVERIFY(pBox);
    QTRY_VERIFY(!pBox);
}

void TestMyDevVersionWidget::languageChange()
{
    Box box = makeBox(0);
    mapCheckWith("APPLICATION;d;1.3;1;u;https://notes.example/app\n");
    QEvent change(QEvent::LanguageChange);
    QCoreApplication::sendEvent(box.pBox, &change);
    // What the check found stays shown, with its link and colour.
    QCOMPARE(box.pStatus->text(), QString("[Update available]"));
    QVERIFY(box.pRelease->isVisible());
    QCOMPARE(box.pRelease->text(), QString("<a href=\"https://notes.example/app\" "
                                           "style=\"color:#1da9d8;text-decoration:none\">Release notes</a>"));
    QCOMPARE(box.pCheck->text(), QString("Updates"));
    QVERIFY(box.pRom->text().startsWith("ROM version: "));
}

QTEST_MAIN(TestMyDevVersionWidget)
#include "tst_mydevversionwidget.moc"
