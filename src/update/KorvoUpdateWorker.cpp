#include "KorvoUpdateWorker.h"

#include "DeviceOffer.h"
#include "DeviceUpdateWorker.h"
#include "MapFreeUpdateWorker.h"
#include "MapSelection.h"
#include "ProcCountryXml.h"
#include "ProcDevUpdateXml.h"
#include "ProcMapXml.h"
#include "core/AgentFolders.h"
#include "core/AgentSettings.h"
#include "core/AgentTiming.h"
#include "core/DebugLog.h"
#include "core/JsonHelper.h"
#include "core/WorkFile.h"
#include "net/WorkerThread.h"

#include <QFile>

const char* const KorvoUpdateWorker::DEFAULT_MAP_UPDATE_URL = MapFreeUpdateWorker::DEFAULT_MAP_UPDATE_URL;

namespace
{
QString setting(const char* szKey, const char* szDefault)
{
    const QString sValue = AgentSettings().getString("URL", szKey);
    return sValue.isEmpty() ? QString::fromLatin1(szDefault) : sValue;
}

QString groupValue(const QString& sGroup, const char* szKey)
{
    return AgentSettings().getDeviceString(sGroup, szKey);
}
} // namespace

KorvoUpdateWorker::KorvoUpdateWorker(QObject* pParent) : QObject(pParent)
{
    m_sDeviceUrl = setting("DevUpdate", DeviceUpdateWorker::DEFAULT_UPDATE_URL);
    m_sMapUrl = setting("MapUpdate", MapFreeUpdateWorker::DEFAULT_MAP_UPDATE_URL);
    m_sCountryUrl = setting("CountryXml", MapFreeUpdateWorker::DEFAULT_COUNTRY_URL);
    m_sAnswerFile = AgentFolders::tempPath("korvoupdatework.xml");
    m_timer.setInterval(AgentTiming::ms(AgentTiming::DAILY_CHECK));
    connect(&m_timer, &QTimer::timeout, this, &KorvoUpdateWorker::StartChkKorvoUpdate);
    m_timer.start();
    m_firstPass.setSingleShot(true);
    connect(&m_firstPass, &QTimer::timeout, this, &KorvoUpdateWorker::StartChkKorvoUpdate);
    setObjectName("KorvoUpdateWorker");
}

KorvoUpdateWorker::~KorvoUpdateWorker()
{
    delete m_pThread;
    m_pThread = nullptr;
}

void KorvoUpdateWorker::PrepairStartChkKorvoUpdate()
{
    m_firstPass.start(AgentTiming::ms(AgentTiming::FIRST_DAILY_PASS));
}

void KorvoUpdateWorker::slotDownloadProcess(qint64 nRead, qint64 nTotal)
{
    writeLog(1, "[KorvoUpdateWorker][KorvoUpdateWorker] read:%lld ,total:%lld", nRead, nTotal);
}

void KorvoUpdateWorker::slotCheckDeviceUpdate(QString sRequest)
{
    m_nStep = STEP_DEVICE;
    m_sRequest = sRequest;
}

void KorvoUpdateWorker::StartChkKorvoUpdate()
{
    if (m_bPassRunning) {
        writeLog(1, "[KorvoUpdateWorker][StartChkKorvoUpdate] a pass is running");
        return;
    }
    loadDeviceList();
    writeLog(1, "[KorvoUpdateWorker][StartChkKorvoUpdate] %d devices", m_nDeviceCount);
    if (m_nDeviceCount <= 0)
        return;
    m_bPassRunning = true;
    m_nDeviceIndex = 0;
    checkNextDeviceUpdate();
}

// The account's devices that this agent has seen: only their settings groups hold what a check sends.
void KorvoUpdateWorker::loadDeviceList()
{
    m_lstDevices.clear();
    const QStringList known = m_host.knownDevices ? m_host.knownDevices() : QStringList();
    for (const QString& sUUID : known) {
        if (AgentSettings::isValidDeviceGroup(sUUID) && !groupValue(sUUID, "sku").isEmpty() &&
            !m_lstDevices.contains(sUUID))
            m_lstDevices.append(sUUID);
    }
    m_nDeviceCount = m_lstDevices.size();
}

