#include "ZeqAgentCtrlMgr.h"

#include "LanguageTable.h"
#include "PasswordScrambler.h"
#include "SerialAccessMessage.h"
#include "ShareWebLauncher.h"
#include "UrlOpener.h"
#include "WorkerSlot.h"
#include "core/AgentFolders.h"
#include "core/AgentSettings.h"
#include "core/AgentTiming.h"
#include "core/DebugLog.h"
#include "core/JsonHelper.h"
#include "core/SafeFile.h"
#include "device/DevMonitorThread.h"
#include "device/UsbMonitor.h"
#include "net/GeneralWorker.h"
#include "update/ArchiveSize.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLocale>
#include <QTimer>
#include <QTranslator>

#include <mutex>

ZeqAgentCtrlMgr* ZeqAgentCtrlMgr::getInstance()
{
    static std::once_flag s_created;
    static ZeqAgentCtrlMgr* s_pInstance = nullptr;
    AgentFolders::ensureFilled();
    std::call_once(s_created, [] { s_pInstance = new ZeqAgentCtrlMgr(); });
    return s_pInstance;
}

ZeqAgentCtrlMgr::ZeqAgentCtrlMgr(QObject* pParent)
    : QObject(pParent), m_bQuorvane(QFile::exists(AgentFolders::programPath("/Quorvane.bin")))
{
    writeLog(1, "[ZeqAgentCtrlMgr][ZeqAgentCtrlMgr][Entry]");
    pairSettingsFiles();
    QDir().mkpath(AgentFolders::tempDir());
    Worker::registerMetaTypes();
    for (ActionFamily* pFamily : m_lstFamilies) {
        pFamily->setResultSink([this](const QObject* pSender, ACTION_STATUS status, const QString& sResult) {
            handleResult(pSender, status, sResult);
        });
    }
    startDeviceWatch();
    createGeneralWorker();
    QString sLang;
    {
        AgentSettings settings;
        sLang = settings.getString("SETTING", "Lang");
    }
    setLang(sLang.isEmpty() ? QLocale::system().name() : sLang);
    writeLog(1, "[ZeqAgentCtrlMgr][ZeqAgentCtrlMgr][End]");
}

// The user's settings start as a copy of the shipped defaults; afterwards only the agent's own version
// and release are taken from the defaults at each start, every user choice stays.
void ZeqAgentCtrlMgr::pairSettingsFiles()
{
    const QString sUserPath = QString("%1/%2").arg(AgentFolders::dataDir(), "settings.ini");
    const QString sDefPath = QString("%1/%2").arg(AgentFolders::programDir(), "defsettings.ini");
    if (!QFile::exists(sDefPath)) {
        writeLog(1, "[ZeqAgentCtrlMgr][ZeqAgentCtrlMgr] No DefSettings.ini");
    } else if (!QFile::exists(sUserPath)) {
        copyDefaults(sDefPath, sUserPath);
    } else {
        AgentSettings settings;
        settings.setValue("AGENT", "version", settings.defString("AGENT", "version"));
        settings.setValue("AGENT", "release", settings.defString("AGENT", "release"));
    }
    // Also tightens a user file left readable by an older version: it holds the scrambled password.
    AgentSettings::protectFile(sUserPath);
    AgentSettings settings;
    writeLog(1, "[ZeqAgentCtrlMgr][ZeqAgentCtrlMgr] -----------%s-------------",
             qUtf8Printable(settings.defString("AGENT", "version")));
}

// The first copy lands whole or not at all (a half-copied file would read as settings), private at once.
void ZeqAgentCtrlMgr::copyDefaults(const QString& sDefPath, const QString& sUserPath)
{
    QFile defaults(sDefPath);
    QString sError;
    if (!defaults.open(QIODevice::ReadOnly))
        sError = defaults.errorString();
    else
        SafeFile::writePrivate(sUserPath, defaults.readAll(), &sError);
    if (!sError.isEmpty())
        writeLog(1, "[ZeqAgentCtrlMgr][copyDefaults] settings.ini not created: %s", qUtf8Printable(sError));
}

