#include "RealInput.h"

#include "ChildOutput.h"
#include "XWindowState.h"

#include <QAbstractNativeEventFilter>
#include <QApplication>
#include <QByteArray>
#include <QDeadlineTimer>
#include <QDebug>
#include <QFile>
#include <QStandardPaths>
#include <QTest>
#include <QWidget>

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <sys/prctl.h>
#include <sys/types.h>
#include <sys/wait.h>
#include <unistd.h>

// X headers last: they define macros (None, Bool, KeyPress...) that clash with Qt names.
#include <X11/XKBlib.h>
#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>
#include <xcb/xcb.h>

namespace
{

const int START_GUARD_MS = 30000; // hang guards only: a display or event that never comes fails
const int EVENT_GUARD_MS = 10000;
const char SYNC_ATOM[] = "WENDO_REAL_INPUT_SYNC";

struct DisplayServer {
    pid_t pid = 0;
    pid_t windowManager = 0;
    QString sName;
    QString sWhy = "the display was not started";
};

DisplayServer& server()
{
    static DisplayServer s;
    return s;
}

pid_t spawnXvfb(int writeFd)
{
    const pid_t pid = fork();
    if (pid != 0)
        return pid;
    // Child: dies with the test process, says nothing (it is chatty about fonts and keymaps).
    prctl(PR_SET_PDEATHSIG, SIGKILL);
    const int nullFd = open("/dev/null", O_RDWR);
    if (nullFd >= 0) {
        dup2(nullFd, STDIN_FILENO);
        dup2(nullFd, STDOUT_FILENO);
        dup2(nullFd, STDERR_FILENO);
    }
    const QByteArray fdText = QByteArray::number(writeFd);
    execlp("Xvfb", "Xvfb", "-displayfd", fdText.constData(), "-screen", "0", "1280x1024x24", "-nolisten",
           "tcp", "-noreset", static_cast<char*>(nullptr));
    _exit(127);
}

void stopChild(pid_t* pPid)
{
    if (*pPid <= 0)
        return;
    kill(*pPid, SIGTERM);
    int nStatus = 0;
    while (waitpid(*pPid, &nStatus, 0) < 0 && errno == EINTR) {
    }
    *pPid = 0;
}

void stopServer(DisplayServer& s)
{
    stopChild(&s.windowManager);
    stopChild(&s.pid);
}

pid_t spawnWindowManager(const QByteArray& program, const QByteArray& display)
{
    const pid_t pid = fork();
    if (pid != 0)
        return pid;
    prctl(PR_SET_PDEATHSIG, SIGKILL);
    const int nullFd = open("/dev/null", O_RDWR);
    if (nullFd >= 0) {
        dup2(nullFd, STDIN_FILENO);
        dup2(nullFd, STDOUT_FILENO);
        dup2(nullFd, STDERR_FILENO);
    }
    setenv("DISPLAY", display.constData(), 1);
    execl(program.constData(), program.constData(), "--sm-disable", static_cast<char*>(nullptr));
    _exit(127);
}

// openbox where installed; the display stays without a window manager otherwise.
void startWindowManager(DisplayServer& s, Display* pDisplay)
{
    const QString sProgram = QStandardPaths::findExecutable("openbox");
    if (sProgram.isEmpty())
        return;
    s.windowManager = spawnWindowManager(QFile::encodeName(sProgram), s.sName.toLatin1());
    if (s.windowManager < 0) {
        s.windowManager = 0;
        return;
    }
    QDeadlineTimer guard(START_GUARD_MS);
    while (!XWindowState::windowManagerRuns(pDisplay)) {
        if (guard.hasExpired() || waitpid(s.windowManager, nullptr, WNOHANG) == s.windowManager) {
            qWarning("RealInput: openbox did not start; running without a window manager");
            stopChild(&s.windowManager);
            return;
        }
        usleep(20000);
    }
}

} // namespace

