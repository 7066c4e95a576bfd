#include "controller/ZeqAgentCtrlMgr.h"
#include "core/AgentFolders.h"
#include "core/WorkFile.h"
#include "support/DialogDriver.h"
#include "support/LabelLink.h"
#include "support/UiFixture.h"
#include "support/UpdateCheckFixture.h"
#include "ui/update/NewUpdateAvailableDialog.h"

#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QtTest>

using Rows = QList<WorkFile::Row>;
Q_DECLARE_METATYPE(Rows)

namespace
{
const QString HOSTILE = QString::fromUtf8("& < > \" ' % ; , { Ünï 地图");
// A dotted version is shown as it stands.
const QString HOSTILE_VERSION = QString::fromUtf8("1.2 <b>&amp;</b> \" ' % ; , { Ünï");
} // namespace

// The device's update offer: what it lists from the two work lists, when it offers a backup, where its
// link goes, and what Update leaves for the install.
class TestOfferUpdate : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void rows_data();
    void rows();
    void backupOffer_data();
    void backupOffer();
    void releaseNotes_data();
    void releaseNotes();
    void updateTrimsTheLists();
    void deviceChangeClosesTheOffer();
    void fonts_data();
    void fonts();

private:
    static QString visibleText(const NewUpdateAvailableDialog& dialog, const char* szLabel);

    UiFixture m_ui;
    QScopedPointer<UpdateCheckFixture> m_pWorld;
    QScopedPointer<InstallRecordingOpener> m_pOpener;
};

void TestOfferUpdate::init()
{
    m_ui.reset();
    m_pWorld.reset(new UpdateCheckFixture);
    QVERIFY(m_pWorld->isValid());
    m_pOpener.reset(new InstallRecordingOpener);
    QDir().mkpath(AgentFolders::tempDir());
    QFile::remove(UpdateCheckFixture::listPath("Update.script"));
    QFile::remove(UpdateCheckFixture::listPath("map.script"));
    m_pWorld->plug(Worker::FAMILY_DRIVE);
}

void TestOfferUpdate::cleanup()
{
    m_pOpener.reset();
    m_pWorld.reset();
    QDir(AgentFolders::dataPath("/backup")).removeRecursively();
    ZeqAgentCtrlMgr::getInstance()->setLang("en");
}

QString TestOfferUpdate::visibleText(const NewUpdateAvailableDialog& dialog, const char* szLabel)
{
    const QLabel* pLabel = dialog.findChild<QLabel*>(szLabel);
    if (!pLabel->isVisibleTo(&dialog))
        return "(hidden)";
    // Service texts are never read as markup.
    return pLabel->textFormat() == Qt::PlainText ? pLabel->text() : "(markup) " + pLabel->text();
}

