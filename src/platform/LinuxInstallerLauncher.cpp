#include "LinuxInstallerLauncher.h"

#include <QFile>
#include <QFileInfo>
#include <QProcess>

InstallerLauncher::~InstallerLauncher() = default;

namespace
{
bool fail(QString* pWhy, const QString& sWhy)
{
    if (pWhy)
        *pWhy = sWhy;
    return false;
}
} // namespace

bool LinuxInstallerLauncher::launch(const QString& sPackagePath, QString* pWhy)
{
    const QFileInfo package(sPackagePath);
    if (!package.exists())
        return fail(pWhy, QString("the installer \"%1\" does not exist").arg(sPackagePath));
    if (!package.isFile())
        return fail(pWhy, QString("the installer \"%1\" is not a regular file").arg(sPackagePath));
    if (!package.isExecutable()) {
        QFile file(package.absoluteFilePath());
        if (!file.setPermissions(file.permissions() | QFileDevice::ExeOwner | QFileDevice::ExeUser))
            return fail(pWhy, QString("the installer \"%1\" cannot be made executable (%2)")
                                  .arg(sPackagePath, file.errorString()));
    }
    QProcess process;
    process.setProgram(package.absoluteFilePath());
    process.setWorkingDirectory(package.absolutePath());
    process.setStandardInputFile(QProcess::nullDevice());
    if (!process.startDetached())
        return fail(
            pWhy,
            QString("the installer \"%1\" cannot be started (%2)").arg(sPackagePath, process.errorString()));
    return true;
}
