#pragma once

#include "ProcSoapReturnXml.h"

// The account device list answer.
class ProcEnumRegDevXml : public ProcSoapReturnXml
{
public:
    // The most devices taken from one answer: far more than any account registers, few enough that the
    // Settings page builds a row for each at once. The rest are logged, not listed.
    static constexpr int MAX_DEVICES = 256;

    ProcEnumRegDevXml() : ProcSoapReturnXml("getDeviceList") {}
};
