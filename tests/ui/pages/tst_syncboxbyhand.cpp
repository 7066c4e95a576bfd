#include "support/RealInput.h"
#include "support/SyncBoxFixture.h"
#include "ui/pages/MyDevShareSyncWidget.h"

#include <QPushButton>
#include <QVBoxLayout>
#include <QtTest>

// The sync box on a display of its own, its button pressed with the real mouse: the press travels
// through the X server as a person's does, and what the click starts reaches the fake service.
class TestSyncBoxByHand : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void stopThenSyncAgain();
    void tryAgainAfterAFailedCheck();

private:
    SyncBoxFixture m_fixture;
    UrlCatcher m_urls;
};

namespace
{
QPushButton* button(QWidget* pBox)
{
    return pBox->findChild<QPushButton*>("btn_sync");
}
} // namespace

void TestSyncBoxByHand::initTestCase()
{
    if (!RealInput::isAvailable())
        QSKIP(qPrintable("no display for real input: " + RealInput::unavailableReason()));
    QVERIFY(m_fixture.isStarted());
}

void TestSyncBoxByHand::stopThenSyncAgain()
{
    m_fixture.reset();
    const QString sData = m_fixture.plugDriveDevice();
    const QString sRide = SyncBoxFixture::addRide(sData, "ride.gpx", 15);
    m_fixture.m_service->setAnswer("getRouteSyncList", FakeShareService::RETURN,
                                   SyncBoxFixture::workList({{"upload", SyncBoxFixture::hashOf(sRide)}}));
    m_fixture.m_service->setAnswer("uploadRec", FakeShareService::STALL);
    ZeqAgentCtrlMgr* pCtrl = ZeqAgentCtrlMgr::getInstance();
    QSignalSpy finish(pCtrl, &ZeqAgentCtrlMgr::actionFinish); // a receiver before the box
    QWidget window;
    auto* pLayout = new QVBoxLayout(&window);
    auto* pBox = new MyDevShareSyncWidget;
    pLayout->addWidget(pBox);
    RealInput input;
    QVERIFY(input.showWindow(&window));
    QTRY_COMPARE_WITH_TIMEOUT(button(pBox)->text(), QObject::tr("Stop"), 20000);
    QTRY_COMPARE_WITH_TIMEOUT(m_fixture.callCount("uploadRec"), 1, 20000);

    finish.clear();
    QVERIFY(input.click(button(pBox)));
    QTRY_COMPARE(button(pBox)->text(), QObject::tr("Sync again"));
    QVERIFY(!pCtrl->isSyncRunning());
    QCOMPARE(SyncBoxFixture::codes(finish), QList<int>({BACKUP_BUTTONSENABLE}));
    QVERIFY(QFile::exists(sRide));

    m_fixture.m_service->setAnswer("getRouteSyncList", FakeShareService::RETURN, "[]");
    finish.clear();
    QVERIFY(input.click(button(pBox)));
    QCOMPARE(SyncBoxFixture::waitForFinal(finish), QList<int>({60, 61, 63, 59}));
    QCOMPARE(m_fixture.callCount("getRouteSyncList"), 2);
    QCOMPARE(button(pBox)->text(), QObject::tr("View my data"));

    // "View my data" opens the recordings page.
    QVERIFY(input.click(button(pBox)));
    QTRY_COMPARE(m_urls.m_lstUrls.size(), 1);
}

void TestSyncBoxByHand::tryAgainAfterAFailedCheck()
{
    m_fixture.reset();
    m_fixture.plugDriveDevice();
    m_fixture.m_service->setAnswer("getRouteSyncList", FakeShareService::HTTP_500);
    ZeqAgentCtrlMgr* pCtrl = ZeqAgentCtrlMgr::getInstance();
    QSignalSpy finish(pCtrl, &ZeqAgentCtrlMgr::actionFinish);
    QWidget window;
    auto* pLayout = new QVBoxLayout(&window);
    auto* pBox = new MyDevShareSyncWidget;
    pLayout->addWidget(pBox);
    RealInput input;
    QVERIFY(input.showWindow(&window));
    QCOMPARE(SyncBoxFixture::waitForFinal(finish), QList<int>({60, 66, 59}));
    QCOMPARE(button(pBox)->text(), QObject::tr("Try again"));

    m_fixture.m_service->setAnswer("getRouteSyncList", FakeShareService::RETURN, "[]");
    finish.clear();
    QVERIFY(input.click(button(pBox)));
    QCOMPARE(SyncBoxFixture::waitForFinal(finish), QList<int>({60, 61, 63, 59}));
    QCOMPARE(button(pBox)->text(), QObject::tr("View my data"));
}

WENDO_REAL_INPUT_MAIN(TestSyncBoxByHand)
#include "tst_syncboxbyhand.moc"
