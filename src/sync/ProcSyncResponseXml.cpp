#include "ProcSyncResponseXml.h"

#include "core/DebugLog.h"

#include <QDomDocument>

bool ProcSyncResponseXml::open(const QString& sPath)
{
    QDomDocument doc("ZeqAgent");
    if (!loadDocument(sPath, &doc))
        return false;
    if (!readSoapReturn(doc, "uploadRec", &m_sResult))
        return false;
    writeLog(1, "[ProcSyncResponseXml][open] return %s", qUtf8Printable(m_sResult));
    return true;
}
