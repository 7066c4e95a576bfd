#pragma once

#include "XMLParserBase.h"

// The account's sync choices: whether uploaded rides stay on the device and whether sync is automatic.
class ProcGetCustomSettingXml : public XMLParserBase
{
public:
    // False for an unreadable answer and for a return text that is not a JSON object (an error answer
    // must never show defaults as the user's choices).
    bool open(const QString& sPath) override;

    bool m_bKept = false;
    bool m_bSync = false;
};
