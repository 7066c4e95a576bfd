#pragma once

#include <QList>
#include <QObject>
#include <QString>

class QThread;

// Works out, on a helper thread, whether the device has room for the archives of an install: each archive
// is listed by the archive program (bounded in time, see ArchiveSize), what they unpack to is summed, and
// files on the device that an archive overwrites are credited as free room. Listing a multi-gigabyte
// archive of many files takes too long for the GUI thread, so nothing of it runs there.
// Reports exactly one finished(), queued in the owner's thread, never from inside start(). Deleting the
// check stops the helper (a running listing is killed) and reports nothing.
class RoomCheck : public QObject
{
    Q_OBJECT

public:
    struct Archive {
        QString sFile;   // the archive in the work folder
        QString sFolder; // where it unpacks, below the drive root ("" for the root itself)
        bool bCredit;    // whether files it overwrites count as free room
    };

    explicit RoomCheck(QObject* pParent = nullptr);
    ~RoomCheck() override;

    void start(const QString& sDrive, const QList<Archive>& archives);

    // The outcome, valid once finished() came: the first archive that could not be listed whole (-1 for
    // none), the unpacked total and the bytes of existing files the archives overwrite.
    int failedIndex() const { return m_nFailed; }
    QString failedArchive() const { return m_sFailed; }
    quint64 need() const { return m_nNeed; }
    quint64 credit() const { return m_nCredit; }

signals:
    void finished();

private:
    struct Outcome {
        int nFailed = -1;
        quint64 nNeed = 0;
        quint64 nCredit = 0;
    };
    static Outcome measure(const QString& sDrive, const QList<Archive>& archives);

    QThread* m_pThread = nullptr;
    QString m_sFailed;
    int m_nFailed = -1;
    quint64 m_nNeed = 0;
    quint64 m_nCredit = 0;
};