void TestOfferUpdate::rows_data()
{
    QTest::addColumn<Rows>("updates");
    QTest::addColumn<Rows>("maps");
    QTest::addColumn<QString>("rom");
    QTest::addColumn<QString>("software");
    QTest::addColumn<QString>("osm");
    QTest::addColumn<QString>("ta");

    const QString dot = QString(QChar(0xFF0E));
    const QString hidden = "(hidden)";
    auto map = [](const QString& sDate, const QString& sNotes) {
        return WorkFile::Row{"BugFixMapUpdate", "2.0", "1000", sDate, sNotes, "7",
                             "http://dl/x.zip", "",    "",     "",    ""};
    };
    QTest::newRow("agent and image: only the ROM row")
        << Rows{{"AGENT", "d", "9.9", "1", "u", "n"}, {"IMAGE", "d", "R5.1.2", "1", "u", "n"}} << Rows{}
        << "     ROM(R05)" << hidden << hidden << hidden;
    QTest::newRow("V12.0 and a later 7.1: the later wins")
        << Rows{{"IMAGE", "d", "V12.0"}, {"IMAGE", "d", "7.1"}} << Rows{} << "     ROM(R07)" << hidden
        << hidden << hidden;
    QTest::newRow("software 123 and dotted") << Rows{{"APPLICATION", "d", "123"}} << Rows{} << hidden
                                             << "     Software(1.2.3)" << hidden << hidden;
    QTest::newRow("software already dotted") << Rows{{"APPLICATION", "d", "2.10.3"}} << Rows{} << hidden
                                             << "     Software(2.10.3)" << hidden << hidden;
    QTest::newRow("NQ and TA: HERE; two OSM rows: the second")
        << Rows{}
        << Rows{map("2026-01-02 03:04:05", "NQ-TA-EU"), map("2026-02-01", "OSM-A"),
                map("2026-03-01 x", "OSM-B")}
        << hidden << hidden << dot + "OSM Map update(2026-03-01)" << dot + "HERE Map update(2026-01-02)";
    QTest::newRow("TA map, base map and country data no row")
        << Rows{}
        << Rows{map("2026-04-05", "TA-EU"), map("2026-01-01", "BM-EU"), map("2026-01-01", "CountryID-IT")}
        << hidden << hidden << hidden << dot + "TA Map update(2026-04-05)";
    QTest::newRow("country data named with TA: no TA row")
        << Rows{} << Rows{map("2026-04-05", "CountryID-ITALY")} << hidden << hidden << hidden << hidden;
    QTest::newRow("a TA map and country data named with TA: the TA map's date")
        << Rows{} << Rows{map("2026-04-05", "TA-EU"), map("2026-05-06", "CountryID-ITALY")} << hidden
        << hidden << hidden << dot + "TA Map update(2026-04-05)";
    QTest::newRow("the agent's package alone: no device rows")
        << Rows{{"AGENT", "d", "5.2.0", "1", "http://dl/WendoAgent_5.2.0.zip", "n"}} << Rows{} << hidden
        << hidden << hidden << hidden;
    QTest::newRow("short rows left out")
        << Rows{{"IMAGE", "d"}, {"APPLICATION"}} << Rows{{"BugFixMapUpdate", "2.0", "1", "2026-01-01"}}
        << hidden << hidden << hidden << hidden;
    QTest::newRow("hostile versions and dates as they are")
        << Rows{{"APPLICATION", "d", HOSTILE_VERSION}}
        << Rows{map(HOSTILE, "OSM-" + HOSTILE), map(HOSTILE, "TA-EU")} << hidden
        << "     Software(" + HOSTILE_VERSION + ")" << dot + "OSM Map update(&)" << dot + "TA Map update(&)";
}

void TestOfferUpdate::rows()
{
    QFETCH(Rows, updates);
    QFETCH(Rows, maps);
    QFETCH(QString, rom);
    QFETCH(QString, software);
    QFETCH(QString, osm);
    QFETCH(QString, ta);
    QVERIFY(WorkFile::writeRows(UpdateCheckFixture::listPath("Update.script"), updates));
    QVERIFY(WorkFile::writeRows(UpdateCheckFixture::listPath("map.script"), maps));
    NewUpdateAvailableDialog dialog(false, false);
    QCOMPARE(dialog.accessibleName(), QString("NewUpdateAvailableDialog"));
    QCOMPARE(dialog.windowTitle(), QString("Updates"));
    QCOMPARE(dialog.size(), QSize(620, 325));
    QCOMPARE(visibleText(dialog, "label_RomVersion"), rom);
    QCOMPARE(visibleText(dialog, "label_SoftwareVersion"), software);
    QCOMPARE(visibleText(dialog, "label_OsmMapVersion"), osm);
    QCOMPARE(visibleText(dialog, "label_TaMapVersion"), ta);
    const bool bDeviceRows = rom != "(hidden)" || software != "(hidden)";
    QCOMPARE(dialog.findChild<QLabel*>("label_DeviceUpdate")->isVisibleTo(&dialog), bDeviceRows);
    QCOMPARE(dialog.findChild<QLabel*>("label_DeviceUpdate")->text(),
             QString(QChar(0xFF0E)) + "Device update");
}

