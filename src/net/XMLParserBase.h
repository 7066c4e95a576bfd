#pragma once

#include <QDomElement>
#include <QList>
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

    // The deepest nesting of elements read. Real answers and device files nest a handful of levels, but
    // the document tree is built, walked and freed by recursion: a file nested tens of thousands deep
    // would overflow the stack. A deeper file is no readable XML.
    static constexpr int MAX_DEPTH = 64;
    // The largest file loadDocument reads; the request thread keeps answers within it.
    static constexpr qint64 MAX_FILE_BYTES = 4 * 1024 * 1024;

    // Loads a regular file of at most MAX_FILE_BYTES without namespace processing into doc; false when it
    // is missing, too large, nested deeper than MAX_DEPTH or not XML.
    static bool loadDocument(const QString& sPath, QDomDocument* pDoc);
    // The same for a file already read (a device's own files, read through DeviceFileReader).
    static bool loadBytes(const QByteArray& bytes, QDomDocument* pDoc);
    // True when bytes are well-formed XML whose elements nest no deeper than nMaxDepth. Reads as a stream,
    // so a document of any depth is judged without building it.
    static bool isWithinDepth(const QByteArray& bytes, int nMaxDepth = MAX_DEPTH);
    // Keeps the first nMax rows taken from an answer and logs how many were dropped. Every row costs work
    // later (a request, a download, a write onto the device), so a reader takes no more rows than a real
    // answer holds; what is dropped is offered again by the next answer.
    template <typename T> static void keepFirstRows(QList<T>* pRows, int nMax, const char* szReader)
    {
        if (pRows->size() <= nMax)
            return;
        logDroppedRows(szReader, pRows->size() - nMax, nMax);
        pRows->erase(pRows->begin() + nMax, pRows->end());
    }
    static void logDroppedRows(const char* szReader, int nDropped, int nKept);

    // The text of "return" in Body / "ns1:<operation>Response" of a SOAP answer, tag names matched whole.
    // False when the body or the response element is missing; a missing "return" reads as "".
    static bool readSoapReturn(const QDomDocument& doc, const QString& sOperation, QString* pReturn);

protected:
    ~XMLParserBase() = default;

private:
    QMutex m_mutex;
};
