#pragma once

#include "AccountActions.h"
#include "DeviceAnswers.h"
#include "DeviceJobs.h"
#include "DeviceState.h"
#include "ErrorInfo.h"
#include "MapActions.h"
#include "QtTranslation.h"
#include "UpdateActions.h"
#include "core/ActionStatus.h"
#include "core/DebugLog.h"
#include "core/Worker.h"

#include <QList>
#include <QObject>
#include <QString>

class QTranslator;
class GeneralWorker;
class UsbMonitor;
class DevMonitorThread;

// The one controller of the agent: every window reaches it through getInstance() and every action
// starts and ends here. It is the front of the action families (account, device state, device jobs,
// updates, maps), which own their workers and do the bookkeeping of their own results. Workers report to
// slotHandleResults; the windows hear actionFinish (and the map page emitMapStatus) exactly once per
// result. Created on first use, never destroyed.
class ZeqAgentCtrlMgr : public QObject
{
    Q_OBJECT

public:
    static ZeqAgentCtrlMgr* getInstance();

    // Copies a service answer file into the debug log, one line per log line.
    void exportToDebugLog(const QString& sPath);

    // Account operations: each forwards the page's JSON request text to the account worker.
    bool login(QString sRequest);
    // A check or registration answer reaches the windows only while the device it asks about stays
    // attached (answers arrive in the order the requests were sent).
    bool isRegisterDev(QString sRequest);
    bool registerDev(QString sRequest);
    // Registration checks and registrations sent and not yet answered.
    int deviceAnswersInFlight() const { return m_deviceAnswers.inFlight(); }
    // bRemoveBackup: once this deregistration succeeds, the device's archives go and its backup date is
    // emptied.
    bool deRegDev(QString sRequest, bool bRemoveBackup = false);
    bool getCustomSetting(QString sRequest);
    bool setCustomSetting(QString sRequest);
    void logout();
    void setMyDeviceRegWidgetButton(bool bEnable);
    void emitSyncSuccess();

    // Interface language.
    void setLang(QString sCode);
    // Asks the map service for its country and language texts in the current language.
    void GetCountryLangString(bool bAutoCheck);
    // The country groups ("country.script"), then the map languages: 93.
    void GetCountryGroup(bool bAutoCheck);
    // Starts the daily check of the account's devices (first pass a minute later); sign-out stops it.
    void checkKorvoUpdate();
    void doStopKorvoWorker();
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
    QString currentUser() const { return m_account.user(); }
    QString currentPassword() const { return m_account.password(); }
    QString currentSession() const { return m_account.session(); }
    QString pendingUser() const { return m_account.pendingUser(); }
    QString pendingPassword() const { return m_account.pendingPassword(); }
    bool isSignedIn() const { return m_account.isSignedIn(); }

    // Asks the service for the account's devices; the list is rebuilt when the answer arrives.
    bool enumRegDevs(QString sRequest);
    // Rebuilds the list from "/temp/enumdev.xml"; false for an error answer.
    bool ProcEnumRegDev();

    // The devices registered to the account, in the service's order.
    const QList<Worker::DEVINFO>& regDevList() const { return m_account.regDevList(); }
    // Rebuilds the list from an account device list answer text; false for an error answer.
    bool procEnumRegDevText(const QString& sAnswer);

    bool isQuorvane() const { return m_bQuorvane; }

    // The attached device: present flag, family (1 serial, 2 drive) and its record with the serial port
    // or the drive roots (system drive first, data drive second).
    bool isDevicePresent() const { return m_device.isPresent(); }
    int deviceFamily() const { return m_device.family(); }
    const Worker::DEVINFOEX& currentDevice() const { return m_device.current(); }
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
    // The same, telling a failed query (false) from a full drive (true with 0).
    bool queryDiskFreeSpace(quint64* pnBytes);
    // The system drive root of an attached drive-family device, where an install unpacks; "" when there
    // is none (a serial device, a device that left, a record without drive roots).
    QString systemDriveRoot() const { return m_device.systemDriveRoot(); }
    // The volume label of the device's system drive (also after it left, while the volume answers).
    QString systemDriveLabel() const { return m_device.systemDriveLabel(); }
    bool isDeviceConnected() const { return m_device.isPresent(); }

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
    // Whether a sync, or a backup or restore, is under way (its worker is held), so that the pages keep
    // the two apart and never cut a running sync.
    bool isSyncRunning() const { return m_jobs.isSyncRunning(); }
    bool isBackupRunning() const { return m_jobs.isBackupRunning(); }

