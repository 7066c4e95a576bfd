#pragma once

#include <QString>

// A file that nobody, root included, may rename, replace or delete while the fixture holds it (the file
// system's immutable attribute, set with chattr): how a test makes a rename fail for a process that runs
// as root. The attribute is always taken off again by the destructor, so the temporary folders can go.
class ImmutableFile
{
public:
    explicit ImmutableFile(const QString& sPath);
    ~ImmutableFile();
    ImmutableFile(const ImmutableFile&) = delete;
    ImmutableFile& operator=(const ImmutableFile&) = delete;

    // False when the file system or the user cannot set the attribute; why() says why.
    bool isLocked() const { return m_bLocked; }
    QString why() const { return m_sWhy; }
    bool unlock();

private:
    QString m_sPath;
    bool m_bLocked = false;
    QString m_sWhy;
};
