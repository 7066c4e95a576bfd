#include "PreSyncWorker.h"

#include "ComRides.h"
#include "SyncCatalogue.h"
#include "SyncEnvelopes.h"
#include "SyncLeftBehind.h"
#include "core/AgentFolders.h"
#include "core/DebugLog.h"
#include "core/DiskFullWatch.h"
#include "core/JsonHelper.h"
#include "platform/DevicePath.h"
#include "platform/Platform.h"

#include <QDir>
#include <QFile>

PreSyncWorker::PreSyncWorker(const QString& sRequest, QObject* pParent)
    : QThread(pParent), m_sRequest(sRequest), m_sTempPath(AgentFolders::tempDir())
{
}

PreSyncWorker::~PreSyncWorker()
{
    requestAbort();
    wait();
}

void PreSyncWorker::run()
{
    doCheckSync();
}

int PreSyncWorker::doCheckSync()
{
    writeLog(1, "[PreSyncWorker][doCheckSync][Entry]");
    // Whatever of the check did not land for lack of room (a ride, a line of the list of rides left
    // behind) fails it: a check that went on would hide what it could not keep.
    DiskFullWatch watch;
    QString sEnvelope;
    const bool bPrepared = prepare(m_sRequest, &sEnvelope);
    m_bDiskFull = watch.seen();
    if (m_bDiskFull)
        writeLog(1, "[PreSyncWorker][doCheckSync] the computer's disk is full");
    finish(bPrepared && !m_bDiskFull, sEnvelope);
    writeLog(1, "[PreSyncWorker][doCheckSync][End]");
    return 0;
}

bool PreSyncWorker::prepare(const QString& sRequest, QString* pEnvelope)
{
    const QVariantMap request = JsonHelper().parse(sRequest);
    const QString sType = request.value("type").toString();
    const QString sMount = request.value("mount").toString();
    if (!prepareTemp())
        return false;
    // A list left by an earlier sync would make this one look partial, or hide what this one leaves; a list
    // that cannot be started could not name what this one leaves, so the check cannot go on.
    if (!SyncLeftBehind(m_sTempPath).reset()) {
        writeLog(1, "[PreSyncWorker][doCheckSync] the list of rides left behind cannot be started afresh");
        return false;
    }
    QStringList rides;
    QStringList routes;
    if (sType == QLatin1String("100"))
        collectSerial(sMount, &rides);
    else
        collectDrive(sMount, &rides, &routes);
    QString sRcf;
    QString sTcf;
    if (!buildCatalogues(rides, routes, &sRcf, &sTcf))
        return false;
    *pEnvelope = SyncEnvelopes::routeSyncList(request.value("session").toString(),
                                              request.value("user").toString(), sRcf, sTcf);
    return SyncCatalogue::doDumpCF(*pEnvelope, m_sTempPath + "/Sync.xml");
}

void PreSyncWorker::finish(bool bSuccess, const QString& sSync)
{
    if (m_bAbort)
        return;
    if (!bSuccess)
        writeLog(1, "[PreSyncWorker][doCheckSync] preparation failed");
    emit emitPreSync(bSuccess, bSuccess ? sSync : QString());
}

bool PreSyncWorker::prepareTemp()
{
    QDir().mkpath(m_sTempPath);
    if (!QFileInfo(m_sTempPath).isDir()) {
        writeLog(1, "[PreSyncWorker][doCheckSync] no folder %s", qUtf8Printable(m_sTempPath));
        return false;
    }
    // A catalogue of an earlier check must never stand for this device's rides.
    for (const char* szName : {"/RCF.txt", "/TCF.txt"}) {
        const QString sPath = m_sTempPath + QLatin1String(szName);
        if (QFile::exists(sPath) && !QFile::remove(sPath))
            return false;
    }
    return true;
}

void PreSyncWorker::removeTempRides()
{
    QStringList files;
    SyncCatalogue::listTempGpxFiles(m_sTempPath, files);
    for (const QString& sPath : files)
        QFile::remove(sPath);
    const QDir temp(m_sTempPath);
    for (const QString& sName :
         temp.entryList({ComRides::sameStartPrefix() + "*"}, QDir::Dirs | QDir::NoDotAndDotDot))
        QDir(temp.filePath(sName)).removeRecursively();
}

void PreSyncWorker::collectSerial(const QString& sPort, QStringList* pRides)
{
    removeTempRides();
    writeLog(1, "[SyncWorker][doCheckSync][Entry]");
    ComRides rides(sPort, Platform::serialLinks());
    rides.setAbortFlag(&m_bAbort);
    ComRides::Fetch fetch;
    if (!rides.getTracks(m_sTempPath, &fetch))
        writeLog(1, "[SyncWorker][doCheckSync] not every ride was fetched");
    writeLog(1, "[SyncWorker][doCheckSync] getTrack Wendo 100");
    // Exactly the rides fetched whole this time: each has a file of its own, also when two share a name.
    *pRides = fetch.written;
    SyncLeftBehind left(m_sTempPath);
    for (const ComRides::LeftRide& ride : qAsConst(fetch.left))
        left.add(ride.sName, ride.sReason);
}

void PreSyncWorker::collectDrive(const QString& sMount, QStringList* pRides, QStringList* pRoutes)
{
    if (sMount.isEmpty())
        return; // no drive named: nothing on it to list, never the working folder
    const QString sTracks = DevicePath::resolve(DevicePath::normalizeRoot(sMount), "Korvo/Tracks");
    SyncCatalogue::scanGpxFilesRecursive(sTracks, *pRides);
    SyncCatalogue::listGpxFiles(sTracks, *pRoutes);
}

bool PreSyncWorker::buildCatalogues(const QStringList& rides, const QStringList& routes, QString* pRcf,
                                    QString* pTcf)
{
    bool bWritten = true;
    if (!routes.isEmpty())
        *pTcf = SyncCatalogue::doGenerateTCFFile(routes, m_sTempPath + "/TCF.txt", &bWritten, &m_bAbort);
    QList<SyncCatalogue::LeftOut> left;
    if (bWritten && !rides.isEmpty())
        *pRcf =
            SyncCatalogue::doGenerateRCFFile(rides, m_sTempPath + "/RCF.txt", &bWritten, &m_bAbort, &left);
    SyncLeftBehind leftBehind(m_sTempPath);
    for (const SyncCatalogue::LeftOut& ride : qAsConst(left))
        leftBehind.add(ride.sPath, ride.sReason);
    return bWritten && !m_bAbort;
}
