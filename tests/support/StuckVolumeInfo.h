#pragma once

#include "FakeVolumeInfo.h"

#include <QMutex>
#include <QWaitCondition>

// Fake volumes of which one does not answer: reading its label blocks until release(), as a volume that
// has gone bad may hold the system call reading it. Safe to use from the test and a monitor thread.
class StuckVolumeInfo : public FakeVolumeInfo
{
public:
    ~StuckVolumeInfo() override;

    void stickOn(const QString& sRoot);
    // Lets every caller blocked now or later go on.
    void release();
    // True once a caller is blocked on the stuck volume.
    bool hasCaller() const;

    QString volumeLabel(const QString& sRoot) const override;

private:
    mutable QMutex m_mutex;
    mutable QWaitCondition m_released;
    QString m_sStuckRoot;
    bool m_bReleased = false;
    mutable bool m_bCaller = false;
};
