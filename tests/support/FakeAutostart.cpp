#include "FakeAutostart.h"

bool FakeAutostart::setEntry(const QString& sProgramPath)
{
    m_lstCalls.append("set " + sProgramPath);
    m_sProgramPath = sProgramPath;
    m_bEntry = true;
    return true;
}

bool FakeAutostart::removeEntry()
{
    m_lstCalls.append("remove");
    m_sProgramPath.clear();
    m_bEntry = false;
    return true;
}
