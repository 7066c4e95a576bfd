#include "ArchiveTool.h"

#include <QFileInfo>
#include <QMutex>
#include <QStandardPaths>

namespace
{
QMutex g_overrideMutex;
QString g_sOverride;
} // namespace

void ArchiveTool::setProgramOverride(const QString& sPath)
{
    QMutexLocker lock(&g_overrideMutex);
    g_sOverride = sPath;
}

QString ArchiveTool::findProgram(const QString& sProgramDir)
{
    {
        QMutexLocker lock(&g_overrideMutex);
        if (!g_sOverride.isEmpty())
            return g_sOverride;
    }
    const QFileInfo beside(sProgramDir + "/7z");
    if (beside.isFile() && beside.isExecutable())
        return beside.absoluteFilePath();
    for (const char* szName : {"7z", "7zz", "7za"}) {
        const QString sFound = QStandardPaths::findExecutable(QString::fromLatin1(szName));
        if (!sFound.isEmpty())
            return sFound;
    }
    return QString();
}
