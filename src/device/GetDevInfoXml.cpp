#include "GetDevInfoXml.h"

#include "core/DebugLog.h"
#include "platform/DeviceFileReader.h"

#include <QDomDocument>

bool GetDevInfoXml::open(const QString& sPath)
{
    QByteArray bytes;
    const DeviceFileReader::Result result =
        DeviceFileReader::readFile(sPath, DeviceFileReader::XML_LIMIT, &bytes);
    if (result != DeviceFileReader::READ_OK) {
        if (result != DeviceFileReader::READ_MISSING)
            writeLog(1, "[GetDevInfoXml][open] refused %s: %s", qUtf8Printable(sPath),
                     DeviceFileReader::resultName(result));
        return false;
    }
    QDomDocument doc("ZeqAgent");
    if (!loadBytes(bytes, &doc))
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
