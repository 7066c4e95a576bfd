#include "MapFreeUpdateWorker.h"

#include "MapRows.h"
#include "MapSelection.h"
#include "PackageCheck.h"
#include "ProcAvailableAddMapXml.h"
#include "ProcMapHistoryXml.h"
#include "ProcMapLanguageXml.h"
#include "ProcMapXml.h"
#include "ProcQueryMapCreditXml.h"
#include "RoomCheck.h"
#include "core/AgentFolders.h"
#include "core/AgentSettings.h"
#include "core/DebugLog.h"
#include "core/Escaping.h"
#include "core/JsonHelper.h"
#include "net/WorkerThread.h"

#include <QFile>
#include <QFileInfo>

namespace
{
const char HEAD[] = "<?xml version=\"1.0\" encoding=\"utf-8\"?><ZeqMoreUpdate><request><param name=\"type\" "
                    "value=\"";
const char DEVICE_PARAMS[] = "\"/><param name=\"model\" value=\"%1\"/><param name=\"sku\" value=\"%2\"/>"
                             "<param name=\"UUID\" value=\"%3\"/></request></ZeqMoreUpdate>";
const char CREDIT_PARAMS[] = "\"/><param name=\"Notes\" value=\"%1\"/><param name=\"UUID\" value=\"%2\"/>"
                             "</request></ZeqMoreUpdate>";
const char LANGUAGE_PARAMS[] = "\"/><param name=\"langCode\" value=\"%1\"/></request></ZeqMoreUpdate>";

const char MAP_DATA[] = "ZeqMoreDeviceMapData";
const char HISTORY[] = "ZeqMoreDeviceDownloadHistory";
const char ADDITIONS[] = "ZeqMoreAvailableAdditionData";
const char CREDIT[] = "ZeqMoreMapCreditQuery";
const char LANGUAGE[] = "ZeqMoreAgentLanguage";

QString temp(const char* szName)
{
    return AgentFolders::tempPath(QString::fromLatin1(szName));
}

bool readList(const QString& sPath, QList<WorkFile::Row>* pRows)
{
    pRows->clear();
    return !QFileInfo::exists(sPath) || WorkFile::readRows(sPath, pRows);
}

QString setting(const char* szKey, const char* szDefault)
{
    const QString sValue = AgentSettings().getString("URL", szKey);
    return sValue.isEmpty() ? QString::fromLatin1(szDefault) : sValue;
}
} // namespace

const char* const MapFreeUpdateWorker::DEFAULT_MAP_UPDATE_URL =
    "http://update.zeqshare.example/KorvoAgentMapUpdate/ZeqmoreMapUpdate.action";
const char* const MapFreeUpdateWorker::DEFAULT_ESHOP_URL =
    "http://update.zeqshare.example/KorvoAgentMapUpdate/Eshop.action";
const char* const MapFreeUpdateWorker::DEFAULT_LANGUAGE_URL =
    "http://update.zeqshare.example/KorvoAgentMapUpdate/ZeqmoreUtility.action";

MapFreeUpdateWorker::MapFreeUpdateWorker(bool bAutoCheck, QObject* pParent)
    : QObject(pParent), m_bAutoCheck(bAutoCheck)
{
    writeLog(1, "[MapFreeUpdateWorker][MapFreeUpdateWorker][Entry]");
    m_sMapUpdateUrl = setting("MapUpdate", DEFAULT_MAP_UPDATE_URL);
    m_sEshopUrl = setting("Eshop", DEFAULT_ESHOP_URL);
    m_sLanguageUrl = setting("MapLanguage", DEFAULT_LANGUAGE_URL);
    setObjectName("MapFreeUpdateWorker");
    if (QFile::exists(temp("mapdownload.script")) && !QFile::remove(temp("mapdownload.script")))
        writeLog(1, "[MapFreeUpdateWorker][MapFreeUpdateWorker] cannot remove mapdownload.script");
    writeLog(1, "[MapFreeUpdateWorker][MapFreeUpdateWorker][end]");
}

