#pragma once

#include "ProcSoapReturnXml.h"

// The sign-in answer.
class ProcLoginXml : public ProcSoapReturnXml
{
public:
    ProcLoginXml() : ProcSoapReturnXml("login") {}
    bool open(const QString& sPath) override;
};
