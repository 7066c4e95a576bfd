#include "RoomCheck.h"

#include "ArchiveSize.h"
#include "core/DebugLog.h"
#include "platform/DevicePath.h"

#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QSet>
#include <QThread>

namespace
{
// Finds existing files below one root without regard to letter case (as DevicePath does), listing each
// folder once: an archive of many thousand members asks about the same few folders again and again.
class CaselessLookup
{
public:
    explicit CaselessLookup(const QString& sRoot) : m_sRoot(DevicePath::normalizeRoot(sRoot)) {}

    // The size of the existing regular file at sRelative, or -1 when there is none.
    qint64 fileSize(const QString& sRelative)
    {
        QString sPath = m_sRoot;
        const QStringList parts = QString(sRelative).replace('\\', '/').split('/', Qt::SkipEmptyParts);
        for (int i = 0; i < parts.size(); ++i) {
            const Folder& folder = folderAt(sPath);
            const QString sName = folder.exact.contains(parts.at(i))
                                      ? parts.at(i)
                                      : folder.caseless.value(parts.at(i).toLower());
            if (sName.isEmpty())
                return -1;
            sPath += sName + (i + 1 < parts.size() ? "/" : "");
        }
        const QFileInfo info(sPath);
        return !parts.isEmpty() && info.isFile() ? info.size() : -1;
    }

private:
    // An exact name wins over one that differs only in case.
    struct Folder {
        QSet<QString> exact;
        QHash<QString, QString> caseless;
    };

    const Folder& folderAt(const QString& sFolder)
    {
        auto it = m_folders.find(sFolder);
        if (it == m_folders.end()) {
            Folder folder;
            const QStringList entries = QDir(sFolder).entryList(QDir::AllEntries | QDir::Hidden |
                                                                QDir::System | QDir::NoDotAndDotDot);
            for (const QString& sEntry : entries) {
                folder.exact.insert(sEntry);
                folder.caseless.insert(sEntry.toLower(), sEntry);
            }
            it = m_folders.insert(sFolder, folder);
        }
        return *it;
    }

    QString m_sRoot;
    QHash<QString, Folder> m_folders;
};
} // namespace

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
    CaselessLookup device(sDrive);
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
            const qint64 nExisting = device.fileSize(archive.sFolder + entry.sPath);
            if (nExisting > 0)
                outcome.nCredit += quint64(nExisting);
        }
    }
    writeLog(1, "[RoomCheck][measure] %d archives: need %llu, overwritten %llu", archives.size(),
             static_cast<unsigned long long>(outcome.nNeed),
             static_cast<unsigned long long>(outcome.nCredit));
    return outcome;
}
