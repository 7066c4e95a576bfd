#pragma once

#include "net/XMLParserBase.h"

#include <QString>

// One add-on package of a map answer: the first element of the first "updatelist" becomes the one
// "AddMap" row of "mapadd.script", and its region id is kept. Nothing calls it yet.
class ProcQueryAddMapXml : public XMLParserBase
{
public:
    ProcQueryAddMapXml() = default;
    ~ProcQueryAddMapXml() = default;

    bool open(const QString& sPath) override;

    static QString listPath();

    QString m_sRegionId;
};