void ZeqAgentCtrlMgr::exportToDebugLog(const QString& sPath)
{
    DebugLog::exportFile(sPath);
}

// USB notices feed the device monitor, whose checks run on its own thread; each change reaches
// notityWendoDev queued, with the device's record by value.
void ZeqAgentCtrlMgr::startDeviceWatch()
{
    m_pUsbMonitor = new UsbMonitor(this);
    m_pUsbMonitor->startMonitor();
    m_pDevMonitor = new DevMonitorThread();
    m_device.setMonitor(m_pDevMonitor);
    connect(m_pUsbMonitor, &UsbMonitor::notifyDev, m_pDevMonitor, &DevMonitorThread::notifyDev);
    connect(m_pDevMonitor, &DevMonitorThread::notityWendoDev, this, &ZeqAgentCtrlMgr::notityWendoDev);
    // The monitor tells each refused port once; the box is shown here, on the window's thread.
    connect(m_pDevMonitor, &DevMonitorThread::serialPortRefused, this,
            [](const QString& sPort) { SerialAccessMessage::show(sPort); });
    DevMonitorThread* pMonitor = m_pDevMonitor;
    QTimer::singleShot(AgentTiming::ms(AgentTiming::MONITOR_START), pMonitor,
                       [pMonitor] { pMonitor->start(); });
}

void ZeqAgentCtrlMgr::createGeneralWorker()
{
    m_pGeneralWorker = new GeneralWorker();
    connect(m_pGeneralWorker, &GeneralWorker::emitStatus, this, &ZeqAgentCtrlMgr::slotHandleResults);
    connect(this, &ZeqAgentCtrlMgr::emitLogin, m_pGeneralWorker, &GeneralWorker::slotLogin);
    connect(this, &ZeqAgentCtrlMgr::emitCheckRegDev, m_pGeneralWorker, &GeneralWorker::slotCheckRegDev);
    connect(this, &ZeqAgentCtrlMgr::emitRegDev, m_pGeneralWorker, &GeneralWorker::slotRegDev);
    connect(this, &ZeqAgentCtrlMgr::emitDeRegDev, m_pGeneralWorker, &GeneralWorker::slotDeRegDev);
    connect(this, &ZeqAgentCtrlMgr::emitSetCustomSetting, m_pGeneralWorker,
            &GeneralWorker::slotSetCustomSetting);
    connect(this, &ZeqAgentCtrlMgr::emitGetCustomSetting, m_pGeneralWorker,
            &GeneralWorker::slotGetCustomSetting);
}

// ---- results ----

void ZeqAgentCtrlMgr::slotHandleResults(ACTION_STATUS status, QString sResult)
{
    handleResult(sender(), status, sResult);
}

void ZeqAgentCtrlMgr::handleResult(const QObject* pSender, ACTION_STATUS status, const QString& sResult)
{
    // Handled at once and in order: results are never held back, progress included.
    writeLog(1, "[ZeqAgentCtrlMgr][slotHandleResults] status %d", int(status));
    ActionFamily::Route route{status};
    for (ActionFamily* pFamily : m_lstFamilies) {
        if (pFamily->handleResult(pSender, status, sResult, &route))
            break;
    }
    if (!route.bWindows)
        return;
    if (route.bMapStatus)
        emit emitMapStatus(route.status, sResult);
    emit actionFinish(route.status, sResult);
}

void ZeqAgentCtrlMgr::setErrorInfo(QString sCode, QString sText)
{
    m_errorInfo.set(sCode, sText);
}

QString ZeqAgentCtrlMgr::takeErrorCode()
{
    return m_errorInfo.takeCode();
}

QString ZeqAgentCtrlMgr::takeErrorString()
{
    return m_errorInfo.takeText();
}

// ---- account ----

bool ZeqAgentCtrlMgr::login(QString sRequest)
{
    writeLog(1, "[ZeqAgentCtrlMgr][login][entry]");
    m_account.noteSignIn(sRequest);
    emit emitLogin(sRequest);
    writeLog(1, "[ZeqAgentCtrlMgr][login][End]");
    return true;
}

