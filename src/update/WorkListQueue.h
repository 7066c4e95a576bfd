#pragma once

#include "core/WorkFile.h"

#include <QByteArray>
#include <QList>
#include <QString>

// A work list consumed from its front, one row at a time, in time linear in the list: the file is read
// once, and taking a row off blanks that row's line in place (every reader of the work lists skips empty
// lines), so each step writes only the bytes of the row it removes. The remaining rows stay listed on
// disk after every step, so an install broken off (or killed) leaves exactly what is still to do.
// When the file no longer holds the line where it was read (someone rewrote the list meanwhile), the
// step falls back to rewriting the list whole from the rows still held.
class WorkListQueue
{
public:
    // Reads the list; a missing file is an empty list. False when it exists but cannot be read.
    bool load(const QString& sPath);

    QString path() const { return m_sPath; }
    bool isEmpty() const { return m_nFirst >= m_rows.size(); }
    int size() const { return m_rows.size() - m_nFirst; }
    // The row at position nIndex of what is still listed (0 is the first).
    const WorkFile::Row& at(int nIndex) const { return m_rows.at(m_nFirst + nIndex).fields; }
    const WorkFile::Row& first() const { return at(0); }
    QList<WorkFile::Row> remaining() const;

    // Removes the first row from the list on disk and from memory. False (and nothing taken) when the
    // file cannot be written.
    bool takeFirst();

private:
    struct Line {
        WorkFile::Row fields;
        qint64 nOffset = 0;
        QByteArray bytes; // the line as stored, line break included
    };

    bool blankInPlace(const Line& line) const;

    QString m_sPath;
    QList<Line> m_rows;
    int m_nFirst = 0;
};