// Sees the marker client messages that RealInput sends after its events: as the X server delivers a
// client's events in order, the marker arriving means Qt has read everything injected before it.
class RealInputSyncFilter : public QAbstractNativeEventFilter
{
public:
    explicit RealInputSyncFilter(unsigned long nAtom) : m_nAtom(nAtom) {}

    bool nativeEventFilter(const QByteArray& eventType, void* pMessage, long*) override
    {
        if (eventType != "xcb_generic_event_t")
            return false;
        const auto* pEvent = static_cast<const xcb_generic_event_t*>(pMessage);
        if ((pEvent->response_type & 0x7f) != XCB_CLIENT_MESSAGE)
            return false;
        const auto* pClient = static_cast<const xcb_client_message_event_t*>(pMessage);
        if (pClient->type != m_nAtom)
            return false;
        m_nSeen = qMax<long>(m_nSeen, pClient->data.data32[0]);
        return true;
    }

    long seen() const { return m_nSeen; }

private:
    unsigned long m_nAtom;
    long m_nSeen = 0;
};

bool RealInput::startDisplay(bool bWindowManager)
{
    DisplayServer& s = server();
    if (s.pid > 0)
        return true;
    int fds[2];
    if (pipe2(fds, O_CLOEXEC) != 0) {
        s.sWhy = "no pipe for Xvfb";
        return false;
    }
    // The write end must survive the exec in the child only.
    const int writeFd = fcntl(fds[1], F_DUPFD, 10);
    close(fds[1]);
    if (writeFd < 0) {
        close(fds[0]);
        s.sWhy = "no pipe for Xvfb";
        return false;
    }
    const pid_t pid = spawnXvfb(writeFd);
    close(writeFd);
    if (pid < 0) {
        close(fds[0]);
        s.sWhy = "cannot fork for Xvfb";
        return false;
    }
    s.pid = pid;
    // The display number that Xvfb writes once it accepts clients.
    const QByteArray number = ChildOutput::readLine(fds[0], START_GUARD_MS);
    close(fds[0]);
    bool bOk = false;
    number.toInt(&bOk);
    if (!bOk) {
        stopServer(s);
        s.sWhy = "Xvfb could not start (is it installed?)";
        return false;
    }
    s.sName = ":" + QString::fromLatin1(number);
    Display* pProbe = XOpenDisplay(s.sName.toLatin1().constData());
    if (!pProbe) {
        stopServer(s);
        s.sWhy = "Xvfb started but refuses connections";
        return false;
    }
    int nEvent = 0, nError = 0, nMajor = 0, nMinor = 0;
    const bool bXTest = XTestQueryExtension(pProbe, &nEvent, &nError, &nMajor, &nMinor);
    if (bXTest && bWindowManager)
        startWindowManager(s, pProbe);
    XCloseDisplay(pProbe);
    if (!bXTest) {
        stopServer(s);
        s.sWhy = "the display has no XTest extension";
        return false;
    }
    qputenv("DISPLAY", s.sName.toLatin1());
    qputenv("QT_QPA_PLATFORM", "xcb");
    qputenv("QT_XCB_GL_INTEGRATION", "none");
    qunsetenv("QT_SCALE_FACTOR");
    qunsetenv("QT_AUTO_SCREEN_SCALE_FACTOR");
    qunsetenv("QT_SCREEN_SCALE_FACTORS");
    qunsetenv("WAYLAND_DISPLAY");
    s.sWhy.clear();
    return true;
}

void RealInput::stopDisplay()
{
    stopServer(server());
}

bool RealInput::isAvailable()
{
    return server().pid > 0 && QGuiApplication::platformName() == "xcb";
}

QString RealInput::unavailableReason()
{
    if (server().pid > 0 && QGuiApplication::platformName() != "xcb")
        return "the application does not run on the xcb platform";
    return server().sWhy;
}

bool RealInput::hasWindowManager()
{
    return server().windowManager > 0;
}

QString RealInput::displayName()
{
    return server().sName;
}

