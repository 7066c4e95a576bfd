#pragma once

#include "core/ActionStatus.h"
#include "core/DebugLog.h"
#include "core/Worker.h"

#include <QList>
#include <QObject>
#include <QString>

class QTranslator;
class GeneralWorker;
class EnumDevWorker;
class BackupRestoreWorker;
class UsbMonitor;
class SyncWorker;
class DevMonitorThread;

// The one controller of the agent: every window reaches it through getInstance() and every action
// starts and ends here. Workers report to slotHandleResults; the windows hear actionFinish (and the map
// page emitMapStatus) exactly once per result. Created on first use, never destroyed.
class ZeqAgentCtrlMgr : public QObject
{
    Q_OBJECT

public:
    static ZeqAgentCtrlMgr* getInstance();

    // Copies a service answer file into the debug log, one line per log line.
    void exportToDebugLog(const QString& sPath);

    // Account operations: each forwards the page's JSON request text to the account worker.
    bool login(QString sRequest);
    bool isRegisterDev(QString sRequest);
    bool registerDev(QString sRequest);
    bool deRegDev(QString sRequest);
    bool getCustomSetting(QString sRequest);
    bool setCustomSetting(QString sRequest);
    void logout();
    void setMyDeviceRegWidgetButton(bool bEnable);
    void emitSyncSuccess();

    // Interface language.
    void setLang(QString sCode);
    QString langCode() const { return m_sLangCode; }

    // Stored password and the sharing web site.
    static QString scramblePassword(QString sText);
    static QString unscramblePassword(QString sText);
    void openShareWeb(bool bDashboard, bool bCorrupt);

    // Error details that the update and map readers leave for the next failure report.
    void setErrorInfo(QString sCode, QString sText);
    QString takeErrorCode();
    QString takeErrorString();

    // The current account: signed in when all three are non-empty.
    QString currentUser() const { return m_sUser; }
    QString currentPassword() const { return m_sPassword; }
    QString currentSession() const { return m_sSession; }
    QString pendingUser() const { return m_sPendingUser; }
    QString pendingPassword() const { return m_sPendingPassword; }
    bool isSignedIn() const { return !m_sUser.isEmpty() && !m_sPassword.isEmpty() && !m_sSession.isEmpty(); }

    // Asks the service for the account's devices; the list is rebuilt when the answer arrives.
    bool enumRegDevs(QString sRequest);
    // Rebuilds the list from "/temp/enumdev.xml"; false for an error answer.
    bool ProcEnumRegDev();

    // The devices registered to the account, in the service's order.
    const QList<Worker::DEVINFO>& regDevList() const { return m_lstRegDev; }
    // Rebuilds the list from an account device list answer text; false for an error answer.
    bool procEnumRegDevText(const QString& sAnswer);

    bool isQuorvane() const { return m_bQuorvane; }

    // The attached device: present flag, family (1 serial, 2 drive) and its record with the serial port
    // or the drive roots (system drive first, data drive second).
    bool isDevicePresent() const { return m_bDevPresent; }
    int deviceFamily() const { return m_nDevFamily; }
    const Worker::DEVINFOEX& currentDevice() const { return m_curDevice; }
    // First drive root of the drive family (or the serial port name).
    QString currentDrive() const;
    void saveDeviceVersions(QString sUUID, int nFamily);
    void updateDeviceVersions();
    void doUpdateSetting();
    bool checkWendoAgentUpdateAvailable();
    bool checkSmartRecover();
    bool ChkFileCheckSume(QString sFile, QString sServerChecksum);
    // Free bytes on the device's first drive; 0 when the query fails (counted as no room).
    quint64 getDiskFreeSpace();
    bool isDeviceConnected() const { return m_bDevPresent; }

    // Backup and restore of the drive family; sParam is the parameter string of BackupRestoreParam.
    bool backupDev(const QString& sParam);
    bool restoreDev(const QString& sParam);
    void terminateBackup();
    void doStopBackupRestoreWorker();
    void doStopEnumDeviceWorker();
    void requestMyDeviceTab() { emit tabMyDevice(); }

    // Ride sync: the check (catalogues sent, work list received), then the queue of the work list.
    void checkSync(QString sRequest);
    void synclist(const QString& sRequest);
    void terminateSync();
    void doStopSyncWorker();

    // Stops every running worker at exit (those that exist), in the order backup and restore, sync,
    // map update, account device list, device update, agent update.
    void terminateAllWorker();

