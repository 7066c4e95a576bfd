#include "XMLParserBase.h"

#include "core/DebugLog.h"
#include "platform/DeviceFileReader.h"

#include <QDomDocument>
#include <QWaitCondition>
#include <QXmlStreamReader>

QString XMLParserBase::getChildText(const QDomElement& parent, const QString& sName)
{
    if (parent.isNull())
        return QString();
    return parent.firstChildElement(sName).text();
}

QString XMLParserBase::getAttribute(const QDomElement& element, const QString& sName)
{
    return element.attribute(sName);
}

void XMLParserBase::msleep(unsigned long nMs)
{
    QWaitCondition pause;
    QMutexLocker lock(&m_mutex);
    pause.wait(&m_mutex, nMs);
}

bool XMLParserBase::loadDocument(const QString& sPath, QDomDocument* pDoc)
{
    QByteArray bytes;
    const DeviceFileReader::Result result = DeviceFileReader::readFile(sPath, MAX_FILE_BYTES, &bytes);
    if (result != DeviceFileReader::READ_OK) {
        if (result != DeviceFileReader::READ_MISSING)
            writeLog(1, "[XMLParserBase][loadDocument] refused %s: %s", qUtf8Printable(sPath),
                     DeviceFileReader::resultName(result));
        return false;
    }
    return loadBytes(bytes, pDoc);
}

bool XMLParserBase::loadBytes(const QByteArray& bytes, QDomDocument* pDoc)
{
    if (!isWithinDepth(bytes)) {
        writeLog(1, "[XMLParserBase][loadBytes] refused a document that is no XML or nests deeper than %d",
                 MAX_DEPTH);
        return false;
    }
    return pDoc->setContent(bytes, false);
}

bool XMLParserBase::isWithinDepth(const QByteArray& bytes, int nMaxDepth)
{
    QXmlStreamReader xml(bytes);
    xml.setNamespaceProcessing(false);
    int nDepth = 0;
    while (!xml.atEnd()) {
        const QXmlStreamReader::TokenType token = xml.readNext();
        if (token == QXmlStreamReader::StartElement && ++nDepth > nMaxDepth)
            return false;
        if (token == QXmlStreamReader::EndElement)
            --nDepth;
    }
    // A stream error ends the scan early, so what follows it was never judged: such a file is refused.
    return !xml.hasError();
}

void XMLParserBase::logDroppedRows(const char* szReader, int nDropped, int nKept)
{
    writeLog(1, "%s the answer holds more rows than any real one: %d kept, %d dropped", szReader, nKept,
             nDropped);
}

bool XMLParserBase::readSoapReturn(const QDomDocument& doc, const QString& sOperation, QString* pReturn)
{
    const QDomElement body = doc.documentElement().firstChildElement("SOAP-ENV:Body");
    const QDomElement response = body.firstChildElement("ns1:" + sOperation + "Response");
    if (response.isNull())
        return false;
    // A response without "return" is an answer with an empty text.
    *pReturn = getChildText(response, "return");
    return true;
}
