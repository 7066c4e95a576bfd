#include "controller/ZeqAgentCtrlMgr.h"
#include "core/AgentTiming.h"
#include "support/ControllerTestDevices.h"
#include "support/TestFolders.h"

#include <QSignalSpy>
#include <QtTest>

// Registration checks and registrations are answered in the order they were sent; an answer reaches the
// windows only while the device it was asked about is still attached.
class TestDeviceAnswers : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void answers_data();
    void answers();

private:
    static void plug(bool bArrival, const QString& sUUID);
    QScopedPointer<TestFolders> m_pFolders;
};

void TestDeviceAnswers::initTestCase()
{
    ControllerTestDevices::install();
    AgentTiming::set(AgentTiming::DRIVE_PASSES, 2);
    AgentTiming::set(AgentTiming::DRIVE_PASS_PAUSE, 5);
    m_pFolders.reset(new TestFolders);
    ZeqAgentCtrlMgr* pCtrl = ZeqAgentCtrlMgr::getInstance();
    // The requests stay here: the answers are handed over by the test, in order.
    QObject::disconnect(pCtrl, &ZeqAgentCtrlMgr::emitCheckRegDev, nullptr, nullptr);
    QObject::disconnect(pCtrl, &ZeqAgentCtrlMgr::emitRegDev, nullptr, nullptr);
}

void TestDeviceAnswers::init()
{
    ZeqAgentCtrlMgr* pCtrl = ZeqAgentCtrlMgr::getInstance();
    if (pCtrl->isDevicePresent())
        plug(false, pCtrl->currentDevice().devInfo.sUUID);
    // Answer whatever an earlier case left on its way.
    while (pCtrl->deviceAnswersInFlight() > 0)
        pCtrl->slotHandleResults(DEVICE_CHECKREGERROR, QString());
}

void TestDeviceAnswers::plug(bool bArrival, const QString& sUUID)
{
    Worker::DEVINFOEX info;
    info.bArrival = bArrival;
    info.type = 2;
    info.devInfo.sUUID = sUUID;
    info.lstDrive = QStringList{"/media/ZEQ_SYSTEM/", "/media/ZEQ_DATA/"};
    ZeqAgentCtrlMgr::getInstance()->notityWendoDev(info);
}

void TestDeviceAnswers::answers_data()
{
    // script: "+A" device A arrives, "-A" leaves, "cA" check sent for A, "rA" registration sent for A,
    // a number: that answer arrives. expected: the answers the windows heard, in order.
    QTest::addColumn<QString>("script");
    QTest::addColumn<QString>("heard");

    QTest::newRow("answer while the device stays") << "+A cA 11"
                                                   << "11";
    QTest::newRow("late check answer after removal") << "+A cA -A 11"
                                                     << "";
    QTest::newRow("late 12, 13, 14 after removal") << "+A cA cA cA -A 12 13 14"
                                                   << "";
    QTest::newRow("answer about the device that left, another came") << "+A cA -A +B cB 14 11"
                                                                     << "11";
    QTest::newRow("same device back: both answers count") << "+A cA -A +A cA 14 11"
                                                          << "14 11";
    QTest::newRow("registration answered after removal") << "+A rA -A 21"
                                                         << "";
    QTest::newRow("registration refused while attached") << "+A rA 12"
                                                         << "12";
    QTest::newRow("check and registration in order") << "+A cA rA 14 21"
                                                     << "14 21";
    QTest::newRow("nothing asked, device attached") << "+A 22"
                                                    << "22";
    QTest::newRow("nothing asked, no device: nothing to compare with") << "22"
                                                                       << "22";
    QTest::newRow("other results pass whatever the device") << "+A cA -A 26 11"
                                                            << "26";
}

void TestDeviceAnswers::answers()
{
    QFETCH(QString, script);
    QFETCH(QString, heard);
    ZeqAgentCtrlMgr* pCtrl = ZeqAgentCtrlMgr::getInstance();
    QStringList lstHeard;
    QMetaObject::Connection connection =
        connect(pCtrl, &ZeqAgentCtrlMgr::actionFinish, [&lstHeard](ACTION_STATUS status, const QString&) {
            lstHeard.append(QString::number(int(status)));
        });
    for (const QString& sStep : script.split(' ', Qt::SkipEmptyParts)) {
        const QString sUUID = "UUID-" + sStep.mid(1);
        if (sStep.startsWith('+'))
            plug(true, sUUID);
        else if (sStep.startsWith('-'))
            plug(false, sUUID);
        else if (sStep.startsWith('c'))
            pCtrl->isRegisterDev(QString("{\"session\":\"s\",\"user\":\"u\",\"uuid\":\"%1\"}").arg(sUUID));
        else if (sStep.startsWith('r'))
            pCtrl->registerDev(QString("{\"session\":\"s\",\"user\":\"u\",\"uuid\":\"%1\"}").arg(sUUID));
        else
            pCtrl->slotHandleResults(ACTION_STATUS(sStep.toInt()), QString());
    }
    disconnect(connection);
    QCOMPARE(lstHeard.join(' '), heard);
    QCOMPARE(pCtrl->deviceAnswersInFlight(), 0);
}

QTEST_GUILESS_MAIN(TestDeviceAnswers)
#include "tst_deviceanswers.moc"
