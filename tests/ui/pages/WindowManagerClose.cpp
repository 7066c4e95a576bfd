#include "WindowManagerClose.h"

#include "support/RealInput.h"

#include <QWidget>

// Xlib's macros (KeyPress, Bool, Status...) clash with Qt names: included last, in a file of its own.
#include <X11/Xlib.h>

bool sendWindowManagerClose(QWidget* pWindow)
{
    Display* pDisplay = XOpenDisplay(RealInput::displayName().toLocal8Bit().constData());
    if (!pDisplay)
        return false;
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = static_cast<Window>(pWindow->winId());
    event.xclient.message_type = XInternAtom(pDisplay, "WM_PROTOCOLS", False);
    event.xclient.format = 32;
    event.xclient.data.l[0] = static_cast<long>(XInternAtom(pDisplay, "WM_DELETE_WINDOW", False));
    event.xclient.data.l[1] = CurrentTime;
    const bool bSent = XSendEvent(pDisplay, event.xclient.window, False, NoEventMask, &event) != 0;
    XSync(pDisplay, False);
    XCloseDisplay(pDisplay);
    return bSent;
}
