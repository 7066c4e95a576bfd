#include "SyncEnvelopes.h"

#include "core/Escaping.h"
#include "net/SoapEnvelopes.h"

namespace
{
QString escape(const QString& sValue, bool bQuotes)
{
    QString sOut;
    sOut.reserve(sValue.size() + sValue.size() / 16);
    for (const QChar c : sValue) {
        switch (c.unicode()) {
        case '&':
            sOut += QLatin1String("&amp;");
            break;
        case '<':
            sOut += QLatin1String("&lt;");
            break;
        case '>':
            sOut += QLatin1String("&gt;");
            break;
        case '"':
            if (bQuotes) {
                sOut += QLatin1String("&quot;");
                break;
            }
            sOut += c;
            break;
        default:
            sOut += c;
        }
    }
    return sOut;
}

QString asIs(const QString& sValue)
{
    return sValue;
}
} // namespace

QString SyncEnvelopes::escapeText(const QString& sValue)
{
    return escape(sValue, false);
}

QString SyncEnvelopes::escapeTrack(const QString& sValue)
{
    return escape(sValue, true);
}

QString SyncEnvelopes::routeSyncList(const QString& sSession, const QString& sUser, const QString& sRcf,
                                     const QString& sTcf)
{
    static const QString sTemplate = SoapEnvelopes::makeTemplate(
        "getRouteSyncList", {"SessionID", "CustomerEMail", "RCFMetaData", "TCFMetaData"});
    return Escaping::fill(sTemplate, {sSession, sUser, sRcf, sTcf}, &escapeText);
}

QString SyncEnvelopes::uploadRec(const QString& sSession, const QString& sUser, const QString& sHash,
                                 const QString& sMetaData, const QString& sTrackContent)
{
    static const QString sTemplate = SoapEnvelopes::makeTemplate(
        "uploadRec", {"SessionID", "CustomerEMail", "SHA512", "MetaType", "MetaData", "TrackContent"});
    // Each value is escaped here by its own rule and filled in one pass as it stands.
    const QStringList values = {escapeText(sSession),  escapeText(sUser),     escapeText(sHash),
                                QStringLiteral("RCF"), escapeText(sMetaData), escapeTrack(sTrackContent)};
    return Escaping::fill(sTemplate, values, &asIs);
}
