#include "UnzipJob.h"

#include "core/AgentFolders.h"
#include "core/DebugLog.h"
#include "platform/ArchiveTool.h"
#include "platform/ChildProcess.h"
#include "platform/Platform.h"

#include <QDir>

UnzipJob::UnzipJob(const QString& sArchive, const QString& sOutputDir)
    : m_sArchive(sArchive), m_sOutputDir(sOutputDir)
{
}

UnzipJob::~UnzipJob()
{
    stop();
}

void UnzipJob::start()
{
    const QString sProgram = Platform::archiveProgram(AgentFolders::programDir());
    if (sProgram.isEmpty()) {
        writeLog(1,
                 "[WorkerThread][doUnzip] no archive program: no 7z beside the program and no 7z, 7zz or 7za "
                 "on PATH");
        report(-1, QProcess::CrashExit);
        return;
    }
    if (!QDir().mkpath(m_sOutputDir)) {
        writeLog(1, "[WorkerThread][doUnzip] cannot create %s", qUtf8Printable(m_sOutputDir));
        report(-1, QProcess::CrashExit);
        return;
    }
    m_pProcess = new ChildProcess(this);
    m_pProcess->setProcessChannelMode(QProcess::MergedChannels);
    m_pProcess->setReadChannel(QProcess::StandardOutput);
    // "-y" answers every question; a closed input keeps anything else from waiting for an answer.
    m_pProcess->setStandardInputFile(QProcess::nullDevice());
    connect(m_pProcess, &QProcess::readyReadStandardOutput, this, &UnzipJob::slotDisplay);
    connect(m_pProcess, QOverload<int, QProcess::ExitStatus>::of(&QProcess::finished), this,
            &UnzipJob::slotFinished);
    connect(m_pProcess, &QProcess::errorOccurred, this, &UnzipJob::slotError);
    const QStringList lstArgs = ArchiveTool::extractArgs(m_sArchive, m_sOutputDir);
    writeLog(1, "[WorkerThread][doUnzip] %s %s", qUtf8Printable(sProgram), qUtf8Printable(lstArgs.join(' ')));
    m_pProcess->start(sProgram, lstArgs, QIODevice::ReadOnly);
}

void UnzipJob::stop()
{
    if (!m_pProcess)
        return;
    m_pProcess->disconnect(this);
    if (m_pProcess->state() != QProcess::NotRunning) {
        writeLog(1, "[WorkerThread][~WorkerThread] killing the archive program");
        m_pProcess->kill();
        m_pProcess->waitForFinished(30000);
    }
    delete m_pProcess;
    m_pProcess = nullptr;
}

void UnzipJob::slotDisplay()
{
    while (m_pProcess->canReadLine())
        writeLog(1, "[WorkerThread][slotDisplay] %s", m_pProcess->readLine().trimmed().constData());
}

void UnzipJob::slotFinished(int nExitCode, QProcess::ExitStatus eExitStatus)
{
    slotDisplay();
    const QByteArray rest = m_pProcess->readAll().trimmed();
    if (!rest.isEmpty())
        writeLog(1, "[WorkerThread][slotDisplay] %s", rest.constData());
    writeLog(1, "[WorkerThread][slotProcFinish] exit code %d, %s", nExitCode,
             eExitStatus == QProcess::NormalExit ? "normal" : "crashed");
    report(nExitCode, eExitStatus);
}

void UnzipJob::slotError(QProcess::ProcessError eError)
{
    // Only a failed start is never followed by finished().
    if (eError != QProcess::FailedToStart)
        return;
    writeLog(1, "[WorkerThread][doUnzip] the archive program failed to start: %s",
             qUtf8Printable(m_pProcess->errorString()));
    report(-1, QProcess::CrashExit);
}

void UnzipJob::report(int nExitCode, QProcess::ExitStatus eExitStatus)
{
    if (m_bReported)
        return;
    m_bReported = true;
    emit emitProcFinish(nExitCode, eExitStatus);
}
