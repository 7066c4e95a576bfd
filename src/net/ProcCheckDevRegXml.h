#pragma once

#include "ProcSoapReturnXml.h"

// The device registration check answer.
class ProcCheckDevRegXml : public ProcSoapReturnXml
{
public:
    ProcCheckDevRegXml() : ProcSoapReturnXml("checkDeviceReg") {}
    bool open(const QString& sPath) override;
};