    // Page flags.
    void setShowMapTab(bool bShow) { m_bShowMapTab = bShow; }
    void setSettingNotSave(bool bNotSaved) { m_bSettingNotSave = bNotSaved; }
    void setCheckStarted(bool bStarted) { m_bCheckStarted = bStarted; }
    void setCustomSettingLoaded(bool bLoaded) { m_bCustomSettingLoaded = bLoaded; }
    bool isShowMapTab() const { return m_bShowMapTab; }
    bool isSettingNotSave() const { return m_bSettingNotSave; }
    bool isCheckStarted() const { return m_bCheckStarted; }
    bool isCustomSettingLoaded() const { return m_bCustomSettingLoaded; }
    int m_nDevPageStyle = 0;

signals:
    void emitMapStatus(ACTION_STATUS status, QString sResult);
    void devRefresh(bool bArrival);
    void actionFinish(ACTION_STATUS status, QString sResult);
    void tabMyDevice();
    void emitLogin(QString sRequest);
    void emitCheckRegDev(QString sRequest);
    void emitRegDev(QString sRequest);
    void emitDeRegDev(QString sRequest);
    void emitSetCustomSetting(QString sRequest);
    void emitGetCustomSetting(QString sRequest);

public slots:
    void notityWendoDev(Worker::DEVINFOEX devinfoex);
    void slotHandleResults(ACTION_STATUS status, QString sResult);

private:
    explicit ZeqAgentCtrlMgr(QObject* pParent = nullptr);
    void pairSettingsFiles();
    void handleAccountResult(ACTION_STATUS status, const QString& sResult);
    void showConnectionMessage();
    void createGeneralWorker();
    // Hands a page's request text on to the account worker unchanged.
    bool forwardRequest(const char* szOperation, void (ZeqAgentCtrlMgr::*pSignal)(QString),
                        const QString& sRequest);
    void startDeviceWatch();
    void startBackupWorker(const QString& sParam, int nMode);

    // Results of a worker reach the handler only while the controller still holds that worker: a stopped
    // or replaced worker's late (queued) result is dropped, so it can never stop or delete another one.
    // The worker's address is compared, never dereferenced: it may be gone by then.
    template <typename T> void connectWorker(T* pWorker)
    {
        connect(pWorker, &T::emitStatus, this, [this, pWorker](ACTION_STATUS status, QString sResult) {
            if (!isHeldWorker(pWorker)) {
                writeLog(1, "[ZeqAgentCtrlMgr][slotHandleResults] result %d of a stopped worker dropped",
                         int(status));
                return;
            }
            slotHandleResults(status, sResult);
        });
    }
    bool isHeldWorker(const QObject* pWorker) const;
    // Takes the worker out of its member and deletes it once control is back in the event loop, so a
    // worker is never deleted inside its own emission.
    template <typename T> void releaseWorker(T*& pMember)
    {
        T* pDone = pMember;
        pMember = nullptr;
        if (pDone)
            pDone->deleteLater();
    }
    // Deletes the worker now (a thread worker's destructor stops its thread).
    template <typename T> void stopWorker(T*& pMember)
    {
        T* pDone = pMember;
        pMember = nullptr;
        delete pDone;
    }

    // The current account and the one the last sign-in asked for.
    QString m_sUser;
    QString m_sPassword;
    QString m_sSession;
    QString m_sPendingUser;
    QString m_sPendingPassword;
    // The accounts of sign-ins still on their way, oldest first: each answer belongs to the oldest.
    QList<QPair<QString, QString>> m_lstSignInsInFlight;

    UsbMonitor* m_pUsbMonitor = nullptr;
    DevMonitorThread* m_pDevMonitor = nullptr;
    GeneralWorker* m_pGeneralWorker = nullptr;
    EnumDevWorker* m_pEnumDevWorker = nullptr;
    BackupRestoreWorker* m_pBackupWorker = nullptr;
    SyncWorker* m_pSyncWorker = nullptr;

    bool m_bDevPresent = false;
    int m_nDevFamily = 2;
    Worker::DEVINFOEX m_curDevice;

    QList<Worker::DEVINFO> m_lstRegDev;
    QTranslator* m_pTranslator = nullptr;
    QString m_sLangCode;
    bool m_bQuorvane = false;
    QString m_sErrorCode;
    QString m_sErrorString;

    bool m_bShowMapTab = false;
    bool m_bSettingNotSave = false;
    bool m_bCheckStarted = false;
    bool m_bCustomSettingLoaded = false;
};
