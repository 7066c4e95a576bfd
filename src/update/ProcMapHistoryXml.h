#pragma once

#include "core/WorkFile.h"
#include "net/XMLParserBase.h"

#include <QDomElement>
#include <QString>

// The map service's download-history answer: the first "updatelist" holds one package per element.
// Each package becomes a "history" row appended after the rows already in the list: open() appends to
// "map.script", openQueryAddMap() to "queryaddmapwork.script", appendTo() to any list. False when the
// answer is unreadable, has no list, or the list cannot be written (it is then left as it was).
class ProcMapHistoryXml : public XMLParserBase
{
public:
    ProcMapHistoryXml() = default;
    ~ProcMapHistoryXml() = default;

    bool open(const QString& sPath) override;
    bool openQueryAddMap(const QString& sPath);
    bool appendTo(const QString& sPath, const QString& sList);

    static WorkFile::Row historyRow(const QDomElement& update);

    // True when the answer had a list (also when writing it failed).
    bool m_bListed = false;
    // True when the answer was readable XML.
    bool m_bWellFormed = false;
};
