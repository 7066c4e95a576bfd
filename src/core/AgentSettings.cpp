#include "AgentSettings.h"

#include "AgentFolders.h"

#include <QFile>
#include <QSettings>
#include <QStringList>

namespace
{
QSettings* openIni(const QString& sPath)
{
    QSettings* pSettings = new QSettings(sPath, QSettings::IniFormat);
    pSettings->setIniCodec("UTF-8");
    return pSettings;
}
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
    m_pUser->beginGroup(sGroup);
    m_pUser->setValue(sKey, sValue);
    m_pUser->endGroup();
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

void AgentSettings::sync()
{
    // A new file is made private while still empty; the settings writer keeps the mode of the file it
    // replaces, so the password never sits in a file others can read.
    if (!QFile::exists(m_sSettingsPath)) {
        QFile file(m_sSettingsPath);
        if (file.open(QIODevice::WriteOnly))
            file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    }
    m_pUser->sync();
    protectFile(m_sSettingsPath);
}

void AgentSettings::protectFile(const QString& sPath)
{
    if (QFile::exists(sPath))
        QFile::setPermissions(sPath, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
}
