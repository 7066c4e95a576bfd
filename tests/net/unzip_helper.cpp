// A stand-in for the agent in tests: runs one unpack the way the agent does and waits for it. The test
// kills this process while the archive program is still at work.
// Usage: wendo-unzip-helper <archive> <output folder> <data folder>
#include "core/AgentFolders.h"
#include "net/UnzipJob.h"

#include <QCoreApplication>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 4)
        return 2;
    AgentFolders::setProgramDir(args.at(3));
    AgentFolders::setDataDir(args.at(3));
    UnzipJob job(args.at(1), args.at(2));
    QObject::connect(&job, &UnzipJob::emitProcFinish, &app, [](int nExitCode, QProcess::ExitStatus) {
        QCoreApplication::exit(nExitCode == 0 ? 0 : 1);
    });
    job.start();
    return app.exec();
}
