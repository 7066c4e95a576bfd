#include "ZeqAgentCtrlMgr.h"

#include "LanguageTable.h"
#include "PasswordScrambler.h"
#include "ShareWebLauncher.h"
#include "UrlOpener.h"
#include "backup/BackupRestoreWorker.h"
#include "core/AgentFolders.h"
#include "core/AgentSettings.h"
#include "core/AgentTiming.h"
#include "core/DebugLog.h"
#include "core/JsonHelper.h"
#include "core/Notifier.h"
#include "core/WorkFile.h"
#include "device/DevMonitorThread.h"
#include "device/UsbMonitor.h"
#include "net/EnumDevWorker.h"
#include "net/GeneralWorker.h"
#include "net/ProcEnumRegDevXml.h"
#include "platform/DevicePath.h"
#include "sync/SyncWorker.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDate>
#include <QDir>
#include <QFile>
#include <QFileInfo>
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

ZeqAgentCtrlMgr::ZeqAgentCtrlMgr(QObject* pParent) : QObject(pParent)
{
    writeLog(1, "[ZeqAgentCtrlMgr][ZeqAgentCtrlMgr][Entry]");
    pairSettingsFiles();
    m_bQuorvane = QFile::exists(AgentFolders::programPath("/Quorvane.bin"));
    QDir().mkpath(AgentFolders::tempDir());
    Worker::registerMetaTypes();
    startDeviceWatch();
    // Until a device arrives the record names the brand's default SKU.
    m_curDevice.type = 2;
    m_curDevice.devInfo.sSkuID = m_bQuorvane ? "2" : "1";
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
        QFile::copy(sDefPath, sUserPath);
    } else {
        AgentSettings settings;
        settings.setValue("AGENT", "version", settings.defString("AGENT", "version"));
        settings.setValue("AGENT", "release", settings.defString("AGENT", "release"));
    }
    // Also tightens a user file left readable by an older version: it holds the scrambled password.
    AgentSettings::protectFile(sUserPath);
    AgentSettings settings;
    writeLog(1, "[ZeqAgentCtrlMgr][ZeqAgentCtrlMgr] -----------%s-------------",
             settings.defString("AGENT", "version").toUtf8().constData());
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
    connect(m_pUsbMonitor, &UsbMonitor::notifyDev, m_pDevMonitor, &DevMonitorThread::notifyDev);
    connect(m_pDevMonitor, &DevMonitorThread::notityWendoDev, this, &ZeqAgentCtrlMgr::notityWendoDev);
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
    // Handled at once and in order: results are never held back, progress included.
    writeLog(1, "[ZeqAgentCtrlMgr][slotHandleResults] status %d", int(status));
    switch (status) {
    case LOGIN_SUCCESS:
    case LOGIN_ERROR:
    case LOGIN_REJECTED:
    case LOGIN_INTERNETERROR:
        handleAccountResult(status, sResult);
        break;
    case ENUMDEV_SUCCESS:
        ProcEnumRegDev();
        releaseWorker(m_pEnumDevWorker);
        break;
    case ENUMDEV_ERROR:
        releaseWorker(m_pEnumDevWorker);
        break;
    case BACKUP_SUCCESS:
        if (m_pBackupWorker) {
            AgentSettings settings;
            settings.setDeviceValue(m_curDevice.devInfo.sUUID, "backuptime",
                                    QDate::currentDate().toString("yyyy/MM/dd"));
            releaseWorker(m_pBackupWorker);
        }
        break;
    case BACKUP_FAIL:
    case RESTORE_SUCCESS:
    case RESTORE_FAIL:
        releaseWorker(m_pBackupWorker);
        break;
    case SYNC_CHECKSUCCESS:
    case SYNC_UPLOADERROR:
    case SYNC_SUCCESS:
    case SYNC_CORRUPTION: // a final result too: the queue has ended
    case SYNC_PARTIALERROR:
    case SYNC_NETERROR:
    case SYNC_SIZENOTENOUGH:
        releaseWorker(m_pSyncWorker);
        emit emitMapStatus(status, sResult);
        break;
    case MAP_CHECKERROR:
        writeLog(1, "[ZeqAgentCtrlMgr][slotHandleResults][MAP_CHECKERROR]");
        showConnectionMessage();
        break;
    default:
        break;
    }
    emit actionFinish(status, sResult);
}

