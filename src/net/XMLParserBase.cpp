#include "XMLParserBase.h"

#include <QDomDocument>
#include <QFile>
#include <QWaitCondition>

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
    QFile file(sPath);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    return pDoc->setContent(&file, false);
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
