#pragma once

#include "BackgroundMd5.h"

#include <QElapsedTimer>
#include <QFile>
#include <QList>
#include <QObject>
#include <QSslError>
#include <QString>
#include <QTimer>
#include <QUrl>

class QEventLoop;
class QNetworkAccessManager;
class QNetworkReply;
class QNetworkRequest;

// The agent's only HTTP client. One object serves one transfer at a time and lives in the thread that
// made it (the GUI thread for the account worker, a job thread for WorkerThread).
//
// Requests: sendRequest posts a SOAP envelope as one gzip member, sendRequestEx posts a plain body. The
// answer is streamed into the answer file given to the constructor; the old file is removed before each
// request, so after a failure there is no answer file at all. Status 200, 301, 302, 303 and 307 pass and
// redirects are not followed: the redirect's own body is the answer. Anything else, a broken connection
// or a TLS failure is a failure (certificate errors are never ignored).
//
// Downloads: getFile asks HEAD (logged only), then GETs with the resume rule: a shorter local file is
// continued with "Range: bytes=N-", a longer one is fetched anew, one of exactly the expected size is
// complete without a GET, and with no expected size (0) any old file is replaced. A resumed download must
// be answered 206 with a Content-Range starting at the local size, or 200, which restarts the file from
// zero; every other status fails. Redirects are followed (relative targets resolved, at most 10) and their
// bodies are never written. A failed status removes the file; a stalled or broken transfer keeps the
// partial file so the next getFile resumes it.
//
// Every download also yields the MD5 of the whole file, worked out beside the client's thread (BackgroundMd5)
// while the bytes arrive: a resumed file's existing part is read once before the GET, a file already complete
// is read whole, so a caller never needs another pass over a large archive. Telling the thread to stop
// (QThread::requestInterruption) cuts such a read short and fails the download.
//
// Answers to requests are bounded: one announced or grown beyond MAX_ANSWER_BYTES fails the request (no
// answer file is kept), and a request that has not ended after REQUEST_LIMIT_PERIODS watchdog periods
// (plus the time its body needs at MIN_UPLOAD_BYTES_PER_SECOND) fails too, however steadily its answer
// drips in.
//
// Downloads are bounded too. A file never grows past the size it was announced with: the caller's
// expected size, or without one MAX_UNSIZED_DOWNLOAD_BYTES (or the caller's own ceiling); an answer that
// announces more (Content-Length, a range's end) or delivers more fails at once and its file is removed,
// since it cannot be a good beginning of the file expected. A transfer must also keep up a floor rate:
// fewer than AgentTiming::DOWNLOAD_FLOOR_RATE bytes a second over a window of DOWNLOAD_FLOOR_WINDOW
// fails it, however steadily it drips (a partial file of known size is kept for resuming, one of unknown
// size cannot be resumed and is removed).
//
// The answer file and a download's file are the agent's own: each is made anew, never written through a
// link left under its name, and only a regular file (no link) is continued or taken as complete. An answer
// or a file that cannot be written because the disk is full fails the transfer and says so (diskFull).
//
// Every transfer ends in exactly one emitRequestFinish, always delivered queued (also when it could not
// start), so an owner's slot never runs inside its own call and may start the next transfer from there.
// A watchdog aborts any transfer that moved no byte, sent or received, during one whole period
// (AgentTiming::NET_WATCHDOG, 30 s).
class NetInterface : public QObject
{
    Q_OBJECT

public:
    static constexpr qint64 MAX_ANSWER_BYTES = 4 * 1024 * 1024;
    static constexpr int REQUEST_LIMIT_PERIODS = 3;
    // The overall limit also allows the request's own body to travel at this rate, so a large ride still
    // moving over a slow uplink is not cut (the watchdog still ends an upload that stops moving).
    static constexpr qint64 MIN_UPLOAD_BYTES_PER_SECOND = 16 * 1024;
    // What a download of unknown size (route tracks, the country list) may grow to: far beyond any such
    // file, far below what would fill a disk.
    static constexpr qint64 MAX_UNSIZED_DOWNLOAD_BYTES = 64 * 1024 * 1024;

    // Neither pOwner nor nTimeOut has an effect: the client has no parent and the watchdog period comes
    // from AgentTiming. Callers pass 60000.
    NetInterface(QObject* pOwner, const QString& sResponseFile, int nTimeOut);
    ~NetInterface() override;