bool KorvoUpdateWorker::isDeviceConnected() const
{
    return m_host.deviceConnected && m_host.deviceConnected();
}

void KorvoUpdateWorker::endPass(const char* szWhy)
{
    writeLog(1, "[KorvoUpdateWorker][endPass] %s", szWhy);
    m_bPassRunning = false;
}

void KorvoUpdateWorker::removeWorkFiles()
{
    QFile::remove(m_sAnswerFile);
    QFile::remove(ProcMapXml::korvoListPath());
}

QString KorvoUpdateWorker::deviceRequest(const QString& sGroup) const
{
    const int nFamily = DeviceOffer::recordedFamily(sGroup);
    const QString sApplication = groupValue(sGroup, "swver");
    return JsonHelper::fill(
        R"({"sku":"%1","uuid":"%2","model":"%3","acc":"%4","image":"%5","application":"%6","agent":"%7"})",
        {groupValue(sGroup, "sku"), sGroup, groupValue(sGroup, "hwname"),
         m_host.user ? m_host.user() : QString(),
         DeviceOffer::requestVersion(nFamily, groupValue(sGroup, "fwver")),
         DeviceOffer::requestVersion(nFamily, sApplication.isEmpty() ? QString("0") : sApplication),
         AgentSettings().getString("AGENT", "version")});
}

void KorvoUpdateWorker::checkNextDeviceUpdate()
{
    m_nStep = STEP_DEVICE;
    if (isDeviceConnected()) {
        endPass("a device is connected");
        return;
    }
    removeWorkFiles();
    doCheckDeviceUpdate(deviceRequest(currentGroup()));
}

void KorvoUpdateWorker::doCheckDeviceUpdate(const QString& sRequest)
{
    const bool bBeta = !AgentSettings().getString("URL", "DevUpdate").isEmpty();
    post(m_sDeviceUrl, DeviceUpdateWorker::checkBody(JsonHelper().parse(sRequest), bBeta));
}

void KorvoUpdateWorker::checkMapUpdate()
{
    m_nStep = STEP_DEVICE;
    if (isDeviceConnected()) {
        endPass("a device is connected");
        return;
    }
    const QString sGroup = currentGroup();
    if (!DeviceOffer::hasMapCheck(DeviceOffer::recordedFamily(sGroup))) {
        nextDevice();
        return;
    }
    removeWorkFiles();
    doCheckMapFreeUpdate(JsonHelper::fill(R"({"model":"%1","sku":"%2","uuid":"%3"})",
                                          {groupValue(sGroup, "hwname"), groupValue(sGroup, "sku"), sGroup}));
}

void KorvoUpdateWorker::doCheckMapFreeUpdate(const QString& sRequest)
{
    m_nStep = STEP_MAP;
    writeLog(1, "[MapFreeUpdateWorker][doCheckMapFreeUpdate][Entry][sRequest] %s", qUtf8Printable(sRequest));
    const QVariantMap request = JsonHelper().parse(sRequest);
    const QString sBody = MapFreeUpdateWorker::requestBody(
        "ZeqMoreDeviceMapData", {request.value("model").toString(), request.value("sku").toString(),
                                 request.value("uuid").toString()});
    writeLog(1, "[MapFreeUpdateWorker][doCheckMapFreeUpdate][Entry][sFreeUpdate] %s", qUtf8Printable(sBody));
    post(m_sMapUrl, sBody);
}

void KorvoUpdateWorker::post(const QString& sUrl, const QString& sBody)
{
    delete m_pThread;
    m_pThread = new WorkerThread(this, 60000);
    m_pThread->setRequest(sUrl, sBody, m_sAnswerFile, false);
    m_pThread->start();
}

void KorvoUpdateWorker::clearError()
{
    if (m_host.error)
        m_host.error(QString(), QString());
}

