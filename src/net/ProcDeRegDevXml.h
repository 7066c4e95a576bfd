#pragma once

#include "ProcSoapReturnXml.h"

// The device deregistration answer.
class ProcDeRegDevXml : public ProcSoapReturnXml
{
public:
    ProcDeRegDevXml() : ProcSoapReturnXml("deregisterDevice") {}
};