bool ZeqAgentCtrlMgr::forwardRequest(const char* szOperation, void (ZeqAgentCtrlMgr::*pSignal)(QString),
                                     const QString& sRequest)
{
    writeLog(1, "[ZeqAgentCtrlMgr][%s][Entry]", szOperation);
    emit(this->*pSignal)(sRequest);
    writeLog(1, "[ZeqAgentCtrlMgr][%s][End]", szOperation);
    return true;
}

bool ZeqAgentCtrlMgr::isRegisterDev(QString sRequest)
{
    m_deviceAnswers.noteAsk(DeviceAnswers::ASK_CHECK, sRequest);
    return forwardRequest("isRegisterDev", &ZeqAgentCtrlMgr::emitCheckRegDev, sRequest);
}

bool ZeqAgentCtrlMgr::registerDev(QString sRequest)
{
    m_deviceAnswers.noteAsk(DeviceAnswers::ASK_REGISTER, sRequest);
    return forwardRequest("registerDev", &ZeqAgentCtrlMgr::emitRegDev, sRequest);
}

bool ZeqAgentCtrlMgr::deRegDev(QString sRequest, bool bRemoveBackup)
{
    m_account.deregistrations().add(JsonHelper().parse(sRequest).value("uuid").toString(), bRemoveBackup);
    return forwardRequest("deRegDev", &ZeqAgentCtrlMgr::emitDeRegDev, sRequest);
}

bool ZeqAgentCtrlMgr::getCustomSetting(QString sRequest)
{
    return forwardRequest("getCustomSetting", &ZeqAgentCtrlMgr::emitGetCustomSetting, sRequest);
}

bool ZeqAgentCtrlMgr::setCustomSetting(QString sRequest)
{
    return forwardRequest("setCustomSetting", &ZeqAgentCtrlMgr::emitSetCustomSetting, sRequest);
}

void ZeqAgentCtrlMgr::logout()
{
    writeLog(1, "[ZeqAgentCtrlMgr][logout][Entry]");
    // A sync runs on the signed-in account's session: stopped as the sync box's stop does, so nothing more
    // is sent with that session and no ride is deleted on an answer that comes after the sign-out.
    doStopSyncWorker();
    m_account.signOut();
    // The daily check is the signed-in account's.
    m_updates.stopKorvoWorker();
    emit actionFinish(LOGOUT_SUCCESS, QString());
    writeLog(1, "[ZeqAgentCtrlMgr][logout][End]");
}

void ZeqAgentCtrlMgr::setMyDeviceRegWidgetButton(bool bEnable)
{
    writeLog(1, "[ZeqAgentCtrlMgr][setMyDeviceRegWidgetButton]status %d", int(bEnable));
    const ACTION_STATUS status = bEnable ? BACKUP_BUTTONSENABLE : BACKUP_BUTTONSDISABLE;
    emit actionFinish(status, QString());
    emit emitMapStatus(status, QString());
}

void ZeqAgentCtrlMgr::emitSyncSuccess()
{
    emit actionFinish(SYNC_SUCCESS, QString());
}

bool ZeqAgentCtrlMgr::enumRegDevs(QString sRequest)
{
    writeLog(1, "[ZeqAgentCtrlMgr][enumRegDevs][Entry]");
    m_account.enumRegDevs(sRequest);
    writeLog(1, "[ZeqAgentCtrlMgr][enumRegDevs][End]");
    return true;
}

bool ZeqAgentCtrlMgr::ProcEnumRegDev()
{
    return m_account.procEnumRegDev();
}

bool ZeqAgentCtrlMgr::procEnumRegDevText(const QString& sAnswer)
{
    return m_account.procEnumRegDevText(sAnswer);
}

void ZeqAgentCtrlMgr::doStopEnumDeviceWorker()
{
    m_account.stopEnumRegDevs();
}

// ---- language, stored password and web site ----

