#pragma once

#include "net/XMLParserBase.h"

#include <QString>

// The map-credit answer: "credit" with "total", "available", "expired" and "firstDate", or "code" and
// "error" without it. Writes the one "Credit" row of "querymapcreditwork.script". An answer without
// "credit" empties the list and keeps the service's code (m_sCode, m_sError). False when there is no
// credit, the answer is unreadable (the list is then left as it was) or the list cannot be written.
class ProcQueryMapCreditXml : public XMLParserBase
{
public:
    ProcQueryMapCreditXml() = default;
    ~ProcQueryMapCreditXml() = default;

    bool open(const QString& sPath) override;

    static QString listPath();

    QString m_sCode;
    QString m_sError;
};