RealInput::RealInput()
{
    if (!isAvailable()) {
        qWarning("RealInput: %s", qPrintable(unavailableReason()));
        return;
    }
    m_pDisplay = XOpenDisplay(server().sName.toLatin1().constData());
    if (!m_pDisplay) {
        qWarning("RealInput: cannot open %s", qPrintable(server().sName));
        return;
    }
    const Atom atom = XInternAtom(m_pDisplay, SYNC_ATOM, False);
    m_pFilter = new RealInputSyncFilter(atom);
    QCoreApplication::instance()->installNativeEventFilter(m_pFilter);
    // A window of the application's own, never mapped, that receives the markers.
    m_pSyncWindow = new QWidget();
    m_pSyncWindow->setAttribute(Qt::WA_NativeWindow);
    m_pSyncWindow->winId();
}

RealInput::~RealInput()
{
    if (m_pDisplay) {
        // Nothing stays pressed for the next case.
        modifierKeys(Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier, false);
        XSync(m_pDisplay, False);
    }
    if (m_pFilter) {
        QCoreApplication::instance()->removeNativeEventFilter(m_pFilter);
        delete m_pFilter;
    }
    delete m_pSyncWindow;
    if (m_pDisplay)
        XCloseDisplay(m_pDisplay);
}

bool RealInput::sync()
{
    if (!m_pDisplay)
        return false;
    const long nSerial = ++m_nSyncSerial;
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = static_cast<Window>(m_pSyncWindow->winId());
    event.xclient.message_type = XInternAtom(m_pDisplay, SYNC_ATOM, False);
    event.xclient.format = 32;
    event.xclient.data.l[0] = nSerial;
    XSendEvent(m_pDisplay, event.xclient.window, False, NoEventMask, &event);
    XSync(m_pDisplay, False);
    if (!QTest::qWaitFor([this, nSerial] { return m_pFilter->seen() >= nSerial; }, EVENT_GUARD_MS)) {
        qWarning("RealInput: the application did not answer within the guard");
        return false;
    }
    // The marker was read after the injected events; deliver what Qt queued for them, and what those
    // handlers posted in turn (focus changes, deferred updates).
    for (int i = 0; i < 3; ++i)
        QCoreApplication::processEvents(QEventLoop::AllEvents);
    QCoreApplication::sendPostedEvents();
    return true;
}

bool RealInput::showWindow(QWidget* pWindow)
{
    if (!m_pDisplay || !pWindow)
        return false;
    pWindow->show();
    if (!QTest::qWaitForWindowExposed(pWindow, EVENT_GUARD_MS)) {
        qWarning("RealInput: the window was never exposed");
        return false;
    }
    // The window asks for the focus (no window manager hands it out, and openbox grants it to a window
    // that asks), and the pointer rests on it.
    pWindow->raise();
    pWindow->activateWindow();
    if (!moveTo(globalPoint(pWindow, QPoint(2, 2))))
        return false;
    if (!QTest::qWaitForWindowActive(pWindow, EVENT_GUARD_MS)) {
        qWarning("RealInput: the window never became active");
        return false;
    }
    return sync();
}

bool RealInput::showPlainly(QWidget* pWindow)
{
    if (!m_pDisplay || !pWindow)
        return false;
    pWindow->show();
    if (!QTest::qWaitForWindowExposed(pWindow, EVENT_GUARD_MS)) {
        qWarning("RealInput: the window was never exposed");
        return false;
    }
    if (hasWindowManager()) {
        const Atom wmState = XInternAtom(m_pDisplay, "WM_STATE", False);
        const Window window = static_cast<Window>(pWindow->winId());
        const auto managed = [this, wmState, window] {
            Atom type = 0;
            int nFormat = 0;
            unsigned long nItems = 0, nAfter = 0;
            unsigned char* pData = nullptr;
            const int nResult = XGetWindowProperty(m_pDisplay, window, wmState, 0, 2, False, AnyPropertyType,
                                                   &type, &nFormat, &nItems, &nAfter, &pData);
            if (pData)
                XFree(pData);
            return nResult == Success && nItems > 0;
        };
        if (!QTest::qWaitFor(managed, EVENT_GUARD_MS)) {
            qWarning("RealInput: the window manager never took the window in");
            return false;
        }
    }
    return sync();
}