void ZeqAgentCtrlMgr::handleAccountResult(ACTION_STATUS status, const QString& sResult)
{
    // Sign-ins are answered in the order they were sent; a second one sent before the first was answered
    // must not lend its account to the first answer.
    QPair<QString, QString> account(m_sPendingUser, m_sPendingPassword);
    if (!m_lstSignInsInFlight.isEmpty())
        account = m_lstSignInsInFlight.takeFirst();
    if (status == LOGIN_SUCCESS) {
        m_sUser = account.first;
        m_sPassword = account.second;
        m_sSession = sResult;
    } else {
        m_sUser.clear();
        m_sPassword.clear();
        m_sSession.clear();
    }
}

void ZeqAgentCtrlMgr::showConnectionMessage()
{
    const QString sCode = takeErrorCode();
    const QString sString = takeErrorString();
    QString sText =
        m_bQuorvane
            ? QObject::tr(
                  "Failed to connect to the QuorvaneShare Server. Please check your internet connection.")
            : QObject::tr("Failed to connect to the ZeqShare Server. Please check your internet connection.");
    if (!sCode.isEmpty())
        sText = QString("%1(%2)").arg(sText, sCode);
    Notifier::instance()->showMessage(QObject::tr("Internet connection"), sText, Notifier::OK);
    writeLog(1, "[ZeqAgentCtrlMgr][showMsg] errCode %s ErrString %s", sCode.toUtf8().constData(),
             sString.toUtf8().constData());
}

void ZeqAgentCtrlMgr::setErrorInfo(QString sCode, QString sText)
{
    m_sErrorCode = sCode;
    m_sErrorString = sText;
}

QString ZeqAgentCtrlMgr::takeErrorCode()
{
    QString sCode;
    sCode.swap(m_sErrorCode);
    return sCode;
}

QString ZeqAgentCtrlMgr::takeErrorString()
{
    QString sText;
    sText.swap(m_sErrorString);
    return sText;
}

// ---- account operations ----

bool ZeqAgentCtrlMgr::login(QString sRequest)
{
    writeLog(1, "[ZeqAgentCtrlMgr][login][entry]");
    const QVariantMap request = JsonHelper().parse(sRequest);
    if (request.contains("user"))
        m_sPendingUser = request.value("user").toString();
    if (request.contains("password"))
        m_sPendingPassword = request.value("password").toString();
    m_lstSignInsInFlight.append(qMakePair(m_sPendingUser, m_sPendingPassword));
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
    return forwardRequest("isRegisterDev", &ZeqAgentCtrlMgr::emitCheckRegDev, sRequest);
}

bool ZeqAgentCtrlMgr::registerDev(QString sRequest)
{
    return forwardRequest("registerDev", &ZeqAgentCtrlMgr::emitRegDev, sRequest);
}

bool ZeqAgentCtrlMgr::deRegDev(QString sRequest)
{
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
    m_sSession.clear();
    {
        AgentSettings settings;
        settings.setValue("LOGIN", "password", QString());
    }
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

// ---- language ----

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
    const bool bLoaded = m_pTranslator->load(AgentFolders::programPath(LanguageTable::fileFor(m_sLangCode)));
    {
        AgentSettings settings;
        settings.setValue("SETTING", "Lang", m_sLangCode);
    }
    if (bLoaded)
        QCoreApplication::installTranslator(m_pTranslator);
    writeLog(1, "[ZeqAgentCtrlMgr][setLang][End]");
}

// ---- stored password and web site ----

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
    UrlOpener::open(ShareWebLauncher::launcherAddress(m_bQuorvane, m_sSession, m_sUser, m_sPassword,
                                                      ShareWebLauncher::pageFor(bDashboard, bCorrupt)));
    writeLog(1, "[ZeqAgentCtrlMgr][openShareWeb][End]");
}

// ---- account device list ----

bool ZeqAgentCtrlMgr::enumRegDevs(QString sRequest)
{
    writeLog(1, "[ZeqAgentCtrlMgr][enumRegDevs][Entry]");
    // A list already on its way is superseded: its result no longer counts.
    stopWorker(m_pEnumDevWorker);
    m_pEnumDevWorker = new EnumDevWorker();
    m_pEnumDevWorker->setRequest(sRequest);
    connectWorker(m_pEnumDevWorker);
    m_pEnumDevWorker->start(QThread::InheritPriority);
    writeLog(1, "[ZeqAgentCtrlMgr][enumRegDevs][End]");
    return true;
}

