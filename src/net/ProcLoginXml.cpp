#include "ProcLoginXml.h"

#include "core/AgentSettings.h"

bool ProcLoginXml::open(const QString& sPath)
{
    if (!ProcSoapReturnXml::open(sPath))
        return false;
    // A test switch: makes every readable sign-in answer read as the verification refusal.
    AgentSettings settings;
    if (settings.getString("DEBUG", "Login") == "ERROR:E0013")
        m_sResult = "ERROR:E0013";
    return true;
}
