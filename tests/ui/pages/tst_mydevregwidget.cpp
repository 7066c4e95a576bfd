#include "support/RegisterInfoParent.h"
#include "support/TestDeviceRecord.h"
#include "support/UiFixture.h"
#include "ui/main/AgentResources.h"
#include "ui/pages/BackupRestoreDailog.h"
#include "ui/pages/MyDevRegWidget.h"
#include "ui/pages/PageLoops.h"

#include <QApplication>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include <memory>

// The registration box of the device page on real widgets: states, the registration button, the backup
// line and the backup dialog.
class TestMyDevRegWidget : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void states_data();
    void states();
    void deviceLine_data();
    void deviceLine();
    void oneClickOneRequest();
    void registeredClickStaysEnabled();
    void failedRegistrationBringsButtonBack();
    void backupSuccessShowsDateAndRestore();
    void backupButtons_data();
    void backupButtons();
    void disabledThenBackupSuccess();
    void languageChangeKeepsState();
    void dialogRunsInsidePageLoop_data();
    void dialogRunsInsidePageLoop();

private:
    struct Box {
        std::unique_ptr<RegisterInfoParent> pParent;
        MyDevRegWidget* pBox = nullptr;
        QPushButton* pRegister = nullptr;
        QPushButton* pBackup = nullptr;
        QPushButton* pRestore = nullptr;
        QLabel* pBackupLine = nullptr;
        QLabel* pDevice = nullptr;
    };
    static Box makeBox(int nState);
    static QString orange(const QString& sText);

    std::unique_ptr<UiFixture> m_pFixture;
};

void TestMyDevRegWidget::initTestCase()
{
    m_pFixture.reset(new UiFixture());
    AgentResources::init();
}

void TestMyDevRegWidget::init()
{
    m_pFixture->reset();
    TestDeviceRecord::attach(Worker::FAMILY_DRIVE, TestDeviceRecord::record("Zeq Wendo 500"));
}

void TestMyDevRegWidget::cleanup()
{
    TestDeviceRecord::detach();
}

TestMyDevRegWidget::Box TestMyDevRegWidget::makeBox(int nState)
{
    Box box;
    box.pParent.reset(new RegisterInfoParent());
    box.pBox = new MyDevRegWidget(box.pParent.get());
    box.pBox->refreshDevInfo(nState);
    box.pParent->resize(800, 110);
    box.pParent->show();
    box.pRegister = box.pBox->findChild<QPushButton*>("btn_registerinfo");
    box.pBackup = box.pBox->findChild<QPushButton*>("btn_backup");
    box.pRestore = box.pBox->findChild<QPushButton*>("btn_restore");
    box.pBackupLine = box.pBox->findChild<QLabel*>("label_backup");
    box.pDevice = box.pBox->findChild<QLabel*>("label_devinfo");
    return box;
}

QString TestMyDevRegWidget::orange(const QString& sText)
{
    return QString("<a style=\"color:#e76d25;text-decoration:none\">%1</a>").arg(sText);
}

void TestMyDevRegWidget::states_data()
{
    QTest::addColumn<int>("family");
    QTest::addColumn<int>("state");
    QTest::addColumn<QString>("backupTime");
    QTest::addColumn<QString>("registerText"); // empty: hidden
    QTest::addColumn<QString>("backupLine");   // empty: hidden
    QTest::addColumn<bool>("backup");
    QTest::addColumn<bool>("restore");
    QTest::addColumn<int>("lineWidth");

    const QString sNotice =
        orange("This device has not been registered. Please register your device to get your "
               "History and Tracks synchronised with ZeqShare.");
    const QString sOther = orange("The connected device is not linked to the current account, but you can "
                                  "still use the update function.");
    QTest::newRow("registered serial") << 1 << 0 << "2026/12/01"
                                       << "Register info" << QString() << false << false << 370;
    QTest::newRow("registered drive, never backed up") << 2 << 0 << QString() << "Register info"
                                                       << "Back up your Wendo data" << true << false << 370;
    QTest::newRow("registered drive, backed up") << 2 << 0 << "2026/12/01"
                                                 << "Register info"
                                                 << "Last backup: 2026/12/01" << true << true << 370;
    QTest::newRow("not registered drive") << 2 << 1 << "2026/12/01"
                                          << "Register" << sNotice << false << false << 700;
    QTest::newRow("not registered serial")
        << 1 << 1 << QString() << "Register" << sNotice << false << false << 700;
    QTest::newRow("registered elsewhere")
        << 2 << 2 << "2026/12/01" << QString() << sOther << false << false << 700;
}

