#include "controller/ZeqAgentCtrlMgr.h"
#include "core/AgentFolders.h"
#include "core/AgentTiming.h"
#include "core/WorkFile.h"
#include "platform/ArchiveTool.h"
#include "support/LiveWorkers.h"
#include "support/SystemTools.h"
#include "support/TestFolders.h"
#include "support/TestHttpServer.h"
#include "support/UiFixture.h"
#include "ui/main/WidgetNotifier.h"
#include "ui/update/InstallUpdateDialog.h"

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QMessageBox>
#include <QProgressBar>
#include <QTemporaryDir>
#include <QTextDocument>
#include <QTimer>
#include <QTranslator>
#include <QtTest>

#include <algorithm>

#include <functional>
#include <memory>

using Rows = QList<WorkFile::Row>;

namespace
{
const qint64 MB = 1048576;
const QString g_sDrive = "ZEQ_SYSTEM";

// Translates one word of the dialog's own texts, as a language file would.
class OneWordTranslator : public QTranslator
{
public:
    QString translate(const char* szContext, const char* szSource, const char* szDisambiguation,
                      int nCount) const override
    {
        Q_UNUSED(szDisambiguation);
        Q_UNUSED(nCount);
        if (QByteArray(szContext) == "QObject" && QByteArray(szSource) == "Downloading")
            return QString::fromUtf8("Herunterladen");
        return QString();
    }
    bool isEmpty() const override { return false; }
};

QString json(const QString& sFile, const QString& sRead, const QString& sTotal)
{
    return QString(R"({"file":"%1","read":"%2","total":"%3"})").arg(sFile, sRead, sTotal);
}

QString unzip(const QString& sFile, const QString& sValue)
{
    return QString(R"({"file":"%1","unzip":"%2"})").arg(sFile, sValue);
}
} // namespace

// The install dialog's own logic on real widgets, with the real controller: the list of what is
// installed, download and unpack notices, the free-space poll, superseded archives and the result boxes.
// The device part of the install is held (its package download never gets an answer), so each case
// feeds the statuses it is about through the controller's result slot.
class TestInstallDialog : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void form();
    void updateList_data();
    void updateList();
    void tickedLineShowsServiceTextAsItIs();
    void downloadNotices_data();
    void downloadNotices();
    void downloadTitleTranslated();
    void packageTitledByItsKind_data();
    void packageTitledByItsKind();
    void pollFollowsTheFreeSpace();
    void statusOutsideTheTableStopsThePoll();
    void smallMapArchiveIsNotPolled_data();
    void smallMapArchiveIsNotPolled();
    void redundantFiles_data();
    void redundantFiles();
    void results_data();
    void results();
    void deviceDoneWithoutDriveEndsTheInstall_data();
    void deviceDoneWithoutDriveEndsTheInstall();
    void secondResultShowsNothing();
    void closeRequests_data();
    void closeRequests();
    void removalStopsBothParts();
    void agentOnly_data();
    void agentOnly();
    void boxTextIsPlain();
    void neededMegabytes_data();
    void neededMegabytes();

private:
    void writeHeldDeviceRow();
    // Builds the dialog, lets its install request reach the held download, runs inLoop, and returns
    // what exec() returned (-1 when only the hang guard ended it).
    int run(std::function<void(InstallUpdateDialog*)> inLoop, bool bRecover = false, bool bAgentOnly = false);
    // Builds the dialog whose device part is held, shown but not run modally, for poll and notice cases.
    InstallUpdateDialog* openHeld();
    template <typename T> static T* child(QWidget* pDialog, const char* szName)
    {
        return pDialog->findChild<T*>(szName);
    }
    static void feed(ACTION_STATUS status, const QString& sText)
    {
        ZeqAgentCtrlMgr::getInstance()->slotHandleResults(status, sText);
    }
    int pollLines() const;
    // Whether the dialog's free-space poll will tick again: a poll that ended starts no timer.
    static bool isPolling(const InstallUpdateDialog* pDialog);
    QStringList notices() const;
    bool makeZipOfSize(const QString& sName, const QString& sMember, qint64 nSize);

    UiFixture m_ui;
    TestHttpServer m_server;
    QTemporaryDir m_archives;
    QString m_sDrive;
    std::unique_ptr<InstallUpdateDialog> m_pHeld;
    int m_nRequests = 0;
};

void TestInstallDialog::initTestCase()
{
    qRegisterMetaType<ACTION_STATUS>("ACTION_STATUS");
    QVERIFY(m_server.start());
    // The package download waits for ever: the device part never ends by itself.
    m_server.setHandler([](const TestHttpServer::Request&) { return TestHttpServer::Answer::stall(); });
    QVERIFY(m_archives.isValid());
    if (!ArchiveTool::findProgram(QString()).isEmpty()) {
        QVERIFY(makeZipOfSize("b_OSM.zip", "osm.img", 4 * MB));
        QVERIFY(makeZipOfSize("small_OSM.zip", "small.img", 2 * MB));
        QVERIFY(makeZipOfSize("larger_OSM.zip", "larger.img", 2 * MB + 1));
        QVERIFY(makeZipOfSize("App_small.zip", "app.bin", 1000));
    }
}

bool TestInstallDialog::makeZipOfSize(const QString& sName, const QString& sMember, qint64 nSize)
{
    const QString sSource = m_archives.filePath("src/" + sMember);
    if (!TestFolders::writeFile(sSource, QByteArray(int(nSize), '\0')))
        return false;
    QString sWhy;
    const bool bOk = SystemTools::run(ArchiveTool::findProgram(QString()),
                                      {"a", "-tzip", m_archives.filePath(sName), sSource}, &sWhy);
    if (!bOk)
        qWarning("%s", qPrintable(sWhy));
    return bOk;
}

