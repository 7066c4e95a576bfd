#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

// The external archive program (7-Zip). Looked up as "7z" beside the program first, then "7z", "7zz"
// (Debian's 7zip package) and "7za" on PATH. Callers run it with QProcess; this class knows where it is,
// how its command lines look and how to read its listings. Callers ask Platform::archiveProgram(), where
// tests put a fake.
class ArchiveTool
{
public:
    // One member of an archive as a listing gives it.
    struct Entry {
        QString sPath;
        qint64 nSize = 0;
        bool bFolder = false;
        bool bLink = false; // a symbolic link (only the detailed listing tells)
    };
    // What a listing holds: its members and the unpacked total in bytes.
    struct Listing {
        QList<Entry> entries;
        qint64 nTotal = 0;
    };

    // Full path of the program to run, or "" when none is installed.
    static QString findProgram(const QString& sProgramDir);

    static QStringList extractArgs(const QString& sArchive, const QString& sOutputDir)
    {
        return {"x", "-y", sArchive, "-o" + sOutputDir};
    }
    // "-snl": a link is stored as the link, never followed to what it names. sExcludeList, when given, is
    // a UTF-8 file of paths (relative to the source folder) left out.
    static QStringList addArgs(const QString& sArchive, const QString& sSource,
                               const QString& sExcludeList = QString())
    {
        QStringList args = {"a", "-r", "-mx0", "-snl"};
        if (!sExcludeList.isEmpty())
            args << "-scsUTF-8"
                 << "-x@" + sExcludeList;
        return args << sArchive << sSource;
    }
    static QStringList testArgs(const QString& sArchive) { return {"t", sArchive}; }
    // The table listing (names in UTF-8): one line per member and a summary line with the total.
    static QStringList listArgs(const QString& sArchive) { return {"l", "-sccUTF-8", sArchive}; }
    // The detailed listing ("Key = Value" blocks, names in UTF-8): also tells folders and links apart.
    static QStringList detailedListArgs(const QString& sArchive)
    {
        return {"l", "-slt", "-sccUTF-8", sArchive};
    }

    // Reads the program's output of either listing. The table's total is the unpacked size of the
    // summary line after its last dashed line, and its member lines must add up to it; the detailed
    // listing's total is the sum of its members. False when the output is no complete listing or reports
    // errors ("Errors: N"): a damaged archive must never pass for a small one.
    static bool parseListing(const QByteArray& output, Listing* pListing);
    // True when unpacking the member could write outside the target folder: an absolute path (also a
    // drive or a UNC name), a ".." step, or a link.
    static bool leavesTarget(const Entry& entry);

private:
    static bool parseTable(const QList<QByteArray>& lines, int nFirstDash, Listing* pListing);
    static bool parseDetailed(const QList<QByteArray>& lines, int nStart, Listing* pListing);
};