    // False when the request could not be sent (bad URL, answer file not writable, a transfer still
    // running); the failure is still reported through emitRequestFinish. Owners act on the signal only.
    bool sendRequest(const QString& sUrl, const QString& sBody);
    bool sendRequestEx(const QString& sUrl, const QString& sBody);
    // Blocks the calling thread in a local event loop until the download has ended and returns its
    // outcome; the same outcome is then emitted once, queued. nSize is the expected size (0: unknown);
    // nCeiling bounds a download of unknown size.
    bool getFile(const QString& sUrl, const QString& sDest, qint64 nSize,
                 qint64 nCeiling = MAX_UNSIZED_DOWNLOAD_BYTES);
    // The MD5 of the whole file of the last successful download, in lower-case hexadecimal; empty after a
    // failed one.
    QByteArray downloadDigest() const { return m_downloadDigest; }
    // The last download failed because its file could not be made, read or written (a full, read-only or
    // vanished disk), not because of the transfer.
    bool downloadFileFailed() const { return m_bFileFailed; }
    // True when the last transfer failed because its answer or file could not be written: the disk it
    // goes to is full.
    bool diskFull() const { return m_bDiskFull; }

signals:
    void emitRequestFinish(bool bSuccess);
    // Bytes of the file so far (a resumed part included) and the expected size, at most once per
    // AgentTiming::DOWNLOAD_PROGRESS (2 s). 64-bit because map archives exceed 2 GiB.
    void emitDownloadProcess(qint64 nRead, qint64 nTotal);

private slots:
    void readResponseHeader();
    void slotAnswerReadyRead();
    void httpRequestFinished();
    void slotDataSendProgress(qint64 nSend, qint64 nTotal);
    void slotHeadFinished();
    void slotDownloadHeader();
    void slotReadyRead();
    void slotfinished();
    void slotMonitorTimeOut();
    void slotFloorCheck();
    void slotRequestLimit();
    void slotSslErr(const QList<QSslError>& lstErrors);

private:
    enum STATE { STATE_IDLE, STATE_REQUEST, STATE_HEAD, STATE_GET };
    enum FILE_FATE { KEEP_FILE, REMOVE_FILE };

    static void buildPost(const QString& sUrl, QNetworkRequest* pRequest);
    static QNetworkRequest downloadRequest(const QUrl& url);
    bool startPost(const char* szMethod, const QNetworkRequest& request, const QByteArray& body);
    bool openAnswerFile();
    void noteWriteFailure(bool bNoRoom);
    bool answerFits(qint64 nBytes);
    void endRequest(bool bSuccess);

    void startHead(const QUrl& url);
    void startGet(const QUrl& url);
    bool prepareDownloadFile();
    bool openExistingDownload(QIODevice::OpenMode eMode);
    bool checkDownloadAnswer();
    bool acceptSuccessStatus(int nStatus);
    bool announcedFits();
    void writeDownloadData(const char* pData, qint64 nBytes);
    bool digestExistingPart(qint64 nBytes);
    void reportProgress();
    void followRedirect();
    void finishDownload(bool bSuccess, FILE_FATE eFate);

    void watchReply(const char* szFinishedSlot);
    void startWatchdog();
    void dropReply();
    void reportFinish(bool bSuccess);

    QString m_sResponseFile;
    QFile m_answerFile;
    // Both files are opened without following a link; they know no name of their own, their paths do.
    QFile m_downloadFile;
    QString m_sDownloadPath;
    bool m_bDiskFull = false;
    QNetworkAccessManager* m_pManager = nullptr;
    QNetworkReply* m_pReply = nullptr;
    STATE m_eState = STATE_IDLE;
    bool m_bStatusChecked = false;
    bool m_bAccepted = false;

    QEventLoop* m_pLoop = nullptr;
    QUrl m_downloadUrl;
    QUrl m_redirectTarget;
    int m_nRedirects = 0;
    bool m_bDownloadOk = false;
    bool m_bFileFailed = false;
    qint64 m_nExpectedSize = 0;
    // The most bytes the file may hold: the expected size, or the ceiling when none was given.
    qint64 m_nLimit = 0;
    qint64 m_nResumeOffset = 0;
    qint64 m_nFileBytes = 0;
    QElapsedTimer m_progressTime;
    BackgroundMd5 m_digest;
    QByteArray m_downloadDigest;

    // Watchdog: bytes moved either way in this transfer, and that count at the last tick.
    QTimer m_watchdog;
    qint64 m_nSent = 0;
    qint64 m_nReceived = 0;
    qint64 m_nLastTick = 0;
    // The overall time a request may take, however its bytes move.
    QTimer m_requestLimit;
    // The floor rate of a download: checked once per window against the bytes received in it.
    QTimer m_floorTimer;
    qint64 m_nFloorMark = 0;
};
