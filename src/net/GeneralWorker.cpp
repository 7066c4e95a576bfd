#include "GeneralWorker.h"

#include "NetInterface.h"
#include "ProcCheckDevRegXml.h"
#include "ProcDeRegDevXml.h"
#include "ProcGetCustomSettingXml.h"
#include "ProcLoginXml.h"
#include "ProcRegDevXml.h"
#include "SoapEnvelopes.h"
#include "core/AgentFolders.h"
#include "core/AgentSettings.h"
#include "core/ConnectionFailure.h"
#include "core/DebugLog.h"
#include "core/JsonHelper.h"
#include "core/Notifier.h"

#include <QFile>
#include <QTimer>

namespace
{
QString field(const QVariantMap& request, const char* szKey)
{
    return request.value(QLatin1String(szKey)).toString();
}

bool isUnlistedError(const QString& sReturn)
{
    return sReturn.startsWith("ERROR:");
}

QString connectionFailureText()
{
    return ConnectionFailure::text(QFile::exists(AgentFolders::programPath("/Quorvane.bin")));
}
} // namespace

GeneralWorker::GeneralWorker(QObject* pParent)
    : QObject(pParent), m_sResponseFile(AgentFolders::tempPath("genwork.xml")),
      m_sUrl(SoapEnvelopes::serviceAddress())
{
    m_pNetInterface = new NetInterface(this, m_sResponseFile, 60000);
    connect(m_pNetInterface, &NetInterface::emitRequestFinish, this, &GeneralWorker::slotNetFinish);
}

GeneralWorker::~GeneralWorker()
{
    m_pNetInterface->deleteLater();
}

// ---- one request at a time ----

void GeneralWorker::sendOrQueue(int nKind, const QString& sEnvelope)
{
    m_pending.enqueue(qMakePair(nKind, sEnvelope));
    if (!m_bInFlight)
        sendNext();
}

void GeneralWorker::sendNext()
{
    if (m_pending.isEmpty())
        return;
    const QPair<int, QString> next = m_pending.dequeue();
    m_curStatus = next.first;
    m_bInFlight = true;
    m_pNetInterface->sendRequest(m_sUrl, next.second);
}

void GeneralWorker::slotNetFinish(bool bSuccess)
{
    writeLog(1, "[GeneralWorker][slotNetFinish] m_curStatus%d", m_curStatus);
    if (!m_bInFlight)
        return; // an end with no request of ours outstanding
    m_bInFlight = false;
    switch (m_curStatus) {
    case KIND_LOGIN:
        procLogin(bSuccess);
        break;
    case KIND_CHECKREG:
        procCheckRegDev();
        break;
    case KIND_REG:
        procRegDev();
        break;
    case KIND_DEREG:
        procDeRegDev();
        break;
    case KIND_SETSETTING:
        procSetCustomSetting();
        break;
    case KIND_GETSETTING:
        procGetCustomSetting();
        break;
    default:
        break;
    }
    // A handler's status may have made a window ask for the next request; it waited in the queue.
    if (!m_bInFlight)
        sendNext();
}

// ---- requests ----

void GeneralWorker::slotLogin(QString sRequest)
{
    doLogin(sRequest);
}

void GeneralWorker::slotCheckRegDev(QString sRequest)
{
    doCheckRegDev(sRequest);
}

void GeneralWorker::slotRegDev(QString sRequest)
{
    registerDev(sRequest);
}

void GeneralWorker::slotDeRegDev(QString sRequest)
{
    doDeRegDev(sRequest);
}

void GeneralWorker::slotSetCustomSetting(QString sRequest)
{
    doSetCustomSetting(sRequest);
}

void GeneralWorker::slotGetCustomSetting(QString sRequest)
{
    doGetCustomSetting(sRequest);
}

void GeneralWorker::doLogin(const QString& sRequest)
{
    writeLog(1, "[GeneralWorker][doLogin][Entry]");
    const QVariantMap request = JsonHelper().parse(sRequest);
    sendOrQueue(KIND_LOGIN, SoapEnvelopes::login(field(request, "user"), field(request, "password")));
    writeLog(1, "[GeneralWorker][doLogin][End]");
}

void GeneralWorker::doCheckRegDev(const QString& sRequest)
{
    const QVariantMap request = JsonHelper().parse(sRequest);
    sendOrQueue(KIND_CHECKREG, SoapEnvelopes::fill(SoapEnvelopes::checkDeviceRegTemplate(),
                                                   {field(request, "session"), field(request, "user"),
                                                    field(request, "uuid")}));
}

void GeneralWorker::registerDev(const QString& sRequest)
{
    const QVariantMap request = JsonHelper().parse(sRequest);
    sendOrQueue(KIND_REG, SoapEnvelopes::fill(SoapEnvelopes::registerDeviceTemplate(),
                                              {field(request, "session"), field(request, "user"),
                                               field(request, "uuid"), field(request, "hwname"),
                                               field(request, "sku")}));
}