void TestInstallDialog::init()
{
    m_ui.reset();
    QDir(m_ui.m_folders.tempDir()).removeRecursively();
    QVERIFY(QDir().mkpath(m_ui.m_folders.tempDir()));
    m_sDrive = m_ui.m_folders.dataPath("drives/" + g_sDrive) + "/";
    QDir(m_sDrive).removeRecursively();
    QVERIFY(QDir().mkpath(m_sDrive + "KORVO/Map"));
    FakeVolumeInfo& volumes = ControllerTestDevices::install()->m_volumes;
    volumes.clear();
    volumes.addVolume(m_sDrive, g_sDrive);
    volumes.setFreeSpace(100 * MB);
    Worker::DEVINFOEX device;
    device.bArrival = true;
    device.type = Worker::FAMILY_DRIVE;
    device.devInfo.sUUID = "0123456789ABCDEF";
    device.devInfo.sSkuID = "1";
    device.devInfo.sHWName = "Wendo 500";
    device.lstDrive = QStringList{m_sDrive, m_ui.m_folders.dataPath("drives/ZEQ_DATA/")};
    ZeqAgentCtrlMgr::getInstance()->notityWendoDev(device);
    AgentTiming::set(AgentTiming::FREE_SPACE_POLL, 10);
    m_nRequests = m_server.requests().size();
}

void TestInstallDialog::cleanup()
{
    m_pHeld.reset();
    ZeqAgentCtrlMgr* pCtrl = ZeqAgentCtrlMgr::getInstance();
    pCtrl->doStopDeviceWorker();
    pCtrl->terminateCheckUpdate();
    pCtrl->takeErrorCode();
    AgentTiming::resetDefaults();
    AgentTiming::set(AgentTiming::WELCOME_PAUSE, 0);
    m_ui.m_notifier.m_whileOpen = nullptr;
}

void TestInstallDialog::writeHeldDeviceRow()
{
    QVERIFY(
        WorkFile::writeRows(AgentFolders::tempPath("Update.script"),
                            {{"APPLICATION", "2026/01/02", "103", "1000", m_server.url("/App_1.zip"), "n"}}));
}

int TestInstallDialog::run(std::function<void(InstallUpdateDialog*)> inLoop, bool bRecover, bool bAgentOnly)
{
    writeHeldDeviceRow();
    InstallUpdateDialog dialog(bRecover, bAgentOnly);
    const int nBefore = m_server.requests().size();
    QTimer::singleShot(0, &dialog, [this, &dialog, inLoop, nBefore] {
        if (!m_server.waitForRequests(nBefore + 1))
            qWarning("the device part asked nothing");
        inLoop(&dialog);
    });
    QTimer::singleShot(60000, &dialog, [&dialog] { dialog.done(-1); }); // hang guard only
    return dialog.exec();
}

InstallUpdateDialog* TestInstallDialog::openHeld()
{
    writeHeldDeviceRow();
    const int nBefore = m_server.requests().size();
    m_pHeld.reset(new InstallUpdateDialog(false));
    m_pHeld->show();
    if (!m_server.waitForRequests(nBefore + 1))
        qWarning("the device part asked nothing");
    return m_pHeld.get();
}

bool TestInstallDialog::isPolling(const InstallUpdateDialog* pDialog)
{
    const QList<QTimer*> timers = pDialog->findChildren<QTimer*>(QString(), Qt::FindDirectChildrenOnly);
    return std::any_of(timers.begin(), timers.end(), [](const QTimer* pTimer) { return pTimer->isActive(); });
}

int TestInstallDialog::pollLines() const
{
    return m_ui.log().count("[InstallUpdateDialog][updateInstallUI] m_nDiskCurrentSize");
}

QStringList TestInstallDialog::notices() const
{
    QStringList lst;
    for (const RecordingNotifier::Notice& notice : m_ui.m_notifier.m_notices) {
        lst << notice.sTitle + "|" + notice.sText;
        if (notice.format != Notifier::PLAIN_TEXT)
            lst << "not plain text";
    }
    return lst;
}

void TestInstallDialog::form()
{
    InstallUpdateDialog dialog(false);
    QCOMPARE(dialog.objectName(), QString("InstallUpdateDialog"));
    QCOMPARE(dialog.accessibleName(), QString("InstallUpdateDialog"));
    QCOMPARE(dialog.size(), QSize(600, 388));
    QCOMPARE(dialog.windowTitle(), QString("Updates"));
    QVERIFY(!dialog.windowFlags().testFlag(Qt::WindowContextHelpButtonHint));
    // While the packages download the install may still be cancelled: the title bar offers its close.
    QVERIFY(dialog.windowFlags().testFlag(Qt::WindowCloseButtonHint));
    QVERIFY(!dialog.testAttribute(Qt::WA_QuitOnClose));
    auto* pBar = child<QProgressBar>(&dialog, "progressBar");
    QCOMPARE(pBar->geometry(), QRect(20, 150, 560, 30));
    QCOMPARE(pBar->value(), 0);
    QCOMPARE(pBar->maximum(), 100);
    QCOMPARE(pBar->format(), QString());
    QCOMPARE(child<QLabel>(&dialog, "label_title")->text(), QString("Downloading..."));
    QCOMPARE(child<QLabel>(&dialog, "label_status")->text(),
             QString("It may take a while ,please wait and don't disconnect your device"));
    QCOMPARE(child<QLabel>(&dialog, "label_status")->geometry(), QRect(20, 50, 560, 41));
    QCOMPARE(child<QLabel>(&dialog, "label_status_2")->geometry(), QRect(20, 100, 560, 41));
    QCOMPARE(child<QWidget>(&dialog, "verticalLayoutWidget")->geometry(), QRect(20, 200, 561, 171));
    // The background lies under everything else.
    QCOMPARE(dialog.children().indexOf(child<QLabel>(&dialog, "label_2")) <
                 dialog.children().indexOf(child<QLabel>(&dialog, "label_status")),
             true);
    for (const char* szName : {"label_DeviceUpdate", "label_RomVersion", "label_SoftVersion",
                               "label_OSMUpdateVersion", "label_TAUpdateVersion"})
        QVERIFY2(child<QLabel>(&dialog, szName)->isHidden(), szName);
    QCOMPARE(child<QLabel>(&dialog, "label_DeviceUpdate")->text(), QString("Device update"));
    InstallUpdateDialog recover(true);
    QCOMPARE(recover.windowTitle(), QString("Recover"));
    // Building the dialog requests nothing yet, and reading the lists creates none of them.
    QCOMPARE(m_server.requests().size(), m_nRequests);
    QVERIFY(!QFile::exists(AgentFolders::tempPath("Update.script")));
    QVERIFY(!QFile::exists(AgentFolders::tempPath("map.script")));
}