MapFreeUpdateWorker::~MapFreeUpdateWorker()
{
    writeLog(1, "[MapFreeUpdateWorker][~MapFreeUpdateWorker][Entry]");
    delete m_pCheck;
    m_pCheck = nullptr;
    delete m_pRoomCheck;
    m_pRoomCheck = nullptr;
    dropThread();
    writeLog(1, "[MapFreeUpdateWorker][~MapFreeUpdateWorker][end]");
}

// ---- requests ----

QString MapFreeUpdateWorker::requestBody(const QString& sType, const QStringList& values)
{
    QString sParams = QString::fromLatin1(DEVICE_PARAMS);
    if (sType == CREDIT)
        sParams = QString::fromLatin1(CREDIT_PARAMS);
    else if (sType == LANGUAGE)
        sParams = QString::fromLatin1(LANGUAGE_PARAMS);
    return QString::fromLatin1(HEAD) + sType + Escaping::fill(sParams, values, &Escaping::xmlAttribute);
}

void MapFreeUpdateWorker::parseRequest(const QString& sRequest)
{
    const QVariantMap request = JsonHelper().parse(sRequest);
    for (const char* szKey : {"model", "sku", "uuid", "bm", "ta", "osm", "country"}) {
        if (request.contains(szKey))
            m_device[szKey] = request.value(szKey).toString();
    }
}

void MapFreeUpdateWorker::post(RequestState eState, const QString& sUrl, const QString& sBody,
                               const QString& sAnswer)
{
    m_eState = eState;
    dropThread();
    m_pThread = new WorkerThread(this, 60000);
    m_pThread->setRequest(sUrl, sBody, sAnswer, false);
    m_pThread->start();
    writeLog(1, "[MapFreeUpdateWorker][post][%d] %s", int(eState), qUtf8Printable(sBody));
}

void MapFreeUpdateWorker::checkMapFreeUpdate(const QString& sRequest)
{
    writeLog(1, "[RirUdorAdoderOduvez][checkMapFreeUpdate]");
    m_sRequest = sRequest;
    parseRequest(sRequest);
    doCheckMapFreeUpdate();
}

void MapFreeUpdateWorker::chkBuyMapAvailData(const QString& sRequest)
{
    writeLog(1, "[RirUdorAdoderOduvez][chkBuyMapAvailData]");
    m_sRequest = sRequest;
    parseRequest(sRequest);
    doChkBuyMapAvailData();
}

void MapFreeUpdateWorker::checkQueryMapCredit(const QString& sRequest)
{
    writeLog(1, "[RirUdorAdoderOduvez][checkQueryMapCredit]");
    m_sRequest = sRequest;
    parseRequest(sRequest);
    doQueryCreditHistoryMapUpdate();
}

void MapFreeUpdateWorker::queryAddMapUpdate(const QString& sRequest)
{
    writeLog(1, "[RirUdorAdoderOduvez][queryAddMapUpdate]");
    m_sRequest = sRequest;
    parseRequest(sRequest);
    doQueryAddMap();
}

void MapFreeUpdateWorker::GetCountryString(const QString& sLang)
{
    writeLog(1, "[RirUdorAdoderOduvez][GetCountryString]");
    doGetMapLanguage(sLang);
}

void MapFreeUpdateWorker::doCheckMapFreeUpdate()
{
    post(CHECKMAP, m_sMapUpdateUrl,
         requestBody(MAP_DATA, {m_device["model"], m_device["sku"], m_device["uuid"]}),
         temp("mapfreework.xml"));
}

void MapFreeUpdateWorker::doCheckMapHistoryUpdate()
{
    post(CHECKMAPHISTORY, m_sMapUpdateUrl,
         requestBody(HISTORY, {m_device["model"], m_device["sku"], m_device["uuid"]}),
         temp("mapfreework.xml"));
}

void MapFreeUpdateWorker::doChkBuyMapAvailData()
{
    post(GETESHOPURL, m_sMapUpdateUrl,
         requestBody(ADDITIONS, {m_device["model"], m_device["sku"], m_device["uuid"]}),
         temp("eshopurlwork.xml"));
}

