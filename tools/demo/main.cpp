// Tries the whole agent without an account or a device: stand-ins for the sharing, update and map
// services on 127.0.0.1, a serial-family device with rides on a pseudo-terminal and, as root, a
// drive-family device on loop-mounted images. The agent runs with data and configuration folders of its
// own below the demo folder and everything stops when it exits. Started by `./scripts/run --demo`.
//
//   wendo_demo [--drive] [--remember] [--exit-when-synced] [--folder DIR] [--agent PROGRAM]
//     --drive             root: the drive-family device instead of the serial one (the agent shows one
//                         device at a time), plugged in at start; its images and mounts are below
//                         DIR/drives, in a mount namespace of the demo's own
//     --remember          the demo account is remembered, so the agent signs in by itself
//     --exit-when-synced  ends the agent once the serial device's rides are uploaded (for CI)
//     --folder DIR        the demo folder (default: <build>/demo), emptied at each start
//     --agent PROGRAM     the agent to run (default: WendoAgent beside this program)
//
// With --drive, each line "d" on standard input (a terminal, a pipe or a file) unplugs the device or
// plugs it in again.

#include "DemoDevices.h"
#include "DemoServices.h"
#include "controller/RememberedSignIn.h"
#include "core/AgentFolders.h"
#include "core/AgentSettings.h"
#include "platform/MountTable.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDate>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QSocketNotifier>
#include <QTimer>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sched.h>
#include <sys/mount.h>
#include <sys/prctl.h>
#include <unistd.h>

namespace
{
int g_signalPipe[2] = {-1, -1};

void onSignal(int nSignal)
{
    const char c = char(nSignal);
    [[maybe_unused]] const ssize_t n = ::write(g_signalPipe[1], &c, 1);
}

// The agent ends with the demo even when the demo itself is killed.
class AgentProcess : public QProcess
{
protected:
    void setupChildProcess() override { ::prctl(PR_SET_PDEATHSIG, SIGTERM); }
};

void say(const QString& sText)
{
    std::printf("%s\n", qPrintable(sText));
    std::fflush(stdout);
}

// A mount point at or below sFolder, or "".
QString mountBelow(const QString& sFolder)
{
    QFile table("/proc/self/mountinfo");
    if (!table.open(QIODevice::ReadOnly))
        return QString();
    const QList<MountEntry> entries = MountTable::keepBelow(MountTable::parse(table.readAll()), {sFolder});
    return entries.isEmpty() ? QString() : entries.first().sMountPoint;
}

// The drives are mounted in a mount namespace of the demo's own, which the agent it starts shares: the
// mounts end with the last of these processes however the demo ends (SIGKILL too), and no other process
// on the machine sees them. The machine's mounts stay visible and those it makes later still arrive
// (slave), so the agent sees the machine's volumes as it would outside the demo.
bool enterPrivateMounts(QString* pWhy)
{
    if (::unshare(CLONE_NEWNS) != 0 || ::mount("none", "/", nullptr, MS_REC | MS_SLAVE, nullptr) != 0) {
        *pWhy = QString::fromLocal8Bit(std::strerror(errno));
        return false;
    }
    return true;
}

QString newestPackage(const QString& sBuildDir)
{
    const QFileInfoList packages =
        QDir(sBuildDir).entryInfoList({"wendoagent_*.deb"}, QDir::Files, QDir::Time);
    return packages.isEmpty() ? QString() : packages.first().absoluteFilePath();
}

bool writeAgentSettings(const DemoServices& services, bool bRemember)
{
    AgentSettings settings;
    for (const auto& url : services.urlSettings())
        settings.setValue("URL", url.first, url.second);
    if (bRemember)
        RememberedSignIn::write(DemoAccount::USER, DemoAccount::PASSWORD);
    QFile log(AgentFolders::dataPath("/msg.ini"));
    return log.open(QIODevice::WriteOnly) && log.write("[DEBUG]\nLOG_LEVEL=2\n") > 0;
}

class DemoRun : public QObject
{
public:
    DemoRun(const QString& sFolder, const QString& sAgent, bool bDrive, bool bExitWhenSynced)
        : m_sFolder(sFolder), m_sAgent(sAgent), m_bDrive(bDrive), m_bExitWhenSynced(bExitWhenSynced),
          m_services(sFolder + "/record.txt")
    {
    }

