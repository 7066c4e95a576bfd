#include "controller/ZeqAgentCtrlMgr.h"
#include "core/AgentFolders.h"
#include "core/AgentSettings.h"
#include "core/AgentTiming.h"
#include "core/WorkFile.h"
#include "platform/Platform.h"
#include "support/ControllerTestDevices.h"
#include "support/DriveTree.h"
#include "support/FakeClock.h"
#include "support/TestFolders.h"

#include <QCryptographicHash>
#include <QDate>
#include <QSignalSpy>
#include <QtTest>

#include <memory>

// The controller's side of device changes: the monitor's notices become one devRefresh per change, the
// connect date lands in the device's own group, and the update work files feed its settings.
class TestDeviceChanges : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void arrivalAndRemovalThroughTheMonitor();
    void twoDriveDevices_data();
    void twoDriveDevices();
    void arrivalWritesTheClocksDate_data();
    void arrivalWritesTheClocksDate();
    void presence_data();
    void presence();
    void updateSetting_data();
    void updateSetting();
    void agentUpdateTest_data();
    void agentUpdateTest();
    void checksum_data();
    void checksum();

private:
    Worker::DEVINFOEX notice(bool bArrival, int nType, const QString& sUUID);
    void resetPresence();
    QScopedPointer<TestFolders> m_pFolders;
    ControllerTestDevices* m_pDevices = nullptr;
};

void TestDeviceChanges::initTestCase()
{
    m_pDevices = ControllerTestDevices::install();
    // No data drive is made: keep its search short.
    AgentTiming::set(AgentTiming::DRIVE_PASSES, 2);
    AgentTiming::set(AgentTiming::DRIVE_PASS_PAUSE, 5);
    m_pFolders.reset(new TestFolders);
    ZeqAgentCtrlMgr::getInstance();
    QTRY_VERIFY(m_pDevices->m_pNotices); // the watch has started
}

Worker::DEVINFOEX TestDeviceChanges::notice(bool bArrival, int nType, const QString& sUUID)
{
    Worker::DEVINFOEX info;
    info.bArrival = bArrival;
    info.type = nType;
    info.devInfo.sUUID = sUUID;
    if (nType == 1)
        info.sComPort = "/dev/ttyACM0";
    else
        info.lstDrive = QStringList({"/media/sys/", "/media/data/"});
    return info;
}

void TestDeviceChanges::resetPresence()
{
    ZeqAgentCtrlMgr* pCtrl = ZeqAgentCtrlMgr::getInstance();
    if (pCtrl->isDevicePresent())
        pCtrl->notityWendoDev(notice(false, pCtrl->deviceFamily(), pCtrl->currentDevice().devInfo.sUUID));
}

void TestDeviceChanges::arrivalAndRemovalThroughTheMonitor()
{
    DriveTree tree;
    QVERIFY(tree.writeDeviceXml("TREE-UUID-1", "SKU-500", "Wendo 500"));
    QVERIFY(tree.writeVersion("app", "1.2.3;2012-05-01;1234;\r\n"));
    ZeqAgentCtrlMgr* pCtrl = ZeqAgentCtrlMgr::getInstance();
    QSignalSpy refresh(pCtrl, &ZeqAgentCtrlMgr::devRefresh);

    m_pDevices->m_volumes.addVolume(tree.root(), "ZEQ_SYSTEM");
    m_pDevices->m_pNotices->send(tree.root(), true);
    QVERIFY(refresh.wait(10000));
    QCOMPARE(refresh.at(0).at(0).toBool(), true);
    QVERIFY(pCtrl->isDevicePresent());
    QCOMPARE(pCtrl->deviceFamily(), 2);
    QCOMPARE(pCtrl->currentDevice().devInfo.sUUID, QString("TREE-UUID-1"));
    QCOMPARE(pCtrl->currentDevice().devInfo.sAppVer, QString("1.2.3"));
    QCOMPARE(pCtrl->currentDrive(), tree.root());
    QCOMPARE(AgentSettings().getDeviceString("TREE-UUID-1", "connect"),
             QDate::currentDate().toString("yyyy/MM/dd"));

    m_pDevices->m_volumes.removeVolume(tree.root());
    m_pDevices->m_pNotices->send(tree.root(), false);
    QVERIFY(refresh.wait(10000));
    QCOMPARE(refresh.count(), 2);
    QCOMPARE(refresh.at(1).at(0).toBool(), false);
    QVERIFY(!pCtrl->isDevicePresent());
}

