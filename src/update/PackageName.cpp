#include "PackageName.h"

QString PackageName::fromUrl(const QString& sUrl)
{
    const QString sName = sUrl.mid(sUrl.lastIndexOf('/') + 1);
    if (sName.isEmpty() || sName == "." || sName == ".." || sName.contains('\\') ||
        sName.contains(QChar(0)) || !sName.contains(".zip"))
        return QString();
    return sName;
}
