// The country-group step of MapFreeUpdateWorker, kept apart from its map requests and its install.
#include "MapFreeUpdateWorker.h"

#include "ProcCountryXml.h"
#include "core/AgentSettings.h"
#include "core/DebugLog.h"
#include "net/WorkerThread.h"

#include <QFile>

const char* const MapFreeUpdateWorker::DEFAULT_COUNTRY_URL =
    "http://download.zeqshare.example/ZeqWendo/AP/Docs/CountriesSource/country.xml";

bool MapFreeUpdateWorker::GetCountryGroup()
{
    writeLog(1, "[GetCountryGroup][GetCountryGroup]");
    const QString sUrl = AgentSettings().getString("URL", "CountryXml");
    return doGetCountryXml(sUrl.isEmpty() ? QString::fromLatin1(DEFAULT_COUNTRY_URL) : sUrl);
}

// Fetched afresh into a name of its own each time: resuming onto the old copy would append a changed
// file's tail to it, and a file of the same size would count as already there.
bool MapFreeUpdateWorker::doGetCountryXml(const QString& sUrl)
{
    m_eState = GETCOUNTRYXML;
    dropThread();
    const QString sTarget = ProcCountryXml::downloadPath();
    if (QFile::exists(sTarget) && !QFile::remove(sTarget)) {
        writeLog(1, "[MapFreeUpdateWorker][doGetCountryXml] cannot remove the old download");
        QMetaObject::invokeMethod(this, "netFinish", Qt::QueuedConnection, Q_ARG(bool, false));
        return true;
    }
    m_pThread = new WorkerThread(this, 0);
    m_pThread->setDownload(sUrl, sTarget, QString());
    m_pThread->start();
    return true;
}

void MapFreeUpdateWorker::countryFileDone(bool bSuccess)
{
    ProcCountryXml::takeDownload(bSuccess);
    if (!procCountryXml())
        genCountryScript();
    GetCountryString(m_host.langCode ? m_host.langCode() : QString());
}

bool MapFreeUpdateWorker::procCountryXml()
{
    return ProcCountryXml().parseCountryXml();
}

void MapFreeUpdateWorker::genCountryScript()
{
    if (!ProcCountryXml::writeBuiltInScript())
        writeLog(1, "[MapFreeUpdateWorker][genCountryScript] country.script not written");
}
