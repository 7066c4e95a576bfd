#include "EnumDevWorker.h"

#include "NetInterface.h"
#include "ProcEnumRegDevXml.h"
#include "SoapEnvelopes.h"
#include "core/AgentFolders.h"
#include "core/DebugLog.h"
#include "core/JsonHelper.h"

EnumDevWorker::EnumDevWorker(QObject* pParent)
    : QThread(pParent), m_sUrl(SoapEnvelopes::serviceAddress()),
      m_sResponseFile(AgentFolders::tempPath("enumdev.xml"))
{
    writeLog(1, "[EnumDevWorker][EnumDevWorker]");
}

EnumDevWorker::~EnumDevWorker()
{
    writeLog(1, "[EnumDevWorker][~EnumDevWorker]");
    quit();
    wait();
}

void EnumDevWorker::run()
{
    writeLog(1, "[EnumDevWorker][run]");
    m_pNetInterface = new NetInterface(nullptr, m_sResponseFile, 60000);
    connect(m_pNetInterface, &NetInterface::emitRequestFinish, this, &EnumDevWorker::slotNetFinish);
    doEnumDevList(m_sRequest);
    exec();
    delete m_pNetInterface;
    m_pNetInterface = nullptr;
}

void EnumDevWorker::doEnumDevList(const QString& sRequest)
{
    writeLog(1, "[EnumDevWorker][doEnumDevList][Entry]");
    const QVariantMap request = JsonHelper().parse(sRequest);
    const QString sEnvelope =
        SoapEnvelopes::fill(SoapEnvelopes::getDeviceListTemplate(),
                            {request.value("session").toString(), request.value("user").toString()});
    m_pNetInterface->sendRequest(m_sUrl, sEnvelope);
    writeLog(1, "[EnumDevWorker][doEnumDevList][End]");
}

void EnumDevWorker::slotNetFinish(bool bSuccess)
{
    // A transfer that delivered an unreadable answer or a refusal is a failure too.
    ProcEnumRegDevXml reader;
    const bool bListed =
        bSuccess && reader.open(m_sResponseFile) && !reader.m_sResult.trimmed().startsWith("ERROR");
    emit emitStatus(bListed ? ENUMDEV_SUCCESS : ENUMDEV_ERROR, QString());
}
