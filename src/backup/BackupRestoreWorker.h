#pragma once

#include "BackupRestoreParam.h"
#include "core/ActionStatus.h"

#include <QMutex>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QThread>
#include <QWaitCondition>
#include <atomic>

class RestoreSwap;

// Backs a drive-family device up into two 7z archives (system part, then data part) and restores it
// from them, on a thread of its own. The parameter text (BackupRestoreParam) says what is archived and
// where; the drive roots say which device it is. Each job ends with exactly one final status, emitted
// last: BACKUP_SUCCESS or BACKUP_FAIL (mode 0), RESTORE_SUCCESS or RESTORE_FAIL (mode 1); the only
// other status is BACKUP_PROCESS / RESTORE_PROCESS "50" once the system part is done.
//
// A backup writes only the temporary "_tmp.7z" names (BackupFiles commits them after success). A
// restore tests both archives first, extracts beside the destinations and moves the result in only when
// both extractions succeeded, so a failed or stopped restore leaves the device as it was.
//
// Stopping: requestStop() (or deleting the worker, which calls it) makes the thread kill a running 7z
// and end the job with its failure status; neither waits for 7z to finish its work.
class BackupRestoreWorker : public QThread
{
    Q_OBJECT

public:
    enum { MODE_BACKUP = 0, MODE_RESTORE = 1 };

    explicit BackupRestoreWorker(QObject* parent = nullptr);
    // Requests a stop, then waits for the thread (which ends promptly once its 7z is killed).
    ~BackupRestoreWorker() override;

    // Set before start().
    void setParam(const QString& sParam);
    void setMode(int nMode); // 0 backup, 1 restore; any other value: no job, no status
    // The device's drive roots: system drive first, data drive second, each a mount path ending in "/".
    void setDriveRoots(const QStringList& lstDrive);
    // The pause between the system part and the data part (1000 ms).
    void setPartPause(int nMs);

    // Thread-safe and returns at once: kills a running 7z and ends the job with its failure status.
    void requestStop();

signals:
    void emitStatus(ACTION_STATUS status, QString sResult);

public slots:
    void slotDisplay();
    // Records how the running 7z ended; connected directly, so it runs in the worker thread.
    void slotProcessFinish(int nExitCode, QProcess::ExitStatus exitStatus);

protected:
    void run() override;

private:
    void doBackup(const QString& sParam);
    void doRestore(const QString& sParam);
    bool backupParts(const QString& sParam);
    bool restoreParts(const QString& sParam);
    bool readJob(const QString& sParam, BackupRestoreParam::Values* pValues);
    bool checkLocations(const BackupRestoreParam::Values& values);
    bool drivesPresent() const;
    bool removeStaleArchives();
    bool doBackupSysProcess(const QString& sArchive, const QString& sSource);
    bool doBackupDataProcess(const QString& sArchive, const QString& sSource);
    QString sourceRoot(const QString& sFolder, int nDrive) const;
    bool doTestProcess(QProcess** ppProcess, const QString& sArchive);
    bool runBackup(QProcess** ppProcess, const QString& sArchive, const QString& sSource,
                   const QString& sRoot, const char* szPrefix);
    bool doRestoreProcess(QProcess** ppProcess, const QString& sArchive, RestoreSwap* pSwap,
                          const QString& sRoot);
    bool commitRestore(RestoreSwap* pSys, RestoreSwap* pData);
    bool runArchiveProgram(QProcess** ppProcess, const QStringList& args, const char* szPrefix);
    bool waitProcess(QProcess* pProcess, const char* szPrefix);
    bool pauseBetweenParts();
    bool isStopRequested() const { return m_bStop.load(); }
    void emitFinal(bool bOk);

    QString m_sParam;
    int m_nMode = -1;
    QProcess* m_pSysProcess = nullptr;  // the 7z run of the system part (worker thread only)
    QProcess* m_pDataProcess = nullptr; // the 7z run of the data part (worker thread only)
    bool m_bFailed = false;
    QString m_sSysTmpArchive;
    QString m_sEmptySource; // the empty folder standing in for a part the device lacks, while a backup runs
    QString m_sDataTmpArchive;
    QStringList m_lstDrive;
    int m_nPartPauseMs = 1000;

    // How the 7z run in progress ended.
    bool m_bRunFinished = false;
    int m_nRunExitCode = -1;
    QProcess::ExitStatus m_runExitStatus = QProcess::NormalExit;

    std::atomic<bool> m_bStop{false};
    QMutex m_stopMutex;
    QWaitCondition m_stopCondition;
};
