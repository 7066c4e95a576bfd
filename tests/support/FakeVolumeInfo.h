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
    // No volumes, and the default free space again.
    void clear();

    QStringList volumeRoots() const override;
    QString volumeLabel(const QString& sRoot) const override;
    bool freeSpace(const QString& sRoot, quint64* pnBytes) const override;

private:
    static QString rootOf(const QString& sRoot);

    mutable QMutex m_mutex;
    QMap<QString, QString> m_mapLabels;
    qint64 m_nFreeSpace = 1024LL * 1024 * 1024;
};
