#include "AgentSettings.h"

#include "AgentFolders.h"
#include "DebugLog.h"
#include "IniText.h"
#include "Notifier.h"
#include "SafeFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QMutex>
#include <QSettings>
#include <QStringList>
#include <QThread>

#include <atomic>

namespace
{
QSettings* openIni(const QString& sPath)
{
    QSettings* pSettings = new QSettings(sPath, QSettings::IniFormat);
    pSettings->setIniCodec("UTF-8");
    return pSettings;
}

// Changes not yet saved, per settings file, as "group/key" -> text; shared by every object and thread.
struct WaitingChanges {
    QMutex mutex;
    QHash<QString, QMap<QString, QString>> byFile;
};

WaitingChanges& waiting()
{
    static WaitingChanges changes;
    return changes;
}

QString fullKey(const QString& sGroup, const QString& sKey)
{
    return sGroup.isEmpty() ? sKey : sGroup + '/' + sKey;
}

// True from a failed save until the next good one: the user is told once per such stretch.
std::atomic<bool> g_bSaveFailing{false};
} // namespace

AgentSettings::AgentSettings()
    : m_sSettingsPath(QString("%1/%2").arg(AgentFolders::dataDir(), "settings.ini")),
      m_sDefSettingsPath(QString("%1/%2").arg(AgentFolders::programDir(), "defsettings.ini")),
      m_pUser(openIni(m_sSettingsPath)), m_pDefaults(openIni(m_sDefSettingsPath))
{
}

AgentSettings::~AgentSettings()
{
    if (m_bWritten)
        sync();
    delete m_pUser;
    m_pUser = nullptr;
    delete m_pDefaults;
    m_pDefaults = nullptr;
}

QString AgentSettings::read(QSettings* pSettings, const QString& sGroup, const QString& sKey)
{
    pSettings->beginGroup(sGroup);
    const QString sValue = pSettings->value(sKey).toString();
    pSettings->endGroup();
    return sValue;
}

bool AgentSettings::textToBool(const QString& sValue)
{
    if (sValue.isEmpty())
        return false;
    return sValue.compare("0") != 0 && sValue.compare("false", Qt::CaseInsensitive) != 0;
}

int AgentSettings::textToInt(const QString& sValue)
{
    bool bOk = false;
    const int nValue = sValue.trimmed().toInt(&bOk, 10);
    return bOk ? nValue : 0;
}

QString AgentSettings::getString(const QString& sGroup, const QString& sKey) const
{
    {
        QMutexLocker lock(&waiting().mutex);
        const auto file = waiting().byFile.constFind(m_sSettingsPath);
        if (file != waiting().byFile.constEnd()) {
            const auto value = file->constFind(fullKey(sGroup, sKey));
            if (value != file->constEnd())
                return *value;
        }
    }
    return read(m_pUser, sGroup, sKey);
}

int AgentSettings::getInt(const QString& sGroup, const QString& sKey) const
{
    return textToInt(getString(sGroup, sKey));
}

bool AgentSettings::getBool(const QString& sGroup, const QString& sKey) const
{
    return textToBool(getString(sGroup, sKey));
}

void AgentSettings::setValue(const QString& sGroup, const QString& sKey, const QString& sValue)
{
    QMutexLocker lock(&waiting().mutex);
    waiting().byFile[m_sSettingsPath].insert(fullKey(sGroup, sKey), sValue);
    m_bWritten = true;
}

QString AgentSettings::defString(const QString& sGroup, const QString& sKey) const
{
    return read(m_pDefaults, sGroup, sKey);
}

int AgentSettings::defInt(const QString& sGroup, const QString& sKey) const
{
    return textToInt(defString(sGroup, sKey));
}

bool AgentSettings::defBool(const QString& sGroup, const QString& sKey) const
{
    return textToBool(defString(sGroup, sKey));
}

