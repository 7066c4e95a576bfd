#include "controller/ZeqAgentCtrlMgr.h"
#include "core/AgentFolders.h"
#include "core/DebugLog.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    // The log is prepared before anything else exists, so the very first steps can already be logged.
    DebugLog::init(AgentFolders::defaultDataDir());
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    ZeqAgentCtrlMgr::getInstance();
    return app.exec();
}
