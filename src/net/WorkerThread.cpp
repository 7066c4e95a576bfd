#include "WorkerThread.h"

#include "NetInterface.h"
#include "UnzipJob.h"
#include "core/DebugLog.h"
#include "core/Worker.h"

WorkerThread::WorkerThread(QObject* pOwner, int /*nTimeOut*/) : QThread(pOwner), m_pOwner(pOwner)
{
    // The owner's slots take QProcess::ExitStatus across threads.
    Worker::registerMetaTypes();
    writeLog(1, "[WorkerThread][WorkerThread] ");
}

WorkerThread::~WorkerThread()
{
    writeLog(1, "[WorkerThread][~WorkerThread] ");
    // Leaves the thread's event loop (and a download's local loop); run() then ends its job itself.
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
    connectOwner(&client, SIGNAL(emitRequestFinish(bool)), SLOT(netFinish(bool)));
    if (m_nMode == MODE_DOWNLOAD) {
        connectOwner(&client, SIGNAL(emitDownloadProcess(qint64, qint64)),
                     SLOT(slotDownloadProcess(qint64, qint64)));
        client.getFile(m_sDownloadUrl, m_sDownloadFile, sizeFromText(m_sDownloadSize));
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
    connectOwner(&job, SIGNAL(emitProcFinish(int, QProcess::ExitStatus)),
                 SLOT(slotProcFinish(int, QProcess::ExitStatus)));
    connectOwner(this, SIGNAL(emitUnzipProcess(int)), SLOT(slotUnzipProcess(int)));
    job.start();
    exec();
    job.stop();
}

void WorkerThread::connectOwner(QObject* pSender, const char* szSignal, const char* szSlot)
{
    if (!m_pOwner || !connect(pSender, szSignal, m_pOwner, szSlot))
        writeLog(1, "[WorkerThread][run] the owner lacks the slot %s", szSlot + 1);
}

qint64 WorkerThread::sizeFromText(const QString& sSize)
{
    bool bOk = false;
    const qint64 nSize = sSize.trimmed().toLongLong(&bOk, 10);
    return bOk && nSize > 0 ? nSize : 0;
}
