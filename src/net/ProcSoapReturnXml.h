#pragma once

#include "XMLParserBase.h"

// Reads the "return" text of a sharing-service answer: Body / "ns1:<operation>Response" / "return".
// The account readers are this with their operation's name.
class ProcSoapReturnXml : public XMLParserBase
{
public:
    explicit ProcSoapReturnXml(const QString& sOperation) : m_sOperation(sOperation) {}

    bool open(const QString& sPath) override;

    QString m_sResult;

protected:
    QString m_sOperation;
};
