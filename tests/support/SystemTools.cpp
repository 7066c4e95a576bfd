#include "SystemTools.h"

#include <QProcess>

namespace SystemTools
{
bool run(const QString& sProgram, const QStringList& args, QString* pWhy)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(sProgram, args);
    if (!process.waitForStarted(10000)) {
        *pWhy = sProgram + " could not be started";
        return false;
    }
    if (!process.waitForFinished(60000)) {
        process.kill();
        process.waitForFinished(5000);
        *pWhy = sProgram + " did not finish";
        return false;
    }
    if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0) {
        *pWhy = sProgram + ": " + QString::fromLocal8Bit(process.readAll()).trimmed();
        return false;
    }
    return true;
}

qint64 endedPid()
{
    QProcess gone;
    gone.start("true", QStringList());
    if (!gone.waitForStarted(20000))
        return -1;
    const qint64 nPid = gone.processId();
    return gone.waitForFinished(20000) ? nPid : -1;
}

QString sourcePath(const QString& sRelative)
{
    return QString::fromLocal8Bit(qgetenv("WENDO_SOURCE_DIR")) + "/" + sRelative;
}
} // namespace SystemTools