void TestDeviceChanges::twoDriveDevices_data()
{
    // Steps on two devices "A" and "B": "+" mounts with a notice, "=" mounts without one (the device was
    // there already while the agent looked at another), "-" unmounts with a notice. After each step the
    // controller has sent the given number of refreshes in all.
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QList<int>>("counts");
    QTest::addColumn<QList<bool>>("refreshes");
    QTest::addColumn<QString>("shown"); // the device held at the end, "" for none
    QTest::newRow("the second leaves: the first is shown")
        << QStringList{"=A", "+B", "-B"} << QList<int>{0, 1, 3} << QList<bool>{true, false, true} << "TWO-A";
    QTest::newRow("the first leaves: the second is shown")
        << QStringList{"+A", "+B", "-A"} << QList<int>{1, 1, 3} << QList<bool>{true, false, true} << "TWO-B";
    QTest::newRow("both leave: none") << QStringList{"+A", "+B", "-A", "-B"} << QList<int>{1, 1, 3, 4}
                                      << QList<bool>{true, false, true, false} << "";
}

// Two drive-family devices on the machine: the agent holds one at a time, and when the one it holds
// leaves it shows the other, as its start would.
void TestDeviceChanges::twoDriveDevices()
{
    QFETCH(QStringList, steps);
    QFETCH(QList<int>, counts);
    QFETCH(QList<bool>, refreshes);
    QFETCH(QString, shown);
    resetPresence();
    QMap<QString, std::shared_ptr<DriveTree>> trees;
    for (const QString& sName : {QString("A"), QString("B")}) {
        trees[sName] = std::make_shared<DriveTree>();
        QVERIFY(trees[sName]->writeDeviceXml("TWO-" + sName, "SKU-500", "Wendo 500 " + sName));
    }
    ZeqAgentCtrlMgr* pCtrl = ZeqAgentCtrlMgr::getInstance();
    QSignalSpy refresh(pCtrl, &ZeqAgentCtrlMgr::devRefresh);
    for (int i = 0; i < steps.size(); ++i) {
        const QString sStep = steps.at(i);
        const QString sRoot = trees[sStep.mid(1)]->root();
        if (sStep.startsWith('-'))
            m_pDevices->m_volumes.removeVolume(sRoot);
        else
            m_pDevices->m_volumes.addVolume(sRoot, "ZEQ_SYSTEM");
        if (!sStep.startsWith('='))
            m_pDevices->m_pNotices->send(sRoot, !sStep.startsWith('-'));
        QTRY_COMPARE_WITH_TIMEOUT(refresh.count(), counts.at(i), 10000);
    }
    QList<bool> seen;
    for (const QList<QVariant>& args : refresh)
        seen << args.at(0).toBool();
    QCOMPARE(seen, refreshes);
    QCOMPARE(pCtrl->isDevicePresent(), !shown.isEmpty());
    if (!shown.isEmpty()) {
        QCOMPARE(pCtrl->currentDevice().devInfo.sUUID, shown);
        QCOMPARE(pCtrl->currentDrive(), trees[shown.right(1)]->root());
    }
    // Whatever is left goes, with its notice, so that the monitor holds nothing for the next case.
    for (const std::shared_ptr<DriveTree>& pTree : trees) {
        if (m_pDevices->m_volumes.volumeRoots().contains(pTree->root())) {
            m_pDevices->m_volumes.removeVolume(pTree->root());
            m_pDevices->m_pNotices->send(pTree->root(), false);
        }
    }
    QTRY_VERIFY_WITH_TIMEOUT(!pCtrl->isDevicePresent(), 10000);
}