QPoint RealInput::globalPoint(QWidget* pWidget, const QPoint& local)
{
    const QPoint point = local == QPoint(-1, -1) ? pWidget->rect().center() : local;
    // From where the X server has the window: under a window manager Qt learns the place it chose
    // only later, and a click must land where the person sees the widget.
    QWidget* pWindow = pWidget->window();
    if (!isAvailable() || !pWindow->testAttribute(Qt::WA_WState_Created))
        return pWidget->mapToGlobal(point);
    return screenPosition(pWindow) + pWidget->mapTo(pWindow, point);
}

QPoint RealInput::screenPosition(QWidget* pWindow)
{
    Display* pDisplay = XOpenDisplay(server().sName.toLatin1().constData());
    if (!pDisplay)
        return QPoint();
    int nX = 0, nY = 0;
    Window child = 0;
    XTranslateCoordinates(pDisplay, static_cast<Window>(pWindow->winId()), DefaultRootWindow(pDisplay), 0, 0,
                          &nX, &nY, &child);
    XCloseDisplay(pDisplay);
    return QPoint(nX, nY);
}

bool RealInput::drag(const QPoint& fromGlobal, const QPoint& distance)
{
    if (!moveTo(fromGlobal) || !button(Qt::LeftButton, true))
        return false;
    const int nSteps = 4;
    for (int i = 1; i <= nSteps; ++i) {
        if (!moveTo(fromGlobal + distance * i / nSteps))
            return false;
    }
    return button(Qt::LeftButton, false);
}

bool RealInput::moveTo(const QPoint& globalPos)
{
    if (!m_pDisplay)
        return false;
    XTestFakeMotionEvent(m_pDisplay, -1, globalPos.x(), globalPos.y(), CurrentTime);
    return sync();
}

bool RealInput::button(Qt::MouseButton eButton, bool bPress)
{
    const unsigned int nButton = eButton == Qt::RightButton ? 3 : eButton == Qt::MiddleButton ? 2 : 1;
    XTestFakeButtonEvent(m_pDisplay, nButton, bPress ? True : False, CurrentTime);
    return sync();
}

bool RealInput::click(QWidget* pWidget, const QPoint& local, Qt::MouseButton eButton)
{
    if (!m_pDisplay || !pWidget || !pWidget->isVisible()) {
        qWarning("RealInput: nothing visible to click");
        return false;
    }
    return moveTo(globalPoint(pWidget, local)) && button(eButton, true) && button(eButton, false);
}

bool RealInput::doubleClick(QWidget* pWidget, const QPoint& local)
{
    if (!click(pWidget, local))
        return false;
    // Both clicks at once: the X server stamps them close together, as a person's double-click.
    XTestFakeButtonEvent(m_pDisplay, 1, True, CurrentTime);
    XTestFakeButtonEvent(m_pDisplay, 1, False, CurrentTime);
    return sync();
}

unsigned char RealInput::keycodeOf(unsigned long nKeysym, int* pLevel) const
{
    const KeyCode nCode = XKeysymToKeycode(m_pDisplay, nKeysym);
    if (nCode == 0)
        return 0;
    for (int nLevel = 0; nLevel < 2; ++nLevel) {
        if (XkbKeycodeToKeysym(m_pDisplay, nCode, 0, nLevel) == nKeysym) {
            *pLevel = nLevel;
            return nCode;
        }
    }
    return 0;
}

bool RealInput::modifierKeys(Qt::KeyboardModifiers modifiers, bool bPress)
{
    const struct {
        Qt::KeyboardModifier eModifier;
        KeySym nKeysym;
    } keys[] = {
        {Qt::ShiftModifier, XK_Shift_L}, {Qt::ControlModifier, XK_Control_L}, {Qt::AltModifier, XK_Alt_L}};
    for (const auto& modifierKey : keys) {
        if (!(modifiers & modifierKey.eModifier))
            continue;
        const KeyCode nCode = XKeysymToKeycode(m_pDisplay, modifierKey.nKeysym);
        if (nCode == 0)
            return false;
        XTestFakeKeyEvent(m_pDisplay, nCode, bPress ? True : False, CurrentTime);
    }
    return true;
}

