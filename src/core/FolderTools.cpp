#include "FolderTools.h"

#include "DebugLog.h"

#include <QDir>
#include <QFileInfo>

namespace
{
QString cleanAbsolute(const QString& sPath)
{
    return QDir::cleanPath(QFileInfo(sPath).absoluteFilePath());
}
} // namespace

bool FolderTools::isInside(const QString& sPath, const QString& sRoot)
{
    const QString sCleanRoot = cleanAbsolute(sRoot);
    const QString sClean = cleanAbsolute(sPath);
    return sClean == sCleanRoot || sClean.startsWith(sCleanRoot + "/");
}

bool FolderTools::removeInside(const QString& sPath, const QString& sRoot)
{
    if (sPath.isEmpty() || sRoot.isEmpty())
        return false;
    const QFileInfo folder(sPath);
    if (!folder.exists() && !folder.isSymLink())
        return true;
    if (!isInside(sPath, sRoot)) {
        writeLog(1, "[FolderTools][removeInside] refused %s", qUtf8Printable(sPath));
        return false;
    }
    if (folder.isSymLink() || !folder.isDir())
        return false;
    return QDir(sPath).removeRecursively();
}
