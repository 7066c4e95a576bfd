#include "LinuxInstallerLauncher.h"

#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

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

QString LinuxInstallerLauncher::installerSuffix() const
{
    return ".deb";
}

bool LinuxInstallerLauncher::launch(const QString& sInstallerPath, QString* pWhy)
{
    const QFileInfo installer(sInstallerPath);
    // A link could hand the desktop any file of the user's; the unpacked installer is never one.
    if (installer.isSymLink())
        return fail(pWhy, QString("the installer \"%1\" is a link").arg(sInstallerPath));
    if (!installer.exists())
        return fail(pWhy, QString("the installer \"%1\" does not exist").arg(sInstallerPath));
    if (!installer.isFile())
        return fail(pWhy, QString("the installer \"%1\" is not a regular file").arg(sInstallerPath));

    QString sProgram = QStandardPaths::findExecutable("xdg-open");
    QStringList lstArgs = {installer.absoluteFilePath()};
    if (sProgram.isEmpty()) {
        sProgram = QStandardPaths::findExecutable("gio");
        lstArgs.prepend("open");
    }
    if (sProgram.isEmpty())
        return fail(pWhy, QString("no desktop handler (xdg-open or gio) opens \"%1\"").arg(sInstallerPath));

    QProcess process;
    process.setProgram(sProgram);
    process.setArguments(lstArgs);
    process.setWorkingDirectory(installer.absolutePath());
    process.setStandardInputFile(QProcess::nullDevice());
    if (!process.startDetached())
        return fail(pWhy, QString("\"%1\" did not start for \"%2\" (%3)")
                              .arg(sProgram, sInstallerPath, process.errorString()));
    return true;
}
