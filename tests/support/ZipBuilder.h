#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

// Writes small zip archives (stored members) byte by byte, for archives no archiver makes on purpose:
// members named "../x" or "/abs", and symbolic links (a Unix mode with the link bit, the target as
// content).
class ZipBuilder
{
public:
    void addFile(const QString& sName, const QByteArray& content);
    void addLink(const QString& sName, const QString& sTarget);
    QByteArray bytes() const;
    bool write(const QString& sPath) const;

private:
    struct Member {
        QByteArray name;
        QByteArray content;
        quint32 nMode;
    };
    QList<Member> m_lstMembers;
};