    // Stops every running worker at exit (those that exist), in the order backup and restore, sync,
    // map update, account device list, device update, agent update.
    void terminateAllWorker();

    // Device software and agent updates: the check keeps the offer as "Update.script", the install
    // downloads the listed packages. A start stops the device update worker still held.
    void checkDeviceUpdate(QString sRequest, bool bAutoCheck);
    void installDeviceUpdate(QString sRequest, bool bFlag);
    void doStopDeviceWorker();
    // The room the archive takes unpacked onto the device's drive (its members rounded up to the drive's
    // allocation unit, its folders one unit each); -1 when it cannot be listed whole (a failed archive).
    // Blocks the caller for the listing without running its event loop.
    qint64 getUnzipTotalSize(const QString& sArchive);

    // Map services. The dialogs' check and install, the map page's shop, credit and add-on queries and the
    // language list each have a map worker of their own; a start stops only the one of its own kind.
    void docheckFreeMapUpdate(QString sRequest, bool bAutoCheck);
    void installMapUpdate(QString sRequest);
    void checkBuyMapAvailData(QString sRequest, bool bAutoCheck);
    void checkQueryMapCredit(QString sRequest, bool bAutoCheck);
    void queryAddMapUpdate(QString sRequest, bool bAutoCheck);
    // The same for the current device; without one the query ends at once (90, 92 or 94).
    void CheckBuyMapAddData();
    void checkMapCreditQuery();
    void QuerykAddMap();
    // Stops the dialogs' map worker; terminateCheckUpdate is the dialogs' cancel.
    void doStopMapFreeWorker();
    void terminateCheckUpdate();
    // The shop pages of the current device in the browser.
    void exploerEShopAddition_Credits();
    void exploerEShopMapCredits();
    // The values the map page shows.
    MapShopValues& mapValues() { return m_maps.values(); }
    bool GenerateCreditExpiredDay() { return m_maps.values().GenerateCreditExpiredDay(); }
    bool GenerateEShopURL() { return m_maps.values().GenerateEShopURL(); }
    void readMapLanguageScript() { m_maps.values().readMapLanguageScript(); }
    QString uniqueList(const QString& sText) const { return m_maps.values().uniqueList(sText); }
    void setQueryAddMapResult(const QString& sText) { m_maps.values().setQueryAddMapResult(sText); }

    // The update dialogs live in the window layer, reached through the DialogOpener it installs.
    bool isUpdateDialogShown() const;
    // The modal check of the agent's own update, unless an update dialog is already open.
    void checkWendoAgentupdate();

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
    static void copyDefaults(const QString& sDefPath, const QString& sUserPath);
    void createGeneralWorker();
    // Hands a page's request text on to the account worker unchanged.
    bool forwardRequest(const char* szOperation, void (ZeqAgentCtrlMgr::*pSignal)(QString),
                        const QString& sRequest);
    void startDeviceWatch();
    // The families' bookkeeping, then the windows hear the result once. pSender is the worker that sent
    // it (a held worker's result comes through its family, a late one of a stopped worker never comes).
    void handleResult(const QObject* pSender, ACTION_STATUS status, const QString& sResult);
    // Starts a page query for the current device, or reports eNoDevice at once.
    void startDeviceMapQuery(void (MapActions::*pStart)(const QString&, bool), ACTION_STATUS eNoDevice);

    // Set before the families that read it are built.
    const bool m_bQuorvane;
    ErrorInfo m_errorInfo;
    DeviceState m_device{m_bQuorvane};
    AccountActions m_account;
    DeviceAnswers m_deviceAnswers{m_device};
    DeviceJobs m_jobs{m_device};
    UpdateActions m_updates{m_device, m_errorInfo};
    MapActions m_maps{m_bQuorvane, m_device, m_errorInfo};
    // Asked in this order about each result.
    const QList<ActionFamily*> m_lstFamilies{&m_account, &m_deviceAnswers, &m_jobs, &m_updates, &m_maps};

    UsbMonitor* m_pUsbMonitor = nullptr;
    DevMonitorThread* m_pDevMonitor = nullptr;
    GeneralWorker* m_pGeneralWorker = nullptr;

    QTranslator* m_pTranslator = nullptr;
    QtTranslation m_qtTranslation; // Qt's own texts (standard buttons, field menus)
    QString m_sLangCode;

    bool m_bShowMapTab = false;
    bool m_bSettingNotSave = false;
    bool m_bCheckStarted = false;
    bool m_bCustomSettingLoaded = false;
};
