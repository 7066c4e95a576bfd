#include "DevicePath.h"

#include "DevicePlace.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

namespace
{
QString matchEntry(const QString& sDir, const QString& sName)
{
    if (QFileInfo::exists(sDir + sName))
        return sName;
    const QStringList entries =
        QDir(sDir).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    for (const QString& sEntry : entries) {
        if (sEntry.compare(sName, Qt::CaseInsensitive) == 0)
            return sEntry;
    }
    return sName;
}
} // namespace

QString DevicePath::normalizeRoot(const QString& sRoot)
{
    QString sOut = sRoot;
    while (sOut.endsWith('/') && sOut.size() > 1)
        sOut.chop(1);
    return sOut + (sOut == "/" ? "" : "/");
}

QString DevicePath::resolve(const QString& sRoot, const QString& sRelative)
{
    QString sPath = normalizeRoot(sRoot);
    const QStringList parts = QString(sRelative).replace('\\', '/').split('/', Qt::SkipEmptyParts);
    for (int i = 0; i < parts.size(); ++i) {
        sPath += matchEntry(sPath, parts.at(i));
        if (i + 1 < parts.size())
            sPath += '/';
    }
    if (sRelative.endsWith('/') || sRelative.endsWith('\\'))
        sPath += '/';
    return sPath;
}

QString DevicePath::resolveDir(const QString& sRoot, const QString& sRelative, bool* pOk)
{
    const QString sPath = resolve(sRoot, sRelative);
    // Never through a link of the device: the folders are made one by one, each checked first.
    const bool bOk = DevicePlace::makeFolder(sRoot, sPath);
    if (pOk)
        *pOk = bOk;
    return sPath;
}

bool DevicePath::isSafeRelative(const QString& sRelative)
{
    const QString sPath = QString(sRelative).replace('\\', '/');
    if (sPath.startsWith('/') || sPath.contains(QRegularExpression("^[A-Za-z]:")))
        return false;
    const QStringList parts = sPath.split('/', Qt::SkipEmptyParts);
    for (const QString& sPart : parts) {
        if (sPart == ".." || sPart.contains(':'))
            return false;
    }
    return true;
}