void GeneralWorker::doDeRegDev(const QString& sRequest)
{
    const QVariantMap request = JsonHelper().parse(sRequest);
    sendOrQueue(KIND_DEREG, SoapEnvelopes::fill(
                                SoapEnvelopes::deregisterDeviceTemplate(),
                                {field(request, "session"), field(request, "user"), field(request, "uuid")}));
}

void GeneralWorker::doSetCustomSetting(const QString& sRequest)
{
    const QVariantMap request = JsonHelper().parse(sRequest);
    const bool bKept = AgentSettings::textToBool(field(request, "kept"));
    const bool bSync = AgentSettings::textToBool(field(request, "sync"));
    const QString sSetting = QString("{\"afterUpload\":\"%1\",\"syncType\":\"%2\"}")
                                 .arg(bKept ? "dont_delete_after_upload" : "delete_after_upload",
                                      bSync ? "auto_sync" : "manual_sync");
    sendOrQueue(KIND_SETSETTING,
                SoapEnvelopes::fill(SoapEnvelopes::setCustomerSettingTemplate(),
                                    {field(request, "session"), field(request, "user"), sSetting}));
}

void GeneralWorker::doGetCustomSetting(const QString& sRequest)
{
    const QVariantMap request = JsonHelper().parse(sRequest);
    sendOrQueue(KIND_GETSETTING, SoapEnvelopes::fill(SoapEnvelopes::getCustomerSettingTemplate(),
                                                     {field(request, "session"), field(request, "user")}));
}

// ---- answers ----

void GeneralWorker::procLogin(bool bSuccess)
{
    DebugLog::exportFile(m_sResponseFile);
    if (!bSuccess) {
        // No answer arrived at all: the network, not the password, is the problem.
        emit emitStatus(LOGIN_INTERNETERROR, QString());
        return;
    }
    ProcLoginXml reader;
    if (!reader.open(m_sResponseFile) || reader.m_sResult.isEmpty() || reader.m_sResult == "ERROR:E0007") {
        emit emitStatus(LOGIN_ERROR, QString());
        return;
    }
    if (reader.m_sResult == "ERROR:E0013") {
        emit emitStatus(LOGIN_REJECTED, QString());
        return;
    }
    if (isUnlistedError(reader.m_sResult)) {
        emit emitStatus(LOGIN_ERROR, QString());
        return;
    }
    emit emitStatus(LOGIN_SUCCESS, reader.m_sResult);
}

void GeneralWorker::procCheckRegDev()
{
    ProcCheckDevRegXml reader;
    if (!reader.open(m_sResponseFile)) {
        emit emitStatus(DEVICE_CHECKREGERROR, QString());
    } else if (reader.m_sResult == "SUCCESS:S0004") {
        emit emitStatus(DEVICE_NOTREGISTERED, "true");
    } else if (reader.m_sResult == "ERROR:E0008") {
        emit emitStatus(DEVICE_REGREFUSED, "true");
    } else if (isUnlistedError(reader.m_sResult)) {
        emit emitStatus(DEVICE_CHECKREGERROR, QString());
    } else {
        emit emitStatus(DEVICE_REGISTERED, reader.m_sResult);
    }
}

void GeneralWorker::procRegDev()
{
    ProcRegDevXml reader;
    if (!reader.open(m_sResponseFile)) {
        emit emitStatus(DEVICE_REGERROR, QString());
    } else if (reader.m_sResult == "ERROR:E0008") {
        emit emitStatus(DEVICE_REGREFUSED, "true");
    } else if (isUnlistedError(reader.m_sResult)) {
        emit emitStatus(DEVICE_REGERROR, QString());
    } else {
        emit emitStatus(DEVICE_REGSUCCESS, reader.m_sResult);
    }
}

void GeneralWorker::procDeRegDev()
{
    ProcDeRegDevXml reader;
    if (reader.open(m_sResponseFile) && reader.m_sResult == "SUCCESS:S0005")
        emit emitStatus(DEVICE_DEREGSUCCESS, QString());
    else
        emit emitStatus(DEVICE_DEREGERROR, "true");
}

void GeneralWorker::procSetCustomSetting()
{
    ProcSoapReturnXml reader("setCustomerSetting");
    const bool bSaved = reader.open(m_sResponseFile) && !isUnlistedError(reader.m_sResult);
    // Shown once the client's signal has returned, so no nested loop runs inside the client's emission.
    QTimer::singleShot(0, this, [bSaved] {
        if (bSaved)
            Notifier::instance()->showMessage(QObject::tr("Settings"), QObject::tr("Saved successfully"));
        else
            Notifier::instance()->showMessage(ConnectionFailure::title(), connectionFailureText());
    });
}

void GeneralWorker::procGetCustomSetting()
{
    ProcGetCustomSettingXml reader;
    if (!reader.open(m_sResponseFile)) {
        emit emitStatus(GETSETTING_ERROR, QString());
        return;
    }
    emit emitStatus(GETSETTING_SUCCESS,
                    QString("{\"kept\":\"%1\",\"sync\":\"%2\"}")
                        .arg(reader.m_bKept ? "true" : "false", reader.m_bSync ? "true" : "false"));
}