void ZeqAgentCtrlMgr::setLang(QString sCode)
{
    writeLog(1, "[ZeqAgentCtrlMgr][setLang][Entry]");
    // Only one translation is installed at a time, so switching back shows that language's texts (or the
    // built-in English ones) instead of leftovers of the previous language.
    if (m_pTranslator) {
        QCoreApplication::removeTranslator(m_pTranslator);
        delete m_pTranslator;
    }
    m_pTranslator = new QTranslator();
    m_sLangCode = LanguageTable::codeFor(sCode);
    m_qtTranslation.switchTo(m_sLangCode);
    const QString sFile = AgentFolders::programPath(LanguageTable::fileFor(m_sLangCode));
    const bool bLoaded = m_pTranslator->load(sFile);
    writeLog(1, "[ZeqAgentCtrlMgr][setLang] %s loaded:%d", qUtf8Printable(sFile), int(bLoaded));
    {
        AgentSettings settings;
        settings.setValue("SETTING", "Lang", m_sLangCode);
    }
    if (bLoaded)
        QCoreApplication::installTranslator(m_pTranslator);
    writeLog(1, "[ZeqAgentCtrlMgr][setLang][End]");
}

void ZeqAgentCtrlMgr::GetCountryLangString(bool bAutoCheck)
{
    writeLog(1, "[ZeqAgentCtrlMgr][GetCountryLangString] auto %d lang %s", int(bAutoCheck),
             qUtf8Printable(m_sLangCode));
    m_maps.GetCountryLangString(m_sLangCode, bAutoCheck);
}

void ZeqAgentCtrlMgr::GetCountryGroup(bool bAutoCheck)
{
    m_maps.GetCountryGroup([this] { return m_sLangCode; }, bAutoCheck);
}

void ZeqAgentCtrlMgr::checkKorvoUpdate()
{
    KorvoUpdateWorker::Host host;
    host.deviceConnected = [this] { return m_device.isPresent(); };
    host.knownDevices = [this] {
        QStringList uuids;
        for (const Worker::DEVINFO& info : m_account.regDevList())
            uuids.append(info.sUUID);
        return uuids;
    };
    host.user = [this] { return m_account.user(); };
    host.error = [this](const QString& sCode, const QString& sText) { m_errorInfo.set(sCode, sText); };
    m_updates.checkKorvoUpdate(host);
}

void ZeqAgentCtrlMgr::doStopKorvoWorker()
{
    writeLog(1, "[ZeqAgentCtrlMgr][doStopKorvoWorker]");
    m_updates.stopKorvoWorker();
}

QString ZeqAgentCtrlMgr::scramblePassword(QString sText)
{
    return PasswordScrambler::scramble(sText);
}

QString ZeqAgentCtrlMgr::unscramblePassword(QString sText)
{
    return PasswordScrambler::unscramble(sText);
}

void ZeqAgentCtrlMgr::openShareWeb(bool bDashboard, bool bCorrupt)
{
    writeLog(1, "[ZeqAgentCtrlMgr][openShareWeb][Entry]");
    UrlOpener::open(ShareWebLauncher::launcherAddress(m_bQuorvane, m_account.session(), m_account.user(),
                                                      m_account.password(),
                                                      ShareWebLauncher::pageFor(bDashboard, bCorrupt)));
    writeLog(1, "[ZeqAgentCtrlMgr][openShareWeb][End]");
}

// ---- workers at exit ----

void ZeqAgentCtrlMgr::terminateAllWorker()
{
    writeLog(1, "[ZeqAgentCtrlMgr][terminateAllWorker][Entry]");
    const QList<WorkerSlot*> lstSlots = WorkerSlot::inExitOrder(m_lstFamilies);
    for (WorkerSlot* pSlot : lstSlots)
        pSlot->stop();
    // The program is ending: the device monitor may be in the middle of a long data-drive search, which
    // must not run on while the process tears down.
    if (m_pDevMonitor)
        m_pDevMonitor->stopMonitor();
    writeLog(1, "[ZeqAgentCtrlMgr][terminateAllWorker][End]");
}

