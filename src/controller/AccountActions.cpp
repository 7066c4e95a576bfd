#include "AccountActions.h"

#include "RememberedSignIn.h"
#include "core/AgentFolders.h"
#include "core/DebugLog.h"
#include "core/JsonHelper.h"
#include "net/EnumDevWorker.h"
#include "net/ProcEnumRegDevXml.h"

AccountActions::AccountActions() = default;

void AccountActions::noteSignIn(const QString& sRequest)
{
    const QVariantMap request = JsonHelper().parse(sRequest);
    if (request.contains("user"))
        m_sPendingUser = request.value("user").toString();
    if (request.contains("password"))
        m_sPendingPassword = request.value("password").toString();
    m_lstSignInsInFlight.append(qMakePair(m_sPendingUser, m_sPendingPassword));
}

void AccountActions::signOut()
{
    m_sSession.clear();
    RememberedSignIn::forgetPassword();
}

bool AccountActions::handleResult(const QObject* pSender, ACTION_STATUS status, const QString& sResult,
                                  Route* pRoute)
{
    Q_UNUSED(pRoute);
    switch (status) {
    case LOGIN_SUCCESS:
    case LOGIN_ERROR:
    case LOGIN_REJECTED:
    case LOGIN_INTERNETERROR:
        takeSignInAnswer(status, sResult);
        return true;
    case ENUMDEV_SUCCESS:
        procEnumRegDev();
        m_enumDevSlot.release(pSender);
        return true;
    case ENUMDEV_ERROR:
        m_enumDevSlot.release(pSender);
        return true;
    case DEVICE_DEREGSUCCESS:
    case DEVICE_DEREGERROR:
        m_deregistrations.answer(status == DEVICE_DEREGSUCCESS);
        return true;
    default:
        return false;
    }
}

void AccountActions::takeSignInAnswer(ACTION_STATUS status, const QString& sSession)
{
    // Sign-ins are answered in the order they were sent; a second one sent before the first was answered
    // must not lend its account to the first answer.
    QPair<QString, QString> account(m_sPendingUser, m_sPendingPassword);
    if (!m_lstSignInsInFlight.isEmpty())
        account = m_lstSignInsInFlight.takeFirst();
    if (status == LOGIN_SUCCESS) {
        m_sUser = account.first;
        m_sPassword = account.second;
        m_sSession = sSession;
    } else {
        m_sUser.clear();
        m_sPassword.clear();
        m_sSession.clear();
    }
}

void AccountActions::enumRegDevs(const QString& sRequest)
{
    auto* pWorker = new EnumDevWorker();
    pWorker->setRequest(sRequest);
    m_enumDevSlot.start(pWorker)->start(QThread::InheritPriority);
}

bool AccountActions::procEnumRegDev()
{
    ProcEnumRegDevXml reader;
    reader.open(AgentFolders::tempPath("enumdev.xml"));
    return procEnumRegDevText(reader.m_sResult);
}

bool AccountActions::procEnumRegDevText(const QString& sAnswer)
{
    writeLog(1, "[ZeqAgentCtrlMgr][ProcEnumRegDev][Enter]");
    m_lstRegDev.clear();
    const QString sText = sAnswer.trimmed();
    if (sText.startsWith("ERROR"))
        return false;
    bool bArray = false;
    QVariantList entries = JsonHelper().parseArray(sText, &bArray);
    if (!bArray && !sText.isEmpty())
        entries.append(JsonHelper().parse(sText));
    for (int i = 0; i < entries.size(); ++i) {
        if (m_lstRegDev.size() == ProcEnumRegDevXml::MAX_DEVICES) {
            writeLog(1, "[ZeqAgentCtrlMgr][ProcEnumRegDev] %d devices listed, the first %d taken",
                     int(entries.size()), ProcEnumRegDevXml::MAX_DEVICES);
            break;
        }
        const QVariantMap device = entries.at(i).toMap();
        Worker::DEVINFO info;
        info.sUUID = device.value("UUID").toString();
        if (info.sUUID.isEmpty())
            continue;
        info.sSkuID = device.value("SKUID").toString();
        info.sModel = device.value("Model").toString();
        info.sHWName = device.value("HardwareName").toString();
        info.sReserved = device.value("AddDate").toString();
        m_lstRegDev.append(info);
    }
    writeLog(1, "[ZeqAgentCtrlMgr][ProcEnumRegDev][End]");
    return true;
}
