#pragma once

#include <QPoint>
#include <QString>

// A look at an X display from outside the program under test, as a window manager or a person sees it:
// which top-level windows are shown, in what state and of which class, closing one by its close box
// (WM_DELETE_WINDOW), a real click or key (XTest) anywhere on the screen, and a picture of the screen.
class XTopWindows
{
public:
    explicit XTopWindows(const QString& sDisplay);
    ~XTopWindows();
    XTopWindows(const XTopWindows&) = delete;
    XTopWindows& operator=(const XTopWindows&) = delete;

    bool isOpen() const { return m_pDisplay != nullptr; }
    // The first shown window titled sTitle, or 0.
    unsigned long findShown(const QString& sTitle);
    bool close(unsigned long nWindow);
    // The window's WM_STATE as its window manager set it: 1 normal, 3 iconic, 0 withdrawn or none.
    long wmState(unsigned long nWindow);
    // Where the window's top-left corner is on the screen.
    QPoint screenPosition(unsigned long nWindow);
    // A press and release of the button at the point, as the mouse sends them.
    bool clickAt(const QPoint& globalPos, int nButton = 1);
    // A press and release of the key (an X keysym, e.g. XK_Escape), to whichever window has the focus.
    bool pressKey(unsigned long nKeysym);
    // Whether the window holds the keyboard focus of the display.
    bool hasFocus(unsigned long nWindow);
    // The class part of the window's WM_CLASS ("" when it has none).
    QString windowClass(unsigned long nWindow);
    bool hasWindowManager();
    // An XEmbed tray host owns the screen's tray selection.
    bool hasTrayHost();
    bool saveScreen(const QString& sPath);

private:
    QString titleOf(unsigned long nWindow);
    unsigned long findBelow(unsigned long nParent, const QString& sTitle);

    void* m_pDisplay = nullptr;
};
