#include "ImmutableFile.h"

#include "SystemTools.h"

ImmutableFile::ImmutableFile(const QString& sPath) : m_sPath(sPath)
{
    m_bLocked = SystemTools::run("chattr", {"+i", m_sPath}, &m_sWhy);
}

ImmutableFile::~ImmutableFile()
{
    unlock();
}

bool ImmutableFile::unlock()
{
    if (!m_bLocked)
        return true;
    QString sWhy;
    if (!SystemTools::run("chattr", {"-i", m_sPath}, &sWhy)) {
        qWarning("cannot take the immutable attribute off %s: %s", qUtf8Printable(m_sPath),
                 qUtf8Printable(sWhy));
        return false;
    }
    m_bLocked = false;
    return true;
}