void TestInstallDialog::updateList_data()
{
    QTest::addColumn<Rows>("devices");
    QTest::addColumn<Rows>("maps");
    QTest::addColumn<QStringList>("shown");
    auto map = [](const QString& sDate, const QString& sNotes) {
        return WorkFile::Row{"BugFixMapUpdate", "3.5", "100", sDate, sNotes, "7", "http://x/a.zip", "F"};
    };
    auto dev = [](const QString& sKind, const QString& sVersion) {
        return WorkFile::Row{sKind, "2026/01/02", sVersion, "1", "http://x/p.zip", "n"};
    };
    QTest::newRow("software 103") << Rows{dev("APPLICATION", "103")} << Rows()
                                  << QStringList{"Device update", "Software(1.0.3)"};
    QTest::newRow("software 1.2.3") << Rows{dev("APPLICATION", "1.2.3")} << Rows()
                                    << QStringList{"Device update", "Software(1.2.3)"};
    QTest::newRow("software 12") << Rows{dev("APPLICATION", "12")} << Rows()
                                 << QStringList{"Device update", "Software(12)"};
    QTest::newRow("rom R5.12") << Rows{dev("IMAGE", "R5.12")} << Rows()
                               << QStringList{"Device update", "ROM(R05)"};
    QTest::newRow("rom 12.3") << Rows{dev("IMAGE", "12.3")} << Rows()
                              << QStringList{"Device update", "ROM(R12)"};
    QTest::newRow("rom V03") << Rows{dev("IMAGE", "V03")} << Rows()
                             << QStringList{"Device update", "ROM(R03)"};
    QTest::newRow("both, later row wins")
        << Rows{dev("IMAGE", "R1"), dev("APPLICATION", "103"), dev("IMAGE", "R7.1")} << Rows()
        << QStringList{"Device update", "ROM(R07)", "Software(1.0.3)"};
    QTest::newRow("agent and lower case rows")
        << Rows{dev("AGENT", "9"), dev("application", "103")} << Rows() << QStringList();
    QTest::newRow("short device rows")
        << Rows{{"APPLICATION", "2026/01/02"}, {"IMAGE"}} << Rows() << QStringList();
    QTest::newRow("osm") << Rows() << Rows{map("2026-02-03 04:05:06", "OSM-EU")}
                         << QStringList{"OSM Map update(2026-02-03)"};
    QTest::newRow("ta") << Rows() << Rows{map("2026-02-03 04:05:06", "TA-EU")}
                        << QStringList{"TA Map update(2026-02-03)"};
    QTest::newRow("NQ and TA is HERE")
        << Rows() << Rows{map("2026-03-04", "NQ-TA-EU")} << QStringList{"HERE Map update(2026-03-04)"};
    QTest::newRow("countries and base map")
        << Rows() << Rows{map("1", "CountryID-GERMANY"), map("2", "BM-EU")} << QStringList();
    QTest::newRow("a country named with TA") << Rows() << Rows{map("1", "CountryID-ITALY")} << QStringList();
    QTest::newRow("a base map named with TA") << Rows() << Rows{map("1", "BM-ITALY")} << QStringList();
    QTest::newRow("a TA map and a country named with TA")
        << Rows() << Rows{map("2026-04-05", "TA-EU"), map("2026-05-06", "CountryID-ITALY")}
        << QStringList{"TA Map update(2026-04-05)"};
    QTest::newRow("short map rows") << Rows() << Rows{{"BugFixMapUpdate", "3.5", "100", "2026-02-03"}}
                                    << QStringList();
    QTest::newRow("service text shown as it is")
        << Rows{dev("APPLICATION", "<b>&'\"%;,{Ü.1")}
        << Rows{map(QString::fromUtf8("<b>&'\"%;,{Ü later"), "OSM-EU"), map("<i>x</i>", "TA-EU")}
        << QStringList{"Device update", QString::fromUtf8("Software(<b>&'\"%;,{Ü.1)"),
                       QString::fromUtf8("OSM Map update(<b>&'\"%;,{Ü)"), "TA Map update(<i>x</i>)"};
    QTest::newRow("device and maps") << Rows{dev("APPLICATION", "103"), dev("IMAGE", "R5.12")}
                                     << Rows{map("2026-01-01 00:00:00", "OSM-EU"),
                                             map("2026-02-02 00:00:00", "TA-EU")}
                                     << QStringList{"Device update", "ROM(R05)", "Software(1.0.3)",
                                                    "OSM Map update(2026-01-01)",
                                                    "TA Map update(2026-02-02)"};
}

void TestInstallDialog::updateList()
{
    QFETCH(Rows, devices);
    QFETCH(Rows, maps);
    QFETCH(QStringList, shown);
    QVERIFY(WorkFile::writeRows(AgentFolders::tempPath("Update.script"), devices));
    QVERIFY(WorkFile::writeRows(AgentFolders::tempPath("map.script"), maps));
    InstallUpdateDialog dialog(false);
    QStringList lstShown;
    for (const char* szName : {"label_DeviceUpdate", "label_RomVersion", "label_SoftVersion",
                               "label_OSMUpdateVersion", "label_TAUpdateVersion"}) {
        QLabel* pLabel = child<QLabel>(&dialog, szName);
        if (!pLabel->isHidden())
            lstShown << pLabel->text();
        QCOMPARE(pLabel->textFormat(), Qt::PlainText);
    }
    QCOMPARE(lstShown, shown);
}