bool AgentSettings::isValidDeviceGroup(const QString& sUUID)
{
    // The agent's own groups are never a device's, whatever the device reports.
    static const QStringList RESERVED = {"SETTING", "LOGIN", "SYNC",  "AGENT",
                                         "URL",     "Proxy", "DEBUG", "General"};
    return !sUUID.trimmed().isEmpty() && !sUUID.contains('/') && !sUUID.contains('\\') &&
           !sUUID.contains("..") && !RESERVED.contains(sUUID, Qt::CaseInsensitive);
}

bool AgentSettings::setDeviceValue(const QString& sUUID, const QString& sKey, const QString& sValue)
{
    if (!isValidDeviceGroup(sUUID))
        return false;
    setValue(sUUID, sKey, sValue);
    return true;
}

QString AgentSettings::getDeviceString(const QString& sUUID, const QString& sKey) const
{
    return isValidDeviceGroup(sUUID) ? getString(sUUID, sKey) : QString();
}

bool AgentSettings::sync()
{
    QString sError;
    const bool bSaved = save(&sError);
    reportSave(bSaved, sError);
    return bSaved;
}

// The whole file is written anew from what the settings library reads now plus the waiting changes,
// so keys written by others since are kept.
bool AgentSettings::save(QString* pError)
{
    QMutexLocker lock(&waiting().mutex);
    const QMap<QString, QString> changes = waiting().byFile.value(m_sSettingsPath);
    if (changes.isEmpty())
        return true;
    // A file that exists but cannot be read would read as empty: writing it anew would drop every key.
    if (QFileInfo::exists(m_sSettingsPath) &&
        QSettings(m_sSettingsPath, QSettings::IniFormat).status() == QSettings::AccessError) {
        *pError = "the settings file cannot be read";
        return false;
    }
    m_pUser->sync();
    IniText::Values values;
    for (const QString& sKey : m_pUser->allKeys())
        values.insert(sKey, m_pUser->value(sKey));
    for (auto it = changes.constBegin(); it != changes.constEnd(); ++it)
        values.insert(it.key(), it.value());
    const QString sFolder = QFileInfo(m_sSettingsPath).absolutePath();
    if (!QFileInfo(sFolder).isDir() && !AgentFolders::makePrivateDir(sFolder)) {
        *pError = "the data folder cannot be created";
        return false;
    }
    if (!SafeFile::writePrivate(m_sSettingsPath, IniText::write(values), pError))
        return false;
    waiting().byFile.remove(m_sSettingsPath);
    m_pUser->sync();
    return true;
}

void AgentSettings::reportSave(bool bSaved, const QString& sError)
{
    if (bSaved) {
        if (g_bSaveFailing.exchange(false))
            writeLog(1, "[AgentSettings][sync] settings.ini saved again");
        return;
    }
    writeLog(1, "[AgentSettings][sync] settings.ini not saved, the old file is kept: %s",
             qUtf8Printable(sError));
    if (!g_bSaveFailing.exchange(true))
        tellSaveFailed();
}

// Settings are saved from worker threads too; the notice is shown by the application's own thread.
void AgentSettings::tellSaveFailed()
{
    const QString sTitle = QCoreApplication::translate("AgentSettings", "Settings");
    const QString sText = QCoreApplication::translate(
        "AgentSettings", "Your settings could not be saved, the disk may be full. The settings saved before "
                         "are kept.");
    const auto tell = [sTitle, sText] { Notifier::instance()->showBalloon(sTitle, sText); };
    QCoreApplication* pApp = QCoreApplication::instance();
    if (!pApp || QThread::currentThread() == pApp->thread())
        tell();
    else
        QMetaObject::invokeMethod(pApp, tell, Qt::QueuedConnection);
}

void AgentSettings::protectFile(const QString& sPath)
{
    // A link under the name is not ours: its target keeps its mode (the next save replaces the link).
    const QFileInfo info(sPath);
    if (info.exists() && !info.isSymLink())
        QFile::setPermissions(sPath, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
}