    bool start(bool bRemember)
    {
        QString sWhy;
        if (!m_services.start(newestPackage(QFileInfo(m_sAgent).absolutePath() + "/.."), &sWhy))
            return fail(sWhy);
        const QString sAdded = QDate::currentDate().addDays(-200).toString("yyyy-MM-dd");
        m_services.account().addDevice({DemoDevices::SERIAL_UUID, "SKU-100", "Wendo 100", sAdded});
        m_services.account().addDevice({DemoDevices::DRIVE_UUID, "SKU-500", "Wendo 500", sAdded});
        m_services.account().addDevice({DemoAccount::SECOND_UUID, "SKU-300", "Wendo 300", sAdded});
        if (m_bDrive) {
            if (!m_devices.prepareDrive(&sWhy, m_sFolder + "/drives") || !m_devices.plugDrive(true, &sWhy))
                return fail(sWhy);
            // Only a person at the terminal the demo runs in the foreground of can type the command.
            say(canTypeCommands()
                    ? "demo: a Wendo 500 is plugged in; type d and Enter to unplug it or plug it in again."
                    : "demo: a Wendo 500 is plugged in.");
        } else if (!m_devices.startSerial(&sWhy)) {
            return fail(sWhy);
        }
        AgentFolders::setProgramDir(QFileInfo(m_sAgent).absolutePath());
        AgentFolders::setDataDir(m_sFolder + "/data/WendoAgent");
        if (!AgentFolders::makePrivateDir(AgentFolders::dataDir()) ||
            !writeAgentSettings(m_services, bRemember))
            return fail("cannot write the agent's settings in " + AgentFolders::dataDir());
        watchStandardInput();
        return startAgent();
    }

    void stopAgent() { m_agent.terminate(); }

private:
    bool fail(const QString& sWhy)
    {
        say("demo: " + sWhy);
        return false;
    }

    bool startAgent()
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("XDG_DATA_HOME", m_sFolder + "/data");
        env.insert("XDG_CONFIG_HOME", m_sFolder + "/config");
        env.insert("XDG_CACHE_HOME", m_sFolder + "/cache");
        if (!m_bDrive)
            env.insert("WENDO_SERIAL_PORTS", m_devices.serialPort());
        // The debug log goes to its file (data/WendoAgent/WendoAgent.log), not over the demo's own lines.
        env.insert("QT_LOGGING_RULES", "default.debug=false");
        m_agent.setProcessEnvironment(env);
        m_agent.setProcessChannelMode(QProcess::ForwardedChannels);
        m_agent.setInputChannelMode(QProcess::ForwardedInputChannel);
        connect(&m_agent, QOverload<int, QProcess::ExitStatus>::of(&QProcess::finished), this,
                [this](int nCode, QProcess::ExitStatus) { agentEnded(nCode); });
        m_agent.start(m_sAgent, QStringList());
        if (!m_agent.waitForStarted(30000))
            return fail("the agent did not start: " + m_agent.errorString());
        const QString sDevice =
            m_bDrive ? QString("a Wendo 500 is mounted") : "a Wendo 100 is on " + m_devices.serialPort();
        say(QString("demo: the agent runs; %1. Sign in as %2 with the password %3 (%4 is an account that "
                    "was never verified).")
                .arg(sDevice, DemoAccount::USER, DemoAccount::PASSWORD, DemoAccount::UNVERIFIED_USER));
        if (m_bExitWhenSynced) {
            connect(&m_poll, &QTimer::timeout, this, [this] { checkSynced(); });
            m_poll.start(200);
        }
        return true;
    }

    // For CI: the serial device's rides uploaded ends the agent; the drive-family device's ride uploaded
    // and its route written, it is plugged out and in again, and the sync that follows ends the agent.
    void checkSynced()
    {
        const DemoAccount& account = m_services.account();
        const int nRides = m_bDrive ? DemoDevices::DRIVE_RIDES : DemoDevices::SERIAL_RIDES;
        if (m_bSynced || account.uploadCount() < nRides)
            return;
        if (!m_bDrive) {
            finishSynced("every ride is uploaded");
        } else if (m_nReplugSyncs < 0 && m_devices.driveRoutes() > 0) {
            QString sWhy;
            m_nReplugSyncs = account.syncListCount();
            if (!m_devices.plugDrive(false, &sWhy) || !m_devices.plugDrive(true, &sWhy))
                finishSynced("the drive could not be plugged in again: " + sWhy);
            else
                say("demo: the ride is uploaded and the route written; the drive was plugged in again");
        } else if (m_nReplugSyncs >= 0 && account.syncListCount() > m_nReplugSyncs) {
            finishSynced("the sync after plugging in again is answered");
        }
    }

    void finishSynced(const QString& sWhy)
    {
        m_bSynced = true;
        say("demo: " + sWhy + "; ending the agent");
        m_agent.terminate();
    }

    // Standard input is a terminal whose foreground the demo is in.
    static bool canTypeCommands()
    {
        return ::isatty(STDIN_FILENO) && ::tcgetpgrp(STDIN_FILENO) == ::getpgrp();
    }

    // Commands come one a line from standard input, whatever it is: a terminal, a pipe or a file.
    void watchStandardInput()
    {
        if (!m_devices.isDrivePrepared() || ::fcntl(STDIN_FILENO, F_GETFD) == -1)
            return;
        m_pInput = new QSocketNotifier(STDIN_FILENO, QSocketNotifier::Read, this);
        connect(m_pInput, &QSocketNotifier::activated, this, [this] { readStandardInput(); });
    }

