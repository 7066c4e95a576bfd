#pragma once

#include "HandoffWatch.h"

#include <QByteArray>
#include <QObject>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTimer>

// One run of the desktop's handler for a file or an address: "xdg-open <target>", or "gio open <target>"
// where xdg-open is not installed. The handler runs with no input and no output kept; the start of its
// error output (bounded) tells the log why it failed. Its exit status decides the outcome without
// anyone waiting for it: 0 is handed over, another status or a signal is a failure, and a handler still
// running after the watch's hand-over time has taken over.
//
// A run looks after itself: it lives until its handler ends, also past the outcome, and is deleted
// then. Nothing of the agent ever stops the handler: what it started (a browser, a software installer
// that may replace the agent itself) must outlive the agent. Start runs from a thread with an event loop
// (the GUI thread).
class DesktopHandoff : public QObject
{
    Q_OBJECT

public:
    // The handler program and the arguments that go before the target; false when neither is installed.
    static bool findHandler(QString* pProgram, QStringList* pArgs);
    // Starts the handler for sTarget in sWorkDir (the agent's own folder when empty) and reports through
    // watch, also when no handler is installed.
    static void start(const QString& sTarget, const QString& sWorkDir, const HandoffWatch& watch);

private:
    DesktopHandoff(const QString& sProgram, const QString& sTarget, const HandoffWatch& watch);

    void onStarted();
    void onError(QProcess::ProcessError eError);
    void onFinished(int nExitCode, QProcess::ExitStatus eStatus);
    void onHandOverTime();
    void keepErrorOutput();
    QString endText(int nExitCode, QProcess::ExitStatus eStatus) const;
    void report(bool bHandedOver, const QString& sWhat);

    QProcess m_process;
    QTimer m_handOver;
    HandoffWatch m_watch;
    QString m_sName;   // the handler's program name, for the texts
    QString m_sTarget; // what it was given
    QByteArray m_errorOutput;
    bool m_bReported = false;
};
