#pragma once

#include "net/XMLParserBase.h"

// A reader that takes nothing from its file: open() always succeeds. Kept beside the device update
// reader for callers that expect one for map answers.
class ProcMapUpdateXml : public XMLParserBase
{
public:
    ProcMapUpdateXml() = default;
    ~ProcMapUpdateXml() = default;

    bool open(const QString& sPath) override;
};
