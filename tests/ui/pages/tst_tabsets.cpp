#include "support/PagesFixture.h"
#include "ui/pages/CustomTabWidget.h"
#include "ui/pages/MyDeviceWidget.h"
#include "ui/pages/NoDeviceWidget.h"
#include "ui/pages/SettingWidget.h"
#include "ui/pages/ZeqAgentInfoWidget.h"

#include <QTabBar>
#include <QtTest>

// The signed-in page's tabs for every device state, built from the sharing service's real answers.
class TestTabSets : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void tabSets_data();
    void tabSets();
    void registrationRequestKeepsTheHardwareName();

private:
    // What the page shows, as one line per aspect.
    static QString describe(ZeqAgentInfoWidget& page);
    void runScript(const QString& sScript);

    std::unique_ptr<PagesFixture> m_pFixture;
    ZeqAgentCtrlMgr* m_pCtrl = nullptr;
};

void TestTabSets::initTestCase()
{
    m_pFixture.reset(new PagesFixture);
    m_pCtrl = ZeqAgentCtrlMgr::getInstance();
}

void TestTabSets::init()
{
    QVERIFY(m_pFixture->reset());
}

QString TestTabSets::describe(ZeqAgentInfoWidget& page)
{
    CustomTabWidget* pTabs = page.tabWidget();
    QStringList lstTexts, lstIcons, lstWidths;
    for (int i = 0; i < pTabs->count(); ++i) {
        lstTexts << pTabs->tabText(i);
        lstIcons << pTabs->tabIconPath(i).section('/', -1);
        lstWidths << QString::number(pTabs->tabBar()->tabRect(i).width());
    }
    QString sMyDevice = "-";
    if (pTabs->count() > 0) {
        if (qobject_cast<NoDeviceWidget*>(pTabs->widget(0)))
            sMyDevice = "no-device page";
        else if (MyDeviceWidget* pDevice = qobject_cast<MyDeviceWidget*>(pTabs->widget(0)))
            sMyDevice = QString("device layout %1").arg(pDevice->layoutStyle());
    }
    QString sSettings = "-";
    if (SettingWidget* pSettings = qobject_cast<SettingWidget*>(pTabs->widget(pTabs->settingsIndex())))
        sSettings = pSettings->basicOnly() ? "basic" : "full";
    const bool bAllInView = pTabs->count() == 0 ||
                            pTabs->tabBar()->tabRect(pTabs->count() - 1).right() < pTabs->tabBar()->width();
    return QString("%1 tabs [%2] icons [%3] widths [%4] map %5, %6, settings %7, current %8%9")
        .arg(pTabs->count())
        .arg(lstTexts.join('|'), lstIcons.join('|'), lstWidths.join('|'))
        .arg(ZeqAgentCtrlMgr::getInstance()->isShowMapTab() ? "on" : "off", sMyDevice, sSettings)
        .arg(pTabs->currentIndex())
        .arg(bAllInView ? "" : ", last tab out of view");
}

static const QString NO_DEVICE =
    "3 tabs [My Device|Settings|] icons [device_h.png|setting_n.png|zeq_logo.png] "
    "widths [266|266|266] map off, no-device page, settings full, current 0";
static const QString RECOVERY =
    "3 tabs [My Device|Settings|] icons [device_h.png|setting_n.png|zeq_logo.png] "
    "widths [266|266|266] map off, no-device page, settings basic, current 0";
static const QString DRIVE_HERE =
    "4 tabs [My Device|Map Management|Settings|] icons [device_h.png|map_n.png|setting_n.png|zeq_logo.png] "
    "widths [205|205|205|185] map on, device layout 0, settings full, current 0";
static const QString SERIAL_HERE =
    "3 tabs [My Device|Settings|] icons [device_h.png|setting_n.png|zeq_logo.png] "
    "widths [266|266|266] map off, device layout 0, settings full, current 0";
static const QString ELSEWHERE =
    "3 tabs [My Device|Settings|] icons [device_h.png|setting_n.png|zeq_logo.png] "
    "widths [266|266|266] map off, device layout 2, settings basic, current 0";
static const QString NOT_REGISTERED =
    "3 tabs [My Device|Settings|] icons [device_h.png|setting_n.png|zeq_logo.png] "
    "widths [266|266|266] map off, device layout 1, settings basic, current 0";

void TestTabSets::tabSets_data()
{
    // script, step by step: "check:<return>|fault" the service's next check answer, "drive"/"serial"
    // /"recover"/"other" a device arrives ("other": a second drive device), "unplug", "wait" until every
    // answer is in, "register" the My Device page's Register button, "whileBox:unplug".
    QTest::addColumn<QString>("script");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<int>("checks"); // registration checks the service received
    QTest::addColumn<QStringList>("boxes");

    QTest::newRow("no device") << "wait" << NO_DEVICE << 0 << QStringList();
    QTest::newRow("recovery") << "recover wait" << RECOVERY << 0 << QStringList();
    QTest::newRow("11 drive") << "drive wait" << DRIVE_HERE << 1 << QStringList();
    QTest::newRow("11 serial") << "serial wait" << SERIAL_HERE << 1 << QStringList();
    QTest::newRow("12 another account") << "check:ERROR:E0008 drive wait" << ELSEWHERE << 1 << QStringList();
    QTest::newRow("14 no account") << "check:SUCCESS:S0004 drive wait" << NOT_REGISTERED << 1
                                   << QStringList();
    QTest::newRow("21 after the box")
        << "check:SUCCESS:S0004 drive wait register wait" << DRIVE_HERE << 1
        << QStringList{"Device Registration|Your device is successfully registered."};
    QTest::newRow("21, device gone while the box is open")
        << "check:SUCCESS:S0004 drive wait whileBox:unplug register wait" << NO_DEVICE << 1
        << QStringList{"Device Registration|Your device is successfully registered."};
    QTest::newRow("13 then the retry") << "check:fault drive wait" << DRIVE_HERE << 2 << QStringList();
    QTest::newRow("13, device gone before the retry")
        << "check:fault drive unplug wait" << NO_DEVICE << 1 << QStringList();
    QTest::newRow("late 11 after removal") << "drive unplug wait" << NO_DEVICE << 1 << QStringList();
    QTest::newRow("late 14 after another device came")
        << "check:SUCCESS:S0004 drive unplug other wait" << DRIVE_HERE << 2 << QStringList();
}

