#include "BackupLinks.h"

#include "core/DebugLog.h"
#include "core/SafeFile.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

namespace
{
const QDir::Filters g_allEntries = QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot;
} // namespace

QStringList BackupLinks::below(const QString& sFolder)
{
    QStringList lstLinks;
    const QDir folder(sFolder);
    // Without FollowSymlinks the walk does not enter a linked folder.
    QDirIterator it(sFolder, g_allEntries, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        it.next();
        if (it.fileInfo().isSymLink())
            lstLinks.append(folder.relativeFilePath(it.filePath()));
    }
    return lstLinks;
}

bool BackupLinks::writeExclusions(const QString& sListFile, const QStringList& lstLinks)
{
    QByteArray lines;
    for (const QString& sLink : lstLinks) {
        if (!sLink.contains('*') && !sLink.contains('?') && !sLink.contains('\n'))
            lines += sLink.toUtf8() + '\n';
    }
    return SafeFile::write(sListFile, lines);
}

bool BackupLinks::dropBelow(const QString& sFolder)
{
    bool bOk = true;
    for (const QString& sLink : below(sFolder)) {
        const QString sPath = sFolder + "/" + sLink;
        writeLog(1, "[BackupRestoreWorker][dropLinks] not restored, a link: %s", qUtf8Printable(sLink));
        bOk = QFile::remove(sPath) && bOk;
    }
    return bOk;
}