// ---- device jobs ----

void ZeqAgentCtrlMgr::checkSync(QString sRequest)
{
    writeLog(1, "[ZeqAgentCtrlMgr][checkSync][Entry]");
    m_jobs.checkSync(sRequest);
    writeLog(1, "[ZeqAgentCtrlMgr][checkSync][End]");
}

void ZeqAgentCtrlMgr::synclist(const QString& sRequest)
{
    writeLog(1, "[ZeqAgentCtrlMgr][synclist][Entry]");
    m_jobs.synclist(sRequest);
    writeLog(1, "[ZeqAgentCtrlMgr][synclist][End]");
}

void ZeqAgentCtrlMgr::terminateSync()
{
    doStopSyncWorker();
}

void ZeqAgentCtrlMgr::doStopSyncWorker()
{
    m_jobs.stopSync();
}

bool ZeqAgentCtrlMgr::backupDev(const QString& sParam)
{
    writeLog(1, "[ZeqAgentCtrlMgr][backupDev][Entry]");
    m_jobs.backupDev(sParam);
    writeLog(1, "[ZeqAgentCtrlMgr][backupDev][End]");
    return true;
}

bool ZeqAgentCtrlMgr::restoreDev(const QString& sParam)
{
    writeLog(1, "[ZeqAgentCtrlMgr][restoreDev][Entry]");
    m_jobs.restoreDev(sParam);
    writeLog(1, "[ZeqAgentCtrlMgr][restoreDev][End]");
    return true;
}

void ZeqAgentCtrlMgr::terminateBackup()
{
    writeLog(1, "[ZeqAgentCtrlMgr][terminateBackup]");
    doStopBackupRestoreWorker();
}

void ZeqAgentCtrlMgr::doStopBackupRestoreWorker()
{
    writeLog(1, "[ZeqAgentCtrlMgr][doStopBackupRestoreWorker]");
    m_jobs.stopBackupRestore();
}

// ---- the attached device ----

void ZeqAgentCtrlMgr::notityWendoDev(Worker::DEVINFOEX devinfoex)
{
    writeLog(1, "[ZeqAgentCtrlMgr][notityWendoDev][Entry]");
    if (m_device.notice(devinfoex))
        emit devRefresh(m_device.isPresent());
    writeLog(1, "[ZeqAgentCtrlMgr][notityWendoDev][End]");
}

QString ZeqAgentCtrlMgr::currentDrive() const
{
    return m_device.currentDrive();
}

void ZeqAgentCtrlMgr::saveDeviceVersions(QString sUUID, int nFamily)
{
    Q_UNUSED(nFamily);
    m_device.saveVersions(sUUID);
}

void ZeqAgentCtrlMgr::updateDeviceVersions()
{
    m_device.saveVersions(m_device.uuid());
}

void ZeqAgentCtrlMgr::doUpdateSetting()
{
    m_device.doUpdateSetting();
}

bool ZeqAgentCtrlMgr::checkSmartRecover()
{
    return m_device.checkSmartRecover();
}

quint64 ZeqAgentCtrlMgr::getDiskFreeSpace()
{
    return m_device.diskFreeSpace();
}

bool ZeqAgentCtrlMgr::queryDiskFreeSpace(quint64* pnBytes)
{
    return m_device.queryDiskFreeSpace(pnBytes);
}

bool ZeqAgentCtrlMgr::ChkFileCheckSume(QString sFile, QString sServerChecksum)
{
    return DeviceState::checkFileChecksum(sFile, sServerChecksum);
}

// ---- updates ----

bool ZeqAgentCtrlMgr::checkWendoAgentUpdateAvailable()
{
    return m_updates.checkWendoAgentUpdateAvailable();
}

void ZeqAgentCtrlMgr::checkDeviceUpdate(QString sRequest, bool bAutoCheck)
{
    writeLog(1, "[ZeqAgentCtrlMgr][checkDeviceUpdate][Entry]");
    m_updates.checkDeviceUpdate(sRequest, bAutoCheck);
    writeLog(1, "[ZeqAgentCtrlMgr][checkDeviceUpdate][End]");
}