void TestTabSets::runScript(const QString& sScript)
{
    for (const QString& sStep : sScript.split(' ', Qt::SkipEmptyParts)) {
        if (sStep.startsWith("check:")) {
            const QString sAnswer = sStep.mid(6);
            if (sAnswer == "fault")
                m_pFixture->m_service.enqueueAnswer("checkDeviceReg", FakeShareService::FAULT, "x");
            else
                m_pFixture->m_service.enqueueAnswer("checkDeviceReg", FakeShareService::RETURN, sAnswer);
        } else if (sStep == "drive") {
            m_pFixture->plug(PagesFixture::DRIVE);
        } else if (sStep == "other") {
            m_pFixture->plug(PagesFixture::DRIVE, "FEDCBA9876543210");
        } else if (sStep == "serial") {
            m_pFixture->plug(PagesFixture::SERIAL);
        } else if (sStep == "recover") {
            m_pFixture->plug(PagesFixture::DRIVE, "0123456789ABCDEF", true);
        } else if (sStep == "unplug") {
            m_pFixture->unplug();
        } else if (sStep == "whileBox:unplug") {
            PagesFixture* pFixture = m_pFixture.get();
            m_pFixture->m_pUi->m_notifier.m_whileOpen = [pFixture] { pFixture->unplug(); };
        } else if (sStep == "wait") {
            QTRY_COMPARE_WITH_TIMEOUT(m_pCtrl->deviceAnswersInFlight(), 0, 10000);
            // A retry after a check without answer is due that long after it: a timer as long, started
            // now, fires after the retry has been asked.
            QTimer after;
            after.setSingleShot(true);
            after.setTimerType(Qt::PreciseTimer);
            QSignalSpy fired(&after, &QTimer::timeout);
            after.start(AgentTiming::ms(AgentTiming::REGCHECK_RETRY));
            QVERIFY(fired.wait(10000));
            QTRY_COMPARE_WITH_TIMEOUT(m_pCtrl->deviceAnswersInFlight(), 0, 10000);
        }
    }
}

void TestTabSets::tabSets()
{
    QFETCH(QString, script);
    QFETCH(QString, expected);
    QFETCH(int, checks);
    QFETCH(QStringList, boxes);

    const int nChecksBefore = m_pFixture->calls("checkDeviceReg").size();
    QWidget window;
    window.resize(800, 493);
    ZeqAgentInfoWidget* pPage = new ZeqAgentInfoWidget(&window);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    for (const QString& sStep : script.split(' ', Qt::SkipEmptyParts)) {
        if (sStep == "register") {
            MyDeviceWidget* pDevice = qobject_cast<MyDeviceWidget*>(pPage->tabWidget()->widget(0));
            QVERIFY(pDevice);
            QMetaObject::invokeMethod(pPage, "slotRegisterInfo");
        } else {
            runScript(sStep);
        }
        if (QTest::currentTestFailed())
            return;
    }
    QCOMPARE(describe(*pPage), expected);
    QCOMPARE(m_pFixture->calls("checkDeviceReg").size() - nChecksBefore, checks);
    QStringList lstBoxes;
    for (const RecordingNotifier::Notice& notice : m_pFixture->m_pUi->m_notifier.m_notices) {
        if (!notice.bBalloon)
            lstBoxes << notice.sTitle + "|" + notice.sText;
    }
    QCOMPARE(lstBoxes, boxes);
}

// The registration request carries the device's hardware name exactly, quotes and markup included.
void TestTabSets::registrationRequestKeepsTheHardwareName()
{
    m_pFixture->m_service.enqueueAnswer("checkDeviceReg", FakeShareService::RETURN, "SUCCESS:S0004");
    QWidget window;
    window.resize(800, 493);
    ZeqAgentInfoWidget* pPage = new ZeqAgentInfoWidget(&window);
    m_pFixture->plug(PagesFixture::DRIVE);
    QTRY_COMPARE(m_pCtrl->deviceAnswersInFlight(), 0);
    QMetaObject::invokeMethod(pPage, "slotRegisterInfo");
    QTRY_COMPARE(m_pCtrl->deviceAnswersInFlight(), 0);
    const QList<FakeShareService::Call> calls = m_pFixture->calls("registerDevice");
    QVERIFY(!calls.isEmpty());
    const FakeShareService::Call call = calls.last();
    QCOMPARE(call.params.value("HardwareName"), QString("Zeq \"5&0\" <b>"));
}

QTEST_MAIN(TestTabSets)
#include "tst_tabsets.moc"