bool KorvoUpdateWorker::procCheckUpdate()
{
    clearError();
    ProcDevUpdateXml reader;
    const bool bFound = reader.openKorvoUpdate(m_sAnswerFile);
    if (m_host.error && !reader.m_sCode.isEmpty())
        m_host.error(reader.m_sCode, reader.m_sError);
    return bFound && reader.m_sCode.isEmpty() && isOffered(reader.m_bAgentOffered);
}

// Only what "Check for Updates" would offer the device counts. The agent's own package is offered to
// every device; the list holds the answer's other packages.
bool KorvoUpdateWorker::isOffered(bool bAgentOffered) const
{
    if (bAgentOffered)
        return true;
    QList<WorkFile::Row> rows;
    if (!WorkFile::readRows(ProcDevUpdateXml::korvoListPath(), &rows))
        return false;
    return !DeviceOffer::offeredRows(DeviceOffer::recordedFamily(currentGroup()), rows).isEmpty();
}

// Only what is newer than the device holds counts: a bare success or an offer of the maps it has is no
// update, or the balloon would come every day.
bool KorvoUpdateWorker::procFreeMap()
{
    clearError();
    ProcMapXml reader;
    const bool bRead = reader.openKorvoUpdate(m_sAnswerFile);
    if (m_host.error && reader.m_eOutcome == ProcMapXml::SERVICE_ERROR)
        m_host.error(reader.m_sCode, reader.m_sError);
    return bRead && reader.m_eOutcome == ProcMapXml::LISTED && hasNewerMap(currentGroup());
}

bool KorvoUpdateWorker::hasNewerMap(const QString& sGroup)
{
    QList<WorkFile::Row> rows;
    if (!WorkFile::readRows(ProcMapXml::korvoListPath(), &rows))
        return false;
    const QMap<QString, QString> versions = {{"bm", groupValue(sGroup, "bmver")},
                                             {"ta", groupValue(sGroup, "taver")},
                                             {"osm", groupValue(sGroup, "osmver")},
                                             {"country", groupValue(sGroup, "countryver")}};
    return !MapSelection::select(rows, versions).isEmpty();
}

void KorvoUpdateWorker::nextDevice()
{
    if (isDeviceConnected()) {
        endPass("a device is connected");
        return;
    }
    if (m_nDeviceIndex >= m_nDeviceCount - 1) {
        endPass("last device");
        return;
    }
    ++m_nDeviceIndex;
    checkNextDeviceUpdate();
}

void KorvoUpdateWorker::netFinish(bool bSuccess)
{
    delete m_pThread;
    m_pThread = nullptr;
    if (m_nStep == STEP_COUNTRY) {
        ProcCountryXml::takeDownload(bSuccess);
        if (bSuccess && !procCountryXml())
            writeDefaultCountryScript();
        return;
    }
    if (!bSuccess) {
        endPass("request failed");
        return;
    }
    DebugLog::exportFile(m_sAnswerFile);
    if (m_nStep == STEP_DEVICE) {
        if (procCheckUpdate()) {
            emit emitStatus(UPDATE_AVAILABLE, groupValue(currentGroup(), "hwname"));
            nextDevice();
        } else {
            checkMapUpdate();
        }
        return;
    }
    if (procFreeMap())
        emit emitStatus(UPDATE_AVAILABLE, groupValue(currentGroup(), "hwname"));
    nextDevice();
}

bool KorvoUpdateWorker::doDownloadCountryXml(const QString& sUrl)
{
    m_nStep = STEP_COUNTRY;
    delete m_pThread;
    QFile::remove(ProcCountryXml::downloadPath());
    m_pThread = new WorkerThread(this, 0);
    m_pThread->setDownload(sUrl, ProcCountryXml::downloadPath(), QString());
    m_pThread->start();
    return true;
}

bool KorvoUpdateWorker::procCountryXml()
{
    return ProcCountryXml().parseCountryXml();
}

void KorvoUpdateWorker::writeDefaultCountryScript()
{
    ProcCountryXml::writeBuiltInScript();
}
