#pragma once

#include <QDateTime>
#include <QString>

class QFile;

// The rotating log file: "<base>.log" plus older copies "<base>01.log", "<base>02.log", ...
// Rotation happens only when the object is built (once per run); every line is appended. The log may
// hold session tokens, so the file and its copies are kept readable by the owner alone (0600).
class LogFile
{
public:
    static const qint64 ROTATE_ABOVE_BYTES = 512000;

    LogFile(const QString& sPath, int nMaxFiles, int nLevel);
    ~LogFile();
    LogFile(const LogFile&) = delete;
    LogFile& operator=(const LogFile&) = delete;

    bool rotate(int nIndex);
    // Appends one line; the caller holds the process-wide log mutex.
    void write(int nLevel, const char* szText);

    int level() const { return m_nLevel; }
    QString currentPath() const;
    QString copyPath(int nIndex) const;

    // "%1/%2/%3 %4:%5 \t%6\r\n": date without leading zeros, HH:mm:ss, milliseconds without leading zeros.
    // Control characters in the text are written escaped, so a value holding a line break can never
    // forge lines of its own.
    static QByteArray formatLine(const QDateTime& when, const QByteArray& text);
    // "\n", "\r" and "\t" for those three, "\xNN" for the other control characters; other bytes unchanged.
    static QByteArray escapeControls(const QByteArray& text);

private:
    static void makePrivate(QFile* pFile);
    static void echo(const QByteArray& line);

    int m_nLevel;
    int m_nMaxFiles;
    QString m_sBaseName;
    QFile* m_pFile;
};