// When the TA package starts, the OSM line gets its tick and turns into rich text: the service's date in it
// is still shown as it stands, never read as markup.
void TestInstallDialog::tickedLineShowsServiceTextAsItIs()
{
    const QString sDate = QString::fromUtf8("<b>x</b>&amp;'\"Ü");
    QVERIFY(WorkFile::writeRows(
        AgentFolders::tempPath("map.script"),
        {{"BugFixMapUpdate", "3.5", "100", sDate, "OSM-EU", "7", "http://x/a.zip", "F"},
         {"BugFixMapUpdate", "3.5", "100", "2026-02-03", "TA-EU", "7", "http://x/b.zip", "F"}}));
    InstallUpdateDialog* pDialog = openHeld();
    QLabel* pOsm = child<QLabel>(pDialog, "label_OSMUpdateVersion");
    QCOMPARE(pOsm->text(), "OSM Map update(" + sDate + ")");
    feed(MAP_INSTALLPROCESS, unzip("c_TeleAtlas.zip", "0"));
    QCOMPARE(pOsm->textFormat(), Qt::RichText);
    QTextDocument shown;
    shown.setHtml(pOsm->text());
    // The tick is an image, one object character in the text.
    QCOMPARE(shown.toPlainText(),
             QString(QChar::ObjectReplacementCharacter) + "OSM Map update(" + sDate + ")");
}

void TestInstallDialog::downloadNotices_data()
{
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("sizes");
    QTest::addColumn<int>("bar");
    const QString sIdle = "Downloading...";
    QTest::newRow("1 MB shows nothing")
        << int(DEVICE_DOWNLOADPROCESS) << json("App_1.zip", "524288", "1048576") << sIdle << "" << 0;
    QTest::newRow("just over 1 MB") << int(DEVICE_DOWNLOADPROCESS) << json("App_1.zip", "524288", "1048577")
                                    << "Downloading(Device update)..."
                                    << "0MB/1MB" << 0;
    QTest::newRow("5 GiB map") << int(MAP_DOWNLOADPROCESS) << json("b_OSM.zip", "2684354560", "5368709120")
                               << "Downloading(OSM Map update)..."
                               << "2560MB/5120MB" << 50;
    QTest::newRow("agent") << int(DEVICE_DOWNLOADPROCESS)
                           << json("WendoAgent_setup.zip", "3145728", "4194304")
                           << "Downloading(WendoAgent)..."
                           << "3MB/4MB" << 75;
    QTest::newRow("OSM and TeleAtlas is OSM")
        << int(MAP_DOWNLOADPROCESS) << json("x_OSM_TeleAtlas.zip", "1048576", "2097152")
        << "Downloading(OSM Map update)..."
        << "1MB/2MB" << 50;
    QTest::newRow("TA") << int(MAP_DOWNLOADPROCESS) << json("c_TeleAtlas.zip", "0", "2097152")
                        << "Downloading(TA Map update)..."
                        << "0MB/2MB" << 0;
    QTest::newRow("HERE") << int(MAP_DOWNLOADPROCESS) << json("d_NQ.zip", "2097152", "2097152")
                          << "Downloading(HERE Map update)..."
                          << "2MB/2MB" << 100;
    QTest::newRow("map without kind")
        << int(MAP_DOWNLOADPROCESS) << json("plain.zip", "0", "3145728") << "Downloading(Device update)..."
        << "0MB/3MB" << 0;
    QTest::newRow("missing keys") << int(MAP_DOWNLOADPROCESS) << R"({"file":"b_OSM.zip"})" << sIdle << ""
                                  << 0;
    QTest::newRow("no JSON") << int(DEVICE_DOWNLOADPROCESS) << "read 5 of 9" << sIdle << "" << 0;
    QTest::newRow("no numbers") << int(DEVICE_DOWNLOADPROCESS) << json("App_1.zip", "much", "2097152")
                                << "Downloading(Device update)..."
                                << "0MB/2MB" << 0;
    QTest::newRow("read beyond total")
        << int(DEVICE_DOWNLOADPROCESS) << json("App_1.zip", "9437184", "2097152")
        << "Downloading(Device update)..."
        << "2MB/2MB" << 100;
}

void TestInstallDialog::downloadNotices()
{
    QFETCH(int, status);
    QFETCH(QString, text);
    QFETCH(QString, title);
    QFETCH(QString, sizes);
    QFETCH(int, bar);
    InstallUpdateDialog* pDialog = openHeld();
    feed(ACTION_STATUS(status), text);
    QCOMPARE(child<QLabel>(pDialog, "label_title")->text(), title);
    QCOMPARE(child<QLabel>(pDialog, "label_status_2")->text(), sizes);
    QCOMPARE(child<QProgressBar>(pDialog, "progressBar")->value(), bar);
    QVERIFY(pDialog->isVisible());
}

// The language changes the word, never the agent's own name.
void TestInstallDialog::downloadTitleTranslated()
{
    OneWordTranslator translator;
    QCoreApplication::installTranslator(&translator);
    InstallUpdateDialog* pDialog = openHeld();
    feed(DEVICE_DOWNLOADPROCESS, json("WendoAgent_setup.zip", "0", "2097152"));
    QCoreApplication::removeTranslator(&translator);
    QCOMPARE(child<QLabel>(pDialog, "label_title")->text(), QString("Herunterladen(WendoAgent)..."));
}

void TestInstallDialog::packageTitledByItsKind_data()
{
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("title");
    QTest::newRow("the agent's package downloading")
        << int(DEVICE_DOWNLOADPROCESS) << json("WendoAgent_5.2.0.zip", "3145728", "4194304")
        << "Downloading(WendoAgent)...";
    QTest::newRow("the agent's package unpacking")
        << int(DEVICE_INSTALLPROCESS) << unzip("WendoAgent_5.2.0.zip", "0") << "Installing(WendoAgent)... ";
    QTest::newRow("device software whose name holds setup")
        << int(DEVICE_DOWNLOADPROCESS) << json("App_setup_2.zip", "3145728", "4194304")
        << "Downloading(Device update)...";
}

