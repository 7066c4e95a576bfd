#include "DemoServices.h"

#include "controller/PasswordScrambler.h"
#include "support/FakeMapService.h"
#include "support/FakeUpdateService.h"
#include "sync/SyncCatalogue.h"

#include <QCryptographicHash>
#include <QDate>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QUrlQuery>

#include <cstdio>

const char* const DemoServices::APP_VERSION = "9.0.0";
const char* const DemoServices::IMAGE_VERSION = "9.0.0";
const char* const DemoServices::AGENT_VERSION = "9.0.0";
const char* const DemoServices::MAP_VERSION = "2026.2";

namespace
{
const char* const SHARE_PATH = "/zazoziva/agent_v1/SyncService.php";
const char* const UPDATE_PATH = "/Korvo/UboCheckUpdateServlet";
const char* const MAP_PATH = "/KorvoAgentMapUpdate/ZeqmoreMapUpdate.action";
const char* const ESHOP_PATH = "/KorvoAgentMapUpdate/Eshop.action";
const char* const LANGUAGE_PATH = "/KorvoAgentMapUpdate/ZeqmoreUtility.action";
const char* const COUNTRY_PATH = "/ZeqWendo/AP/Docs/CountriesSource/country.xml";
const char* const SERIAL_SKU = "SKU-100";

const char* const ROUTE_TITLE = "Demo loop Tiergarten";
const char* const ROUTE_FILE = "DemoLoop.gpx";
const QByteArray ROUTE = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                         "<gpx version=\"1.1\" creator=\"ZeqShare demo\">\n"
                         "  <trk><name>Demo loop Tiergarten</name><trkseg>\n"
                         "    <trkpt lat=\"52.5145\" lon=\"13.3501\"/>\n"
                         "    <trkpt lat=\"52.5163\" lon=\"13.3777\"/>\n"
                         "    <trkpt lat=\"52.5096\" lon=\"13.3759\"/>\n"
                         "    <trkpt lat=\"52.5145\" lon=\"13.3501\"/>\n"
                         "  </trkseg></trk>\n</gpx>\n";

// The country groups of the demo: the drive device's maps cover the first one whole.
const QByteArray COUNTRIES = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<countries><grouplist>"
                             "<group><name>DACH</name><country>Germany</country><country>Austria</country>"
                             "<country>Switzerland</country></group>"
                             "<group><name>Benelux</name><country>Belgium</country>"
                             "<country>Netherlands</country><country>Luxembourg</country></group>"
                             "</grouplist></countries>\n";

bool writeFile(const QString& sPath, const QByteArray& content)
{
    QDir().mkpath(QFileInfo(sPath).path());
    QFile file(sPath);
    return file.open(QIODevice::WriteOnly) && file.write(content) == content.size() && file.flush();
}

QString size(const QString& sPath)
{
    return QString::number(QFileInfo(sPath).size());
}

QString escaped(const QString& sText)
{
    return sText.toHtmlEscaped();
}
} // namespace

DemoServices::DemoServices(const QString& sRecordPath)
    : m_record(sRecordPath), m_account([this](const QString& sLine) { record(sLine); })
{
}

DemoServices::~DemoServices()
{
    stop();
}

bool DemoServices::start(const QString& sAgentPackage, QString* pWhy)
{
    if (!m_record.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text)) {
        *pWhy = "cannot write " + m_record.fileName();
        return false;
    }
    if (!m_files.isValid() || !m_server.start()) {
        *pWhy = "no free port on 127.0.0.1 or no temporary folder";
        return false;
    }
    m_server.setHandler([this](const TestHttpServer::Request& request) { return answer(request); });
    if (!preparePackages(sAgentPackage, pWhy))
        return false;
    const QString sRoute = m_files.path() + "/" + ROUTE_FILE;
    QString sHash;
    if (!writeFile(sRoute, ROUTE) || !SyncCatalogue::doGenerateHash512(sRoute, sHash)) {
        *pWhy = "cannot write the demo route";
        return false;
    }
    m_account.setRoute(ROUTE_TITLE, fileUrl(ROUTE_FILE), sHash);
    return true;
}

void DemoServices::stop()
{
    m_server.stop();
    m_record.close();
}