void TestDeviceChanges::arrivalWritesTheClocksDate_data()
{
    QTest::addColumn<QDateTime>("now");
    QTest::addColumn<int>("family");
    QTest::addColumn<QString>("connect");
    QTest::newRow("drive, single digits") << QDateTime(QDate(2031, 2, 3), QTime(9, 5)) << 2 << "2031/02/03";
    QTest::newRow("serial, last minute of a year")
        << QDateTime(QDate(1999, 12, 31), QTime(23, 59, 59)) << 1 << "1999/12/31";
    QTest::newRow("drive, leap day") << QDateTime(QDate(2028, 2, 29), QTime(0, 0)) << 2 << "2028/02/29";
}

void TestDeviceChanges::arrivalWritesTheClocksDate()
{
    QFETCH(QDateTime, now);
    QFETCH(int, family);
    QFETCH(QString, connect);
    resetPresence();
    FakeClock clock;
    clock.setNow(now);
    PlatformOverride platform;
    platform.setClock(&clock);
    ZeqAgentCtrlMgr* pCtrl = ZeqAgentCtrlMgr::getInstance();
    pCtrl->notityWendoDev(notice(true, family, "DATED-UUID"));
    QVERIFY(pCtrl->isDevicePresent());
    QCOMPARE(AgentSettings().getDeviceString("DATED-UUID", "connect"), connect);
    resetPresence();
}

void TestDeviceChanges::presence_data()
{
    QTest::addColumn<QList<int>>("steps"); // +1/-1 serial arrival/removal, +2/-2 drive
    QTest::addColumn<QList<bool>>("refreshes");
    QTest::newRow("arrival then removal") << QList<int>({2, -2}) << QList<bool>({true, false});
    QTest::newRow("second arrival ignored") << QList<int>({2, 1, -2}) << QList<bool>({true, false});
    QTest::newRow("removal with nothing attached") << QList<int>({-2, -1}) << QList<bool>();
    QTest::newRow("other family's removal ignored") << QList<int>({2, -1, -2}) << QList<bool>({true, false});
}

void TestDeviceChanges::presence()
{
    QFETCH(QList<int>, steps);
    QFETCH(QList<bool>, refreshes);
    resetPresence();
    ZeqAgentCtrlMgr* pCtrl = ZeqAgentCtrlMgr::getInstance();
    QSignalSpy refresh(pCtrl, &ZeqAgentCtrlMgr::devRefresh);
    for (int nStep : steps)
        pCtrl->notityWendoDev(notice(nStep > 0, qAbs(nStep), qAbs(nStep) == 1 ? "SERIAL-1" : "DRIVE-1"));
    QList<bool> seen;
    for (const QList<QVariant>& args : refresh)
        seen << args.at(0).toBool();
    QCOMPARE(seen, refreshes);
}

void TestDeviceChanges::updateSetting_data()
{
    QTest::addColumn<QString>("updateLine"); // empty: no file
    QTest::addColumn<QString>("mapLine");
    QTest::addColumn<int>("family");
    QTest::addColumn<QString>("update");
    QTest::addColumn<QString>("releaseUrl");
    QTest::newRow("neither") << ""
                             << "" << 2 << "false"
                             << "";
    QTest::newRow("update line") << "APPLICATION;a;b;c;d;https://r.example/u;g"
                                 << "" << 2 << "true"
                                 << "https://r.example/u";
    QTest::newRow("short update line") << "APPLICATION;a"
                                       << "" << 2 << "true"
                                       << "";
    QTest::newRow("map line, drive family")
        << ""
        << "Map;1;2;3;4;5;6;7;https://r.example/m;https://r.example/c" << 2 << "true"
        << "https://r.example/m";
    QTest::newRow("credits line, drive family")
        << ""
        << "SellMapCredits;1;2;3;4;5;6;7;https://r.example/m;https://r.example/c" << 2 << "true"
        << "https://r.example/c";
    QTest::newRow("credits line, serial family")
        << ""
        << "SellMapCredits;1;2;3;4;5;6;7;https://r.example/m;x" << 1 << "true"
        << "https://r.example/m";
}