void TestOfferUpdate::backupOffer_data()
{
    QTest::addColumn<bool>("offerBackup");
    QTest::addColumn<QStringList>("systemDirs"); // folders on the system drive
    QTest::addColumn<QStringList>("dataDirs");
    QTest::addColumn<bool>("keepList");
    QTest::addColumn<QString>("pcFolder"); // below the data folder, "" for none
    QTest::addColumn<bool>("device");
    QTest::addColumn<bool>("offered");

    const QStringList both = {"Korvo/Settings"};
    const QStringList tracks = {"Korvo/Tracks"};
    QTest::newRow("settings and tracks") << true << both << tracks << false << "" << true << true;
    QTest::newRow("not asked for") << false << both << tracks << false << "" << true << false;
    QTest::newRow("no settings folder")
        << true << QStringList{"Korvo"} << tracks << false << "" << true << false;
    QTest::newRow("no tracks folder") << true << both << QStringList{"Korvo"} << false << "" << true << false;
    QTest::newRow("upper-case folders on the device")
        << true << QStringList{"KORVO/SETTINGS"} << QStringList{"korvo/tracks"} << false << "" << true
        << true;
    QTest::newRow("keep list: staging folder and data Korvo")
        << true << QStringList{} << QStringList{"Korvo"} << true << "/backup/temp" << true << true;
    QTest::newRow("keep list: only a /backup/Temp folder")
        << true << QStringList{} << QStringList{"Korvo"} << true << "/backup/Temp" << true << false;
    QTest::newRow("keep list: no staging folder") << true << both << tracks << true << "" << true << false;
    QTest::newRow("no device") << true << both << tracks << false << "" << false << false;
}

void TestOfferUpdate::backupOffer()
{
    QFETCH(bool, offerBackup);
    QFETCH(QStringList, systemDirs);
    QFETCH(QStringList, dataDirs);
    QFETCH(bool, keepList);
    QFETCH(QString, pcFolder);
    QFETCH(bool, device);
    QFETCH(bool, offered);
    for (const QString& sDir : systemDirs)
        QVERIFY(QDir().mkpath(m_pWorld->m_system.root() + sDir));
    for (const QString& sDir : dataDirs)
        QVERIFY(QDir().mkpath(m_pWorld->m_data.root() + sDir));
    if (keepList)
        QVERIFY(m_pWorld->m_system.writeFile("HDD/APP/keepfile.xml", "<keep/>"));
    if (!pcFolder.isEmpty())
        QVERIFY(QDir().mkpath(AgentFolders::dataPath(pcFolder)));
    if (!device)
        UpdateCheckFixture::unplug();
    QVERIFY(WorkFile::writeRows(UpdateCheckFixture::listPath("Update.script"), {{"IMAGE", "d", "R2.0"}}));
    NewUpdateAvailableDialog dialog(false, offerBackup);
    auto* pBox = dialog.findChild<QCheckBox*>("checkbox_backup");
    QCOMPARE(pBox->isVisibleTo(&dialog), offered);
    QCOMPARE(pBox->isChecked(), offered);
    QCOMPARE(pBox->text(), QString("Backup my device before update"));
}

void TestOfferUpdate::releaseNotes_data()
{
    QTest::addColumn<QString>("update");
    QTest::addColumn<QString>("address");
    QTest::addColumn<bool>("link");
    QTest::newRow("https") << "true"
                           << "https://notes.example/r?a=1&b=2" << true;
    QTest::newRow("http with a quote and markup") << "true"
                                                  << "http://notes.example/a\"b<i>c'd" << true;
    QTest::newRow("update false") << "false"
                                  << "https://notes.example/r" << false;
    QTest::newRow("javascript") << "true"
                                << "javascript:x" << false;
    QTest::newRow("file") << "true"
                          << "file:///etc/passwd" << false;
    // A host, but no web address: the scheme alone refuses it.
    QTest::newRow("smb with a host") << "true"
                                     << "smb://notes.example/share/notes.html" << false;
    QTest::newRow("empty") << "true"
                           << "" << false;
}

