#pragma once

#include "platform/VolumeInfo.h"

#include <QList>
#include <QObject>
#include <QString>

class QThread;

// Works out, on a helper thread, whether the device has room for the archives of an install: each archive
// is listed by the archive program (bounded in time, see ArchiveSize) and the room its members take on
// the device's volume is summed: each file rounded up to the volume's allocation unit, each folder that
// does not exist yet one unit. Files on the device that an archive overwrites are credited as free room
// by the units they take (names compared without regard to case, as the device's FAT does). Where the
// volume limits the number of files, the new files and folders must fit in its free slots too. Listing a
// multi-gigabyte archive of many files takes too long for the GUI thread, so nothing of it runs there.
// Reports exactly one finished(), queued in the owner's thread, never from inside start(). Deleting the
// check stops the helper (a running listing is killed) and reports nothing.
class RoomCheck : public QObject
{
    Q_OBJECT

public:
    struct Archive {
        QString sFile;   // the archive in the work folder
        QString sFolder; // where it unpacks, below the drive root ("" for the root itself)
        // Whether it unpacks onto the device: files it overwrites count as free room, folders that exist
        // are not made again.
        bool bCredit;
    };

    explicit RoomCheck(QObject* pParent = nullptr);
    ~RoomCheck() override;

    void start(const QString& sDrive, const QList<Archive>& archives);

    // The outcome, valid once finished() came: the first archive that could not be listed whole (-1 for
    // none), the room the archives take, the room of existing files they overwrite, and whether the
    // volume can hold as many new files and folders as they make.
    int failedIndex() const { return m_nFailed; }
    QString failedArchive() const { return m_sFailed; }
    quint64 need() const { return m_nNeed; }
    quint64 credit() const { return m_nCredit; }
    bool enoughFileSlots() const;

signals:
    void finished();

private:
    struct Outcome {
        int nFailed = -1;
        quint64 nNeed = 0;
        quint64 nCredit = 0;
        quint64 nNewEntries = 0; // files and folders that do not exist yet
        VolumeSpace space;
        // A folder to make: its room and its slot.
        void addNew(quint64 nFolderSpace);
    };
    static Outcome measure(const QString& sDrive, const QList<Archive>& archives);

    QThread* m_pThread = nullptr;
    QString m_sFailed;
    int m_nFailed = -1;
    quint64 m_nNeed = 0;
    quint64 m_nCredit = 0;
    quint64 m_nNewEntries = 0;
    VolumeSpace m_space;
};