void MapFreeUpdateWorker::doQueryCreditHistoryMapUpdate()
{
    // The credit's history has files of its own: a pending map selection and a running check keep theirs.
    if (QFile::exists(temp("credithistory.script")) && !QFile::remove(temp("credithistory.script"))) {
        finish(MAP_CREDITERROR);
        return;
    }
    post(QUERYCREDITHISTORY, m_sMapUpdateUrl,
         requestBody(HISTORY, {m_device["model"], m_device["sku"], m_device["uuid"]}),
         temp("credithistorywork.xml"));
}

void MapFreeUpdateWorker::doQueryMapCredit()
{
    post(QUERYMAPCREDIT, m_sEshopUrl, requestBody(CREDIT, {creditNotes(), m_device["uuid"]}),
         temp("querymapcreditwork.xml"));
}

void MapFreeUpdateWorker::doQueryAddMap()
{
    post(QUERYADDMAP, m_sMapUpdateUrl,
         requestBody(MAP_DATA, {m_device["model"], m_device["sku"], m_device["uuid"]}),
         temp("queryaddmapwork.xml"));
}

void MapFreeUpdateWorker::doQueryAddMapHistoryUpdate()
{
    post(QUERYADDMAPHISTORY, m_sMapUpdateUrl,
         requestBody(HISTORY, {m_device["model"], m_device["sku"], m_device["uuid"]}),
         temp("queryaddmapwork.xml"));
}

void MapFreeUpdateWorker::doGetMapLanguage(const QString& sLang)
{
    post(GETMAPLANGUAGE, m_sLanguageUrl, requestBody(LANGUAGE, {sLang}), temp("maplanguagework.xml"));
}

QString MapFreeUpdateWorker::creditNotes() const
{
    QList<WorkFile::Row> rows;
    QString sNotes;
    if (!readList(temp("credithistory.script"), &rows))
        return sNotes;
    for (const WorkFile::Row& row : rows) {
        if (row.size() > MapRows::NOTES && row.value(0) == "history" && MapRows::notes(row).contains("TA"))
            sNotes = MapRows::notes(row);
    }
    return sNotes;
}

bool MapFreeUpdateWorker::addMapListHasRows() const
{
    QList<WorkFile::Row> rows;
    if (!readList(ProcMapXml::addMapListPath(), &rows))
        return false;
    for (const WorkFile::Row& row : rows) {
        if (row.value(0).contains("AdditionalMaps"))
            return true;
    }
    return false;
}

// ---- answers ----

void MapFreeUpdateWorker::netFinish(bool bSuccess)
{
    m_downloadDigest = m_pThread ? m_pThread->downloadDigest() : QByteArray();
    dropThread();
    // The country file's step goes on whether or not the file came.
    if (m_eState == GETCOUNTRYXML) {
        countryFileDone(bSuccess);
        return;
    }
    if (!bSuccess) {
        writeLog(1, "[MapFreeUpdateWorker][netFinish] state %d failed", int(m_eState));
        finish(MAP_REQUESTERROR, "true");
        return;
    }
    dispatch();
}

void MapFreeUpdateWorker::dispatch()
{
    writeLog(1, "[MapFreeUpdateWorker][netFinish][%d]", int(m_eState));
    switch (m_eState) {
    case CHECKMAP:
        procFreeMap();
        break;
    case CHECKMAPHISTORY:
        procHistoryMap();
        break;
    case DOWNLOADMAP:
        downloadDone();
        break;
    case QUERYMAPCREDIT:
        procQueryMapCredit();
        break;
    case QUERYCREDITHISTORY:
        procCreditHistory();
        break;
    case QUERYADDMAP:
    case QUERYADDMAPHISTORY:
        procAddMap();
        break;
    case GETESHOPURL:
        procAvailableAddMap();
        break;
    case GETMAPLANGUAGE:
        procMapLanguage();
        break;
    default:
        break;
    }
}

void MapFreeUpdateWorker::procFreeMap()
{
    const QString sAnswer = temp("mapfreework.xml");
    DebugLog::exportFile(sAnswer);
    ProcMapXml reader;
    const bool bRead = reader.open(sAnswer);
    if (reader.m_eOutcome == ProcMapXml::BARE_SUCCESS || reader.m_eOutcome == ProcMapXml::SERVICE_ERROR) {
        if (m_host.queryAddMapResult)
            m_host.queryAddMapResult(QString());
        noteError(bRead ? QString() : reader.m_sCode, bRead ? QString() : reader.m_sError);
    }
    if (!bRead) {
        finish(MAP_CHECKERROR, "proc map error");
        return;
    }
    doCheckMapHistoryUpdate();
}