void TestMyDevRegWidget::states()
{
    QFETCH(int, family);
    QFETCH(int, state);
    QFETCH(QString, backupTime);
    QFETCH(QString, registerText);
    QFETCH(QString, backupLine);
    QFETCH(bool, backup);
    QFETCH(bool, restore);
    QFETCH(int, lineWidth);

    TestDeviceRecord::attach(family, TestDeviceRecord::record("Zeq Wendo 500"));
    if (!backupTime.isEmpty())
        UiFixture::setValue("0123456789ABCDEF", "backuptime", backupTime);
    Box box = makeBox(state);

    QCOMPARE(box.pDevice->text(), QString("Wendo 500 is connected"));
    QCOMPARE(box.pRegister->isVisible(), !registerText.isEmpty());
    if (!registerText.isEmpty()) {
        QCOMPARE(box.pRegister->text(), registerText);
        QVERIFY(box.pRegister->isEnabled());
    }
    QCOMPARE(box.pBackupLine->isVisible(), !backupLine.isEmpty());
    if (!backupLine.isEmpty())
        QCOMPARE(box.pBackupLine->text(), backupLine);
    QCOMPARE(box.pBackup->isVisible(), backup);
    QCOMPARE(box.pRestore->isVisible(), restore);
    QCOMPARE(box.pBackupLine->geometry(), QRect(25, 66, lineWidth, 41));
    QCOMPARE(box.pBox->size(), QSize(800, 110));
}

void TestMyDevRegWidget::deviceLine_data()
{
    QTest::addColumn<QString>("hwName");
    QTest::addColumn<QString>("line");

    // Markup in a device's name is shown as it stands.
    QTest::newRow("markup") << "Zeq \"5&0\" <b>"
                            << "\"5&0\" <b> is connected";
    QTest::newRow("second brand") << "Quorvane Wendo 500"
                                  << "Wendo 500 is connected";
    QTest::newRow("brand word without blank") << "ZeqWendo"
                                              << "ZeqWendo is connected";
    QTest::newRow("inside") << "Wendo Zeq 5"
                            << "Wendo 5 is connected";
    QTest::newRow("no prefix") << "Wendo 100"
                               << "Wendo 100 is connected";
}

void TestMyDevRegWidget::deviceLine()
{
    QFETCH(QString, hwName);
    QFETCH(QString, line);

    TestDeviceRecord::attach(Worker::FAMILY_DRIVE, TestDeviceRecord::record(hwName));
    Box box = makeBox(1);
    QCOMPARE(box.pDevice->text(), line);
    QCOMPARE(box.pDevice->textFormat(), Qt::PlainText);
}

void TestMyDevRegWidget::oneClickOneRequest()
{
    Box box = makeBox(1);
    QTest::mouseClick(box.pRegister, Qt::LeftButton);
    QCOMPARE(box.pParent->m_nRegisterInfo, 1);
    QVERIFY(!box.pRegister->isEnabled());
    QTest::mouseClick(box.pRegister, Qt::LeftButton);
    QCOMPARE(box.pParent->m_nRegisterInfo, 1);
}

void TestMyDevRegWidget::registeredClickStaysEnabled()
{
    Box box = makeBox(0);
    QTest::mouseClick(box.pRegister, Qt::LeftButton);
    QTest::mouseClick(box.pRegister, Qt::LeftButton);
    QCOMPARE(box.pParent->m_nRegisterInfo, 2);
    QVERIFY(box.pRegister->isEnabled());
}

// A registration whose answer could not be read leaves the box in place: the user may try again.
void TestMyDevRegWidget::failedRegistrationBringsButtonBack()
{
    Box box = makeBox(1);
    QTest::mouseClick(box.pRegister, Qt::LeftButton);
    QVERIFY(!box.pRegister->isEnabled());
    emit ZeqAgentCtrlMgr::getInstance()->actionFinish(DEVICE_DEREGERROR, "true");
    QVERIFY(!box.pRegister->isEnabled());
    emit ZeqAgentCtrlMgr::getInstance()->actionFinish(DEVICE_REGERROR, QString());
    QVERIFY(box.pRegister->isEnabled());
    QTest::mouseClick(box.pRegister, Qt::LeftButton);
    QCOMPARE(box.pParent->m_nRegisterInfo, 2);
    QVERIFY(!box.pRegister->isEnabled());
}

