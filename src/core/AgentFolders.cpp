#include "AgentFolders.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QMutex>
#include <QStandardPaths>

namespace
{
QMutex g_folderMutex;
QString g_sProgramDir;
QString g_sDataDir;

QString withoutTrailingSlash(QString sDir)
{
    while (sDir.size() > 1 && (sDir.endsWith('/') || sDir.endsWith('\\')))
        sDir.chop(1);
    return sDir;
}
} // namespace

QString AgentFolders::programDir()
{
    QMutexLocker lock(&g_folderMutex);
    return g_sProgramDir;
}

QString AgentFolders::dataDir()
{
    QMutexLocker lock(&g_folderMutex);
    return g_sDataDir;
}

void AgentFolders::setProgramDir(const QString& sDir)
{
    QMutexLocker lock(&g_folderMutex);
    g_sProgramDir = withoutTrailingSlash(QDir::fromNativeSeparators(sDir));
}

void AgentFolders::setDataDir(const QString& sDir)
{
    QMutexLocker lock(&g_folderMutex);
    g_sDataDir = withoutTrailingSlash(QDir::fromNativeSeparators(sDir));
}

QString AgentFolders::defaultDataDir()
{
    QCoreApplication::setApplicationName("WendoAgent");
    QCoreApplication::setOrganizationName(QString());
    return QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation);
}

bool AgentFolders::ensureFilled()
{
    if (programDir().isEmpty())
        setProgramDir(QCoreApplication::applicationDirPath());
    if (dataDir().isEmpty())
        setDataDir(defaultDataDir());
    return makePrivateDir(dataDir());
}

bool AgentFolders::makePrivateDir(const QString& sDir)
{
    if (!QDir().mkpath(sDir))
        return false;
    const QFile::Permissions owner = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner;
    const QFile::Permissions others = QFile::ReadGroup | QFile::WriteGroup | QFile::ExeGroup |
                                      QFile::ReadOther | QFile::WriteOther | QFile::ExeOther;
    const QFile::Permissions current = QFile::permissions(sDir);
    if ((current & owner) == owner && !(current & others))
        return true;
    return QFile::setPermissions(sDir, owner);
}
