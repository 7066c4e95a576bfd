#include "WidgetNotifier.h"
#include "ZeqAgentMainDialog.h"
#include "core/AgentFolders.h"
#include "core/DebugLog.h"
#include "platform/LinuxSingleInstance.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    // The log is prepared before anything else exists, so the very first steps can already be logged.
    const QString sDataDir = AgentFolders::defaultDataDir();
    DebugLog::init(sDataDir);
    writeLog(1, "[main][main][Entry]");

    // One agent per user: a second start ends at once, also while the first still shows its welcome.
    LinuxSingleInstance instanceLock(sDataDir);
    if (!instanceLock.tryAcquire()) {
        writeLog(1, "[main][main] another instance is running");
        return 0;
    }

    // The windows are painted by the raster engine alone; loading the X display's OpenGL stack as well would
    // more than double the resident memory of an agent that lives all day in the tray.
    if (!qEnvironmentVariableIsSet("QT_XCB_GL_INTEGRATION"))
        qputenv("QT_XCB_GL_INTEGRATION", "none");
    QApplication app(argc, argv);
    // Closing a message box or dialog while the window is hidden in the tray must not end the agent.
    QApplication::setQuitOnLastWindowClosed(false);
    WidgetNotifier notifier;
    Notifier::setInstance(&notifier);

    int nResult = 0;
    {
        ZeqAgentMainDialog dialog;
        notifier.setTray(dialog.trayIcon());
        dialog.show();
        writeLog(1, "[main][main] window shown");
        nResult = app.exec();
    }
    Notifier::setInstance(nullptr);
    writeLog(1, "[main][main][End] %d", nResult);
    return nResult;
}