// The device list names each package with its kind: the agent's own is "WendoAgent" whatever its file
// is called, and a device package stays a device update.
void TestInstallDialog::packageTitledByItsKind()
{
    QFETCH(int, status);
    QFETCH(QString, text);
    QFETCH(QString, title);
    QVERIFY(WorkFile::writeRows(
        AgentFolders::tempPath("Update.script"),
        {{"APPLICATION", "2026/01/02", "103", "1000", m_server.url("/App_setup_2.zip"), "n"},
         {"AGENT", "2026/01/02", "5.2.0", "1000", m_server.url("/WendoAgent_5.2.0.zip"), "n"}}));
    const int nBefore = m_server.requests().size();
    m_pHeld.reset(new InstallUpdateDialog(false));
    m_pHeld->show();
    QVERIFY(m_server.waitForRequests(nBefore + 1));
    feed(ACTION_STATUS(status), text);
    QCOMPARE(child<QLabel>(m_pHeld.get(), "label_title")->text(), title);
}

void TestInstallDialog::pollFollowsTheFreeSpace()
{
    if (ArchiveTool::findProgram(QString()).isEmpty())
        QSKIP("no 7-Zip installed");
    QVERIFY(QFile::copy(m_archives.filePath("b_OSM.zip"), AgentFolders::tempPath("b_OSM.zip")));
    FakeVolumeInfo& volumes = ControllerTestDevices::install()->m_volumes;
    InstallUpdateDialog* pDialog = openHeld();
    QLabel* pSizes = child<QLabel>(pDialog, "label_status_2");
    QProgressBar* pBar = child<QProgressBar>(pDialog, "progressBar");
    feed(MAP_INSTALLPROCESS, unzip("b_OSM.zip", "0"));
    QCOMPARE(child<QLabel>(pDialog, "label_title")->text(), QString("Installing(OSM Map update)... "));
    volumes.setFreeSpace(99 * MB);
    QTRY_COMPARE(pSizes->text(), QString("1MB/4MB"));
    QCOMPARE(pBar->value(), 25);
    // A failed query skips its tick: nothing changes, and the poll goes on.
    volumes.setFreeSpace(-1);
    const QByteArray unknown = "[InstallUpdateDialog][updateInstallUI] free space unknown";
    const int nUnknown = m_ui.log().count(unknown);
    QTRY_VERIFY(m_ui.log().count(unknown) > nUnknown + 1);
    QCOMPARE(pSizes->text(), QString("1MB/4MB"));
    QCOMPARE(pBar->value(), 25);
    volumes.setFreeSpace(98 * MB);
    QTRY_COMPARE(pSizes->text(), QString("2MB/4MB"));
    QCOMPARE(pBar->value(), 50);
    // More room than at the start: nothing written yet.
    volumes.setFreeSpace(101 * MB);
    QTRY_COMPARE(pSizes->text(), QString("0MB/4MB"));
    QCOMPARE(pBar->value(), 0);
    // 99 % ends the poll without a change; the end of the unpack sets the bar.
    volumes.setFreeSpace(96 * MB);
    const int nLines = pollLines();
    QTRY_VERIFY(pollLines() > nLines);
    const int nLast = pollLines();
    QVERIFY(!isPolling(pDialog));
    volumes.setFreeSpace(99 * MB);
    QCOMPARE(pollLines(), nLast);
    QCOMPARE(pSizes->text(), QString("0MB/4MB"));
    feed(MAP_INSTALLPROCESS, unzip("b_OSM.zip", "100"));
    QCOMPARE(pBar->value(), 99);
    QCOMPARE(pSizes->text(), QString());
}

void TestInstallDialog::statusOutsideTheTableStopsThePoll()
{
    if (ArchiveTool::findProgram(QString()).isEmpty())
        QSKIP("no 7-Zip installed");
    QVERIFY(QFile::copy(m_archives.filePath("b_OSM.zip"), AgentFolders::tempPath("b_OSM.zip")));
    FakeVolumeInfo& volumes = ControllerTestDevices::install()->m_volumes;
    InstallUpdateDialog* pDialog = openHeld();
    QLabel* pSizes = child<QLabel>(pDialog, "label_status_2");
    feed(MAP_INSTALLPROCESS, unzip("b_OSM.zip", "0"));
    volumes.setFreeSpace(99 * MB);
    QTRY_COMPARE(pSizes->text(), QString("1MB/4MB"));
    feed(MAP_CHECKSUCCESS, "success");
    volumes.setFreeSpace(98 * MB);
    // At most the tick that was due runs, and it starts no other.
    QTRY_VERIFY(!isPolling(pDialog));
    const int nLines = pollLines();
    QCOMPARE(pollLines(), nLines);
    QCOMPARE(pSizes->text(), QString("1MB/4MB"));
    QVERIFY(notices().isEmpty());
}

void TestInstallDialog::smallMapArchiveIsNotPolled_data()
{
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("archive");
    QTest::addColumn<bool>("polled");
    QTest::newRow("map of 2 MiB") << int(MAP_INSTALLPROCESS) << "small_OSM.zip" << false;
    QTest::newRow("map of 2 MiB and a byte") << int(MAP_INSTALLPROCESS) << "larger_OSM.zip" << true;
    QTest::newRow("small device package") << int(DEVICE_INSTALLPROCESS) << "App_small.zip" << true;
}

void TestInstallDialog::smallMapArchiveIsNotPolled()
{
    QFETCH(int, status);
    QFETCH(QString, archive);
    QFETCH(bool, polled);
    if (ArchiveTool::findProgram(QString()).isEmpty())
        QSKIP("no 7-Zip installed");
    QVERIFY(QFile::copy(m_archives.filePath(archive), AgentFolders::tempPath(archive)));
    InstallUpdateDialog* pDialog = openHeld();
    const int nLines = pollLines();
    feed(ACTION_STATUS(status), unzip(archive, "0"));
    ControllerTestDevices::install()->m_volumes.setFreeSpace(100 * MB - 1000);
    if (polled) {
        QTRY_VERIFY(pollLines() > nLines);
    } else {
        // No poll is due: the dialog started no timer for it.
        QVERIFY(!isPolling(pDialog));
        QCOMPARE(pollLines(), nLines);
    }
}

