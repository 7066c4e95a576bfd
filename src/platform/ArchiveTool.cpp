#include "ArchiveTool.h"

#include <QFileInfo>
#include <QRegularExpression>
#include <QStandardPaths>

#include <limits>

namespace
{
// The table's rule: groups of dashes separated by blanks. The detailed listing's rule is one group.
bool isTableRule(const QByteArray& line)
{
    static const QRegularExpression s_rule("^-+( +-+)+\\s*$");
    if (!line.startsWith('-'))
        return false;
    return s_rule.match(QString::fromLatin1(line)).hasMatch();
}

bool isDetailedRule(const QByteArray& line)
{
    return line.trimmed() == "----------";
}

bool reportsErrors(const QByteArray& line)
{
    return line.startsWith("Errors:") || line.startsWith("ERROR:") || line.startsWith("ERRORS:");
}

// Start and end of each group of dashes in the rule.
QList<QPair<int, int>> columnsOf(const QByteArray& rule)
{
    QList<QPair<int, int>> columns;
    int nStart = -1;
    for (int i = 0; i <= rule.size(); ++i) {
        const bool bDash = i < rule.size() && rule.at(i) == '-';
        if (bDash && nStart < 0)
            nStart = i;
        else if (!bDash && nStart >= 0) {
            columns.append({nStart, i});
            nStart = -1;
        }
    }
    return columns;
}

bool readCount(const QByteArray& text, qint64* pValue)
{
    bool bOk = false;
    const qint64 nValue = text.trimmed().toLongLong(&bOk, 10);
    if (!bOk || nValue < 0)
        return false;
    *pValue = nValue;
    return true;
}

// The summary after the last rule: an optional date and time, then the unpacked size.
bool readSummary(const QByteArray& line, qint64* pTotal)
{
    static const QRegularExpression s_date("^\\d{4}-\\d{2}-\\d{2}$");
    static const QRegularExpression s_time("^\\d{2}:\\d{2}(:\\d{2})?$");
    QList<QByteArray> tokens = line.simplified().split(' ');
    if (!tokens.isEmpty() && s_date.match(QString::fromLatin1(tokens.first())).hasMatch())
        tokens.removeFirst();
    if (!tokens.isEmpty() && s_time.match(QString::fromLatin1(tokens.first())).hasMatch())
        tokens.removeFirst();
    return !tokens.isEmpty() && readCount(tokens.first(), pTotal);
}

// Sums of member sizes stop at the largest count instead of wrapping: a hostile listing's members could
// add up past it.
void addCapped(qint64* pSum, qint64 nValue)
{
    *pSum = nValue > std::numeric_limits<qint64>::max() - *pSum ? std::numeric_limits<qint64>::max()
                                                                : *pSum + nValue;
}

bool isLinkMode(const QString& sAttributes)
{
    static const QRegularExpression s_linkMode("(^|\\s)l[-rwxsStT]{9}(\\s|$)");
    return s_linkMode.match(sAttributes).hasMatch();
}
} // namespace

QString ArchiveTool::findProgram(const QString& sProgramDir)
{
    const QFileInfo beside(sProgramDir + "/7z");
    if (beside.isFile() && beside.isExecutable())
        return beside.absoluteFilePath();
    for (const char* szName : {"7z", "7zz", "7za"}) {
        const QString sFound = QStandardPaths::findExecutable(QString::fromLatin1(szName));
        if (!sFound.isEmpty())
            return sFound;
    }
    return QString();
}

bool ArchiveTool::parseListing(const QByteArray& output, Listing* pListing)
{
    *pListing = Listing();
    QList<QByteArray> lines = output.split('\n');
    for (QByteArray& line : lines) {
        if (line.endsWith('\r'))
            line.chop(1);
        if (reportsErrors(line))
            return false;
    }
    for (int i = 0; i < lines.size(); ++i) {
        if (isTableRule(lines.at(i)))
            return parseTable(lines, i, pListing);
        if (isDetailedRule(lines.at(i)))
            return parseDetailed(lines, i + 1, pListing);
    }
    return false;
}

bool ArchiveTool::parseTable(const QList<QByteArray>& lines, int nFirstDash, Listing* pListing)
{
    // Columns: date, time, attributes, size, compressed size, name.
    const QList<QPair<int, int>> columns = columnsOf(lines.at(nFirstDash));
    if (columns.size() < 4)
        return false;
    const QPair<int, int> attrColumn = columns.at(columns.size() - 4);
    const QPair<int, int> sizeColumn = columns.at(columns.size() - 3);
    const int nNameStart = columns.last().first;
    int nLastDash = -1;
    for (int i = nFirstDash + 1; i < lines.size(); ++i) {
        if (isTableRule(lines.at(i)))
            nLastDash = i;
    }
    if (nLastDash < 0)
        return false;
    for (int i = nFirstDash + 1; i < lines.size() && !isTableRule(lines.at(i)); ++i) {
        const QByteArray& line = lines.at(i);
        Entry entry;
        if (!readCount(line.mid(sizeColumn.first, sizeColumn.second - sizeColumn.first), &entry.nSize))
            entry.nSize = 0; // a folder has no size
        entry.bFolder = line.mid(attrColumn.first, 1) == "D";
        entry.sPath = QString::fromUtf8(line.mid(nNameStart));
        pListing->entries.append(entry);
    }
    qint64 nSum = 0;
    for (const Entry& entry : qAsConst(pListing->entries))
        addCapped(&nSum, entry.nSize);
    for (int i = nLastDash + 1; i < lines.size(); ++i) {
        if (!lines.at(i).trimmed().isEmpty())
            // A member line read wrongly would make a member look smaller than it is.
            return readSummary(lines.at(i), &pListing->nTotal) && pListing->nTotal == nSum;
    }
    return false;
}

bool ArchiveTool::parseDetailed(const QList<QByteArray>& lines, int nStart, Listing* pListing)
{
    Entry* pEntry = nullptr;
    for (int i = nStart; i < lines.size(); ++i) {
        const QString sLine = QString::fromUtf8(lines.at(i));
        const int nEquals = sLine.indexOf(" = ");
        if (nEquals < 0)
            continue;
        const QString sKey = sLine.left(nEquals);
        const QString sValue = sLine.mid(nEquals + 3);
        if (sKey == "Path") {
            pListing->entries.append(Entry());
            pEntry = &pListing->entries.last();
            pEntry->sPath = sValue;
        } else if (!pEntry) {
            continue;
        } else if (sKey == "Size") {
            if (!sValue.isEmpty() && !readCount(sValue.toLatin1(), &pEntry->nSize))
                return false;
            addCapped(&pListing->nTotal, pEntry->nSize);
        } else if (sKey == "Folder") {
            pEntry->bFolder = sValue == "+";
        } else if (sKey == "Attributes") {
            pEntry->bLink = pEntry->bLink || isLinkMode(sValue);
        } else if (sKey == "Symbolic Link" || sKey == "Hard Link") {
            pEntry->bLink = pEntry->bLink || !sValue.isEmpty();
        }
    }
    return true;
}

bool ArchiveTool::leavesTarget(const Entry& entry)
{
    if (entry.bLink)
        return true;
    QString sPath = entry.sPath;
    sPath.replace('\\', '/');
    static const QRegularExpression s_drive("^[A-Za-z]:");
    if (sPath.startsWith('/') || s_drive.match(sPath).hasMatch())
        return true;
    const QStringList parts = sPath.split('/');
    return parts.contains("..");
}
