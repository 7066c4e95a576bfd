#include "RoomCheck.h"

#include "ArchiveSize.h"
#include "core/DebugLog.h"
#include "platform/DevicePath.h"

#include <QFileInfo>
#include <QThread>

RoomCheck::RoomCheck(QObject* pParent) : QObject(pParent) {}

RoomCheck::~RoomCheck()
{
    if (!m_pThread)
        return;
    m_pThread->requestInterruption();
    m_pThread->wait();
    delete m_pThread;
}

void RoomCheck::start(const QString& sDrive, const QList<Archive>& archives)
{
    m_pThread = QThread::create([sDrive, archives, this] {
        const Outcome outcome = measure(sDrive, archives);
        // Posted to this object: dropped unread when the check is deleted first.
        QMetaObject::invokeMethod(
            this,
            [this, outcome, archives] {
                m_nFailed = outcome.nFailed;
                m_sFailed = outcome.nFailed >= 0 ? archives.at(outcome.nFailed).sFile : QString();
                m_nNeed = outcome.nNeed;
                m_nCredit = outcome.nCredit;
                emit finished();
            },
            Qt::QueuedConnection);
    });
    m_pThread->start();
}

RoomCheck::Outcome RoomCheck::measure(const QString& sDrive, const QList<Archive>& archives)
{
    Outcome outcome;
    for (int i = 0; i < archives.size(); ++i) {
        const Archive& archive = archives.at(i);
        ArchiveTool::Listing listing;
        if (QThread::currentThread()->isInterruptionRequested() ||
            !ArchiveSize::readListing(archive.sFile, &listing)) {
            outcome.nFailed = i;
            return outcome;
        }
        outcome.nNeed += quint64(listing.nTotal);
        if (!archive.bCredit)
            continue;
        for (const ArchiveTool::Entry& entry : listing.entries) {
            if (entry.bFolder || ArchiveTool::leavesTarget(entry))
                continue;
            const QFileInfo existing(DevicePath::resolve(sDrive, archive.sFolder + entry.sPath));
            if (existing.isFile())
                outcome.nCredit += quint64(existing.size());
        }
    }
    writeLog(1, "[RoomCheck][measure] %d archives: need %llu, overwritten %llu", archives.size(),
             static_cast<unsigned long long>(outcome.nNeed),
             static_cast<unsigned long long>(outcome.nCredit));
    return outcome;
}
