#pragma once

#include <QString>

class QSettings;

// The user's "settings.ini" in the data folder paired with the read-only "defsettings.ini" in the
// program folder. Built on the stack where a value is needed; every value is text; an absent value reads
// as "", 0 or false. Changes reach the disk at the latest when the object is destroyed.
//
// The settings library only reads "settings.ini". Changes wait in a list shared by the whole process
// (so every object sees them at once) and are saved by our own writer in the library's INI form: the
// file is replaced whole or not at all, private to its owner. A save that fails (a full disk) keeps the
// old file and the waiting changes, is logged, and is told to the user once until a save succeeds.
class AgentSettings
{
public:
    AgentSettings();
    ~AgentSettings();
    AgentSettings(const AgentSettings&) = delete;
    AgentSettings& operator=(const AgentSettings&) = delete;

    QString getString(const QString& sGroup, const QString& sKey) const;
    int getInt(const QString& sGroup, const QString& sKey) const;
    bool getBool(const QString& sGroup, const QString& sKey) const;
    void setValue(const QString& sGroup, const QString& sKey, const QString& sValue);

    QString defString(const QString& sGroup, const QString& sKey) const;
    int defInt(const QString& sGroup, const QString& sKey) const;
    bool defBool(const QString& sGroup, const QString& sKey) const;

    // A device's group is named by the UUID the device reports. A UUID that is empty or could name a
    // nested group or a path ("/", "\", "..") is refused, so a bad device never writes top-level keys.
    static bool isValidDeviceGroup(const QString& sUUID);
    bool setDeviceValue(const QString& sUUID, const QString& sKey, const QString& sValue);
    QString getDeviceString(const QString& sUUID, const QString& sKey) const;

    // Saves the waiting changes now; false when the file could not be replaced (the old one is kept).
    // The file is private to its owner: it holds the scrambled password.
    bool sync();

    // The saved settings as the settings library reads them (changes not yet saved are not in it); for
    // reading only, writing through it would bypass the whole-or-nothing save.
    QSettings* user() const { return m_pUser; }
    QString settingsPath() const { return m_sSettingsPath; }
    QString defSettingsPath() const { return m_sDefSettingsPath; }

    static bool textToBool(const QString& sValue);
    static int textToInt(const QString& sValue);
    // Restricts the user file to owner read/write; used after each write and after the start-up copy.
    static void protectFile(const QString& sPath);

private:
    static QString read(QSettings* pSettings, const QString& sGroup, const QString& sKey);
    bool save(QString* pError);
    static void reportSave(bool bSaved, const QString& sError);
    static void tellSaveFailed();

    QString m_sSettingsPath;
    QString m_sDefSettingsPath;
    QSettings* m_pUser;
    QSettings* m_pDefaults;
    bool m_bWritten = false;
};
