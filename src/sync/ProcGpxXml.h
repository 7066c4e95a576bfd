#pragma once

#include "GpxRecord.h"
#include "net/XMLParserBase.h"

class QXmlStreamReader;

// Reads a ride's GPX file for the ride catalogue: the first "trk" of the document element, its "type" and
// the 29 statistics under its "extensions", each kept as the text that stood in the file.
//
// The file is parsed by a stream reader in one pass to its end (a ride of several hours is megabytes of
// track points, too many for a document tree), so a file that is not well-formed XML anywhere is refused,
// as a document reader would refuse it.
class ProcGpxXml : public XMLParserBase
{
public:
    ProcGpxXml() = default;
    ~ProcGpxXml() = default;

    // False for an unreadable or malformed file or one without "trk" (the record is unchanged), and for a
    // "trk" without "extensions" (only the type is taken).
    bool open(const QString& sPath) override;

    GpxRecord m_record;

private:
    struct Scan;
    static bool scan(QXmlStreamReader& xml, Scan* pScan);
    static void takeTrackChild(QXmlStreamReader& xml, Scan* pScan);
    static void takeStatistic(QXmlStreamReader& xml, Scan* pScan);
    static QString elementText(QXmlStreamReader& xml);
};
