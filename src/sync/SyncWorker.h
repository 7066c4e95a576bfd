#pragma once

#include "RcfLookup.h"
#include "core/ActionStatus.h"
#include "core/WorkFile.h"

#include <QObject>
#include <QString>

class PreSyncWorker;
class WorkerThread;

// One sync action with the sharing service, living in the GUI thread. Two entries, each on a fresh worker:
//
// checkSync({"type","mount","session","user"}): the check. A PreSyncWorker thread collects the rides and
// routes and builds the catalogues; the getRouteSyncList request runs on a WorkerThread; the answer
// becomes the work list "Sync.script". Ends with SYNC_CHECKSUCCESS (61)
// {"records":"%1","tracks":"%2","delete":"%3"}, SYNC_NETERROR (66), or SYNC_DISKFULL (70) when a work file or
// the answer could not be written for lack of room on the computer.
//
// synclist({"type","drive","session","user","kept"}): the queue, one work-list line per step, each step
// preceded by SYNC_PROCESS (68) {"records":"%1","tracks":"%2"}. Uploads send the ride with uploadRec and,
// with "kept" "false", delete it from the device only once the answer's return text starts "SUCCESS:";
// downloads fetch a route track into "Korvo/Tracks" under a hidden temporary name and give it its own
// name only once it is whole; deletes remove a ride. What cannot be done (an upload the service did not
// confirm, a ride not reached or not removed, a route that cannot be written or that the drive would not
// take, a line that cannot run) is named in the sync's SyncLeftBehind list and the queue goes on. Ends with
// SYNC_SUCCESS (63) or SYNC_CORRUPTION (64, "true", an answer was "SUCCESS:S0006") when nothing was left
// behind, else SYNC_UPLOADERROR (62) when all that was left are uploads the service refused,
// SYNC_PARTIALERROR (65) otherwise (what the check left counts too); SYNC_NETERROR (66) for a failed transfer
// or an unusable work list, SYNC_DISKFULL (70) when the computer's disk is too full for a work file or an
// answer (the line stays, no ride is deleted for an upload whose answer was not stored), and
// SYNC_SIZENOTENOUGH (67, "true") below 2 MB free on the device or when a route does not fit on it.
//
// Exactly one final status ends each action and is the last thing the worker does, so the receiver may
// delete it from inside the emission. Deleting the worker stops it: the preparation thread is told to
// stop and waited for, a running transfer is abandoned, and a partly written track download is removed.
class SyncWorker : public QObject
{
    Q_OBJECT

public:
    explicit SyncWorker(QObject* pParent = nullptr);
    ~SyncWorker() override;

    void checkSync(const QString& sRequest);
    bool synclist(const QString& sRequest);

    // Free megabytes on the volume of sDrive; 0 when the query fails (counted as no room).
    static quint64 getFreeSpaceMB(const QString& sDrive);
    // The route file for a track title below the drive's "Korvo/Tracks" (the folder is created):
    // characters a FAT name cannot hold become "_", an existing name gets "_(1)", "_(2)", ..., and a
    // title too long for a file name is cut in whole characters so that the name with its "_(n)" and
    // ".gpx" fits in NAME_MAX_BYTES.
    static QString trackFileName(const QString& sDrive, const QString& sTitle);
    // The hidden name beside a route file under which its download is written until it is whole; it
    // never ends in "gpx", so the check never takes it for a route.
    static QString partFileName(const QString& sTrackFile);
    // The files a ride's deletion removes: the ride and its "bin" and "fit" companions. A companion is
    // taken in the ride's exact spelling; in another letter case only when no other ride of the folder
    // has the same name without regard to case (a case-sensitive volume may hold "Ride.gpx" beside
    // "ride.gpx" and "ride.bin").
    static QStringList rideFiles(const QString& sLocation);

    // The longest file name in bytes that the device's file systems take.
    static const int NAME_MAX_BYTES = 255;

signals:
    void emitStatus(ACTION_STATUS status, QString sResult);

public slots:
    void netFinish(bool bSuccess);
    void preSyncFinish(bool bSuccess, QString sSync);
    void slotDownloadProcess(qint64 nRead, qint64 nTotal);

private:
    enum Step { STEP_NEXT, STEP_WAIT, STEP_END };
    enum Job { JOB_NONE, JOB_CHECK, JOB_UPLOAD, JOB_DOWNLOAD };

    void doCheckSyn(const QString& sRequest);
    void finishCheck(bool bSuccess, bool bDiskFull);
    bool procSyncList(QString* pResult);

    void runQueue();
    Step runStep(const WorkFile::Row& row);
    Step stepUpload(const WorkFile::Row& row);
    Step stepDownload(const WorkFile::Row& row);
    Step stepDelete(const WorkFile::Row& row);
    Step dropLine(const char* szWhy);
    Step leaveLine(const QString& sName, const QString& sReason);
    void failSync(bool bDiskFull);
    void finishQueue();
    bool isDriveThere() const;
    bool prepareDownload(const QString& sFile, QString* pWhy);
    bool finishDownload(QString* pWhy);
    Step finishUpload();
    bool readList(QList<WorkFile::Row>* pRows);
    void reportProgress(const QList<WorkFile::Row>& rows);
    bool confirmUpload();

    bool doSyncUpload(const QString& sSession, const QString& sUser, const QString& sHash);
    bool syncdownload(const QString& sUrl, const QString& sFile);
    // False when the ride stays on the device because its files could not be removed (a ride the
    // catalogue does not hold, or one that is not there, has nothing left to remove).
    bool doDeleteSync(const QString& sHash, const QString& sPort);
    bool deleteRide(const QString& sLocation, const QString& sPort);
    bool deleteRideFiles(const QString& sLocation);
    static bool anotherRideShares(const QString& sFolder, const QString& sName);
    // sStem cut in whole characters so that it and sEnd fit in nMaxBytes of UTF-8.
    static QString fitName(const QString& sStem, const QString& sEnd, int nMaxBytes = NAME_MAX_BYTES);
    bool loadCatalogue();
    void startJob(Job eJob, WorkerThread* pThread);

    int m_nMode = 0;
    QString m_sUrl;
    QString m_sResponseFile;
    QString m_sRequest;
    QString m_sTempPath;
    bool m_bSerialDev = false;
    bool m_bCorruption = false;
    bool m_bKeptHistory = true;
    QString m_sDrive;
    QString m_sSession;
    QString m_sUser;
    QString m_sDownloadFile; // the temporary file of the download under way
    QString m_sTrackFile;    // the name it takes once whole
    QString m_sTrackTitle;
    QString m_sUploadLocation;
    QString m_sWhyNot;  // why the last upload could not be sent
    int m_nLeft = 0;    // things this queue left behind
    int m_nRefused = 0; // of them, uploads the service did not confirm
    WorkerThread* m_pWorkerThread = nullptr;
    PreSyncWorker* m_pPreSyncWorker = nullptr;
    Job m_eJob = JOB_NONE;
    RcfLookup m_catalogue;
    bool m_bCatalogueLoaded = false;
};