void MapFreeUpdateWorker::procHistoryMap()
{
    const QString sAnswer = temp("mapfreework.xml");
    DebugLog::exportFile(sAnswer);
    if (!ProcMapHistoryXml().open(sAnswer) || !MapSelection::generateMapScript(m_device)) {
        finish(MAP_CHECKERROR, "proc history map error");
        return;
    }
    finish(MAP_CHECKSUCCESS, m_bAutoCheck ? "AutoCheck" : "success");
}

void MapFreeUpdateWorker::procCreditHistory()
{
    const QString sAnswer = temp("credithistorywork.xml");
    DebugLog::exportFile(sAnswer);
    ProcMapHistoryXml reader;
    // A well-formed answer without history still asks for the credit (with empty notes).
    if (!reader.appendTo(sAnswer, temp("credithistory.script")) &&
        (reader.m_bListed || !reader.m_bWellFormed)) {
        finish(MAP_CREDITERROR);
        return;
    }
    doQueryMapCredit();
}

void MapFreeUpdateWorker::procQueryMapCredit()
{
    const QString sAnswer = temp("querymapcreditwork.xml");
    DebugLog::exportFile(sAnswer);
    ProcQueryMapCreditXml reader;
    if (!reader.open(sAnswer)) {
        noteError(reader.m_sCode, reader.m_sError);
        finish(MAP_CREDITERROR);
        return;
    }
    if (m_host.creditRead)
        m_host.creditRead();
    finish(MAP_CREDITSUCCESS);
}

void MapFreeUpdateWorker::procAddMap()
{
    const QString sAnswer = temp("queryaddmapwork.xml");
    DebugLog::exportFile(sAnswer);
    if (m_eState == QUERYADDMAPHISTORY) {
        ProcMapHistoryXml().openQueryAddMap(sAnswer);
        finish(MAP_QUERYADDMAP);
        return;
    }
    ProcMapXml reader;
    reader.openQueryAddMap(sAnswer);
    if (reader.m_eOutcome == ProcMapXml::BARE_SUCCESS || reader.m_eOutcome == ProcMapXml::SERVICE_ERROR) {
        if (m_host.queryAddMapResult)
            m_host.queryAddMapResult(QString());
    }
    if (addMapListHasRows())
        finish(MAP_QUERYADDMAP);
    else
        doQueryAddMapHistoryUpdate();
}

void MapFreeUpdateWorker::procAvailableAddMap()
{
    const QString sAnswer = temp("eshopurlwork.xml");
    DebugLog::exportFile(sAnswer);
    ProcAvailableAddMapXml reader;
    const bool bRead = reader.open(sAnswer);
    noteError(reader.m_sCode, reader.m_sError);
    if (!bRead) {
        finish(ESHOP_ERROR);
        return;
    }
    if (m_host.shopRead)
        m_host.shopRead();
    finish(ESHOP_SUCCESS);
}

void MapFreeUpdateWorker::procMapLanguage()
{
    if (ProcMapLanguageXml().open(temp("maplanguagework.xml")) && m_host.languagesRead)
        m_host.languagesRead();
    finish(MAP_DOWNLOADCOUNTRYLANG);
}

void MapFreeUpdateWorker::terminateMapFreeUpdate()
{
    m_bRunning = false;
}

// ---- common ----

void MapFreeUpdateWorker::noteError(const QString& sCode, const QString& sText)
{
    if (m_host.error)
        m_host.error(sCode, sText);
}

void MapFreeUpdateWorker::finish(ACTION_STATUS status, const QString& sResult)
{
    writeLog(1, "[MapFreeUpdateWorker][finish] status %d %s", int(status), qUtf8Printable(sResult));
    emit emitStatus(status, sResult);
}

void MapFreeUpdateWorker::dropThread()
{
    delete m_pThread;
    m_pThread = nullptr;
}