void TestOfferUpdate::releaseNotes()
{
    QFETCH(QString, update);
    QFETCH(QString, address);
    QFETCH(bool, link);
    AgentSettings().setDeviceValue(UpdateCheckFixture::uuid(), "update", update);
    AgentSettings().setDeviceValue(UpdateCheckFixture::uuid(), "releaseurl", address);
    QVERIFY(WorkFile::writeRows(UpdateCheckFixture::listPath("Update.script"), {{"IMAGE", "d", "R2.0"}}));
    UrlCatcher web; // every address the desktop is given, whatever its scheme
    NewUpdateAvailableDialog dialog(false, false);
    auto* pLabel = dialog.findChild<QLabel*>("label_releasenote");
    if (!link) {
        QCOMPARE(pLabel->textFormat(), Qt::PlainText);
        QCOMPARE(pLabel->text(), QString("Release notes"));
        // Even an address handed on directly is not opened.
        emit pLabel->linkActivated(address);
        QCOMPARE(web.m_lstUrls.size(), update == "false" && !address.isEmpty() ? 1 : 0);
        return;
    }
    QCOMPARE(pLabel->textFormat(), Qt::RichText);
    const QString sHref = linkOf(pLabel);
    QCOMPARE(sHref, address);
    emit pLabel->linkActivated(sHref);
    QCOMPARE(web.m_lstUrls.size(), 1);
    QCOMPARE(web.m_lstUrls.first(), QUrl(address, QUrl::TolerantMode));
}

void TestOfferUpdate::updateTrimsTheLists()
{
    const Rows maps = {{"BugFixMapUpdate", "2.0", "1", "2026-01-01", "OSM-EU", "7", "u", "", "", "", ""},
                       {"BugFixMapUpdate", "2.0", "1", "2026-01-01", "TA-EU", "7", "u", "", "", "", ""},
                       {"BugFixMapUpdate", "2.0"}};
    QVERIFY(WorkFile::writeRows(
        UpdateCheckFixture::listPath("Update.script"),
        {{"AGENT", "d", "9.9"}, {"IMAGE", "d", "R2.0"}, {"APPLICATION", "d", "200"}, {"OTHER", "d", "1"}}));
    QVERIFY(WorkFile::writeRows(UpdateCheckFixture::listPath("map.script"), maps));
    DialogDriver driver;
    driver.click("NewUpdateAvailableDialog", "btn_install");
    {
        NewUpdateAvailableDialog dialog(false, false);
        dialog.exec();
    }
    QVERIFY2(driver.failures().isEmpty(), qPrintable(driver.failures().join("; ")));
    QCOMPARE(m_pOpener->m_lstInstalls.size(), 1);
    QCOMPARE(m_pOpener->m_lstInstalls.first().bRecover, false);
    QCOMPARE(m_pOpener->m_lstInstalls.first().bAgentOnly, false);
    QCOMPARE(m_pOpener->m_lstInstalls.first().updateRows,
             (Rows{{"IMAGE", "d", "R2.0"}, {"APPLICATION", "d", "200"}}));
    // Every map row stays: the date field names no map kind, and short rows are kept.
    QCOMPARE(m_pOpener->m_lstInstalls.first().mapRows, maps);
}

void TestOfferUpdate::deviceChangeClosesTheOffer()
{
    const Rows updates = {{"AGENT", "d", "9.9"}, {"IMAGE", "d", "R2.0"}};
    QVERIFY(WorkFile::writeRows(UpdateCheckFixture::listPath("Update.script"), updates));
    DialogDriver driver;
    driver.then("NewUpdateAvailableDialog", [](QWidget*) { UpdateCheckFixture::unplug(); });
    {
        NewUpdateAvailableDialog dialog(false, false);
        dialog.exec();
    }
    QVERIFY(driver.isDone());
    QCOMPARE(m_pOpener->m_lstInstalls.size(), 0);
    Rows rows;
    QVERIFY(WorkFile::readRows(UpdateCheckFixture::listPath("Update.script"), &rows));
    QCOMPARE(rows, updates);
}

void TestOfferUpdate::fonts_data()
{
    QTest::addColumn<QString>("lang");
    QTest::addColumn<int>("points");
    QTest::newRow("fr") << "fr" << 9;
    QTest::newRow("de") << "de" << 10;
    QTest::newRow("en") << "en" << 12;
}

void TestOfferUpdate::fonts()
{
    QFETCH(QString, lang);
    QFETCH(int, points);
    ZeqAgentCtrlMgr::getInstance()->setLang(lang);
    NewUpdateAvailableDialog dialog(false, false);
    for (const char* szButton : {"btn_cancel", "btn_install"}) {
        const QFont font = dialog.findChild<QPushButton*>(szButton)->font();
        QCOMPARE(font.family(), QString("Arial"));
        QCOMPARE(font.pointSize(), points);
    }
}

QTEST_MAIN(TestOfferUpdate)
#include "tst_offerupdate.moc"
