#pragma once

#include "ProcSoapReturnXml.h"

// The device registration answer.
class ProcRegDevXml : public ProcSoapReturnXml
{
public:
    ProcRegDevXml() : ProcSoapReturnXml("registerDevice") {}
};