void TestDeviceChanges::updateSetting()
{
    QFETCH(QString, updateLine);
    QFETCH(QString, mapLine);
    QFETCH(int, family);
    QFETCH(QString, update);
    QFETCH(QString, releaseUrl);
    resetPresence();
    ZeqAgentCtrlMgr* pCtrl = ZeqAgentCtrlMgr::getInstance();
    const QString sUUID = QString("UPD-%1").arg(QTest::currentDataTag()).replace(' ', '-').remove(',');
    pCtrl->notityWendoDev(notice(true, family, sUUID));
    QFile::remove(AgentFolders::tempPath("Update.script"));
    QFile::remove(AgentFolders::tempPath("map.script"));
    if (!updateLine.isEmpty())
        QVERIFY(WorkFile::writeText(AgentFolders::tempPath("Update.script"), updateLine + "\n"));
    if (!mapLine.isEmpty())
        QVERIFY(WorkFile::writeText(AgentFolders::tempPath("map.script"), mapLine + "\n"));
    pCtrl->doUpdateSetting();
    AgentSettings settings;
    QCOMPARE(settings.getDeviceString(sUUID, "update"), update);
    QCOMPARE(settings.getDeviceString(sUUID, "releaseurl"), releaseUrl);
}

void TestDeviceChanges::agentUpdateTest_data()
{
    QTest::addColumn<QString>("content");
    QTest::addColumn<bool>("available");
    QTest::addColumn<QString>("after");
    QTest::newRow("agent first") << "AGENT;1;2\nAPPLICATION;3\n" << true << "AGENT;1;2\n";
    QTest::newRow("application first") << "APPLICATION;3\nAGENT;1;2\n"
                                       << false << "APPLICATION;3\nAGENT;1;2\n";
    QTest::newRow("empty") << "" << false << "";
}

void TestDeviceChanges::agentUpdateTest()
{
    QFETCH(QString, content);
    QFETCH(bool, available);
    QFETCH(QString, after);
    const QString sPath = AgentFolders::tempPath("Update.script");
    QVERIFY(WorkFile::writeText(sPath, content));
    QCOMPARE(ZeqAgentCtrlMgr::getInstance()->checkWendoAgentUpdateAvailable(), available);
    QCOMPARE(QString::fromUtf8(TestFolders::readFile(sPath)), after);
}

void TestDeviceChanges::checksum_data()
{
    QTest::addColumn<QString>("server");
    QTest::addColumn<bool>("match");
    QTest::addColumn<bool>("kept");
    const QString sRight =
        QString::fromLatin1(QCryptographicHash::hash("map data", QCryptographicHash::Md5).toHex());
    QTest::newRow("match") << sRight << true << true;
    QTest::newRow("match upper case") << sRight.toUpper() << true << true;
    QTest::newRow("all f skips the check") << QString(32, 'f') << true << true;
    QTest::newRow("mismatch deletes") << QString(32, '0') << false << false;
}

void TestDeviceChanges::checksum()
{
    QFETCH(QString, server);
    QFETCH(bool, match);
    QFETCH(bool, kept);
    const QString sFile = AgentFolders::tempPath("map.7z");
    QVERIFY(TestFolders::writeFile(sFile, "map data"));
    QCOMPARE(ZeqAgentCtrlMgr::getInstance()->ChkFileCheckSume(sFile, server), match);
    QCOMPARE(QFile::exists(sFile), kept);
}

QTEST_GUILESS_MAIN(TestDeviceChanges)
#include "tst_devicechanges.moc"
