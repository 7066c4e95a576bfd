// Starts the agent several times with fresh data folders and reports, for each start, the time from the
// process start to the tray icon (read from the log's own timestamp; the welcome pause comes after it)
// and the resident memory once the window is up.
//   bench_startup [runs]          default 5; the program is the WendoAgent beside this one

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace
{
const int GOAL_MS = 300;
const int GOAL_MB = 60;

QByteArray readFile(const QString& sPath)
{
    QFile file(sPath);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The log line that holds sMarker, waited for; empty on time-out.
QByteArray waitForLine(const QString& sLog, const QByteArray& marker, int nTimeoutMs)
{
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < nTimeoutMs) {
        for (const QByteArray& line : readFile(sLog).split('\n')) {
            if (line.contains(marker))
                return line;
        }
        QThread::msleep(2);
    }
    return QByteArray();
}

// Lines start "yyyy/M/d HH:mm:ss:zzz" followed by a tab.
QDateTime lineTime(const QByteArray& line)
{
    return QDateTime::fromString(QString::fromLatin1(line.left(line.indexOf('\t')).trimmed()),
                                 "yyyy/M/d HH:mm:ss:zzz");
}

qint64 residentKb(qint64 nPid)
{
    for (const QByteArray& line : readFile(QString("/proc/%1/status").arg(nPid)).split('\n')) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').value(0).toLongLong();
    }
    return -1;
}

struct Run {
    qint64 nTrayMs = -1;
    qint64 nRssKb = -1;
};

Run runOnce(const QString& sProgram)
{
    Run run;
    QTemporaryDir dataHome;
    QTemporaryDir configHome;
    const QString sDataDir = dataHome.path() + "/WendoAgent";
    QDir().mkpath(sDataDir);
    QFile msg(sDataDir + "/msg.ini");
    if (!msg.open(QIODevice::WriteOnly) || msg.write("[DEBUG]\nLOG_LEVEL=2\n") <= 0)
        return run;
    msg.close();

    QProcess agent;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("XDG_DATA_HOME", dataHome.path());
    env.insert("XDG_CONFIG_HOME", configHome.path());
    if (!env.contains("QT_QPA_PLATFORM") && !env.contains("DISPLAY") && !env.contains("WAYLAND_DISPLAY"))
        env.insert("QT_QPA_PLATFORM", "offscreen");
    agent.setProcessEnvironment(env);
    agent.setStandardOutputFile(QProcess::nullDevice());
    agent.setStandardErrorFile(QProcess::nullDevice());

    const QDateTime started = QDateTime::currentDateTime();
    agent.start(sProgram, QStringList());
    if (!agent.waitForStarted(30000))
        return run;
    const QString sLog = sDataDir + "/WendoAgent.log";
    const QByteArray trayLine = waitForLine(sLog, "[ZeqAgentMainDialog][createTray]", 30000);
    if (!trayLine.isEmpty())
        run.nTrayMs = started.msecsTo(lineTime(trayLine));
    if (!waitForLine(sLog, "[main][main] window shown", 30000).isEmpty()) {
        QThread::msleep(300); // the first paint
        run.nRssKb = residentKb(agent.processId());
    }
    agent.kill();
    agent.waitForFinished(30000);
    return run;
}

qint64 median(std::vector<qint64> values)
{
    std::sort(values.begin(), values.end());
    return values.empty() ? -1 : values[values.size() / 2];
}
} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    const int nRuns = argc > 1 ? qMax(1, atoi(argv[1])) : 5;
    const QString sProgram = QCoreApplication::applicationDirPath() + "/WendoAgent";
    if (!QFile::exists(sProgram)) {
        std::fprintf(stderr, "no program at %s\n", qPrintable(sProgram));
        return 1;
    }
    std::vector<qint64> trayTimes;
    std::vector<qint64> residents;
    for (int i = 1; i <= nRuns; ++i) {
        const Run run = runOnce(sProgram);
        std::printf("run %d: tray icon after %lld ms, resident %.1f MB\n", i,
                    static_cast<long long>(run.nTrayMs), run.nRssKb / 1024.0);
        if (run.nTrayMs < 0 || run.nRssKb < 0) {
            std::fprintf(stderr, "run %d did not reach its window\n", i);
            return 1;
        }
        trayTimes.push_back(run.nTrayMs);
        residents.push_back(run.nRssKb);
    }
    const qint64 nTray = median(trayTimes);
    const double rMb = median(residents) / 1024.0;
    std::printf("median: tray icon after %lld ms (goal < %d ms: %s), resident %.1f MB (goal < %d MB: %s)\n",
                static_cast<long long>(nTray), GOAL_MS, nTray < GOAL_MS ? "met" : "missed", rMb, GOAL_MB,
                rMb < GOAL_MB ? "met" : "missed");
    return 0;
}
