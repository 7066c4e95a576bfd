#pragma once

#include <QString>

// The two SOAP envelopes of the sync. Every value is escaped where it is put: &, < and > in each
// parameter (the catalogues' double quotes stay as the service expects them), and the track text of an
// upload also has its double quotes escaped. Values without these characters give the service's bytes.
class SyncEnvelopes
{
public:
    static QString routeSyncList(const QString& sSession, const QString& sUser, const QString& sRcf,
                                 const QString& sTcf);
    static QString uploadRec(const QString& sSession, const QString& sUser, const QString& sHash,
                             const QString& sMetaData, const QString& sTrackContent);

    // &, < and > as entities.
    static QString escapeText(const QString& sValue);
    // &, <, > and " as entities (the ride's GPX text inside TrackContent).
    static QString escapeTrack(const QString& sValue);
};