void TestInstallDialog::redundantFiles_data()
{
    QTest::addColumn<QStringList>("present");
    QTest::addColumn<QStringList>("notices");
    QTest::addColumn<QStringList>("mapList");
    QTest::addColumn<QStringList>("deviceList");
    QTest::addColumn<QStringList>("kept");
    const QStringList lstPresent = {"a_OSM.zip", "c_OSM.zip.part", "b_OSM.zip", "a_OSM.7z",
                                    "a_TeleAtlas.zip"};
    const QString sEnd = QString("87:") + unzip("b_OSM.zip", "100");
    QTest::newRow("superseded OSM archives")
        << lstPresent << QStringList{sEnd} << QStringList() << QStringList()
        << QStringList{"a_OSM.7z", "a_TeleAtlas.zip", "b_OSM.zip"};
    QTest::newRow("an archive still to unpack stays")
        << lstPresent << QStringList{sEnd} << QStringList{"http://dl/maps/a_OSM.zip"} << QStringList()
        << QStringList{"a_OSM.7z", "a_OSM.zip", "a_TeleAtlas.zip", "b_OSM.zip"};
    QTest::newRow("the kind of the file just unpacked")
        << lstPresent
        << QStringList{QString("88:") + json("b_OSM.zip", "1", "2"),
                       QString("87:") + unzip("plain.zip", "100")}
        << QStringList() << QStringList() << lstPresent;
    QTest::newRow("device packages") << QStringList{"App_1.zip", "App_2.zip", "App_3.zip", "Rom_5.zip"}
                                     << QStringList{QString("78:") + unzip("App_2.zip", "100")}
                                     << QStringList() << QStringList{"http://dl/App_3.zip?sig=1"}
                                     << QStringList{"App_2.zip", "App_3.zip", "Rom_5.zip"};
    QTest::newRow("a start deletes nothing")
        << lstPresent << QStringList{QString("87:") + unzip("b_OSM.zip", "0")} << QStringList()
        << QStringList() << lstPresent;
}

void TestInstallDialog::redundantFiles()
{
    QFETCH(QStringList, present);
    QFETCH(QStringList, notices);
    QFETCH(QStringList, mapList);
    QFETCH(QStringList, deviceList);
    QFETCH(QStringList, kept);
    for (const QString& sName : present)
        QVERIFY(TestFolders::writeFile(AgentFolders::tempPath(sName), "archive"));
    Rows maps;
    for (const QString& sUrl : mapList)
        maps << WorkFile::Row{"BugFixMapUpdate", "3.5", "7", "2026-02-03", "OSM-EU", "7", sUrl, "F"};
    Rows devices;
    for (const QString& sUrl : deviceList)
        devices << WorkFile::Row{"APPLICATION", "2026/01/02", "103", "7", sUrl, "n"};
    InstallUpdateDialog* pDialog = openHeld();
    Q_UNUSED(pDialog);
    QVERIFY(WorkFile::writeRows(AgentFolders::tempPath("map.script"), maps));
    QVERIFY(WorkFile::writeRows(AgentFolders::tempPath("DevDownload.script"), devices));
    for (const QString& sNotice : notices)
        feed(ACTION_STATUS(sNotice.section(':', 0, 0).toInt()), sNotice.section(':', 1));
    QStringList lstLeft = QDir(AgentFolders::tempDir()).entryList(QDir::Files, QDir::Name);
    lstLeft.removeAll("map.script");
    lstLeft.removeAll("DevDownload.script");
    lstLeft.removeAll("Update.script");
    std::sort(kept.begin(), kept.end());
    QCOMPARE(lstLeft, kept);
}

void TestInstallDialog::results_data()
{
    QTest::addColumn<bool>("recover");
    QTest::addColumn<QStringList>("statuses");
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("notice");
    const QString sConnection = "Internet connection|Update failed. Please check your Internet connection. "
                                "Please try again.";
    const QString sDevice =
        "Updates|Update failed. Please ensure that your Wendo 500 is still connected to your "
        "computer. If this problem persists, contact Zeq support.";
    const QString sUnpacked = QString("78:") + unzip("App_1.zip", "100");
    QTest::newRow("74") << false << QStringList{"74:true"} << "" << sConnection;
    QTest::newRow("83 with a code") << false << QStringList{"83:true"} << "E04" << sConnection + "(E04)";
    QTest::newRow("76 with a code") << false << QStringList{"76:true"} << "E02-2" << sDevice + "(E02-2)";
    QTest::newRow("86") << false << QStringList{"86:"} << "" << sDevice;
    QTest::newRow("84 after an unpack") << false << QStringList{sUnpacked, "75:", "84:"} << ""
                                        << "Updates|Update successfully. Device should have been restarted. "
                                           "If not, please disconnect the device "
                                           "now in order to complete the update process.";
    QTest::newRow("84 after an unpack, recover") << true << QStringList{sUnpacked, "84:"} << ""
                                                 << "Recover|Recover successfully.\nYour device should have "
                                                    "been restarted. If not, please disconnect the "
                                                    "device now in order to complete the update process.";
    QTest::newRow("84 with nothing unpacked") << false << QStringList{"75:", "84:"} << ""
                                              << "Updates|The device's software is up-to-date.";
    QTest::newRow("84 with nothing unpacked, recover")
        << true << QStringList{QString("78:") + unzip("App_1.zip", "0"), "84:"} << ""
        << "Recover|The device's software is up-to-date.";
    QTest::newRow("99: label and margin") << false << QStringList{"99:3670016"} << ""
                                          << "Updates|Insufficient memory space in ZEQ_SYSTEM  drive. 6  MB "
                                             "is required to complete the updates.";
    QTest::newRow("99 of 5 GiB")
        << false << QStringList{"99:5368709120"} << ""
        << "Updates|Insufficient memory space in ZEQ_SYSTEM  drive. 5122  MB is required "
           "to complete the updates.";
    QTest::newRow("99 no number")
        << false << QStringList{"99:lots"} << ""
        << "Updates|Insufficient memory space in ZEQ_SYSTEM  drive. 2  MB is required "
           "to complete the updates.";
}

