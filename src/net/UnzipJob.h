#pragma once

#include <QObject>
#include <QProcess>
#include <QString>

// One extraction by the archive program, made and run inside a WorkerThread's own thread so that the
// process is started, read, killed and deleted in that one thread. Reports exactly one emitProcFinish:
// the program's exit code and status, or -1 with QProcess::CrashExit when no program was found, the
// output folder could not be made or the program could not be started.
class UnzipJob : public QObject
{
    Q_OBJECT

public:
    UnzipJob(const QString& sArchive, const QString& sOutputDir);
    ~UnzipJob() override;

    void start();
    // Kills a program still running and waits for it, without reporting anything.
    void stop();

signals:
    void emitProcFinish(int nExitCode, QProcess::ExitStatus eExitStatus);

private slots:
    void slotDisplay();
    void slotFinished(int nExitCode, QProcess::ExitStatus eExitStatus);
    void slotError(QProcess::ProcessError eError);

private:
    void report(int nExitCode, QProcess::ExitStatus eExitStatus);

    QString m_sArchive;
    QString m_sOutputDir;
    QProcess* m_pProcess = nullptr;
    bool m_bReported = false;
};
