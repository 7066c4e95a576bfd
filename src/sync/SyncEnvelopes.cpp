#include "SyncEnvelopes.h"

#include "core/Escaping.h"
#include "net/SoapEnvelopes.h"

namespace
{
QString asIs(const QString& sValue)
{
    return sValue;
}
} // namespace

QString SyncEnvelopes::escapeText(const QString& sValue)
{
    return Escaping::xml(sValue);
}

// The track travels with its double quotes escaped as well, as the service expects it.
QString SyncEnvelopes::escapeTrack(const QString& sValue)
{
    return Escaping::xml(sValue).replace('"', QLatin1String("&quot;"));
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
