#include "ProcCheckDevRegXml.h"

#include "core/DebugLog.h"

bool ProcCheckDevRegXml::open(const QString& sPath)
{
    if (!ProcSoapReturnXml::open(sPath)) {
        writeLog(1, "[ProcCheckDevRegXml][open] fail");
        return false;
    }
    writeLog(1, "[ProcCheckDevRegXml][open] return%s", qUtf8Printable(m_sResult));
    return true;
}