void TestInstallDialog::results()
{
    QFETCH(bool, recover);
    QFETCH(QStringList, statuses);
    QFETCH(QString, code);
    QFETCH(QString, notice);
    bool bVisibleAtBox = true;
    m_ui.m_notifier.m_whileOpen = [&bVisibleAtBox] {
        for (QWidget* pWidget : QApplication::topLevelWidgets()) {
            if (pWidget->accessibleName() == "InstallUpdateDialog")
                bVisibleAtBox = pWidget->isVisible();
        }
    };
    const int nResult = run(
        [&statuses, &code](InstallUpdateDialog*) {
            if (!code.isEmpty())
                ZeqAgentCtrlMgr::getInstance()->setErrorInfo(code, "what went wrong");
            for (const QString& sStatus : statuses)
                feed(ACTION_STATUS(sStatus.section(':', 0, 0).toInt()), sStatus.section(':', 1));
        },
        recover);
    QCOMPARE(nResult, int(QDialog::Accepted));
    QCOMPARE(notices(), QStringList{notice});
    QVERIFY(!bVisibleAtBox);
    QCOMPARE(ZeqAgentCtrlMgr::getInstance()->takeErrorCode(), QString());
}

// Without a drive the map part has nowhere to unpack: it is not started.
void TestInstallDialog::deviceDoneWithoutDriveEndsTheInstall_data()
{
    QTest::addColumn<int>("family");
    QTest::newRow("device gone") << 0;
    QTest::newRow("serial family") << int(Worker::FAMILY_SERIAL);
}

void TestInstallDialog::deviceDoneWithoutDriveEndsTheInstall()
{
    QFETCH(int, family);
    QVERIFY(WorkFile::writeRows(
        AgentFolders::tempPath("map.script"),
        {{"BugFixMapUpdate", "3.5", "7", "2026-02-03", "OSM-EU", "7", m_server.url("/a_OSM.zip"), "F"}}));
    const int nResult = run([family](InstallUpdateDialog* pDialog) {
        ZeqAgentCtrlMgr* pCtrl = ZeqAgentCtrlMgr::getInstance();
        // Disconnected from the dialog so that only the map part's start is looked at.
        QObject::disconnect(pCtrl, &ZeqAgentCtrlMgr::devRefresh, pDialog, nullptr);
        Worker::DEVINFOEX info = pCtrl->currentDevice();
        info.bArrival = false;
        pCtrl->notityWendoDev(info);
        if (family == Worker::FAMILY_SERIAL) {
            info.bArrival = true;
            info.type = Worker::FAMILY_SERIAL;
            info.lstDrive.clear();
            info.sComPort = "/dev/ttyACM0";
            pCtrl->notityWendoDev(info);
        }
        feed(INSTALLUPDATE_SUCCESS, "");
    });
    QCOMPARE(nResult, int(QDialog::Accepted));
    QCOMPARE(notices(),
             QStringList{"Updates|Update failed. Please ensure that your Wendo 500 is still "
                         "connected to your computer. If this problem persists, contact Zeq support."});
    // No map download was asked for.
    for (const TestHttpServer::Request& request : m_server.requests())
        QVERIFY(!request.target.contains("a_OSM"));
}

void TestInstallDialog::secondResultShowsNothing()
{
    m_ui.m_notifier.m_whileOpen = [] {
        feed(MAP_INSTALLSUCCESS, QString());
        feed(MAP_UNZIPERROR, QString());
        Worker::DEVINFOEX info = ZeqAgentCtrlMgr::getInstance()->currentDevice();
        info.bArrival = false;
        ZeqAgentCtrlMgr::getInstance()->notityWendoDev(info);
    };
    int nFinished = 0;
    const int nResult = run([&nFinished](InstallUpdateDialog* pDialog) {
        QObject::connect(pDialog, &QDialog::finished, [&nFinished] { ++nFinished; });
        feed(MAP_INSTALLSUCCESS, QString());
    });
    QCOMPARE(nResult, int(QDialog::Accepted));
    QCOMPARE(notices(), QStringList{"Updates|The device's software is up-to-date."});
    QCOMPARE(nFinished, 1);
}

void TestInstallDialog::closeRequests_data()
{
    QTest::addColumn<QString>("phase");
    QTest::addColumn<bool>("escape"); // Escape, else the window system's close
    QTest::addColumn<int>("result");
    QTest::addColumn<QStringList>("notices");
    const QStringList lstUpdated{"Updates|Update successfully. Device should have been restarted. If not, "
                                 "please disconnect the device now in order to complete the update process."};
    const QStringList lstConnection{
        "Internet connection|Update failed. Please check your Internet connection. Please try again."};
    QTest::newRow("Escape while downloading")
        << "download" << true << int(QDialog::Rejected) << QStringList();
    QTest::newRow("close while downloading")
        << "download" << false << int(QDialog::Rejected) << QStringList();
    QTest::newRow("Escape while unpacking") << "unpack" << true << int(QDialog::Accepted) << lstUpdated;
    QTest::newRow("close while unpacking") << "unpack" << false << int(QDialog::Accepted) << lstUpdated;
    QTest::newRow("Escape while the result is on its way")
        << "result" << true << int(QDialog::Accepted) << lstConnection;
}

// While the packages download, Escape and the window system's close cancel the install: the held download
// is given up, no box. Once an unpack has begun, or a result is on its way, they change nothing and the
// install's end closes the dialog.
void TestInstallDialog::closeRequests()
{
    QFETCH(QString, phase);
    QFETCH(bool, escape);
    QFETCH(int, result);
    QFETCH(QStringList, notices);
    QSignalSpy finish(ZeqAgentCtrlMgr::getInstance(), &ZeqAgentCtrlMgr::actionFinish);
    const int nLogBefore = m_ui.log().size();
    bool bOpenAfterRequest = false;
    const int nResult = run([&](InstallUpdateDialog* pDialog) {
        if (phase == "unpack")
            feed(MAP_INSTALLPROCESS, unzip("b_OSM.zip", "0"));
        else if (phase == "result")
            feed(MAP_REQUESTERROR, QString());
        if (escape)
            QTest::keyClick(pDialog, Qt::Key_Escape);
        else
            pDialog->close();
        bOpenAfterRequest = pDialog->isVisible();
        if (phase == "unpack") {
            feed(MAP_INSTALLPROCESS, unzip("b_OSM.zip", "1"));
            feed(MAP_INSTALLSUCCESS, QString());
        }
    });
    QCOMPARE(nResult, result);
    QCOMPARE(bOpenAfterRequest, phase != "download");
    QCOMPARE(this->notices(), notices);
    if (phase != "download")
        return;
    // The device part was stopped by the cancel itself (its worker deleted, so nothing more can report).
    const QByteArray log = m_ui.log().mid(nLogBefore);
    QVERIFY(log.contains("[InstallUpdateDialog][cancelDownloads]"));
    QVERIFY(log.contains("[WorkerSlot][stop] device update"));
    QCOMPARE(finish.count(), 0);
}

