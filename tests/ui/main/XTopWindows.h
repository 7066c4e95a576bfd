#pragma once

#include <QString>

// A look at an X display from outside the program under test, as a window manager or a person sees it:
// which top-level windows are shown, and closing one by its close box (WM_DELETE_WINDOW).
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

private:
    QString titleOf(unsigned long nWindow);
    unsigned long findBelow(unsigned long nParent, const QString& sTitle);

    void* m_pDisplay = nullptr;
};
