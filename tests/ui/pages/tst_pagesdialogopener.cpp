#include "controller/DialogOpener.h"
#include "controller/ZeqAgentCtrlMgr.h"
#include "support/UiFixture.h"
#include "ui/main/AboutDialog.h"
#include "ui/pages/PagesDialogOpener.h"

#include <QDialog>
#include <QtTest>

#include <memory>

// The pages' stand-in for the update dialogs knows an update dialog by its accessible name alone: shown or
// hidden, it counts while the widget exists; other windows, names that only look alike, or the name as an
// object name do not. The controller answers through the installed opener.
class TestPagesDialogOpener : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void init();

    void sixNames();
    void hiddenUpdateDialogCounts_data();
    void hiddenUpdateDialogCounts();
    void otherWidgetsDoNotCount_data();
    void otherWidgetsDoNotCount();
    void onlyTheAboutBoxOpen();
    void closedDialogNoLongerCounts();

private:
    std::unique_ptr<UiFixture> m_pFixture;
    PagesDialogOpener m_opener;
};

void TestPagesDialogOpener::initTestCase()
{
    m_pFixture.reset(new UiFixture());
    DialogOpener::setInstance(&m_opener);
}

void TestPagesDialogOpener::cleanupTestCase()
{
    DialogOpener::setInstance(nullptr);
}

void TestPagesDialogOpener::init()
{
    QCOMPARE(QApplication::topLevelWidgets().size(), 0);
}

void TestPagesDialogOpener::sixNames()
{
    QStringList lstNames = DialogOpener::updateDialogNames();
    lstNames.sort();
    QCOMPARE(lstNames,
             QStringList({"CheckFreeUpdateDialog", "CheckMapUpdateDialog", "CheckUpdateDialog",
                          "CheckWendoAgentUpdateDialog", "InstallUpdateDialog", "NewUpdateAvailableDialog"}));
}

void TestPagesDialogOpener::hiddenUpdateDialogCounts_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("agent update check") << "CheckWendoAgentUpdateDialog";
    QTest::newRow("install") << "InstallUpdateDialog";
    QTest::newRow("new update available") << "NewUpdateAvailableDialog";
    QTest::newRow("free update check") << "CheckFreeUpdateDialog";
    QTest::newRow("device update check") << "CheckUpdateDialog";
    QTest::newRow("map update check") << "CheckMapUpdateDialog";
}

void TestPagesDialogOpener::hiddenUpdateDialogCounts()
{
    QFETCH(QString, name);
    QVERIFY(!m_opener.isUpdateDialogShown());
    QVERIFY(!ZeqAgentCtrlMgr::getInstance()->isUpdateDialogShown());

    QDialog dialog;
    dialog.setAccessibleName(name);
    QVERIFY(dialog.isHidden());

    QVERIFY(m_opener.isUpdateDialogShown());
    QVERIFY(ZeqAgentCtrlMgr::getInstance()->isUpdateDialogShown());
}

void TestPagesDialogOpener::otherWidgetsDoNotCount_data()
{
    QTest::addColumn<QString>("accessibleName");
    QTest::addColumn<QString>("objectName");
    QTest::newRow("no name") << ""
                             << "";
    QTest::newRow("other case") << "installupdatedialog"
                                << "";
    QTest::newRow("longer name") << "InstallUpdateDialog2"
                                 << "";
    QTest::newRow("leading space") << " CheckUpdateDialog"
                                   << "";
    QTest::newRow("object name only") << ""
                                      << "InstallUpdateDialog";
}

void TestPagesDialogOpener::otherWidgetsDoNotCount()
{
    QFETCH(QString, accessibleName);
    QFETCH(QString, objectName);
    QDialog dialog;
    dialog.setAccessibleName(accessibleName);
    dialog.setObjectName(objectName);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));

    QVERIFY(!m_opener.isUpdateDialogShown());
    QVERIFY(!ZeqAgentCtrlMgr::getInstance()->isUpdateDialogShown());
}

void TestPagesDialogOpener::onlyTheAboutBoxOpen()
{
    AboutDialog about;
    about.show();
    QVERIFY(QTest::qWaitForWindowExposed(&about));
    QCOMPARE(QApplication::topLevelWidgets(), QWidgetList({&about}));

    QVERIFY(!m_opener.isUpdateDialogShown());
    QVERIFY(!ZeqAgentCtrlMgr::getInstance()->isUpdateDialogShown());
}

void TestPagesDialogOpener::closedDialogNoLongerCounts()
{
    AboutDialog about;
    about.show();
    std::unique_ptr<QDialog> pDialog(new QDialog);
    pDialog->setAccessibleName("InstallUpdateDialog");
    pDialog->show();
    QVERIFY(QTest::qWaitForWindowExposed(pDialog.get()));
    QVERIFY(ZeqAgentCtrlMgr::getInstance()->isUpdateDialogShown());

    pDialog.reset();

    QVERIFY(!m_opener.isUpdateDialogShown());
    QVERIFY(!ZeqAgentCtrlMgr::getInstance()->isUpdateDialogShown());
}

QTEST_MAIN(TestPagesDialogOpener)
#include "tst_pagesdialogopener.moc"
