#pragma once

#include <QString>

// The two process-wide folders every path of the agent is built in: the program folder (where the
// executable, "defsettings.ini", the archive program, translations and the brand marker live) and the
// per-user data folder (settings, log, work files, backups). Production code fills them from the
// application on first use; tests point both at temporary folders before anything reads them.
class AgentFolders
{
public:
    static QString programDir();
    static QString dataDir();

    // Paths are kept without a trailing separator.
    static void setProgramDir(const QString& sDir);
    static void setDataDir(const QString& sDir);

    // The desktop data location for the application name "WendoAgent" (~/.local/share/WendoAgent).
    static QString defaultDataDir();
    // Fills whichever folder is still empty from the application, and creates the data folder private
    // to its owner (it holds the session and the scrambled password); false when it cannot be made so.
    static bool ensureFilled();
    // Creates the folder with its parents when missing and restricts it to its owner (0700), also when
    // it already existed with a wider mode. The parents keep their usual mode.
    static bool makePrivateDir(const QString& sDir);

    static QString programPath(const QString& sRelative) { return programDir() + sRelative; }
    static QString dataPath(const QString& sRelative) { return dataDir() + sRelative; }
    static QString tempDir() { return dataDir() + "/temp"; }
    static QString tempPath(const QString& sName) { return tempDir() + "/" + sName; }
};
