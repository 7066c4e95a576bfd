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

struct BackupFiles::Pair {
    QString sArchive;
    QString sTmp;
    QString sAside;
    bool bNew = false;     // a temporary archive waits to take the archive's name
    bool bAside = false;   // the old archive was moved aside
    bool bInPlace = false; // the temporary archive took the archive's name
};

bool BackupFiles::moveAside(Pair* pPair)
{
    pPair->sTmp = tmpArchive(pPair->sArchive);
    pPair->sAside = pPair->sArchive + ".old";
    pPair->bNew = QFileInfo(pPair->sTmp).isFile();
    if (!pPair->bNew || !QFileInfo::exists(pPair->sArchive))
        return true; // nothing new: the old archive stays where it is
    QFile::remove(pPair->sAside);
    if (!QFile::rename(pPair->sArchive, pPair->sAside)) {
        writeLog(1, "[BackupFiles][commitArchives] cannot move aside %s", qUtf8Printable(pPair->sArchive));
        return false;
    }
    pPair->bAside = true;
    return true;
}

bool BackupFiles::putNewInPlace(Pair* pPair)
{
    if (!pPair->bNew)
        return true;
    if (!QFile::rename(pPair->sTmp, pPair->sArchive)) {
        writeLog(1, "[BackupFiles][commitArchives] cannot rename %s", qUtf8Printable(pPair->sTmp));
        return false;
    }
    pPair->bInPlace = true;
    return true;
}

void BackupFiles::undo(const Pair& pair)
{
    if (pair.bInPlace && !QFile::rename(pair.sArchive, pair.sTmp))
        writeLog(1, "[BackupFiles][commitArchives] cannot take back %s", qUtf8Printable(pair.sArchive));
    if (pair.bAside && !QFile::rename(pair.sAside, pair.sArchive))
        writeLog(1, "[BackupFiles][commitArchives] cannot put back %s", qUtf8Printable(pair.sArchive));
}

bool BackupFiles::commitArchives(const QString& sUUID)
{
    writeLog(1, "[BackupFiles][commitArchives][Entry]");
    if (!isUsableUuid(sUUID)) {
        writeLog(1, "[BackupFiles][commitArchives][End] unusable UUID");
        return false;
    }
    Pair pairs[2];
    pairs[0].sArchive = systemArchive(sUUID);
    pairs[1].sArchive = dataArchive(sUUID);
    bool bOk =
        moveAside(&pairs[0]) && moveAside(&pairs[1]) && putNewInPlace(&pairs[0]) && putNewInPlace(&pairs[1]);
    for (const Pair& pair : pairs) {
        if (!bOk)
            undo(pair);
        else if (pair.bAside)
            QFile::remove(pair.sAside);
    }
    writeLog(1, "[BackupFiles][commitArchives][End] %s", bOk ? "committed" : "failed, old archives kept");
    return bOk;
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