void TestMyDevRegWidget::backupSuccessShowsDateAndRestore()
{
    Box box = makeBox(0);
    QCOMPARE(box.pBackupLine->text(), QString("Back up your Wendo data"));
    QVERIFY(!box.pRestore->isVisible());
    UiFixture::setValue("0123456789ABCDEF", "backuptime", "2026/12/10");
    emit ZeqAgentCtrlMgr::getInstance()->actionFinish(BACKUP_SUCCESS, QString());
    QCOMPARE(box.pBackupLine->text(), QString("Last backup: 2026/12/10"));
    QVERIFY(box.pRestore->isVisible());
    QVERIFY(box.pBackup->isVisible());
}

void TestMyDevRegWidget::backupButtons_data()
{
    QTest::addColumn<int>("status");
    QTest::addColumn<bool>("enabled");
    QTest::newRow("59 enables") << int(BACKUP_BUTTONSENABLE) << true;
    QTest::newRow("60 disables") << int(BACKUP_BUTTONSDISABLE) << false;
}

void TestMyDevRegWidget::backupButtons()
{
    QFETCH(int, status);
    QFETCH(bool, enabled);

    UiFixture::setValue("0123456789ABCDEF", "backuptime", "2026/12/01");
    Box box = makeBox(0);
    box.pBackup->setEnabled(!enabled);
    box.pRestore->setEnabled(!enabled);
    emit ZeqAgentCtrlMgr::getInstance()->actionFinish(ACTION_STATUS(status), QString());
    QCOMPARE(box.pBackup->isEnabled(), enabled);
    QCOMPARE(box.pRestore->isEnabled(), enabled);
    QVERIFY(box.pRegister->isEnabled());
}

void TestMyDevRegWidget::disabledThenBackupSuccess()
{
    Box box = makeBox(0);
    emit ZeqAgentCtrlMgr::getInstance()->actionFinish(BACKUP_BUTTONSDISABLE, QString());
    UiFixture::setValue("0123456789ABCDEF", "backuptime", "2026/12/10");
    emit ZeqAgentCtrlMgr::getInstance()->actionFinish(BACKUP_SUCCESS, QString());
    QVERIFY(box.pRestore->isVisible());
    QVERIFY(!box.pRestore->isEnabled());
    QVERIFY(!box.pBackup->isEnabled());
    QCOMPARE(box.pBackupLine->text(), QString("Last backup: 2026/12/10"));
}

void TestMyDevRegWidget::languageChangeKeepsState()
{
    Box box = makeBox(1);
    QEvent change(QEvent::LanguageChange);
    QCoreApplication::sendEvent(box.pBox, &change);
    QCOMPARE(box.pRegister->text(), QString("Register"));
    QVERIFY(box.pBackupLine->text().startsWith("<a style="));
    QCOMPARE(box.pDevice->text(), QString("Wendo 500 is connected"));
}

void TestMyDevRegWidget::dialogRunsInsidePageLoop_data()
{
    QTest::addColumn<QString>("button");
    QTest::newRow("backup") << "btn_backup";
    QTest::newRow("restore") << "btn_restore";
}

// The device page goes away (a device change) while the dialog is open: the box outlives the dialog's
// loop and its click handler, and is deleted afterwards.
void TestMyDevRegWidget::dialogRunsInsidePageLoop()
{
    QFETCH(QString, button);

    UiFixture::setValue("0123456789ABCDEF", "backuptime", "2026/12/01");
    Box box = makeBox(0);
    QPointer<MyDevRegWidget> pBox = box.pBox;
    QWidget* pPage = box.pParent.release();
    bool bSawDialog = false;
    bool bInLoop = false;
    QTimer::singleShot(0, [&] {
        QDialog* pDialog = qobject_cast<BackupRestoreDailog*>(QApplication::activeModalWidget());
        bSawDialog = pDialog != nullptr;
        bInLoop = PageLoops::isRunning();
        PageLoops::retire(pPage);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        if (pDialog)
            pDialog->reject();
    });
    QTest::mouseClick(pBox->findChild<QPushButton*>(button), Qt::LeftButton);
    QVERIFY(bSawDialog);
    QVERIFY(bInLoop);
    QVERIFY(pBox);
    QVERIFY(PageLoops::isRetired(pBox));
    QTRY_VERIFY(!pBox);
}

QTEST_MAIN(TestMyDevRegWidget)
#include "tst_mydevregwidget.moc"
