#include "FakeArchivePrograms.h"

#include <QFile>
#include <QFileInfo>

FakeArchivePrograms::FakeArchivePrograms() = default;

QString FakeArchivePrograms::write(const QString& sName, const QString& sBody, bool bExecutable)
{
    const QString sPath = m_dir.path() + "/" + sName;
    QFile file(sPath);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return QString();
    file.write("#!/bin/sh\n" + sBody.toUtf8());
    file.close();
    QFile::Permissions perms = QFile::ReadOwner | QFile::WriteOwner;
    if (bExecutable)
        perms |= QFile::ExeOwner;
    file.setPermissions(perms);
    return sPath;
}

QString FakeArchivePrograms::recordingArgs()
{
    return write("7z-args", QString("for a in \"$@\"; do printf '%s\\n' \"$a\"; done > '%1'\n"
                                    "cat '%1'\nexit 0\n")
                                .arg(argsFile()));
}

QString FakeArchivePrograms::chatty(int nLines)
{
    QString sText;
    for (int i = 1; i <= nLines; ++i)
        sText += QString("line %1\\n").arg(i);
    return write("7z-chatty", QString("printf '%1'\nexit 0\n").arg(sText));
}

QString FakeArchivePrograms::failing(int nExitCode)
{
    return write(
        "7z-fail",
        QString("echo 'ERROR: cannot open the archive'\necho 'second line'\nexit %1\n").arg(nExitCode));
}

QString FakeArchivePrograms::succeedingThenFailing(const QString& sProgram, int nExitCode)
{
    return write("7z-then-fail", QString("'%1' \"$@\"\nexit %2\n").arg(sProgram).arg(nExitCode));
}

QString FakeArchivePrograms::crashing()
{
    return write("7z-crash", "kill -SEGV $$\nsleep 5\n");
}

QString FakeArchivePrograms::hanging()
{
    // exec: the sleeping process is the started one, so killing it leaves nothing behind.
    return write("7z-hang",
                 QString("echo $$ > '%1.tmp' && mv '%1.tmp' '%1'\nexec sleep 600\n").arg(pidFile()));
}

QString FakeArchivePrograms::notExecutable()
{
    return write("7z-noexec", "exit 0\n", false);
}

QString FakeArchivePrograms::missing() const
{
    return m_dir.path() + "/no-such-7z";
}

qint64 FakeArchivePrograms::hangingPid() const
{
    QFile file(pidFile());
    return file.open(QIODevice::ReadOnly) ? file.readAll().trimmed().toLongLong() : 0;
}

bool FakeArchivePrograms::isProcessAlive(qint64 nPid)
{
    return nPid > 0 && QFileInfo::exists(QString("/proc/%1").arg(nPid));
}
