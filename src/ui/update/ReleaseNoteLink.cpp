#include "ReleaseNoteLink.h"

#include "controller/UrlOpener.h"
#include "core/DebugLog.h"
#include "core/Escaping.h"

#include <QUrl>

namespace
{
// Services write addresses as people do, a quote or a blank unencoded: read tolerantly, sent encoded.
QUrl webUrl(const QString& sAddress)
{
    return QUrl(sAddress, QUrl::TolerantMode);
}
} // namespace

bool ReleaseNoteLink::isWebAddress(const QString& sAddress)
{
    const QUrl url = webUrl(sAddress);
    const QString sScheme = url.scheme().toLower();
    return url.isValid() && (sScheme == "http" || sScheme == "https") && !url.host().isEmpty();
}

QString ReleaseNoteLink::markup(const QString& sAddress, const QString& sCaption)
{
    if (!isWebAddress(sAddress))
        return QString();
    return QString("<a href=\"%1\" style=\"color:#1da9d8;text-decoration:none\">%2</a>")
        .arg(Escaping::xmlAttribute(sAddress), Escaping::xml(sCaption));
}

bool ReleaseNoteLink::open(const QString& sAddress, const char* szCaller)
{
    writeLog(1, "[%s][slotLink]Url:%s", szCaller, qUtf8Printable(sAddress));
    if (!isWebAddress(sAddress)) {
        writeLog(1, "[%s][slotLink] not a web address, not opened", szCaller);
        return false;
    }
    return UrlOpener::open(webUrl(sAddress).toString(QUrl::FullyEncoded));
}
