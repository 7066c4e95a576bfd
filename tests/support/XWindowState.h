#pragma once

struct _XDisplay;

// What a window manager has published on an X display, read over a connection of the caller's.
namespace XWindowState
{
// A window manager announces itself with _NET_SUPPORTING_WM_CHECK on the root window once it manages.
bool windowManagerRuns(_XDisplay* pDisplay);
// The window's WM_STATE as its window manager set it: 1 normal, 3 iconic, 0 withdrawn or none.
long wmState(_XDisplay* pDisplay, unsigned long nWindow);
} // namespace XWindowState
