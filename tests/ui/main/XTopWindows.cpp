#include "XTopWindows.h"

#include "support/XWindowState.h"

#include <QImage>

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>

namespace
{
Display* display(void* pDisplay)
{
    return static_cast<Display*>(pDisplay);
}
} // namespace

XTopWindows::XTopWindows(const QString& sDisplay)
    : m_pDisplay(XOpenDisplay(sDisplay.toLocal8Bit().constData()))
{
}

XTopWindows::~XTopWindows()
{
    if (m_pDisplay)
        XCloseDisplay(display(m_pDisplay));
}

unsigned long XTopWindows::findShown(const QString& sTitle)
{
    return findBelow(DefaultRootWindow(display(m_pDisplay)), sTitle);
}

unsigned long XTopWindows::findBelow(unsigned long nParent, const QString& sTitle)
{
    Window root = 0;
    Window parent = 0;
    Window* pChildren = nullptr;
    unsigned int nCount = 0;
    if (!XQueryTree(display(m_pDisplay), nParent, &root, &parent, &pChildren, &nCount))
        return 0;
    unsigned long nFound = 0;
    for (unsigned int n = 0; n < nCount && !nFound; ++n) {
        XWindowAttributes attributes;
        if (XGetWindowAttributes(display(m_pDisplay), pChildren[n], &attributes) &&
            attributes.map_state == IsViewable && titleOf(pChildren[n]) == sTitle)
            nFound = pChildren[n];
        else
            nFound = findBelow(pChildren[n], sTitle);
    }
    if (pChildren)
        XFree(pChildren);
    return nFound;
}

QString XTopWindows::titleOf(unsigned long nWindow)
{
    Display* pDisplay = display(m_pDisplay);
    Atom type = 0;
    int nFormat = 0;
    unsigned long nItems = 0;
    unsigned long nLeft = 0;
    unsigned char* pData = nullptr;
    QString sTitle;
    if (XGetWindowProperty(pDisplay, nWindow, XInternAtom(pDisplay, "_NET_WM_NAME", False), 0, 1024, False,
                           XInternAtom(pDisplay, "UTF8_STRING", False), &type, &nFormat, &nItems, &nLeft,
                           &pData) == Success &&
        pData && nFormat == 8)
        sTitle = QString::fromUtf8(reinterpret_cast<const char*>(pData), int(nItems));
    if (pData)
        XFree(pData);
    return sTitle;
}

bool XTopWindows::close(unsigned long nWindow)
{
    Display* pDisplay = display(m_pDisplay);
    XEvent event = {};
    event.xclient.type = ClientMessage;
    event.xclient.window = nWindow;
    event.xclient.message_type = XInternAtom(pDisplay, "WM_PROTOCOLS", False);
    event.xclient.format = 32;
    event.xclient.data.l[0] = long(XInternAtom(pDisplay, "WM_DELETE_WINDOW", False));
    event.xclient.data.l[1] = CurrentTime;
    const bool bSent = XSendEvent(pDisplay, nWindow, False, NoEventMask, &event) != 0;
    XFlush(pDisplay);
    return bSent;
}

long XTopWindows::wmState(unsigned long nWindow)
{
    return XWindowState::wmState(display(m_pDisplay), nWindow);
}

QPoint XTopWindows::screenPosition(unsigned long nWindow)
{
    Display* pDisplay = display(m_pDisplay);
    int nX = 0, nY = 0;
    Window child = 0;
    XTranslateCoordinates(pDisplay, nWindow, DefaultRootWindow(pDisplay), 0, 0, &nX, &nY, &child);
    return QPoint(nX, nY);
}

bool XTopWindows::clickAt(const QPoint& globalPos, int nButton)
{
    Display* pDisplay = display(m_pDisplay);
    XTestFakeMotionEvent(pDisplay, -1, globalPos.x(), globalPos.y(), CurrentTime);
    XTestFakeButtonEvent(pDisplay, unsigned(nButton), True, CurrentTime);
    XTestFakeButtonEvent(pDisplay, unsigned(nButton), False, CurrentTime);
    return XSync(pDisplay, False) != 0;
}

bool XTopWindows::pressKey(unsigned long nKeysym)
{
    Display* pDisplay = display(m_pDisplay);
    const KeyCode nCode = XKeysymToKeycode(pDisplay, KeySym(nKeysym));
    if (nCode == 0)
        return false;
    XTestFakeKeyEvent(pDisplay, nCode, True, CurrentTime);
    XTestFakeKeyEvent(pDisplay, nCode, False, CurrentTime);
    return XSync(pDisplay, False) != 0;
}

bool XTopWindows::hasFocus(unsigned long nWindow)
{
    Window focus = 0;
    int nRevert = 0;
    XGetInputFocus(display(m_pDisplay), &focus, &nRevert);
    return focus == nWindow;
}

QString XTopWindows::windowClass(unsigned long nWindow)
{
    XClassHint hint = {};
    if (!XGetClassHint(display(m_pDisplay), nWindow, &hint))
        return QString();
    const QString sClass = hint.res_class ? QString::fromLocal8Bit(hint.res_class) : QString();
    if (hint.res_name)
        XFree(hint.res_name);
    if (hint.res_class)
        XFree(hint.res_class);
    return sClass;
}

bool XTopWindows::hasWindowManager()
{
    return XWindowState::windowManagerRuns(display(m_pDisplay));
}

bool XTopWindows::hasTrayHost()
{
    Display* pDisplay = display(m_pDisplay);
    const QByteArray selection = "_NET_SYSTEM_TRAY_S" + QByteArray::number(DefaultScreen(pDisplay));
    return XGetSelectionOwner(pDisplay, XInternAtom(pDisplay, selection.constData(), False)) != 0;
}

bool XTopWindows::saveScreen(const QString& sPath)
{
    Display* pDisplay = display(m_pDisplay);
    const Window root = DefaultRootWindow(pDisplay);
    XWindowAttributes attributes;
    if (!XGetWindowAttributes(pDisplay, root, &attributes))
        return false;
    XImage* pImage = XGetImage(pDisplay, root, 0, 0, unsigned(attributes.width), unsigned(attributes.height),
                               AllPlanes, ZPixmap);
    if (!pImage)
        return false;
    QImage picture(attributes.width, attributes.height, QImage::Format_RGB32);
    for (int nY = 0; nY < attributes.height; ++nY) {
        for (int nX = 0; nX < attributes.width; ++nX)
            picture.setPixel(nX, nY, QRgb(XGetPixel(pImage, nX, nY)) | 0xff000000u);
    }
    XDestroyImage(pImage);
    return picture.save(sPath);
}
