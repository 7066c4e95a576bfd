#include "LogFile.h"

#include "platform/NoFollowFile.h"

#include <QCoreApplication>
#include <QDebug>
#include <QFile>
#include <QFileInfo>
#include <QThread>

#include <cstdio>

namespace
{
const int PRIVATE_MODE = 0600;
} // namespace

LogFile::LogFile(const QString& sPath, int nMaxFiles, int nLevel)
    : m_nLevel(nLevel), m_nMaxFiles(nMaxFiles), m_sBaseName(sPath.left(sPath.size() - 4)),
      m_pFile(new QFile(sPath))
{
    if (m_pFile->exists() && m_pFile->size() > ROTATE_ABOVE_BYTES)
        rotate(1);
    // Logs left readable by an older run are closed up too.
    if (m_pFile->exists())
        makePrivate(m_pFile);
    for (int nIndex = 1; nIndex < m_nMaxFiles; ++nIndex) {
        QFile copy(copyPath(nIndex));
        if (copy.exists())
            makePrivate(&copy);
    }
}

LogFile::~LogFile()
{
    delete m_pFile;
}

QString LogFile::currentPath() const
{
    return QString("%1.log").arg(m_sBaseName);
}

QString LogFile::copyPath(int nIndex) const
{
    return QString("%1%2%3.log").arg(m_sBaseName).arg(nIndex / 10).arg(nIndex);
}

bool LogFile::rotate(int nIndex)
{
    if (m_nMaxFiles < 2) {
        QFile::remove(currentPath());
        return true;
    }
    if (nIndex == m_nMaxFiles - 1) {
        QFile::remove(copyPath(nIndex));
        return true;
    }
    const QString sFrom = copyPath(nIndex);
    if (QFile::exists(sFrom)) {
        rotate(nIndex + 1); // make room: the copy before the oldest drops the oldest
        QFile::rename(sFrom, copyPath(nIndex + 1));
    }
    if (nIndex == 1) {
        if (QFile::exists(currentPath()))
            QFile::rename(currentPath(), sFrom);
        delete m_pFile;
        m_pFile = new QFile(currentPath());
    }
    return true;
}

QByteArray LogFile::formatLine(const QDateTime& when, const QByteArray& text)
{
    const QDate date = when.date();
    const QTime time = when.time();
    QByteArray line = QString("%1/%2/%3 %4:%5 \t")
                          .arg(date.year())
                          .arg(date.month())
                          .arg(date.day())
                          .arg(time.toString("HH:mm:ss"))
                          .arg(time.msec())
                          .toLatin1();
    line += escapeControls(text);
    line += "\r\n";
    return line;
}

QByteArray LogFile::escapeControls(const QByteArray& text)
{
    static const char HEX[] = "0123456789abcdef";
    QByteArray escaped;
    escaped.reserve(text.size());
    for (const char c : text) {
        const unsigned char uc = static_cast<unsigned char>(c);
        if (uc >= 0x20 && uc != 0x7f) {
            escaped += c;
        } else if (c == '\n') {
            escaped += "\\n";
        } else if (c == '\r') {
            escaped += "\\r";
        } else if (c == '\t') {
            escaped += "\\t";
        } else {
            escaped += "\\x";
            escaped += HEX[uc >> 4];
            escaped += HEX[uc & 0xf];
        }
    }
    return escaped;
}

void LogFile::makePrivate(QFile* pFile)
{
    // A link under a log's name is not ours: its target is left alone (the next line replaces the link).
    if (QFileInfo(pFile->fileName()).isSymLink())
        return;
    const QFileDevice::Permissions wider = QFileDevice::ReadGroup | QFileDevice::WriteGroup |
                                           QFileDevice::ExeGroup | QFileDevice::ReadOther |
                                           QFileDevice::WriteOther | QFileDevice::ExeOther;
    if (pFile->permissions() & wider)
        pFile->setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
}

void LogFile::write(int nLevel, const char* szText)
{
    if (nLevel > m_nLevel)
        return;
    // Append mode: the file is never read or rewritten, so a line costs the same whatever the log's size.
    // It is private before any line lands in it, and a link or anything else left under its name is
    // replaced by a log of our own instead of being written through.
    QFile file;
    if (NoFollowFile::openAppend(currentPath(), PRIVATE_MODE, &file, nullptr) != NoFollowFile::DONE)
        return;
    const QByteArray line = formatLine(QDateTime::currentDateTime(), QByteArray(szText));
    file.write(line);
    file.close();
    if (m_nLevel > 0)
        echo(line.left(line.size() - 2));
}

// An installed message handler need not be safe to enter from other threads (a test runner's is not while
// it moves to its next case): only the application's own thread echoes through it, the others write the
// line to standard error themselves.
void LogFile::echo(const QByteArray& line)
{
    const QCoreApplication* pApp = QCoreApplication::instance();
    if (!pApp || QThread::currentThread() == pApp->thread()) {
        qDebug().noquote() << QString::fromLatin1(line.constData(), line.size());
        return;
    }
    std::fprintf(stderr, "%s\n", line.constData());
}
