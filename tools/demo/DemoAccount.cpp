#include "DemoAccount.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

const char* const DemoAccount::USER = "demo@zeqwendo.example";
const char* const DemoAccount::PASSWORD = "demo";
const char* const DemoAccount::UNVERIFIED_USER = "new@zeqwendo.example";
const char* const DemoAccount::SESSION = "DEMO-SESSION-1";
const char* const DemoAccount::SECOND_UUID = "DEMO-WENDO-300";

namespace
{
QString compact(const QJsonDocument& document)
{
    return QString::fromUtf8(document.toJson(QJsonDocument::Compact));
}

QJsonArray arrayOf(const QString& sText)
{
    return QJsonDocument::fromJson(sText.toUtf8()).array();
}
} // namespace

DemoAccount::DemoAccount(std::function<void(const QString&)> record) : m_record(std::move(record)) {}

void DemoAccount::setRoute(const QString& sTitle, const QString& sUrl, const QString& sHash)
{
    m_sRouteTitle = sTitle;
    m_sRouteUrl = sUrl;
    m_sRouteHash = sHash;
}

QStringList DemoAccount::deviceUuids() const
{
    QStringList uuids;
    for (const Device& device : m_devices)
        uuids.append(device.sUuid);
    return uuids;
}

int DemoAccount::indexOf(const QString& sUuid) const
{
    for (int i = 0; i < m_devices.size(); ++i) {
        if (m_devices.at(i).sUuid == sUuid)
            return i;
    }
    return -1;
}

QByteArray DemoAccount::answer(const QByteArray& body)
{
    FakeShareService::Call call;
    if (!FakeShareService::parseCall(body, &call)) {
        m_record("sharing service: a request that is no SOAP envelope");
        return FakeShareService::soapFault("the request is no SOAP envelope");
    }
    return FakeShareService::soapAnswer(call.sOperation, answerFor(call));
}

QString DemoAccount::answerFor(const FakeShareService::Call& call)
{
    const QString& sOp = call.sOperation;
    const QString sUuid = call.params.value("UUID");
    if (sOp == "login")
        return signIn(call);
    if (sOp == "checkDeviceReg") {
        m_record("registration check " + sUuid);
        return indexOf(sUuid) >= 0 ? "SUCCESS:S0001" : "SUCCESS:S0004";
    }
    if (sOp == "registerDevice") {
        m_record("device registered " + sUuid);
        if (indexOf(sUuid) < 0)
            m_devices.append({sUuid, call.params.value("SkuID"), call.params.value("HardwareName"),
                              QDate::currentDate().toString("yyyy-MM-dd")});
        return "SUCCESS:S0001";
    }
    if (sOp == "deregisterDevice") {
        const int nIndex = indexOf(sUuid);
        m_record(QString("device deregistered %1%2").arg(sUuid, nIndex < 0 ? " (not registered)" : ""));
        if (nIndex < 0)
            return "ERROR:E0009";
        m_devices.removeAt(nIndex);
        return "SUCCESS:S0005";
    }
    if (sOp == "getDeviceList") {
        m_record("device list " + deviceUuids().join(' '));
        return deviceList();
    }
    if (sOp == "getCustomerSetting") {
        m_record("sync choices read");
        return settings();
    }
    if (sOp == "setCustomerSetting") {
        const QJsonObject choices =
            QJsonDocument::fromJson(call.params.value("SettingJSONString").toUtf8()).object();
        m_bKept = choices.value("afterUpload").toString() != "delete_after_upload";
        m_bAutoSync = choices.value("syncType").toString() == "auto_sync";
        m_record("sync choices saved " + settings());
        return "SUCCESS";
    }
    if (sOp == "getRouteSyncList")
        return syncList(call);
    if (sOp == "uploadRec") {
        m_received.insert(call.params.value("SHA512"));
        m_record(QString("ride uploaded %1").arg(++m_nUploads));
        return "SUCCESS:S0001";
    }
    m_record("sharing service: unknown operation " + sOp);
    return "ERROR:E0001";
}

QString DemoAccount::signIn(const FakeShareService::Call& call)
{
    const QString sUser = call.params.value("CustomerEMail");
    const QString sPassword = call.params.value("Password");
    if (sUser == USER && sPassword == PASSWORD) {
        m_record("sign-in " + sUser);
        return SESSION;
    }
    if (sUser == UNVERIFIED_USER && sPassword == PASSWORD) {
        m_record("sign-in refused, not verified " + sUser);
        return "ERROR:E0013";
    }
    m_record("sign-in refused, wrong e-mail or password " + sUser);
    return "ERROR:E0007";
}

// Every ride the service has not received yet is asked for; the route goes down to a device whose route
// list does not hold it yet (the serial family lists no routes and drops the line).
QString DemoAccount::syncList(const FakeShareService::Call& call) const
{
    QJsonArray work;
    int nUploads = 0;
    for (const QJsonValue& ride : arrayOf(call.params.value("RCFMetaData"))) {
        const QString sHash = ride.toObject().value("o_hash").toString();
        if (sHash.isEmpty() || m_received.contains(sHash))
            continue;
        work.append(QJsonObject{{"o_action", "upload"}, {"o_hash", sHash}});
        ++nUploads;
    }
    bool bHasRoute = m_sRouteUrl.isEmpty();
    for (const QJsonValue& route : arrayOf(call.params.value("TCFMetaData")))
        bHasRoute = bHasRoute || route.toObject().value("o_hash").toString() == m_sRouteHash;
    if (!bHasRoute)
        work.append(QJsonObject{{"o_action", "download"},
                                {"o_hash", m_sRouteHash},
                                {"o_title", m_sRouteTitle},
                                {"o_url", m_sRouteUrl}});
    ++m_nSyncLists;
    m_record(
        QString("sync list: %1 ride(s) to upload, %2 route(s) to send").arg(nUploads).arg(bHasRoute ? 0 : 1));
    return compact(QJsonDocument(work));
}

QString DemoAccount::deviceList() const
{
    QJsonArray list;
    for (const Device& device : m_devices)
        list.append(QJsonObject{{"AddDate", device.sAdded},
                                {"UUID", device.sUuid},
                                {"SKUID", device.sSku},
                                {"Model", device.sModel},
                                {"HardwareName", device.sModel}});
    return compact(QJsonDocument(list));
}

QString DemoAccount::settings() const
{
    return compact(QJsonDocument(
        QJsonObject{{"afterUpload", m_bKept ? "dont_delete_after_upload" : "delete_after_upload"},
                    {"syncType", m_bAutoSync ? "auto_sync" : "manual_sync"}}));
}
