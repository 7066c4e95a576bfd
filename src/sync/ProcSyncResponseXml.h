#pragma once

#include "net/XMLParserBase.h"

#include <QString>

// Reads the service's answer to uploadRec: the text of Body / "ns1:uploadRecResponse" / "return".
class ProcSyncResponseXml : public XMLParserBase
{
public:
    ProcSyncResponseXml() = default;
    ~ProcSyncResponseXml() = default;

    // False for a missing, malformed or foreign answer (a SOAP fault included); a missing "return" gives
    // true with an empty text.
    bool open(const QString& sPath) override;

    // Only a return text starting "SUCCESS:" confirms that the service holds the ride.
    bool isConfirmed() const { return m_sResult.startsWith(QLatin1String("SUCCESS:")); }

    QString m_sResult;
};
