#include "GetDevInfoXml.h"

#include <QDomDocument>

bool GetDevInfoXml::open(const QString& sPath)
{
    QDomDocument doc("ZeqAgent");
    if (!loadDocument(sPath, &doc))
        return false;
    const QDomElement root = doc.documentElement();
    m_devInfo.sFirmware = getChildText(root.firstChildElement("kernel"), "version");
    const QDomElement hardware = root.firstChildElement("hardware");
    if (hardware.isNull())
        return false;
    m_devInfo.sModel = getChildText(hardware, "type");
    m_devInfo.sHWName = getChildText(hardware, "displayname");
    m_devInfo.sUUID = getChildText(hardware, "id");
    const QDomElement sku = root.firstChildElement("sku");
    if (sku.isNull())
        return false;
    m_devInfo.sSkuID = getChildText(sku, "skuid");
    return true;
}