    void readStandardInput()
    {
        char buffer[256];
        const ssize_t n = ::read(STDIN_FILENO, buffer, sizeof(buffer));
        if (n < 0 && (errno == EINTR || errno == EAGAIN))
            return;
        if (n <= 0) {
            // The end of a pipe or a file: its last line may lack the line break.
            m_pInput->setEnabled(false);
            if (!m_bLineTooLong)
                runCommand(m_baInput);
            m_baInput.clear();
            return;
        }
        m_baInput.append(buffer, int(n));
        int nEnd = -1;
        while ((nEnd = m_baInput.indexOf('\n')) >= 0) {
            if (!m_bLineTooLong)
                runCommand(m_baInput.left(nEnd));
            m_bLineTooLong = false;
            m_baInput.remove(0, nEnd + 1);
        }
        // A line that never ends is dropped as it comes, so what is kept stays small.
        if (m_baInput.size() > MAX_COMMAND_LINE) {
            if (!m_bLineTooLong)
                say("demo: that line is too long for a command; d unplugs the Wendo 500 or plugs it in "
                    "again");
            m_bLineTooLong = true;
            m_baInput.clear();
        }
    }

    void runCommand(const QByteArray& baLine)
    {
        const QByteArray baCommand = baLine.trimmed();
        if (baCommand.isEmpty())
            return;
        if (baCommand != "d") {
            say(QString("demo: \"%1\" is no command; d unplugs the Wendo 500 or plugs it in again")
                    .arg(QString::fromLocal8Bit(baCommand)));
            return;
        }
        QString sWhy;
        const bool bIn = !m_devices.isDrivePlugged();
        if (m_devices.plugDrive(bIn, &sWhy))
            say(bIn ? "demo: drive-family device plugged in" : "demo: drive-family device unplugged");
        else
            say("demo: " + sWhy);
    }

    void agentEnded(int nCode)
    {
        m_poll.stop();
        say(QString("demo: the agent exited (%1); stopping the stand-ins").arg(nCode));
        m_services.stop();
        QCoreApplication::exit(m_bExitWhenSynced ? (m_bSynced ? 0 : 1) : nCode);
    }

    QString m_sFolder;
    QString m_sAgent;
    bool m_bDrive;
    bool m_bExitWhenSynced;
    bool m_bSynced = false;
    int m_nReplugSyncs = -1; // the sync lists answered before the drive was plugged in again
    DemoServices m_services;
    DemoDevices m_devices;
    AgentProcess m_agent;
    QTimer m_poll;
    QSocketNotifier* m_pInput = nullptr;
    QByteArray m_baInput;        // standard input's unfinished line
    bool m_bLineTooLong = false; // the rest of the current line is dropped
    static constexpr int MAX_COMMAND_LINE = 1024;
};
} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription("Runs WendoAgent against local stand-ins.");
    parser.addHelpOption();
    const QCommandLineOption drive("drive", "As root: a drive-family device instead of the serial one.");
    const QCommandLineOption remember("remember", "Remember the demo account: the agent signs in by itself.");
    const QCommandLineOption exitWhenSynced("exit-when-synced", "End the agent once the rides are uploaded.");
    const QCommandLineOption folder("folder", "The demo folder, emptied at each start.", "dir");
    const QCommandLineOption agent("agent", "The agent program.", "program");
    parser.addOptions({drive, remember, exitWhenSynced, folder, agent});
    parser.process(app);

    const QString sBin = QCoreApplication::applicationDirPath();
    const QString sFolder =
        QDir(parser.isSet(folder) ? parser.value(folder) : sBin + "/../demo").absolutePath();
    const QString sAgent =
        QFileInfo(parser.isSet(agent) ? parser.value(agent) : sBin + "/WendoAgent").absoluteFilePath();
    const QString sMounted = mountBelow(sFolder);
    if (!sMounted.isEmpty()) {
        // Emptying the folder would delete what the drive holds.
        say("demo: a drive of an earlier demo is still mounted at " + sMounted +
            ": unmount it first (see README.md)");
        return 1;
    }
    QDir(sFolder).removeRecursively();
    if (!QDir().mkpath(sFolder)) {
        say("demo: cannot make " + sFolder);
        return 1;
    }
    if (::pipe(g_signalPipe) != 0)
        return 1;
    QString sWhy;
    // Before any thread starts: a namespace is left by the calling thread alone.
    if (parser.isSet(drive) && ::geteuid() == 0 && !enterPrivateMounts(&sWhy))
        say("demo: the drives are mounted where the whole machine sees them (" + sWhy +
            "); if the demo is killed, unmount them by hand (see README.md)");
    for (const int nSignal : {SIGINT, SIGTERM, SIGHUP})
        std::signal(nSignal, onSignal);

    int nResult = 1;
    {
        DemoRun run(sFolder, sAgent, parser.isSet(drive), parser.isSet(exitWhenSynced));
        QSocketNotifier signalNotifier(g_signalPipe[0], QSocketNotifier::Read);
        QObject::connect(&signalNotifier, &QSocketNotifier::activated, &run, [&run] {
            char c = 0;
            [[maybe_unused]] const ssize_t n = ::read(g_signalPipe[0], &c, 1);
            run.stopAgent();
        });
        if (run.start(parser.isSet(remember)))
            nResult = app.exec();
    }
    return nResult;
}
