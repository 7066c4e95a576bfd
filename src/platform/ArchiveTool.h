#pragma once

#include <QString>
#include <QStringList>

// The external archive program (7-Zip). Looked up as "7z" beside the program first, then "7z", "7zz"
// (Debian's 7zip package) and "7za" on PATH. Callers run it with QProcess; this class only knows where it
// is and how its command lines look. Callers ask Platform::archiveProgram(), where tests put a fake.
class ArchiveTool
{
public:
    // Full path of the program to run, or "" when none is installed.
    static QString findProgram(const QString& sProgramDir);

    static QStringList extractArgs(const QString& sArchive, const QString& sOutputDir)
    {
        return {"x", "-y", sArchive, "-o" + sOutputDir};
    }
    static QStringList addArgs(const QString& sArchive, const QString& sSource)
    {
        return {"a", "-r", "-mx0", sArchive, sSource};
    }
    static QStringList testArgs(const QString& sArchive) { return {"t", sArchive}; }
    static QStringList listArgs(const QString& sArchive) { return {"l", sArchive}; }
};
