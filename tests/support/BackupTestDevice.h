#pragma once

#include <QByteArray>
#include <QMap>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

// A drive-family device in a temporary folder: a system drive "sys/" and a data drive "data/", each a
// root ending in "/", with settings, rides, routes, hidden files and an empty folder.
class BackupTestDevice
{
public:
    BackupTestDevice();

    bool isValid() const { return m_dir.isValid(); }
    QString path() const { return m_dir.path(); }
    QString systemRoot() const { return m_dir.path() + "/sys/"; }
    QString dataRoot() const { return m_dir.path() + "/data/"; }
    QStringList drives() const { return {systemRoot(), dataRoot()}; }

    // Adds "HDD/APP/keepfile.xml" with the given entries (already XML) and the files they name.
    bool addKeepList(const QString& sEntriesXml);
    // Changes the device the way a failed update might: edits, removals and additions in what a backup
    // holds (the system drive's "Korvo/Settings" only when bSettings).
    bool damage(bool bSettings = true);

    // Every entry below sRoot (hidden ones too): "d" for a folder, "f" + content for a file.
    static QMap<QString, QByteArray> snapshot(const QString& sRoot);
    // Both drives, keyed "sys/..." and "data/...".
    QMap<QString, QByteArray> snapshot() const;

private:
    QTemporaryDir m_dir;
};
