#include "ProcSyncResponseXml.h"

#include "core/DebugLog.h"

#include <QDomDocument>

bool ProcSyncResponseXml::open(const QString& sPath)
{
    QDomDocument doc("ZeqAgent");
    if (!loadDocument(sPath, &doc))
        return false;
    const QDomElement body = doc.documentElement().firstChildElement("SOAP-ENV:Body");
    const QDomElement response = body.firstChildElement("ns1:uploadRecResponse");
    if (response.isNull())
        return false;
    m_sResult = getChildText(response, "return");
    writeLog(1, "[ProcSyncResponseXml][open] return %s", m_sResult.toUtf8().constData());
    return true;
}
