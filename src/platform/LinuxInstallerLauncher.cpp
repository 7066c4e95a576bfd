#include "LinuxInstallerLauncher.h"

#include "DesktopHandoff.h"

#include <QFileInfo>

InstallerLauncher::~InstallerLauncher() = default;

QString LinuxInstallerLauncher::installerSuffix() const
{
    return ".deb";
}

void LinuxInstallerLauncher::launch(const QString& sInstallerPath, const HandoffWatch& watch)
{
    const QFileInfo installer(sInstallerPath);
    // A link could hand the desktop any file of the user's; the unpacked installer is never one.
    if (installer.isSymLink()) {
        watch.reportOutcome(false, QString("the installer \"%1\" is a link").arg(sInstallerPath));
        return;
    }
    if (!installer.exists()) {
        watch.reportOutcome(false, QString("the installer \"%1\" does not exist").arg(sInstallerPath));
        return;
    }
    if (!installer.isFile()) {
        watch.reportOutcome(false, QString("the installer \"%1\" is not a regular file").arg(sInstallerPath));
        return;
    }
    DesktopHandoff::start(installer.absoluteFilePath(), installer.absolutePath(), watch);
}
