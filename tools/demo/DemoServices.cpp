#include "DemoServices.h"

#include "core/JsonHelper.h"

#include <QDateTime>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTextStream>

#include <cstdio>

const char* const DemoServices::USER = "demo@zeqwendo.example";
const char* const DemoServices::PASSWORD = "demo";
const char* const DemoServices::SESSION = "DEMO-SESSION-1";

DemoServices::DemoServices(const QString& sRecordPath)
    : m_record(sRecordPath), m_share(m_shareServer), m_update(m_updateServer), m_map(m_mapServer)
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
    if (!m_shareServer.start() || !m_updateServer.start() || !m_mapServer.start()) {
        *pWhy = "no free port on 127.0.0.1";
        return false;
    }
    m_share.setAnswer("login", FakeShareService::RETURN, SESSION);
    m_share.setAnswer("checkDeviceReg", FakeShareService::RETURN, "SUCCESS:S0001");
    m_share.setAnswer("registerDevice", FakeShareService::RETURN, "SUCCESS:S0001");
    m_share.setAnswer("getCustomerSetting", FakeShareService::RETURN,
                      "{\"afterUpload\":\"keep_after_upload\",\"syncType\":\"auto_sync\"}");
    m_share.setAnswer("getDeviceList", FakeShareService::RETURN, "[]");
    m_share.setAnswer("uploadRec", FakeShareService::RETURN, "SUCCESS:S0001");
    m_share.setReturnMaker("getRouteSyncList", &DemoServices::wantEveryRide);
    m_share.setCallObserver([this](const FakeShareService::Call& call) { seen(call); });
    return preparePackages(sAgentPackage, pWhy);
}

void DemoServices::stop()
{
    if (m_pNginx)
        m_pNginx->stop();
    m_shareServer.stop();
    m_updateServer.stop();
    m_mapServer.stop();
    m_record.close();
}

QList<QPair<QString, QString>> DemoServices::urlSettings() const
{
    return {{"WebApi", m_share.serviceUrl()},
            {"ZeqShare", m_shareServer.url("/site")},
            {"DevUpdate", m_update.checkUrl()},
            {"MapUpdate", m_map.mapUpdateUrl()},
            {"Eshop", m_map.eshopUrl()},
            {"MapLanguage", m_map.languageUrl()},
            {"CountryXml", m_mapServer.url("/ZeqWendo/AP/Docs/CountriesSource/country.xml")}};
}

void DemoServices::record(const QString& sLine)
{
    std::printf("demo: %s\n", qPrintable(sLine));
    std::fflush(stdout);
    m_record.write(sLine.toUtf8() + "\n");
    m_record.flush();
}

void DemoServices::seen(const FakeShareService::Call& call)
{
    if (call.sOperation == "login")
        record("sign-in " + call.params.value("CustomerEMail"));
    else if (call.sOperation == "checkDeviceReg")
        record("registration check " + call.params.value("UUID"));
    else if (call.sOperation == "uploadRec")
        record(QString("ride uploaded %1").arg(++m_nUploads));
    else
        record(call.sOperation);
}

// The service wants every ride the agent lists (by its hash) and sends no route track down.
QString DemoServices::wantEveryRide(const FakeShareService::Call& call)
{
    const QJsonArray rides = QJsonDocument::fromJson(call.params.value("RCFMetaData").toUtf8()).array();
    QJsonArray work;
    for (const QJsonValue& ride : rides) {
        QJsonObject item;
        item.insert("o_action", "upload");
        item.insert("o_hash", ride.toObject().value("o_hash").toString());
        work.append(item);
    }
    return QString::fromUtf8(QJsonDocument(work).toJson(QJsonDocument::Compact));
}

// An application update for the device (a real 7z archive) and, when one was built, the agent's own
// package, both downloaded from nginx.
bool DemoServices::preparePackages(const QString& sAgentPackage, QString* pWhy)
{
    if (!NginxFixture::isAvailable()) {
        record("no nginx: the update service offers nothing (" + NginxFixture::skipReason() + ")");
        m_update.answerUpdates({});
        return true;
    }
    const QString sDir = m_packages.path();
    QFile notes(sDir + "/readme.txt");
    if (!notes.open(QIODevice::WriteOnly) || notes.write("WendoAgent demo application 9.0.0\n") < 0) {
        *pWhy = "cannot write the demo package";
        return false;
    }
    notes.close();
    QProcess zip;
    zip.setWorkingDirectory(sDir);
    zip.start("7zz", {"a", "-bd", "-y", "app.7z", "readme.txt"});
    zip.waitForFinished(60000);
    m_pNginx = std::make_unique<NginxFixture>();
    if (!m_pNginx->start(sDir)) {
        *pWhy = "nginx: " + m_pNginx->errorString();
        return false;
    }
    const QString sDate = QDate::currentDate().toString("yyyy/MM/dd");
    QList<FakeUpdateService::Package> packages;
    if (QFileInfo(sDir + "/app.7z").isFile())
        packages.append({"APPLICATION", sDate, "9.0.0", QString::number(QFileInfo(sDir + "/app.7z").size()),
                         m_pNginx->url("/app.7z"), m_pNginx->url("/readme.txt"), true});
    if (QFileInfo(sAgentPackage).isFile() && QFile::link(sAgentPackage, sDir + "/wendoagent.deb"))
        packages.append({"AGENT", sDate, "9.0.0", QString::number(QFileInfo(sAgentPackage).size()),
                         m_pNginx->url("/wendoagent.deb"), m_pNginx->url("/readme.txt"), true});
    m_update.answerUpdates(packages);
    record(QString("update service offers %1 package(s)").arg(packages.size()));
    return true;
}
