#include "FakeVolumeInfo.h"

QString FakeVolumeInfo::rootOf(const QString& sRoot)
{
    return sRoot.endsWith('/') ? sRoot : sRoot + "/";
}

void FakeVolumeInfo::addVolume(const QString& sRoot, const QString& sLabel)
{
    QMutexLocker lock(&m_mutex);
    m_mapLabels.insert(rootOf(sRoot), sLabel);
}

void FakeVolumeInfo::removeVolume(const QString& sRoot)
{
    QMutexLocker lock(&m_mutex);
    m_mapLabels.remove(rootOf(sRoot));
}

void FakeVolumeInfo::setLabel(const QString& sRoot, const QString& sLabel)
{
    addVolume(sRoot, sLabel);
}

void FakeVolumeInfo::setFreeSpace(qint64 nBytes)
{
    QMutexLocker lock(&m_mutex);
    m_nFreeSpace = nBytes;
}

void FakeVolumeInfo::setUnit(quint64 nUnit)
{
    QMutexLocker lock(&m_mutex);
    m_nUnit = nUnit;
}

void FakeVolumeInfo::setFreeFiles(qint64 nFiles)
{
    QMutexLocker lock(&m_mutex);
    m_nFreeFiles = nFiles;
}

void FakeVolumeInfo::clear()
{
    QMutexLocker lock(&m_mutex);
    m_mapLabels.clear();
    m_nFreeSpace = 1024LL * 1024 * 1024;
    m_nUnit = 1;
    m_nFreeFiles = -1;
}

QStringList FakeVolumeInfo::volumeRoots() const
{
    QMutexLocker lock(&m_mutex);
    ++m_nRootListings;
    return m_mapLabels.keys(); // QMap keeps its keys sorted
}

int FakeVolumeInfo::rootListings() const
{
    QMutexLocker lock(&m_mutex);
    return m_nRootListings;
}

QString FakeVolumeInfo::volumeLabel(const QString& sRoot) const
{
    QMutexLocker lock(&m_mutex);
    return m_mapLabels.value(rootOf(sRoot)).trimmed();
}

bool FakeVolumeInfo::freeSpace(const QString& sRoot, quint64* pnBytes) const
{
    QMutexLocker lock(&m_mutex);
    if (m_nFreeSpace < 0 || !m_mapLabels.contains(rootOf(sRoot)))
        return false;
    *pnBytes = quint64(m_nFreeSpace);
    return true;
}

bool FakeVolumeInfo::volumeSpace(const QString& sRoot, VolumeSpace* pSpace) const
{
    quint64 nFree = 0;
    if (!freeSpace(sRoot, &nFree))
        return false;
    QMutexLocker lock(&m_mutex);
    pSpace->nFreeBytes = nFree;
    pSpace->nUnit = m_nUnit;
    pSpace->bFileLimit = m_nFreeFiles >= 0;
    pSpace->nFreeFiles = m_nFreeFiles >= 0 ? quint64(m_nFreeFiles) : 0;
    return true;
}
