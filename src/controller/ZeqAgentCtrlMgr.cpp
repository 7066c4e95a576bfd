#include "ZeqAgentCtrlMgr.h"

#include "LanguageTable.h"
#include "PasswordScrambler.h"
#include "ShareWebLauncher.h"
#include "UrlOpener.h"
#include "core/AgentFolders.h"
#include "core/AgentSettings.h"
#include "core/DebugLog.h"
#include "core/JsonHelper.h"
#include "core/Notifier.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLocale>
#include <QTextStream>
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
    writeLog(1, "[ZeqAgentCtrlMgr][exportToDebugLog]file Name %s", sPath.toUtf8().constData());
    if (!DebugLog::isOn())
        return;
    QFile file(sPath);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return;
    QTextStream stream(&file);
    stream.setCodec("UTF-8");
    while (!stream.atEnd()) {
        const QString sLine = stream.readLine();
        writeLog(1, "[ZeqAgentCtrlMgr][exportToDebugLog] %s", sLine.toUtf8().constData());
    }
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
    if (status == LOGIN_SUCCESS) {
        m_sUser = m_sPendingUser;
        m_sPassword = m_sPendingPassword;
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
    QString sText = m_bQuorvane
                        ? QObject::tr("Failed to connect to the QuorvaneShare Server. Please check your internet connection.")
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
    emit emitLogin(sRequest);
    writeLog(1, "[ZeqAgentCtrlMgr][login][End]");
    return true;
}

bool ZeqAgentCtrlMgr::isRegisterDev(QString sRequest)
{
    writeLog(1, "[ZeqAgentCtrlMgr][isRegisterDev][Entry]");
    emit emitCheckRegDev(sRequest);
    writeLog(1, "[ZeqAgentCtrlMgr][isRegisterDev][End]");
    return true;
}

bool ZeqAgentCtrlMgr::registerDev(QString sRequest)
{
    writeLog(1, "[ZeqAgentCtrlMgr][registerDev][Entry]");
    emit emitRegDev(sRequest);
    writeLog(1, "[ZeqAgentCtrlMgr][registerDev][End]");
    return true;
}

bool ZeqAgentCtrlMgr::deRegDev(QString sRequest)
{
    writeLog(1, "[ZeqAgentCtrlMgr][deRegDev][Entry]");
    emit emitDeRegDev(sRequest);
    writeLog(1, "[ZeqAgentCtrlMgr][deRegDev][End]");
    return true;
}

bool ZeqAgentCtrlMgr::getCustomSetting(QString sRequest)
{
    writeLog(1, "[ZeqAgentCtrlMgr][getCustomSetting][Entry]");
    emit emitGetCustomSetting(sRequest);
    writeLog(1, "[ZeqAgentCtrlMgr][getCustomSetting][End]");
    return true;
}

bool ZeqAgentCtrlMgr::setCustomSetting(QString sRequest)
{
    writeLog(1, "[ZeqAgentCtrlMgr][setCustomSetting][Entry]");
    emit emitSetCustomSetting(sRequest);
    writeLog(1, "[ZeqAgentCtrlMgr][setCustomSetting][End]");
    return true;
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