QList<QPair<QString, QString>> DemoServices::urlSettings() const
{
    return {{"WebApi", m_server.url(SHARE_PATH)},      {"ZeqShare", m_server.url("/site")},
            {"DevUpdate", m_server.url(UPDATE_PATH)},  {"MapUpdate", m_server.url(MAP_PATH)},
            {"Eshop", m_server.url(ESHOP_PATH)},       {"MapLanguage", m_server.url(LANGUAGE_PATH)},
            {"CountryXml", m_server.url(COUNTRY_PATH)}};
}

void DemoServices::record(const QString& sLine)
{
    std::printf("demo: %s\n", qPrintable(sLine));
    std::fflush(stdout);
    m_record.write(sLine.toUtf8() + "\n");
    m_record.flush();
}

TestHttpServer::Answer DemoServices::answer(const TestHttpServer::Request& request)
{
    const QByteArray path = request.path();
    const bool bPost = request.method == "POST";
    if (path == SHARE_PATH && bPost)
        return TestHttpServer::Answer::ok(m_account.answer(request.body));
    if (path == UPDATE_PATH && bPost)
        return updateAnswer(request);
    if ((path == MAP_PATH || path == ESHOP_PATH || path == LANGUAGE_PATH) && bPost)
        return mapAnswer(request);
    if (path == COUNTRY_PATH) {
        record("country groups sent");
        return TestHttpServer::fileAnswer(request, COUNTRIES);
    }
    if (path.startsWith("/files/"))
        return fileAnswer(request);
    if (path == "/site" || path.startsWith("/site/"))
        return pageAnswer(request);
    record("unknown request " + QString::fromUtf8(request.requestLine()));
    return TestHttpServer::Answer::status(404, "not a page of the demo\n");
}

// The update service offers what the device does not run yet: the device software to both families,
// firmware to the serial one, and the agent's own package once cpack made one (to the agent's own check,
// which names no device, only that).
TestHttpServer::Answer DemoServices::updateAnswer(const TestHttpServer::Request& request)
{
    const FakeUpdateService::Call call = FakeUpdateService::parseCall(request.body);
    if (!call.bParsed) {
        record("update check that is no device request");
        return TestHttpServer::Answer::ok(FakeUpdateService::errorDocument("E0001", "bad request"));
    }
    const QString sDate = QDate::currentDate().toString("yyyy/MM/dd");
    const bool bSerial = call.fields.value("skuid") == SERIAL_SKU;
    QList<FakeUpdateService::Package> packages;
    auto offer = [&](const char* szKind, const char* szVersion, const QString& sFile) {
        if (call.versions.value(szKind) == szVersion || sFile.isEmpty())
            return;
        const QString sNotes =
            m_server.url(QString("/site/releasenotes?package=%1&version=%2").arg(szKind, szVersion));
        packages.append(
            {szKind, sDate, szVersion, size(m_files.path() + "/" + sFile), fileUrl(sFile), sNotes, true});
    };
    offer("AGENT", AGENT_VERSION, m_sAgentArchive);
    // The agent's own check names no device: there is no device software to offer it.
    const bool bDevice = !call.fields.value("uuid").isEmpty();
    if (bDevice && bSerial)
        offer("IMAGE", IMAGE_VERSION, QString("WendoFirmware_%1.zip").arg(IMAGE_VERSION));
    if (bDevice)
        offer("APPLICATION", APP_VERSION,
              QString("Wendo%1App_%2.zip").arg(bSerial ? "100" : "500", APP_VERSION));
    QStringList kinds;
    for (const FakeUpdateService::Package& package : packages)
        kinds.append(package.sPackage);
    record(QString("update check %1: offered %2")
               .arg(call.fields.value("uuid"), kinds.isEmpty() ? "nothing" : kinds.join(' ')));
    return TestHttpServer::Answer::ok(FakeUpdateService::updatesDocument(packages, QByteArray()));
}

