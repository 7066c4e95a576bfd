#include "ProcGpxXml.h"

#include "core/DebugLog.h"
#include "platform/DeviceFileReader.h"

#include <QHash>
#include <QXmlStreamReader>

struct ProcGpxXml::Scan {
    GpxRecord record;
    int nDepth = 0; // depth of the element last opened; the document element is 1
    bool bTrk = false;
    bool bInTrk = false;
    bool bType = false;
    bool bExtensions = false;
    bool bInExtensions = false;
    QHash<QString, bool> taken;
};

namespace
{
int statisticIndex(const QString& sName)
{
    static const QHash<QString, int> indexes = [] {
        QHash<QString, int> map;
        for (int i = 0; i < GpxRecord::statisticCount(); ++i)
            map.insert(QString::fromLatin1(GpxRecord::statisticNames()[i]), i);
        return map;
    }();
    return indexes.value(sName, -1);
}
} // namespace

bool ProcGpxXml::open(const QString& sPath)
{
    // One read of the whole file: a ride is a few megabytes at most, and parsing from memory is much
    // faster than through the device's small reads. The file is on the device, so it is read only when it
    // is a regular file within the ride bound.
    QByteArray bytes;
    const DeviceFileReader::Result result =
        DeviceFileReader::readFile(sPath, DeviceFileReader::RIDE_LIMIT, &bytes);
    if (result != DeviceFileReader::READ_OK) {
        writeLog(1, "[ProcGpxXml][open] refused %s: %s", qUtf8Printable(sPath),
                 DeviceFileReader::resultName(result));
        return false;
    }
    QXmlStreamReader xml(bytes);
    // Names are matched as whole texts, prefixes included, as the service's other readers do.
    xml.setNamespaceProcessing(false);
    Scan state;
    if (!scan(xml, &state) || !state.bTrk)
        return false;
    if (!state.bExtensions) {
        m_record.type = state.record.type;
        return false;
    }
    m_record = state.record;
    return true;
}

bool ProcGpxXml::scan(QXmlStreamReader& xml, Scan* pScan)
{
    while (!xml.atEnd()) {
        const QXmlStreamReader::TokenType token = xml.readNext();
        if (token == QXmlStreamReader::StartElement) {
            ++pScan->nDepth;
            if (pScan->nDepth == 2 && !pScan->bTrk && xml.qualifiedName() == QLatin1String("trk")) {
                pScan->bTrk = true;
                pScan->bInTrk = true;
            } else if (pScan->bInTrk && pScan->nDepth == 3) {
                takeTrackChild(xml, pScan);
            } else if (pScan->bInExtensions && pScan->nDepth == 4) {
                takeStatistic(xml, pScan);
            }
        } else if (token == QXmlStreamReader::EndElement) {
            if (pScan->nDepth == 3)
                pScan->bInExtensions = false;
            else if (pScan->nDepth == 2)
                pScan->bInTrk = false;
            --pScan->nDepth;
        }
    }
    return !xml.hasError();
}

void ProcGpxXml::takeTrackChild(QXmlStreamReader& xml, Scan* pScan)
{
    const QStringRef name = xml.qualifiedName();
    if (name == QLatin1String("type") && !pScan->bType) {
        pScan->bType = true;
        pScan->record.type = elementText(xml);
        --pScan->nDepth; // the element's end was read with its text
    } else if (name == QLatin1String("extensions") && !pScan->bExtensions) {
        pScan->bExtensions = true;
        pScan->bInExtensions = true;
    }
}

void ProcGpxXml::takeStatistic(QXmlStreamReader& xml, Scan* pScan)
{
    const QString sName = xml.qualifiedName().toString();
    const int nIndex = statisticIndex(sName);
    if (nIndex < 0 || pScan->taken.contains(sName))
        return;
    pScan->taken.insert(sName, true);
    *pScan->record.statistic(nIndex) = elementText(xml);
    --pScan->nDepth;
}

QString ProcGpxXml::elementText(QXmlStreamReader& xml)
{
    // A document reader drops text that is only white space; keep the same values.
    const QString sText = xml.readElementText(QXmlStreamReader::IncludeChildElements);
    return sText.trimmed().isEmpty() ? QString() : sText;
}