void ZeqAgentCtrlMgr::installDeviceUpdate(QString sRequest, bool bFlag)
{
    writeLog(1, "[ZeqAgentCtrlMgr][installDeviceUpdate][Entry] sRequest %s", qUtf8Printable(sRequest));
    m_updates.installDeviceUpdate(sRequest, bFlag);
    writeLog(1, "[ZeqAgentCtrlMgr][installDeviceUpdate][End]");
}

void ZeqAgentCtrlMgr::doStopDeviceWorker()
{
    writeLog(1, "[ZeqAgentCtrlMgr][doStopDeviceWorker]");
    m_updates.stopDeviceWorker();
}

// ---- maps ----

void ZeqAgentCtrlMgr::docheckFreeMapUpdate(QString sRequest, bool bAutoCheck)
{
    m_maps.docheckFreeMapUpdate(sRequest, bAutoCheck);
}

void ZeqAgentCtrlMgr::installMapUpdate(QString sRequest)
{
    m_maps.installMapUpdate(sRequest);
}

void ZeqAgentCtrlMgr::checkBuyMapAvailData(QString sRequest, bool bAutoCheck)
{
    m_maps.checkBuyMapAvailData(sRequest, bAutoCheck);
}

void ZeqAgentCtrlMgr::checkQueryMapCredit(QString sRequest, bool bAutoCheck)
{
    m_maps.checkQueryMapCredit(sRequest, bAutoCheck);
}

void ZeqAgentCtrlMgr::queryAddMapUpdate(QString sRequest, bool bAutoCheck)
{
    m_maps.queryAddMapUpdate(sRequest, bAutoCheck);
}

void ZeqAgentCtrlMgr::startDeviceMapQuery(void (MapActions::*pStart)(const QString&, bool),
                                          ACTION_STATUS eNoDevice)
{
    QString sRequest;
    if (!m_maps.currentMapRequest(&sRequest)) {
        writeLog(1, "[ZeqAgentCtrlMgr][startDeviceMapQuery] no device");
        handleResult(nullptr, eNoDevice, QString());
        return;
    }
    (m_maps.*pStart)(sRequest, true);
}

void ZeqAgentCtrlMgr::CheckBuyMapAddData()
{
    startDeviceMapQuery(&MapActions::checkBuyMapAvailData, ESHOP_ERROR);
}

void ZeqAgentCtrlMgr::checkMapCreditQuery()
{
    startDeviceMapQuery(&MapActions::checkQueryMapCredit, MAP_CREDITERROR);
}

void ZeqAgentCtrlMgr::QuerykAddMap()
{
    startDeviceMapQuery(&MapActions::queryAddMapUpdate, MAP_QUERYADDMAP);
}

void ZeqAgentCtrlMgr::doStopMapFreeWorker()
{
    m_maps.doStopMapFreeWorker();
}

void ZeqAgentCtrlMgr::terminateCheckUpdate()
{
    writeLog(1, "[ZeqAgentCtrlMgr][terminateCheckUpdate]");
    m_maps.doStopMapFreeWorker();
}

void ZeqAgentCtrlMgr::exploerEShopAddition_Credits()
{
    m_maps.exploerEShopAddition_Credits();
}

void ZeqAgentCtrlMgr::exploerEShopMapCredits()
{
    m_maps.exploerEShopMapCredits();
}

// The room the archive takes on the device's drive, which is what the install dialog's progress sees go.
qint64 ZeqAgentCtrlMgr::getUnzipTotalSize(const QString& sArchive)
{
    return ArchiveSize::spaceOnDrive(sArchive, m_device.systemDriveRoot());
}

bool ZeqAgentCtrlMgr::isUpdateDialogShown() const
{
    return m_updates.isUpdateDialogShown();
}

void ZeqAgentCtrlMgr::checkWendoAgentupdate()
{
    m_updates.checkWendoAgentupdate();
}