bool RealInput::pressKeysym(unsigned long nKeysym, Qt::KeyboardModifiers modifiers)
{
    int nLevel = 0;
    const unsigned char nCode = keycodeOf(nKeysym, &nLevel);
    if (nCode == 0) {
        qWarning("RealInput: the keyboard layout has no key for keysym 0x%lx", nKeysym);
        return false;
    }
    if (nLevel == 1)
        modifiers |= Qt::ShiftModifier;
    if (!modifierKeys(modifiers, true))
        return false;
    XTestFakeKeyEvent(m_pDisplay, nCode, True, CurrentTime);
    XTestFakeKeyEvent(m_pDisplay, nCode, False, CurrentTime);
    modifierKeys(modifiers, false);
    return sync();
}

bool RealInput::type(const QString& sText)
{
    if (!m_pDisplay)
        return false;
    // Every character is checked first: a half-typed text would mislead the test.
    QList<unsigned long> keysyms;
    for (const QChar c : sText) {
        const ushort nCode = c.unicode();
        const bool bLatin1 = (nCode >= 0x20 && nCode < 0x7f) || (nCode >= 0xa0 && nCode <= 0xff);
        int nLevel = 0;
        if (!bLatin1 || keycodeOf(nCode, &nLevel) == 0) {
            qWarning("RealInput: cannot type U+%04x with this keyboard layout", nCode);
            return false;
        }
        keysyms.append(nCode); // Latin-1 keysyms are the characters themselves
    }
    for (const unsigned long nKeysym : qAsConst(keysyms)) {
        if (!pressKeysym(nKeysym, Qt::NoModifier))
            return false;
    }
    return true;
}

bool RealInput::key(Qt::Key eKey, Qt::KeyboardModifiers modifiers)
{
    if (!m_pDisplay)
        return false;
    unsigned long nKeysym = 0;
    switch (eKey) {
    case Qt::Key_Tab:
        nKeysym = XK_Tab;
        break;
    case Qt::Key_Backtab:
        nKeysym = XK_Tab;
        modifiers |= Qt::ShiftModifier;
        break;
    case Qt::Key_Space:
        nKeysym = XK_space;
        break;
    case Qt::Key_Return:
        nKeysym = XK_Return;
        break;
    case Qt::Key_Enter:
        nKeysym = XK_KP_Enter;
        break;
    case Qt::Key_Escape:
        nKeysym = XK_Escape;
        break;
    case Qt::Key_Backspace:
        nKeysym = XK_BackSpace;
        break;
    case Qt::Key_Delete:
        nKeysym = XK_Delete;
        break;
    case Qt::Key_Home:
        nKeysym = XK_Home;
        break;
    case Qt::Key_End:
        nKeysym = XK_End;
        break;
    case Qt::Key_Left:
        nKeysym = XK_Left;
        break;
    case Qt::Key_Right:
        nKeysym = XK_Right;
        break;
    case Qt::Key_Up:
        nKeysym = XK_Up;
        break;
    case Qt::Key_Down:
        nKeysym = XK_Down;
        break;
    default:
        if (eKey >= Qt::Key_A && eKey <= Qt::Key_Z)
            nKeysym = XK_a + (eKey - Qt::Key_A);
        else if (eKey >= Qt::Key_0 && eKey <= Qt::Key_9)
            nKeysym = XK_0 + (eKey - Qt::Key_0);
        break;
    }
    if (nKeysym == 0) {
        qWarning("RealInput: no key for Qt key 0x%x", unsigned(eKey));
        return false;
    }
    return pressKeysym(nKeysym, modifiers);
}

bool RealInput::waitForFocus(QWidget* pWidget)
{
    return QTest::qWaitFor([pWidget] { return pWidget->hasFocus(); }, EVENT_GUARD_MS);
}
