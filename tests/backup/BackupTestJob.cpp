#include "BackupTestJob.h"

#include "backup/BackupRestoreWorker.h"
#include "support/TestFolders.h"

#include <QCoreApplication>
#include <QFile>
#include <QStandardPaths>

QStringList BackupTestJob::run(BackupRestoreWorker* pWorker)
{
    QStringList statuses;
    QObject receiver; // lives in this thread, so statuses arrive queued as they do at the controller
    QObject::connect(pWorker, &BackupRestoreWorker::emitStatus, &receiver,
                     [&statuses](ACTION_STATUS status, const QString& sResult) {
                         statuses.append(QString("%1:%2").arg(static_cast<int>(status)).arg(sResult));
                     });
    pWorker->start();
    if (!pWorker->wait(200000))
        statuses.append("thread did not end");
    QCoreApplication::sendPostedEvents();
    return statuses;
}

QStringList BackupTestJob::run(int nMode, const QString& sParam, const QStringList& lstDrive)
{
    BackupRestoreWorker worker;
    worker.setMode(nMode);
    worker.setParam(sParam);
    worker.setDriveRoots(lstDrive);
    worker.setPartPause(0);
    return run(&worker);
}

QString BackupTestJob::realProgram()
{
    // Looked up by name rather than through ArchiveTool, which would answer with a test's override.
    for (const char* szName : {"7z", "7zz", "7za"}) {
        const QString sFound = QStandardPaths::findExecutable(QString::fromLatin1(szName));
        if (!sFound.isEmpty())
            return sFound;
    }
    return QString();
}

QString BackupTestJob::writeScript(const QString& sDir, const QString& sName, const QString& sBody)
{
    const QString sPath = sDir + "/" + sName;
    QString sText = "#!/bin/sh\n" + sBody + "\n";
    sText.replace("@REAL@", realProgram());
    sText.replace("@MARK@", markPath(sDir));
    TestFolders::writeFile(sPath, sText.toUtf8());
    QFile::setPermissions(sPath, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadGroup |
                                     QFile::ExeGroup);
    return sPath;
}

QString BackupTestJob::writeUnstartable(const QString& sDir)
{
    // A script whose interpreter does not exist: the file is there and executable, but exec fails.
    const QString sPath = sDir + "/7z-unstartable";
    TestFolders::writeFile(sPath, "#!/nonexistent/interpreter\nexit 0\n");
    QFile::setPermissions(sPath, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    return sPath;
}
