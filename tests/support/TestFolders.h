#pragma once

#include <QString>
#include <QTemporaryDir>

// Points the program folder and the data folder at fresh temporary folders (and the log at the data
// folder), so no test reads or writes the real home. One per test case or per test class.
class TestFolders
{
public:
    // With bLogOn, a "msg.ini" with LOG_LEVEL 2 is written first so the log is on.
    explicit TestFolders(bool bLogOn = false);
    ~TestFolders();

    QString programDir() const { return m_programDir.path(); }
    QString dataDir() const { return m_dataDir.path(); }
    QString tempDir() const { return m_dataDir.path() + "/temp"; }

    QString programPath(const QString& sRelative) const { return programDir() + "/" + sRelative; }
    QString dataPath(const QString& sRelative) const { return dataDir() + "/" + sRelative; }

    // Helpers for writing fixture files (parent folders created).
    static bool writeFile(const QString& sPath, const QByteArray& content);
    static QByteArray readFile(const QString& sPath);

private:
    QTemporaryDir m_programDir;
    QTemporaryDir m_dataDir;
};
