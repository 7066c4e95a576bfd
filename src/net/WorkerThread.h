#pragma once

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QString>
#include <QThread>

#include <atomic>

// Runs one job on a thread of its own for an owner: a request (NetInterface::sendRequest or
// sendRequestEx), a download (NetInterface::getFile) or an extraction by the archive program. The client
// and the archive program are made, used and deleted inside that thread; results reach the owner queued,
// in the owner's thread, through these owner slots (connected by signature):
//   netFinish(bool)                              request and download: exactly one, true on success
//   slotDownloadProcess(qint64,qint64)           download progress: bytes of the file so far, expected
//                                                size (64-bit: map archives exceed 2 GiB)
//   slotProcFinish(int,QProcess::ExitStatus)     extraction: the program's exit code and status, exactly
//                                                once; -1 with CrashExit when no program was found or it
//                                                could not be started
//   slotUnzipProcess(int)                        extraction: connected, never emitted
// Use: make one per job with the owner as parent, call one setter, start(), wait for the slot, delete.
// Deleting the object ends the job: a running archive program is killed, a transfer is abandoned (a
// partial download is kept for resuming), and the destructor waits for the thread.
// A download's MD5 is worked out on the job's thread as the bytes arrive (see NetInterface); the owner
// reads it with downloadDigest() from its netFinish.
class WorkerThread : public QThread
{
    Q_OBJECT

public:
    enum MODE { MODE_REQUEST = 0, MODE_DOWNLOAD = 1, MODE_UNZIP = 2 };

    // The owner slots a job of the mode connects, as normalized signatures (the form
    // QMetaObject::indexOfSlot takes), so a test can hold each owner class to them: an owner lacking
    // one would wait for a result that never comes.
    static QList<QByteArray> ownerSlots(MODE eMode);

    // nTimeOut has no effect; owners pass 60000 or 0.
    WorkerThread(QObject* pOwner, int nTimeOut);
    ~WorkerThread() override;

    void setRequest(const QString& sUrl, const QString& sBody, const QString& sResponseFile, bool bGzip);
    // sSize is the expected size in decimal; empty or not a number means unknown (0).
    void setDownload(const QString& sUrl, const QString& sFile, const QString& sSize);
    void setUnzip(const QString& sArchive, const QString& sOutputDir);
    // The MD5 (lower-case hexadecimal) of the file a successful download left; empty otherwise. Set before
    // netFinish is sent, so it is ready when the owner's slot runs.
    QByteArray downloadDigest() const { return m_downloadDigest; }
    // A failed download's fault lay with its file (NetInterface::downloadFileFailed); set like the MD5.
    bool downloadFileFailed() const { return m_bDownloadFileFailed; }
    // True when the request or download failed because its answer or file could not be written: the disk
    // it goes to is full. Set before netFinish is sent.
    bool diskFull() const { return m_bDiskFull; }

signals:
    void emitUnzipProcess(int nVal);

protected:
    void run() override;

private:
    void runTransfer();
    void runUnzip();
    void connectOwner(QObject* pSender, const char* szSignal, const char* szSlotSignature);
    static qint64 sizeFromText(const QString& sSize);

    int m_nMode = MODE_REQUEST;
    QObject* m_pOwner;
    QString m_sBody;
    QString m_sResponseFile;
    QString m_sUrl;
    bool m_bGzip = false;
    QString m_sDownloadUrl;
    QString m_sDownloadFile;
    QString m_sDownloadSize;
    QByteArray m_downloadDigest;
    bool m_bDownloadFileFailed = false;
    std::atomic<bool> m_bDiskFull{false};
    QString m_sArchive;
    QString m_sOutputDir;
};