// The device leaves while the device part still downloads: that download ends too, one box.
void TestInstallDialog::removalStopsBothParts()
{
    QSignalSpy finish(ZeqAgentCtrlMgr::getInstance(), &ZeqAgentCtrlMgr::actionFinish);
    LiveWorkers workers;
    bool bWorkersGone = false;
    const int nResult = run([this, &workers, &bWorkersGone](InstallUpdateDialog*) {
        Worker::DEVINFOEX info = ZeqAgentCtrlMgr::getInstance()->currentDevice();
        info.bArrival = false;
        ZeqAgentCtrlMgr::getInstance()->notityWendoDev(info);
        // The held download's connection is dropped: a worker still running would now report 74, and
        // it would do so before it is deleted.
        m_server.stop();
        bWorkersGone = workers.waitUntilNone();
        QVERIFY(m_server.start());
    });
    QVERIFY(bWorkersGone);
    QCOMPARE(nResult, int(QDialog::Accepted));
    QCOMPARE(notices(),
             QStringList{"Updates|Update failed. Please ensure that your Wendo 500 is still "
                         "connected to your computer. If this problem persists, contact Zeq support."});
    QCOMPARE(finish.count(), 0);
}

void TestInstallDialog::agentOnly_data()
{
    QTest::addColumn<QStringList>("statuses");
    QTest::addColumn<QStringList>("notices");
    QTest::newRow("installer started") << QStringList{"72:agent"} << QStringList();
    QTest::newRow("download failed") << QStringList{"74:true"}
                                     << QStringList{"Internet connection|Update failed. Please check your "
                                                    "Internet connection. Please try again."};
    QTest::newRow("installer did not start")
        << QStringList{"76:true"}
        << QStringList{"Updates|Update failed. Please ensure that your Wendo 500 is still connected to your "
                       "computer. If this problem persists, contact Zeq support."};
    QTest::newRow("nothing to install")
        << QStringList{"72:true"} << QStringList{"Updates|The device's software is up-to-date."};
}

// The agent's own package: no map part follows, a removal changes nothing, the installer takes over.
void TestInstallDialog::agentOnly()
{
    QFETCH(QStringList, statuses);
    QFETCH(QStringList, notices);
    QVERIFY(WorkFile::writeRows(
        AgentFolders::tempPath("map.script"),
        {{"BugFixMapUpdate", "3.5", "7", "2026-02-03", "OSM-EU", "7", m_server.url("/a_OSM.zip"), "F"}}));
    QSignalSpy finish(ZeqAgentCtrlMgr::getInstance(), &ZeqAgentCtrlMgr::actionFinish);
    const int nResult = run(
        [&statuses](InstallUpdateDialog* pDialog) {
            Worker::DEVINFOEX info = ZeqAgentCtrlMgr::getInstance()->currentDevice();
            info.bArrival = false;
            ZeqAgentCtrlMgr::getInstance()->notityWendoDev(info);
            QVERIFY(pDialog->isVisible());
            for (const QString& sStatus : statuses)
                feed(ACTION_STATUS(sStatus.section(':', 0, 0).toInt()), sStatus.section(':', 1));
        },
        false, true);
    QCOMPARE(nResult, int(QDialog::Accepted));
    QCOMPARE(this->notices(), notices);
    // No map part was started (without a device it would have ended at once with 83).
    for (const QList<QVariant>& args : finish) {
        const int nStatus = int(args.at(0).value<ACTION_STATUS>());
        QVERIFY2(nStatus < MAP_CHECKSUCCESS, qPrintable(QString::number(nStatus)));
    }
}

// Device names and codes in a box are shown as they are, never read as markup.
void TestInstallDialog::boxTextIsPlain()
{
    WidgetNotifier notifier;
    Notifier::setInstance(&notifier);
    Qt::TextFormat format = Qt::RichText;
    QString sText;
    QTimer::singleShot(0, [&format, &sText] {
        for (QWidget* pWidget : QApplication::topLevelWidgets()) {
            if (auto* pBox = qobject_cast<QMessageBox*>(pWidget)) {
                format = pBox->textFormat();
                sText = pBox->text();
                pBox->accept();
            }
        }
    });
    notifier.showMessage("Updates", "Your <b>Zeq</b> 5&0", Notifier::OK);
    Notifier::setInstance(&m_ui.m_notifier);
    QCOMPARE(format, Qt::PlainText);
    QCOMPARE(sText, QString("Your <b>Zeq</b> 5&0"));
}

void TestInstallDialog::neededMegabytes_data()
{
    QTest::addColumn<quint64>("bytes");
    QTest::addColumn<quint64>("megabytes");
    QTest::newRow("nothing") << quint64(0) << quint64(2);
    QTest::newRow("3.5 MiB") << quint64(3670016) << quint64(6);
    QTest::newRow("whole MiB") << quint64(3145728) << quint64(5);
    QTest::newRow("one byte over") << quint64(3145729) << quint64(6);
    QTest::newRow("largest") << quint64(~0ULL) << quint64(~0ULL / 1048576 + 1);
}

void TestInstallDialog::neededMegabytes()
{
    QFETCH(quint64, bytes);
    QFETCH(quint64, megabytes);
    QCOMPARE(InstallUpdateDialog::neededMegabytes(bytes), megabytes);
}

QTEST_MAIN(TestInstallDialog)
#include "tst_installdialog.moc"
