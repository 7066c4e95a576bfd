#pragma once

#include "ProcSoapReturnXml.h"

// The account device list answer.
class ProcEnumRegDevXml : public ProcSoapReturnXml
{
public:
    ProcEnumRegDevXml() : ProcSoapReturnXml("getDeviceList") {}
};
