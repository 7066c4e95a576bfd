#include "controller/DialogOpener.h"
#include "controller/DeviceState.h"
#include "controller/ErrorInfo.h"
#include "controller/UpdateActions.h"
#include "support/TestFolders.h"

#include <QtTest>

// Records what the controller asks of the window layer's dialogs.
class RecordingOpener : public DialogOpener
{
public:
    RecordingOpener() { DialogOpener::setInstance(this); }
    ~RecordingOpener() override { DialogOpener::setInstance(nullptr); }

    bool isUpdateDialogShown() override { return m_bShown; }
    void runCheckUpdate(bool bRecover, bool bOfferBackup) override
    {
        m_calls << QString("check %1 %2").arg(bRecover).arg(bOfferBackup);
    }
    void runInstall(bool bRecover, bool bAgentOnly) override
    {
        m_calls << QString("install %1 %2").arg(bRecover).arg(bAgentOnly);
    }
    void runAgentUpdateCheck() override { m_calls << "agent"; }
    QWidget* createMapPage(QWidget*) override
    {
        m_calls << "map";
        return nullptr;
    }

    bool m_bShown = false;
    QStringList m_calls;
};

// The update dialogs are reached through the opener the window layer installs; without one the
// controller sees no dialog and opens none.
class TestDialogOpener : public QObject
{
    Q_OBJECT

private slots:
    void noDialogsUntilInstalled();
    void agentCheckOnlyWithoutAnotherUpdateDialog_data();
    void agentCheckOnlyWithoutAnotherUpdateDialog();
    void updateDialogNames();
};

void TestDialogOpener::noDialogsUntilInstalled()
{
    TestFolders folders;
    DialogOpener* pDefault = DialogOpener::instance();
    QVERIFY(pDefault);
    QVERIFY(!pDefault->isUpdateDialogShown());
    pDefault->runCheckUpdate(true, true);
    pDefault->runInstall(false, true);
    ErrorInfo errorInfo;
    DeviceState device(false);
    UpdateActions updates(device, errorInfo);
    QVERIFY(!updates.isUpdateDialogShown());
    updates.checkWendoAgentupdate(); // returns at once: nothing to block on
    {
        RecordingOpener opener;
        QCOMPARE(DialogOpener::instance(), static_cast<DialogOpener*>(&opener));
    }
    QCOMPARE(DialogOpener::instance(), pDefault);
}

void TestDialogOpener::agentCheckOnlyWithoutAnotherUpdateDialog_data()
{
    QTest::addColumn<bool>("shown");
    QTest::addColumn<QStringList>("calls");
    QTest::newRow("none open") << false << QStringList({"agent"});
    QTest::newRow("an update dialog open") << true << QStringList();
}

void TestDialogOpener::agentCheckOnlyWithoutAnotherUpdateDialog()
{
    QFETCH(bool, shown);
    QFETCH(QStringList, calls);
    TestFolders folders;
    RecordingOpener opener;
    opener.m_bShown = shown;
    ErrorInfo errorInfo;
    DeviceState device(false);
    UpdateActions updates(device, errorInfo);
    QCOMPARE(updates.isUpdateDialogShown(), shown);
    updates.checkWendoAgentupdate();
    QCOMPARE(opener.m_calls, calls);
}

void TestDialogOpener::updateDialogNames()
{
    const QStringList names = DialogOpener::updateDialogNames();
    QCOMPARE(names.size(), 6);
    for (const char* szName :
         {"CheckWendoAgentUpdateDialog", "InstallUpdateDialog", "NewUpdateAvailableDialog",
          "CheckFreeUpdateDialog", "CheckUpdateDialog", "CheckMapUpdateDialog"})
        QVERIFY2(names.contains(QLatin1String(szName)), szName);
    QVERIFY(!names.contains("UpdateAvailableDialog"));
}

QTEST_GUILESS_MAIN(TestDialogOpener)
#include "tst_dialogopener.moc"
