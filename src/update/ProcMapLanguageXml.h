#pragma once

#include "net/XMLParserBase.h"

#include <QString>

// The map-language answer: every "langList" element at any depth below the first "updatelist" gives one
// row of "maplanguagework.script": its attribute "enName" and its text (the name to show). False for an
// unreadable answer or one without a list (the old list stays), or when the list cannot be written.
class ProcMapLanguageXml : public XMLParserBase
{
public:
    ProcMapLanguageXml() = default;
    ~ProcMapLanguageXml() = default;

    bool open(const QString& sPath) override;

    static QString listPath();
};
