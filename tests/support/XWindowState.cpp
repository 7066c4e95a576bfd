#include "XWindowState.h"

#include <X11/Xlib.h>

namespace
{
struct Property {
    bool bRead = false;
    int nFormat = 0;
    unsigned long nItems = 0;
    long nFirst = 0; // the first item of a 32-bit property
};

Property readProperty(Display* pDisplay, Window window, const char* szName, long nLength)
{
    Property property;
    Atom type = 0;
    unsigned long nAfter = 0;
    unsigned char* pData = nullptr;
    property.bRead = XGetWindowProperty(pDisplay, window, XInternAtom(pDisplay, szName, False), 0, nLength,
                                        False, AnyPropertyType, &type, &property.nFormat, &property.nItems,
                                        &nAfter, &pData) == Success;
    if (pData && property.nItems > 0 && property.nFormat == 32)
        property.nFirst = reinterpret_cast<long*>(pData)[0];
    if (pData)
        XFree(pData);
    return property;
}
} // namespace

bool XWindowState::windowManagerRuns(Display* pDisplay)
{
    const Property check = readProperty(pDisplay, DefaultRootWindow(pDisplay), "_NET_SUPPORTING_WM_CHECK", 1);
    return check.bRead && check.nItems > 0;
}

long XWindowState::wmState(Display* pDisplay, unsigned long nWindow)
{
    const Property state = readProperty(pDisplay, nWindow, "WM_STATE", 2);
    return state.bRead && state.nItems > 0 && state.nFormat == 32 ? state.nFirst : 0;
}
