#include "UrlOpener.h"

#include "core/DebugLog.h"

#include <QDesktopServices>
#include <QUrl>

bool UrlOpener::open(const QString& sAddress)
{
    const QUrl url(sAddress, QUrl::StrictMode);
    if (!url.isValid()) {
        writeLog(1, "[UrlOpener][open] invalid address");
        return false;
    }
    return QDesktopServices::openUrl(url);
}