void ZeqAgentCtrlMgr::terminateAllWorker()
{
    writeLog(1, "[ZeqAgentCtrlMgr][terminateAllWorker][Entry]");
    doStopBackupRestoreWorker();
    doStopSyncWorker();
    doStopEnumDeviceWorker();
    // The program is ending: the device monitor may be in the middle of a long data-drive search, which
    // must not run on while the process tears down.
    if (m_pDevMonitor)
        m_pDevMonitor->stopMonitor();
    writeLog(1, "[ZeqAgentCtrlMgr][terminateAllWorker][End]");
}

void ZeqAgentCtrlMgr::doStopEnumDeviceWorker()
{
    stopWorker(m_pEnumDevWorker);
}

bool ZeqAgentCtrlMgr::isHeldWorker(const QObject* pWorker) const
{
    return pWorker && (pWorker == m_pEnumDevWorker || pWorker == m_pBackupWorker || pWorker == m_pSyncWorker);
}

// ---- ride sync ----

void ZeqAgentCtrlMgr::checkSync(QString sRequest)
{
    writeLog(1, "[ZeqAgentCtrlMgr][checkSync][Entry]");
    // One sync at a time: a check or queue still held is stopped rather than left running unseen.
    stopWorker(m_pSyncWorker);
    m_pSyncWorker = new SyncWorker();
    connectWorker(m_pSyncWorker);
    m_pSyncWorker->checkSync(sRequest);
    writeLog(1, "[ZeqAgentCtrlMgr][checkSync][End]");
}

void ZeqAgentCtrlMgr::synclist(const QString& sRequest)
{
    writeLog(1, "[ZeqAgentCtrlMgr][synclist][Entry]");
    writeLog(1, "[ZeqAgentCtrlMgr][synclist]Stop previous syncworker");
    doStopSyncWorker();
    m_pSyncWorker = new SyncWorker();
    connectWorker(m_pSyncWorker);
    m_pSyncWorker->synclist(sRequest);
    writeLog(1, "[ZeqAgentCtrlMgr][synclist][End]");
}

void ZeqAgentCtrlMgr::terminateSync()
{
    doStopSyncWorker();
}

void ZeqAgentCtrlMgr::doStopSyncWorker()
{
    // The worker's destructor stops its preparation thread and transfer and removes a partial track.
    stopWorker(m_pSyncWorker);
}

// ---- backup and restore ----

bool ZeqAgentCtrlMgr::backupDev(const QString& sParam)
{
    writeLog(1, "[ZeqAgentCtrlMgr][backupDev][Entry]");
    startBackupWorker(sParam, BackupRestoreWorker::MODE_BACKUP);
    writeLog(1, "[ZeqAgentCtrlMgr][backupDev][End]");
    return true;
}

bool ZeqAgentCtrlMgr::restoreDev(const QString& sParam)
{
    writeLog(1, "[ZeqAgentCtrlMgr][restoreDev][Entry]");
    startBackupWorker(sParam, BackupRestoreWorker::MODE_RESTORE);
    writeLog(1, "[ZeqAgentCtrlMgr][restoreDev][End]");
    return true;
}

void ZeqAgentCtrlMgr::startBackupWorker(const QString& sParam, int nMode)
{
    // One backup or restore at a time: a job still held is stopped rather than left running unseen.
    stopWorker(m_pBackupWorker);
    m_pBackupWorker = new BackupRestoreWorker();
    m_pBackupWorker->setParam(sParam);
    m_pBackupWorker->setMode(nMode);
    m_pBackupWorker->setDriveRoots(m_curDevice.lstDrive);
    connectWorker(m_pBackupWorker);
    m_pBackupWorker->start(QThread::InheritPriority);
}

void ZeqAgentCtrlMgr::terminateBackup()
{
    writeLog(1, "[ZeqAgentCtrlMgr][terminateBackup]");
    doStopBackupRestoreWorker();
}

void ZeqAgentCtrlMgr::doStopBackupRestoreWorker()
{
    writeLog(1, "[ZeqAgentCtrlMgr][doStopBackupRestoreWorker]");
    stopWorker(m_pBackupWorker);
}

bool ZeqAgentCtrlMgr::ProcEnumRegDev()
{
    ProcEnumRegDevXml reader;
    reader.open(AgentFolders::tempPath("enumdev.xml"));
    return procEnumRegDevText(reader.m_sResult);
}

