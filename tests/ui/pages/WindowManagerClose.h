#pragma once

class QWidget;

// Asks a top-level window to close as a window manager does when a person clicks the title bar's close
// button or presses Alt+F4: a WM_DELETE_WINDOW client message sent through the X server. Needs the
// real-input display; false when the message could not be sent.
bool sendWindowManagerClose(QWidget* pWindow);
