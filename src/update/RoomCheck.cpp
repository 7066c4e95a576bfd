#include "RoomCheck.h"

#include "ArchiveSize.h"
#include "core/DebugLog.h"
#include "platform/DevicePath.h"
#include "platform/Platform.h"

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

    // What exists at sRelative (a file, a folder, or nothing: exists() false).
    QFileInfo find(const QString& sRelative)
    {
        QString sPath = m_sRoot;
        const QStringList parts = QString(sRelative).replace('\\', '/').split('/', Qt::SkipEmptyParts);
        if (parts.isEmpty())
            return QFileInfo();
        for (int i = 0; i < parts.size(); ++i) {
            const Folder& folder = folderAt(sPath);
            const QString sName = folder.exact.contains(parts.at(i))
                                      ? parts.at(i)
                                      : folder.caseless.value(parts.at(i).toLower());
            if (sName.isEmpty())
                return QFileInfo();
            sPath += sName + (i + 1 < parts.size() ? "/" : "");
        }
        return QFileInfo(sPath);
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
                m_nNewEntries = outcome.nNewEntries;
                m_space = outcome.space;
                emit finished();
            },
            Qt::QueuedConnection);
    });
    m_pThread->start();
}

RoomCheck::Outcome RoomCheck::measure(const QString& sDrive, const QList<Archive>& archives)
{
    Outcome outcome;
    if (!Platform::volumes().volumeSpace(sDrive, &outcome.space)) {
        // The free space of a volume that cannot be asked is not known either, and that refuses the
        // install; the sizes count as bytes meanwhile.
        writeLog(1, "[RoomCheck][measure] the volume's allocation unit is unknown");
        outcome.space = VolumeSpace();
    }
    const quint64 nUnit = qMax<quint64>(1, outcome.space.nUnit);
    CaselessLookup device(sDrive);
    // Folders counted so far, by their place on the device without regard to case; those an archive
    // makes off the device (the agent's own package) are counted per archive.
    QSet<QString> deviceFolders;
    for (int i = 0; i < archives.size(); ++i) {
        const Archive& archive = archives.at(i);
        ArchiveTool::Listing listing;
        if (QThread::currentThread()->isInterruptionRequested() ||
            !ArchiveSize::readListing(archive.sFile, &listing)) {
            outcome.nFailed = i;
            return outcome;
        }
        QSet<QString> ownFolders;
        QSet<QString>& folders = archive.bCredit ? deviceFolders : ownFolders;
        for (const ArchiveTool::Entry& entry : qAsConst(listing.entries)) {
            // A member that would leave the target is never looked up: unpacking refuses it anyway.
            const bool bLookUp = archive.bCredit && !ArchiveTool::leavesTarget(entry);
            ArchiveTool::Entry placed = entry;
            placed.sPath = archive.sFolder + entry.sPath;
            const QStringList lstFolders = ArchiveSize::foldersOf(placed);
            for (const QString& sFolder : lstFolders) {
                if (folders.contains(sFolder.toLower()))
                    continue;
                folders.insert(sFolder.toLower());
                if (!bLookUp || !device.find(sFolder).isDir())
                    outcome.addNew(nUnit);
            }
            if (entry.bFolder)
                continue;
            outcome.nNeed =
                ArchiveSize::addCapped(outcome.nNeed, ArchiveSize::roundUp(quint64(entry.nSize), nUnit));
            const QFileInfo existing = bLookUp ? device.find(placed.sPath) : QFileInfo();
            if (existing.isFile())
                outcome.nCredit = ArchiveSize::addCapped(
                    outcome.nCredit, ArchiveSize::roundUp(quint64(qMax<qint64>(0, existing.size())), nUnit));
            else
                ++outcome.nNewEntries;
        }
    }
    writeLog(1, "[RoomCheck][measure] %d archives: need %llu, overwritten %llu, %llu new files and folders",
             archives.size(), static_cast<unsigned long long>(outcome.nNeed),
             static_cast<unsigned long long>(outcome.nCredit),
             static_cast<unsigned long long>(outcome.nNewEntries));
    return outcome;
}

void RoomCheck::Outcome::addNew(quint64 nFolderSpace)
{
    nNeed = ArchiveSize::addCapped(nNeed, nFolderSpace);
    ++nNewEntries;
}

bool RoomCheck::enoughFileSlots() const
{
    if (!m_space.bFileLimit || m_nNewEntries <= m_space.nFreeFiles)
        return true;
    writeLog(1, "[RoomCheck] %llu new files and folders, %llu can be made",
             static_cast<unsigned long long>(m_nNewEntries),
             static_cast<unsigned long long>(m_space.nFreeFiles));
    return false;
}
