#pragma once

#include "net/XMLParserBase.h"

#include <QString>

// The shop answer: every element of the first "updatelist" is one offer with "region", "regionType"
// and "eshopUrl". Writes "eshopurlwork.script" ("availableaddmap" rows). Without a list the answer is a
// bare success for "S00000" (no list file is left) and a service error otherwise (m_sCode, m_sError).
// False for an unreadable answer (the list is left as it was), a service error or an unwritable list.
class ProcAvailableAddMapXml : public XMLParserBase
{
public:
    ProcAvailableAddMapXml() = default;
    ~ProcAvailableAddMapXml() = default;

    bool open(const QString& sPath) override;

    static QString listPath();

    QString m_sCode;
    QString m_sError;
};
