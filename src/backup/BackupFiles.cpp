#include "BackupFiles.h"

#include "core/AgentFolders.h"
#include "core/DebugLog.h"
#include "core/FolderTools.h"

#include <QFile>
#include <QFileInfo>

QString BackupFiles::backupDir()
{
    return AgentFolders::dataDir() + "/backup";
}

QString BackupFiles::stagingDir()
{
    return AgentFolders::dataDir() + "/backup/temp";
}

bool BackupFiles::isUsableUuid(const QString& sUUID)
{
    if (sUUID.isEmpty() || sUUID == "." || sUUID.contains(".."))
        return false;
    for (const QChar ch : sUUID) {
        // "*" and "?" would make 7z read the archive name as a pattern matching other devices' archives.
        if (ch == '/' || ch == '\\' || ch == ',' || ch == ';' || ch == ':' || ch == '*' || ch == '?' ||
            ch.unicode() < 0x20)
            return false;
    }
    return true;
}

QString BackupFiles::systemArchive(const QString& sUUID)
{
    return QString("%1/%2-sys.7z").arg(backupDir(), sUUID);
}

QString BackupFiles::dataArchive(const QString& sUUID)
{
    return QString("%1/%2-data.7z").arg(backupDir(), sUUID);
}

QString BackupFiles::tmpArchive(const QString& sArchive)
{
    if (!sArchive.endsWith(".7z"))
        return QString();
    return sArchive.left(sArchive.size() - 3) + "_tmp.7z";
}

bool BackupFiles::commitArchive(const QString& sArchive)
{
    const QString sTmp = tmpArchive(sArchive);
    if (!QFileInfo(sTmp).isFile())
        return true; // nothing new: the old archive stays
    const QString sAside = sArchive + ".old";
    QFile::remove(sAside);
    const bool bHadOld = QFileInfo::exists(sArchive);
    if (bHadOld && !QFile::rename(sArchive, sAside)) {
        writeLog(1, "[BackupFiles][commitArchive] cannot move aside %s", qUtf8Printable(sArchive));
        return false;
    }
    if (!QFile::rename(sTmp, sArchive)) {
        writeLog(1, "[BackupFiles][commitArchive] cannot rename %s", qUtf8Printable(sTmp));
        if (bHadOld)
            QFile::rename(sAside, sArchive);
        return false;
    }
    if (bHadOld)
        QFile::remove(sAside);
    return true;
}

bool BackupFiles::commitArchives(const QString& sUUID)
{
    writeLog(1, "[BackupFiles][commitArchives][Entry]");
    if (!isUsableUuid(sUUID))
        return false;
    const bool bSys = commitArchive(systemArchive(sUUID));
    const bool bData = commitArchive(dataArchive(sUUID));
    writeLog(1, "[BackupFiles][commitArchives][End]");
    return bSys && bData;
}

void BackupFiles::removeTemporaryFiles(const QString& sUUID)
{
    writeLog(1, "[BackupFiles][removeTemporaryFiles][Entry]");
    if (isUsableUuid(sUUID)) {
        QFile::remove(tmpArchive(systemArchive(sUUID)));
        QFile::remove(tmpArchive(dataArchive(sUUID)));
    }
    if (QFileInfo(stagingDir()).isDir())
        FolderTools::removeInside(stagingDir(), stagingDir());
    writeLog(1, "[BackupFiles][removeTemporaryFiles][End]");
}