bool ZeqAgentCtrlMgr::procEnumRegDevText(const QString& sAnswer)
{
    writeLog(1, "[ZeqAgentCtrlMgr][ProcEnumRegDev][Enter]");
    m_lstRegDev.clear();
    const QString sText = sAnswer.trimmed();
    if (sText.startsWith("ERROR"))
        return false;
    QVariantList entries;
    bool bArray = false;
    entries = JsonHelper().parseArray(sText, &bArray);
    if (!bArray && !sText.isEmpty())
        entries.append(JsonHelper().parse(sText));
    for (const QVariant& entry : qAsConst(entries)) {
        const QVariantMap device = entry.toMap();
        Worker::DEVINFO info;
        info.sUUID = device.value("UUID").toString();
        if (info.sUUID.isEmpty())
            continue;
        info.sSkuID = device.value("SKUID").toString();
        info.sModel = device.value("Model").toString();
        info.sHWName = device.value("HardwareName").toString();
        info.sReserved = device.value("AddDate").toString();
        m_lstRegDev.append(info);
    }
    writeLog(1, "[ZeqAgentCtrlMgr][ProcEnumRegDev][End]");
    return true;
}

// ---- the attached device ----

void ZeqAgentCtrlMgr::notityWendoDev(Worker::DEVINFOEX devinfoex)
{
    writeLog(1, "[ZeqAgentCtrlMgr][notityWendoDev][Entry]");
    // One device at a time: a second arrival, a removal with nothing attached, or the removal of a
    // device of the other family changes nothing.
    const bool bOtherRemoved =
        !devinfoex.bArrival && m_bDevPresent &&
        (devinfoex.type != m_nDevFamily || devinfoex.devInfo.sUUID != m_curDevice.devInfo.sUUID);
    if (devinfoex.bArrival == m_bDevPresent || bOtherRemoved) {
        writeLog(1, "[ZeqAgentCtrlMgr][notityWendoDev][End]");
        return;
    }
    if (devinfoex.bArrival) {
        writeLog(1, "[ZeqAgentCtrlMgr][notityWendoDev][Plugin]");
        m_bDevPresent = true;
        m_nDevFamily = devinfoex.type;
        m_curDevice = devinfoex;
        {
            AgentSettings settings;
            settings.setDeviceValue(m_curDevice.devInfo.sUUID, "connect",
                                    QDate::currentDate().toString("yyyy/MM/dd"));
        }
        emit devRefresh(true);
    } else {
        writeLog(1, "[ZeqAgentCtrlMgr][notityWendoDev][Plugoff]");
        m_bDevPresent = false;
        m_nDevFamily = devinfoex.type;
        m_curDevice = devinfoex;
        emit devRefresh(false);
    }
    writeLog(1, "[ZeqAgentCtrlMgr][notityWendoDev][End]");
}

QString ZeqAgentCtrlMgr::currentDrive() const
{
    if (m_nDevFamily == 1)
        return m_curDevice.sComPort;
    return m_curDevice.lstDrive.value(0);
}

void ZeqAgentCtrlMgr::saveDeviceVersions(QString sUUID, int nFamily)
{
    Q_UNUSED(nFamily);
    const Worker::DEVINFO& info = m_curDevice.devInfo;
    AgentSettings settings;
    const QList<QPair<const char*, QString>> values = {
        {"sku", info.sSkuID},     {"hwname", info.sHWName},        {"fwver", info.sFirmware},
        {"swver", info.sAppVer},  {"bmver", info.sBmVer},          {"taver", info.sTaVer},
        {"osmver", info.sOsmVer}, {"countryver", info.sCountryVer}};
    for (const auto& value : values)
        settings.setDeviceValue(sUUID, QString::fromLatin1(value.first), value.second);
}

void ZeqAgentCtrlMgr::updateDeviceVersions()
{
    saveDeviceVersions(m_curDevice.devInfo.sUUID, m_nDevFamily);
}

