#include "DesktopHandoff.h"

#include <QFileInfo>
#include <QStandardPaths>

namespace
{
// Enough for the handler's own message ("no method available for opening ..."); a handler that goes
// on writing (a browser run in the foreground) is read and not kept.
constexpr int MAX_ERROR_OUTPUT = 4096;
constexpr int MAX_ERROR_TEXT = 400;
} // namespace

bool DesktopHandoff::findHandler(QString* pProgram, QStringList* pArgs)
{
    QString sProgram = QStandardPaths::findExecutable("xdg-open");
    QStringList lstArgs;
    if (sProgram.isEmpty()) {
        sProgram = QStandardPaths::findExecutable("gio");
        lstArgs = QStringList{"open"};
    }
    if (sProgram.isEmpty())
        return false;
    *pProgram = sProgram;
    *pArgs = lstArgs;
    return true;
}

void DesktopHandoff::start(const QString& sTarget, const QString& sWorkDir, const HandoffWatch& watch)
{
    QString sProgram;
    QStringList lstArgs;
    if (!findHandler(&sProgram, &lstArgs)) {
        watch.reportOutcome(false, QString("no desktop handler (xdg-open or gio) opens \"%1\"").arg(sTarget));
        return;
    }
    // Deletes itself once its handler has ended (or never started).
    auto* pRun = new DesktopHandoff(sProgram, sTarget, watch);
    pRun->m_process.setProgram(sProgram);
    pRun->m_process.setArguments(lstArgs << sTarget);
    if (!sWorkDir.isEmpty())
        pRun->m_process.setWorkingDirectory(sWorkDir);
    pRun->m_process.start(QIODevice::ReadOnly);
}

DesktopHandoff::DesktopHandoff(const QString& sProgram, const QString& sTarget, const HandoffWatch& watch)
    : m_watch(watch), m_sName(QFileInfo(sProgram).fileName()), m_sTarget(sTarget)
{
    m_process.setStandardInputFile(QProcess::nullDevice());
    m_process.setStandardOutputFile(QProcess::nullDevice());
    m_handOver.setSingleShot(true);
    connect(&m_process, &QProcess::started, this, &DesktopHandoff::onStarted);
    connect(&m_process, &QProcess::errorOccurred, this, &DesktopHandoff::onError);
    connect(&m_process, QOverload<int, QProcess::ExitStatus>::of(&QProcess::finished), this,
            &DesktopHandoff::onFinished);
    connect(&m_process, &QProcess::readyReadStandardError, this, &DesktopHandoff::keepErrorOutput);
    connect(&m_handOver, &QTimer::timeout, this, &DesktopHandoff::onHandOverTime);
}

// The hand-over time counts from the handler's start: a handler that never started has not taken over.
void DesktopHandoff::onStarted()
{
    m_handOver.start(qMax(0, m_watch.nHandOverMs));
}

void DesktopHandoff::onError(QProcess::ProcessError eError)
{
    // A crash is followed by finished(); only a handler that never ran ends here.
    if (eError != QProcess::FailedToStart)
        return;
    m_handOver.stop();
    report(false,
           QString("\"%1\" did not start for \"%2\" (%3)").arg(m_sName, m_sTarget, m_process.errorString()));
    deleteLater();
}

void DesktopHandoff::onFinished(int nExitCode, QProcess::ExitStatus eStatus)
{
    m_handOver.stop();
    keepErrorOutput();
    const QString sEnd = endText(nExitCode, eStatus);
    if (m_bReported)
        m_watch.reportLateEnd(sEnd);
    else
        report(eStatus == QProcess::NormalExit && nExitCode == 0, sEnd);
    deleteLater();
}

void DesktopHandoff::onHandOverTime()
{
    report(true, QString("\"%1\" still runs %2 ms after it started for \"%3\": taken over")
                     .arg(m_sName)
                     .arg(m_watch.nHandOverMs)
                     .arg(m_sTarget));
}

void DesktopHandoff::keepErrorOutput()
{
    const QByteArray chunk = m_process.readAllStandardError();
    if (m_errorOutput.size() < MAX_ERROR_OUTPUT)
        m_errorOutput += chunk.left(MAX_ERROR_OUTPUT - m_errorOutput.size());
}

QString DesktopHandoff::endText(int nExitCode, QProcess::ExitStatus eStatus) const
{
    QString sText;
    if (eStatus != QProcess::NormalExit)
        sText = QString("\"%1\" was ended by a signal for \"%2\"").arg(m_sName, m_sTarget);
    else if (nExitCode == 0)
        sText = QString("\"%1\" ended well for \"%2\"").arg(m_sName, m_sTarget);
    else
        sText =
            QString("\"%1\" ended with exit status %2 for \"%3\"").arg(m_sName).arg(nExitCode).arg(m_sTarget);
    const QString sOutput = QString::fromLocal8Bit(m_errorOutput).simplified().left(MAX_ERROR_TEXT);
    return sOutput.isEmpty() ? sText : QString("%1: %2").arg(sText, sOutput);
}

void DesktopHandoff::report(bool bHandedOver, const QString& sWhat)
{
    if (m_bReported)
        return;
    m_bReported = true;
    m_watch.reportOutcome(bHandedOver, sWhat);
}
