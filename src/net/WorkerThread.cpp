#include "WorkerThread.h"

#include "NetInterface.h"
#include "UnzipJob.h"
#include "core/DebugLog.h"
#include "core/Worker.h"

namespace
{
const char NET_FINISH[] = "netFinish(bool)";
const char DOWNLOAD_PROCESS[] = "slotDownloadProcess(qint64,qint64)";
const char PROC_FINISH[] = "slotProcFinish(int,QProcess::ExitStatus)";
const char UNZIP_PROCESS[] = "slotUnzipProcess(int)";
} // namespace

QList<QByteArray> WorkerThread::ownerSlots(MODE eMode)
{
    switch (eMode) {
    case MODE_REQUEST:
        return {NET_FINISH};
    case MODE_DOWNLOAD:
        return {NET_FINISH, DOWNLOAD_PROCESS};
    case MODE_UNZIP:
        return {PROC_FINISH, UNZIP_PROCESS};
    }
    return {};
}

WorkerThread::WorkerThread(QObject* pOwner, int /*nTimeOut*/) : QThread(pOwner), m_pOwner(pOwner)
{
    // The owner's slots take QProcess::ExitStatus across threads.
    Worker::registerMetaTypes();
    writeLog(1, "[WorkerThread][WorkerThread] ");
}

WorkerThread::~WorkerThread()
{
    writeLog(1, "[WorkerThread][~WorkerThread] ");
    // Leaves the thread's event loop (and a download's local loop); run() then ends its job itself. The
    // interruption also cuts short a digest of a large file already on disk.
    requestInterruption();
    quit();
    wait();
}

void WorkerThread::setRequest(const QString& sUrl, const QString& sBody, const QString& sResponseFile,
                              bool bGzip)
{
    m_nMode = MODE_REQUEST;
    m_sUrl = sUrl;
    m_sBody = sBody;
    m_sResponseFile = sResponseFile;
    m_bGzip = bGzip;
}

void WorkerThread::setDownload(const QString& sUrl, const QString& sFile, const QString& sSize)
{
    m_nMode = MODE_DOWNLOAD;
    m_sDownloadUrl = sUrl;
    m_sDownloadFile = sFile;
    m_sDownloadSize = sSize;
}

void WorkerThread::setUnzip(const QString& sArchive, const QString& sOutputDir)
{
    m_nMode = MODE_UNZIP;
    m_sArchive = sArchive;
    m_sOutputDir = sOutputDir;
}

void WorkerThread::run()
{
    writeLog(1, "[WorkerThread][run][Entry] mode:%d", m_nMode);
    if (m_nMode == MODE_UNZIP)
        runUnzip();
    else
        runTransfer();
    writeLog(1, "[WorkerThread][run][End]");
}

void WorkerThread::runTransfer()
{
    // The client lives exactly as long as this thread's event loop.
    NetInterface client(this, m_sResponseFile, 60000);
    // Connected first, so it runs before the owner's netFinish is queued.
    connect(
        &client, &NetInterface::emitRequestFinish, &client,
        [this, &client] { m_bDiskFull = client.diskFull(); }, Qt::DirectConnection);
    connectOwner(&client, SIGNAL(emitRequestFinish(bool)), NET_FINISH);
    if (m_nMode == MODE_DOWNLOAD) {
        connectOwner(&client, SIGNAL(emitDownloadProcess(qint64, qint64)), DOWNLOAD_PROCESS);
        client.getFile(m_sDownloadUrl, m_sDownloadFile, sizeFromText(m_sDownloadSize));
        // The outcome reaches the owner only from exec() below, after this is set.
        m_downloadDigest = client.downloadDigest();
        m_bDownloadFileFailed = client.downloadFileFailed();
    } else if (m_bGzip) {
        client.sendRequest(m_sUrl, m_sBody);
    } else {
        client.sendRequestEx(m_sUrl, m_sBody);
    }
    exec();
}

void WorkerThread::runUnzip()
{
    UnzipJob job(m_sArchive, m_sOutputDir);
    connectOwner(&job, SIGNAL(emitProcFinish(int, QProcess::ExitStatus)), PROC_FINISH);
    connectOwner(this, SIGNAL(emitUnzipProcess(int)), UNZIP_PROCESS);
    job.start();
    exec();
    job.stop();
}

void WorkerThread::connectOwner(QObject* pSender, const char* szSignal, const char* szSlotSignature)
{
    // The code the SLOT() macro puts before a signature.
    const QByteArray slot = QByteArray::number(QSLOT_CODE) + szSlotSignature;
    if (!m_pOwner || !connect(pSender, szSignal, m_pOwner, slot.constData()))
        writeLog(1, "[WorkerThread][run] the owner lacks the slot %s", szSlotSignature);
}

qint64 WorkerThread::sizeFromText(const QString& sSize)
{
    bool bOk = false;
    const qint64 nSize = sSize.trimmed().toLongLong(&bOk, 10);
    return bOk && nSize > 0 ? nSize : 0;
}