TestHttpServer::Answer DemoServices::mapAnswer(const TestHttpServer::Request& request)
{
    const FakeMapService::Call call = FakeMapService::parseCall(request.body);
    const QString sType = call.type();
    record("map service " + sType);
    if (sType == "ZeqMoreDeviceMapData")
        return TestHttpServer::Answer::ok(mapListDocument(call.params));
    if (sType == "ZeqMoreDeviceDownloadHistory")
        return TestHttpServer::Answer::ok(historyDocument());
    if (sType == "ZeqMoreMapCreditQuery") {
        const QString sFirst = QDateTime::currentDateTime().addDays(-30).toString("yyyy-MM-dd HH:mm:ss");
        return TestHttpServer::Answer::ok(FakeMapService::creditDocument({"3", "2", "0", sFirst}));
    }
    if (sType == "ZeqMoreAvailableAdditionData") {
        const QString sShop = m_server.url("/site/shop?region=Europe");
        return TestHttpServer::Answer::ok(
            FakeMapService::shopDocument({{"Europe", "addition", sShop},
                                          {"Europe", "addition+credits", sShop + "&credits=1"},
                                          {"Europe", "credits", sShop + "&credits=3"}}));
    }
    if (sType == "ZeqMoreAgentLanguage")
        return TestHttpServer::Answer::ok(FakeMapService::languageDocument({{"Germany", "Germany"},
                                                                            {"Austria", "Austria"},
                                                                            {"Switzerland", "Switzerland"},
                                                                            {"Belgium", "Belgium"},
                                                                            {"Netherlands", "Netherlands"},
                                                                            {"Luxembourg", "Luxembourg"}}));
    return TestHttpServer::Answer::ok(FakeMapService::codeDocument("E00001", "unknown request type"));
}

// A newer base map for the drive family (it holds maps; the serial family gets a bare success).
QByteArray DemoServices::mapListDocument(const QMap<QString, QString>& params) const
{
    if (params.value("sku") == SERIAL_SKU)
        return FakeMapService::codeDocument("S00000", QString());
    const QString sFile = QString("DemoBaseMap_%1.zip").arg(MAP_VERSION);
    FakeMapService::Package map =
        FakeMapService::mapPackage(MAP_VERSION, "BM-Europe base map", fileUrl(sFile), m_sMapChecksum);
    for (auto& field : map) {
        if (field.first == "size")
            field.second = size(m_files.path() + "/" + sFile);
        else if (field.first == "release_date")
            field.second = QDate::currentDate().toString("yyyy-MM-dd") + " 08:00:00";
        else if (field.first == "releasenote_url")
            field.second =
                m_server.url(QString("/site/releasenotes?package=MAP&version=%1").arg(MAP_VERSION));
        else if (field.first == "eshop_url")
            field.second = m_server.url("/site/shop?region=Europe");
    }
    return FakeMapService::listDocument({{"BugFixMapUpdate", {map}}});
}

// What the device downloaded before: the base map it holds and the premium map that spent a credit.
QByteArray DemoServices::historyDocument() const
{
    const FakeMapService::Package base = FakeMapService::mapPackage(
        "2026.1", "BM-Europe base map", fileUrl("DemoBaseMap_2026.1.zip"), QString());
    const FakeMapService::Package premium = FakeMapService::mapPackage(
        "2026.1", "TA-Europe premium map", fileUrl("DemoPremium_2026.1.zip"), QString());
    return FakeMapService::listDocument({{"history", {base, premium}}});
}

// The pages the agent opens (the sharing site, the shop, release notes) name what was asked for.
TestHttpServer::Answer DemoServices::pageAnswer(const TestHttpServer::Request& request)
{
    const QString sTarget = QString::fromUtf8(request.target);
    const int nQuery = sTarget.indexOf('?');
    const QString sPath = nQuery < 0 ? sTarget : sTarget.left(nQuery);
    QString sQuery = nQuery < 0 ? QString() : sTarget.mid(nQuery + 1);
    // The launcher sends its parameters scrambled; the site reads them back.
    if (sPath == "/site/login/agentLauncher")
        sQuery = PasswordScrambler::unscramble(QUrl::fromPercentEncoding(sQuery.toUtf8()));
    QStringList params;
    QString sItems;
    for (const auto& item : QUrlQuery(sQuery).queryItems(QUrl::FullyDecoded)) {
        const QString sValue = item.first == "password" ? QString("(given)") : item.second;
        params.append(item.first + "=" + sValue);
        sItems += QString("<li><b>%1</b> = %2</li>").arg(escaped(item.first), escaped(sValue));
    }
    record(QString("page opened %1 %2").arg(sPath, params.join('&')).trimmed());
    const QString sPage =
        QString("<!DOCTYPE html><html><head><meta charset=\"utf-8\"><title>WendoAgent demo</title>"
                "</head><body><h1>WendoAgent demo: %1</h1><p>The agent asked for <code>%2</code>"
                "</p><ul>%3</ul><p>A real account would see this page on the service's site."
                "</p></body></html>\n")
            .arg(escaped(sPath), escaped(m_server.url(sTarget)), sItems);
    return TestHttpServer::Answer::ok(sPage.toUtf8(), "text/html; charset=utf-8");
}

