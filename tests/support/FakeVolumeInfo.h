#pragma once

#include "platform/VolumeInfo.h"

#include <QMap>
#include <QMutex>

// Volumes for tests: folders named as roots with the labels the test gives. Safe to change from the test
// thread while a monitor thread reads it.
class FakeVolumeInfo : public VolumeInfo
{
public:
    // sRoot gets a trailing "/" when it lacks one.
    void addVolume(const QString& sRoot, const QString& sLabel = QString());
    void removeVolume(const QString& sRoot);
    void setLabel(const QString& sRoot, const QString& sLabel);
    // Free space answered for every root; a negative value makes the query fail.
    void setFreeSpace(qint64 nBytes);
    // The allocation unit answered for every root (1 unless set: sizes count as they are).
    void setUnit(quint64 nUnit);
    // Free file slots answered for every root; a negative value means no limit (as FAT).
    void setFreeFiles(qint64 nFiles);
    // No volumes, and the default free space, unit and file slots again.
    void clear();

    QStringList volumeRoots() const override;
    // How often the roots were listed: a search for a drive lists them once per pass.
    int rootListings() const;
    QString volumeLabel(const QString& sRoot) const override;
    bool freeSpace(const QString& sRoot, quint64* pnBytes) const override;
    bool volumeSpace(const QString& sRoot, VolumeSpace* pSpace) const override;

private:
    static QString rootOf(const QString& sRoot);

    mutable QMutex m_mutex;
    mutable int m_nRootListings = 0;
    QMap<QString, QString> m_mapLabels;
    qint64 m_nFreeSpace = 1024LL * 1024 * 1024;
    quint64 m_nUnit = 1;
    qint64 m_nFreeFiles = -1;
};
