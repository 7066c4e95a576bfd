#pragma once

#include <QDomElement>
#include <QMutex>
#include <QString>

// Base of every reader of an XML answer or device file. A reader is built on the stack, reads one file
// in open() and keeps what it found in its own public fields.
class XMLParserBase
{
public:
    XMLParserBase() = default;
    XMLParserBase(const XMLParserBase&) = delete;
    XMLParserBase& operator=(const XMLParserBase&) = delete;

    virtual bool open(const QString& sPath) = 0;

    // Text of the first child element of parent named sName ("" when there is none).
    static QString getChildText(const QDomElement& parent, const QString& sName);
    // The attribute's value, or "".
    static QString getAttribute(const QDomElement& element, const QString& sName);
    // A plain timed pause of the calling thread.
    void msleep(unsigned long nMs);

    // Loads the file without namespace processing into doc; false when it is missing or not XML.
    static bool loadDocument(const QString& sPath, QDomDocument* pDoc);
    // The text of "return" in Body / "ns1:<operation>Response" of a SOAP answer, tag names matched whole.
    // False when the body or the response element is missing; a missing "return" reads as "".
    static bool readSoapReturn(const QDomDocument& doc, const QString& sOperation, QString* pReturn);

protected:
    ~XMLParserBase() = default;

private:
    QMutex m_mutex;
};
