#include "WorkListQueue.h"

#include "platform/NoFollowFile.h"

#include <QFile>
#include <QFileInfo>

bool WorkListQueue::load(const QString& sPath)
{
    m_sPath = sPath;
    m_rows.clear();
    m_nFirst = 0;
    if (!QFileInfo::exists(sPath))
        return true;
    QFile file(sPath);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray text = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return false;
    qint64 nStart = 0;
    while (nStart < text.size()) {
        qint64 nEnd = text.indexOf('\n', int(nStart));
        nEnd = nEnd < 0 ? text.size() : nEnd + 1;
        Line line;
        line.nOffset = nStart;
        line.bytes = text.mid(int(nStart), int(nEnd - nStart));
        QString sLine = QString::fromUtf8(line.bytes);
        while (sLine.endsWith('\n') || sLine.endsWith('\r'))
            sLine.chop(1);
        if (!sLine.isEmpty()) {
            line.fields = WorkFile::splitRow(sLine);
            m_rows.append(line);
        }
        nStart = nEnd;
    }
    return true;
}

QList<WorkFile::Row> WorkListQueue::remaining() const
{
    QList<WorkFile::Row> rows;
    rows.reserve(size());
    for (int i = m_nFirst; i < m_rows.size(); ++i)
        rows.append(m_rows.at(i).fields);
    return rows;
}

bool WorkListQueue::takeFirst()
{
    if (isEmpty())
        return false;
    if (!blankInPlace(m_rows.at(m_nFirst))) {
        // The list changed under us (or cannot be patched): write what is still to do, whole.
        QList<WorkFile::Row> rows = remaining();
        rows.removeFirst();
        if (!WorkFile::writeRows(m_sPath, rows))
            return false;
        // Offsets of the old file mean nothing now; read the new one back.
        return load(m_sPath);
    }
    // The last row gone: leave an empty list rather than a file of blank lines.
    if (++m_nFirst == m_rows.size() && !WorkFile::writeRows(m_sPath, {}))
        return false;
    return true;
}

// One write of as many line breaks as the line had bytes: a killed process leaves the line either whole
// or blank, never a fragment that reads as a row.
bool WorkListQueue::blankInPlace(const Line& line) const
{
    // A link put in the list's place is not the list: it is refused, and the list written anew instead.
    QFile file;
    if (NoFollowFile::openExisting(m_sPath, QIODevice::ReadWrite, &file, nullptr) != NoFollowFile::DONE ||
        !file.seek(line.nOffset) || file.read(line.bytes.size()) != line.bytes || !file.seek(line.nOffset))
        return false;
    const QByteArray blank(line.bytes.size(), '\n');
    return file.write(blank) == blank.size() && file.flush();
}
