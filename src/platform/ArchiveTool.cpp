#include "ArchiveTool.h"

#include <QFileInfo>
#include <QStandardPaths>

QString ArchiveTool::findProgram(const QString& sProgramDir)
{
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