void ZeqAgentCtrlMgr::doUpdateSetting()
{
    writeLog(1, "[ZeqAgentCtrlMgr][doUpdateSetting][Entry]");
    const QString sUUID = m_curDevice.devInfo.sUUID;
    AgentSettings settings;
    bool bAny = false;
    QList<WorkFile::Row> rows;
    if (WorkFile::readRows(AgentFolders::tempPath("Update.script"), &rows) && !rows.isEmpty()) {
        settings.setDeviceValue(sUUID, "releaseurl", rows.first().value(5));
        settings.setDeviceValue(sUUID, "update", "true");
        bAny = true;
        writeLog(1, "[ZeqAgentCtrlMgr][doUpdateSetting] process update.script end!");
    }
    if (WorkFile::readRows(AgentFolders::tempPath("map.script"), &rows) && !rows.isEmpty()) {
        const WorkFile::Row& first = rows.first();
        const bool bCredits = m_nDevFamily == 2 && first.value(0).contains("SellMapCredits");
        // value() reads a missing field of a short line as "".
        settings.setDeviceValue(sUUID, "releaseurl", first.value(bCredits ? 9 : 8));
        settings.setDeviceValue(sUUID, "update", "true");
        bAny = true;
        writeLog(1, "[ZeqAgentCtrlMgr][doUpdateSetting] process map.script end!");
    }
    if (!bAny)
        settings.setDeviceValue(sUUID, "update", "false");
}

bool ZeqAgentCtrlMgr::checkWendoAgentUpdateAvailable()
{
    writeLog(1, "[ZeqAgentCtrlMgr][checkWendoAgentUpdateAvailable][Entry]");
    const QString sPath = AgentFolders::tempPath("Update.script");
    QList<WorkFile::Row> rows;
    if (WorkFile::readRows(sPath, &rows) && !rows.isEmpty() && rows.first().value(0) == "AGENT") {
        if (WorkFile::writeRows(sPath, {rows.first()})) {
            writeLog(1, "[ZeqAgentCtrlMgr][checkWendoAgentUpdateAvailable]Have device update");
            return true;
        }
    }
    writeLog(1, "[ZeqAgentCtrlMgr][checkWendoAgentUpdateAvailable][End]");
    return false;
}

bool ZeqAgentCtrlMgr::checkSmartRecover()
{
    writeLog(1, "[ZeqAgentCtrlMgr][checkSmartRecover][Entry]");
    if (AgentSettings().getBool("DEBUG", "SmartRecovery"))
        return false;
    if (m_nDevFamily != 2)
        return true;
    const QString sDrive = currentDrive();
    const bool bExists = !sDrive.isEmpty() && QFileInfo(DevicePath::resolve(sDrive, "Korvo")).isDir();
    if (bExists)
        writeLog(1, "[ZeqAgentCtrlMgr][checkSmartRecover][End]");
    return bExists;
}

quint64 ZeqAgentCtrlMgr::getDiskFreeSpace()
{
    writeLog(1, "[ZeqAgentCtrlMgr][getDiskFreeSpace]");
    quint64 nFree = 0;
    // The record is left as it is: the query only reads the drive root.
    if (m_nDevFamily == 2 && m_pDevMonitor && m_pDevMonitor->getDiskFreeSpace(currentDrive(), &nFree)) {
        writeLog(1, "[ZeqAgentCtrlMgr][getDiskFreeSpace] size %llu", static_cast<unsigned long long>(nFree));
        return nFree;
    }
    writeLog(1, "[ZeqAgentCtrlMgr][getDiskFreeSpace] size %d", 0);
    return 0;
}

bool ZeqAgentCtrlMgr::ChkFileCheckSume(QString sFile, QString sServerChecksum)
{
    writeLog(1, "[ZeqAgentCtrlMgr][ChkFileCheckSume][Entry]");
    if (sServerChecksum.compare(QString(32, 'F'), Qt::CaseInsensitive) == 0)
        return true;
    QFile file(sFile);
    QString sOwn;
    bool bMatch = false;
    if (file.open(QIODevice::ReadOnly)) {
        QCryptographicHash md5(QCryptographicHash::Md5);
        while (!file.atEnd())
            md5.addData(file.read(2048));
        sOwn = QString::fromLatin1(md5.result().toHex());
        bMatch = sOwn.compare(sServerChecksum, Qt::CaseInsensitive) == 0;
        file.close();
    }
    writeLog(1, "[ZeqAgentCtrlMgr][ChkFileCheckSume]file %s filechecksume %s serverchecksume %s ",
             sFile.toUtf8().constData(), sOwn.toUtf8().constData(), sServerChecksum.toUtf8().constData());
    if (!bMatch)
        QFile::remove(sFile);
    return bMatch;
}
