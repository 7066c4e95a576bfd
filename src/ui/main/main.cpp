#include "WidgetNotifier.h"
#include "ZeqAgentMainDialog.h"
#include "core/AgentFolders.h"
#include "core/DebugLog.h"
#include "platform/Platform.h"
#include "platform/SingleInstance.h"
#include "ui/update/UpdateDialogOpener.h"

#include <QApplication>
#include <QPointer>
#include <QTextCodec>

#include <cstdio>

namespace
{
// Platforms that draw for nobody: a modal box there would wait for ever for a click that never comes.
bool isInvisiblePlatform(const QString& sPlatform)
{
    return sPlatform.startsWith("offscreen") || sPlatform.startsWith("minimal");
}

// Without a display the toolkit cannot start at all (a start over ssh, a service): there is only the
// terminal then.
bool displayPresent()
{
    if (isInvisiblePlatform(QString::fromLocal8Bit(qgetenv("QT_QPA_PLATFORM"))))
        return false;
    return !qEnvironmentVariableIsEmpty("DISPLAY") || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
}

// A start that cannot make its data folder or lock says why, where a person looks: the terminal it was
// started from, the log when it can be written, and a box on the desktop.
int refuseStart(int& argc, char** argv, const QString& sReason)
{
    const QString sLine = "WendoAgent cannot start: " + sReason + ".";
    std::fprintf(stderr, "%s\n", sLine.toLocal8Bit().constData());
    std::fflush(stderr);
    writeLog(1, "[main][refuseStart] %s", qUtf8Printable(sLine));
    if (displayPresent()) {
        QApplication app(argc, argv);
        if (!isInvisiblePlatform(QGuiApplication::platformName())) {
            WidgetNotifier notifier;
            notifier.showMessage("WendoAgent", sLine);
        }
    }
    return 1;
}

// A start while the agent runs: the running one shows its window, as its "Open WendoAgent" would, and this
// one ends as a successful start.
int showRunningInstance(int& argc, char** argv, SingleInstance& instanceLock)
{
    QCoreApplication app(argc, argv);
    if (instanceLock.askRunningToShow())
        writeLog(1, "[main][showRunningInstance] the running agent shows its window");
    else
        writeLog(1, "[main][showRunningInstance] %s", qUtf8Printable(instanceLock.failureReason()));
    return 0;
}
} // namespace

int main(int argc, char* argv[])
{
    // Local 8-bit text, file names included, is UTF-8 for the whole run, fixed before any file is opened.
    QTextCodec::setCodecForLocale(QTextCodec::codecForName("UTF-8"));
    // The log is prepared before anything else exists, so the very first steps can already be logged.
    const QString sDataDir = AgentFolders::defaultDataDir();
    DebugLog::init(sDataDir);
    writeLog(1, "[main][main][Entry]");

    // The windows are painted by the raster engine alone; loading the X display's OpenGL stack as well would
    // more than double the resident memory of an agent that lives all day in the tray.
    if (!qEnvironmentVariableIsSet("QT_XCB_GL_INTEGRATION"))
        qputenv("QT_XCB_GL_INTEGRATION", "none");

    // One agent per user: a second start ends at once, also while the first still shows its welcome.
    const std::unique_ptr<SingleInstance> pInstanceLock = Platform::makeSingleInstance(sDataDir);
    switch (pInstanceLock->tryAcquire()) {
    case SingleInstance::HELD:
        break;
    case SingleInstance::OTHER_RUNNING:
        writeLog(1, "[main][main] another instance is running");
        return showRunningInstance(argc, argv, *pInstanceLock);
    case SingleInstance::CANNOT_LOCK:
        return refuseStart(argc, argv, pInstanceLock->failureReason());
    }

    QApplication app(argc, argv);
    // Closing a message box or dialog while the window is hidden in the tray must not end the agent.
    QApplication::setQuitOnLastWindowClosed(false);
    WidgetNotifier notifier;
    Notifier::setInstance(&notifier);
    UpdateDialogOpener dialogOpener;
    DialogOpener::setInstance(&dialogOpener);

    // Listening before the window exists: a start during the welcome is answered, and the window that
    // follows shows anyway.
    QPointer<ZeqAgentMainDialog> pWindow;
    const auto showAsked = [&pWindow] {
        writeLog(1, "[main][main] a second start asks for the window");
        if (pWindow)
            pWindow->showWindow();
    };
    const auto listenerTrouble = [](const QString& sWhat) {
        writeLog(1, "[main][listenForStarts] %s", qUtf8Printable(sWhat));
    };
    if (!pInstanceLock->listenForStarts(showAsked, listenerTrouble))
        writeLog(1, "[main][main] later starts cannot reach this one: %s",
                 qUtf8Printable(pInstanceLock->failureReason()));

    int nResult = 0;
    {
        ZeqAgentMainDialog dialog;
        pWindow = &dialog;
        notifier.setBalloons(dialog.balloons());
        dialog.show();
        writeLog(1, "[main][main] window shown");
        nResult = app.exec();
    }
    // The listener goes with the event loop's application object.
    pInstanceLock->release();
    DialogOpener::setInstance(nullptr);
    Notifier::setInstance(nullptr);
    writeLog(1, "[main][main][End] %d", nResult);
    return nResult;
}