TestHttpServer::Answer DemoServices::fileAnswer(const TestHttpServer::Request& request)
{
    const QString sName = QString::fromUtf8(request.path().mid(int(qstrlen("/files/"))));
    const QFileInfo info(m_files.path() + "/" + sName);
    if (sName.contains('/') || !info.isFile())
        return TestHttpServer::Answer::status(404, "no such file\n");
    QFile file(info.filePath());
    if (!file.open(QIODevice::ReadOnly))
        return TestHttpServer::Answer::status(500, "cannot read the file\n");
    if (request.method != "HEAD")
        record("download " + sName);
    return TestHttpServer::fileAnswer(request, file.readAll());
}

bool DemoServices::zip(const QString& sArchive, const QString& sFolder, QString* pWhy)
{
    QProcess zip;
    zip.setWorkingDirectory(sFolder);
    zip.start("7zz", {"a", "-tzip", "-bd", "-y", "-mx=1", sArchive, "."});
    if (!zip.waitForFinished(120000) || zip.exitStatus() != QProcess::NormalExit || zip.exitCode() != 0) {
        *pWhy =
            "7zz could not make " + sArchive + (zip.error() == QProcess::FailedToStart ? " (no 7zz)" : "");
        return false;
    }
    return true;
}

// The downloads: device software for each family, firmware, a base map (with its MD5) and, when a .deb
// was given, the agent's own package as the update service carries it: WendoAgent_<version>.zip holding
// WendoAgent_<version>.deb.
bool DemoServices::preparePackages(const QString& sAgentPackage, QString* pWhy)
{
    const QString sDir = m_files.path();
    const QString sNote = QString("WendoAgent demo, version %1\n").arg(APP_VERSION);
    struct Archive {
        QString sName;
        QString sMember;
    };
    const QList<Archive> archives = {
        {QString("Wendo500App_%1.zip").arg(APP_VERSION), QString("Korvo/App/demo-%1.txt").arg(APP_VERSION)},
        {QString("Wendo100App_%1.zip").arg(APP_VERSION), QString("app-%1.bin").arg(APP_VERSION)},
        {QString("WendoFirmware_%1.zip").arg(IMAGE_VERSION), QString("firmware-%1.bin").arg(IMAGE_VERSION)},
        {QString("DemoBaseMap_%1.zip").arg(MAP_VERSION), QString("EU_Basemap_%1.dat").arg(MAP_VERSION)}};
    for (const Archive& archive : archives) {
        const QString sContent = sDir + "/content-" + archive.sName;
        if (!writeFile(sContent + "/" + archive.sMember, sNote.toUtf8()) ||
            !zip(sDir + "/" + archive.sName, sContent, pWhy))
            return false;
        QDir(sContent).removeRecursively();
    }
    QFile map(sDir + "/" + archives.last().sName);
    if (!map.open(QIODevice::ReadOnly)) {
        *pWhy = "cannot read the demo map";
        return false;
    }
    m_sMapChecksum = QCryptographicHash::hash(map.readAll(), QCryptographicHash::Md5).toHex();
    if (!QFileInfo(sAgentPackage).isFile()) {
        record("no agent package (make one with cpack): the agent's own update is not offered");
        return true;
    }
    const QString sBase = QString("WendoAgent_%1").arg(AGENT_VERSION);
    const QString sContent = sDir + "/content-agent";
    if (!QDir().mkpath(sContent) || !QFile::copy(sAgentPackage, sContent + "/" + sBase + ".deb") ||
        !zip(sDir + "/" + sBase + ".zip", sContent, pWhy)) {
        *pWhy = pWhy->isEmpty() ? "cannot pack " + sAgentPackage : *pWhy;
        return false;
    }
    QDir(sContent).removeRecursively();
    m_sAgentArchive = sBase + ".zip";
    record("the agent's own package is offered: " + QFileInfo(sAgentPackage).fileName());
    return true;
}
