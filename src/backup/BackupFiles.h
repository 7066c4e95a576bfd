#pragma once

#include <QString>

// Where a device's backup lives in the data folder, and the two clean-up steps around a backup job: the
// job writes only the temporary "_tmp.7z" archives; they replace the previous archives only after the job
// reported success, so a failed or cancelled backup never costs the user the backup they already had.
class BackupFiles
{
public:
    static QString backupDir();  // data folder + "/backup"
    static QString stagingDir(); // data folder + "/backup/temp": the keep list's copy of the system drive

    // False for a UUID that cannot be one file name (empty, separators, "..", ",", ";", "*", "?"): it names
    // the archives, and a UUID read from the device must not lead them out of the backup folder or make
    // 7z take the archive name as a pattern.
    static bool isUsableUuid(const QString& sUUID);
    static QString systemArchive(const QString& sUUID); // "%1/%2-sys.7z"
    static QString dataArchive(const QString& sUUID);   // "%1/%2-data.7z"
    // The archive path less its ".7z", followed by "_tmp.7z"; "" for a path not ending in ".7z".
    static QString tmpArchive(const QString& sArchive);

    // After BACKUP_SUCCESS: for the system pair, then the data pair, the temporary archive takes the
    // archive's name (a pair without a temporary archive keeps its old one). Both pairs or neither: the
    // old archives are moved aside first and all come back when any rename fails, so a failed commit
    // never leaves a new system archive beside an old data archive.
    static bool commitArchives(const QString& sUUID);
    // After BACKUP_FAIL and when the backup dialog closes: the temporary archives and the staging folder.
    static void removeTemporaryFiles(const QString& sUUID);

private:
    struct Pair;
    static bool moveAside(Pair* pPair);
    static bool putNewInPlace(Pair* pPair);
    static void undo(const Pair& pair);
};
