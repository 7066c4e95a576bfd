#include "NetInterface.h"

#include "GzipMember.h"
#include "core/AgentSettings.h"
#include "core/AgentTiming.h"
#include "core/DebugLog.h"
#include "platform/NoFollowFile.h"

#include <QDir>
#include <QEventLoop>
#include <QFileInfo>
#include <QNetworkAccessManager>
#include <QNetworkProxy>
#include <QNetworkProxyFactory>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QThread>

#include <climits>

namespace
{

const char* const SOAP_USER_AGENT =
    "Mozilla/4.0 (compatible; MSIE 6.0; MS Web Services Client Protocol 2.0.50727.3082)";
const char* const DOWNLOAD_USER_AGENT = "WendoAgent";
const int MAX_REDIRECTS = 10;
// Qt keeps reading the socket only while the reply holds less than this, so a disk slower than the
// network holds the transfer back instead of piling the file up in memory.
const qint64 READ_BUFFER_SIZE = 1024 * 1024;
// Answers hold the session.
const int ANSWER_MODE = 0600;

bool isHttpUrl(const QUrl& url)
{
    const QString sScheme = url.scheme().toLower();
    return url.isValid() && !url.host().isEmpty() && (sScheme == "http" || sScheme == "https");
}

// The Host field names the host alone, also when the URL gives a port (the service expects it so).
QByteArray hostField(const QUrl& url)
{
    const QString sHost = url.host(QUrl::FullyEncoded);
    return (sHost.contains(':') ? "[" + sHost + "]" : sHost).toLatin1();
}

bool isPassingRequestStatus(int nStatus)
{
    return nStatus == 200 || nStatus == 301 || nStatus == 302 || nStatus == 303 || nStatus == 307;
}

bool isRedirectStatus(int nStatus)
{
    return nStatus == 301 || nStatus == 302 || nStatus == 303 || nStatus == 307 || nStatus == 308;
}

// First byte of "bytes 400-999/1000", or -1 when the field is missing or malformed.
qint64 contentRangeStart(const QByteArray& field)
{
    const QByteArray sValue = field.trimmed();
    const int nDash = sValue.indexOf('-');
    if (!sValue.toLower().startsWith("bytes ") || nDash <= 6)
        return -1;
    bool bOk = false;
    const qint64 nStart = sValue.mid(6, nDash - 6).trimmed().toLongLong(&bOk);
    return bOk ? nStart : -1;
}

// Qt may end a reply normally although the peer closed the connection before the announced length
// arrived; the length decides.
bool isBodyComplete(QNetworkReply* pReply, qint64 nBodyBytes)
{
    const QVariant length = pReply->header(QNetworkRequest::ContentLengthHeader);
    return !length.isValid() || length.toLongLong() == nBodyBytes;
}

int statusOf(QNetworkReply* pReply)
{
    const QVariant status = pReply->attribute(QNetworkRequest::HttpStatusCodeAttribute);
    return status.isValid() ? status.toInt() : 0;
}

// What the system and the settings say about proxies is logged only: every connection goes direct.
void logProxySetup()
{
    if (!DebugLog::isOn())
        return;
    const QNetworkProxyQuery query(QString(), -1, "http", QNetworkProxyQuery::UrlRequest);
    const QList<QNetworkProxy> lstProxies = QNetworkProxyFactory::systemProxyForQuery(query);
    if (!lstProxies.isEmpty() && lstProxies.first().type() != QNetworkProxy::NoProxy)
        writeLog(1, "[NetInterface][NetInterface]proxy hostname:%sporxyPort:%d",
                 qUtf8Printable(lstProxies.first().hostName()), int(lstProxies.first().port()));
    else
        writeLog(1, "[NetInterface][NetInterface]No proxy server setting");
    AgentSettings settings;
    const QString sAddress = settings.getString("Proxy", "address");
    if (!sAddress.isEmpty())
        writeLog(1, "[NetInterface][NetInterface]Setting hostname:%sporxyPort:%d", qUtf8Printable(sAddress),
                 settings.getInt("Proxy", "port"));
}

} // namespace

NetInterface::NetInterface(QObject* /*pOwner*/, const QString& sResponseFile, int /*nTimeOut*/)
    : QObject(nullptr), m_sResponseFile(sResponseFile), m_pManager(new QNetworkAccessManager(this))
{
    writeLog(1, "[NetInterface][NetInterface][Entry]");
    logProxySetup();
    m_pManager->setProxy(QNetworkProxy::NoProxy);
    connect(&m_watchdog, &QTimer::timeout, this, &NetInterface::slotMonitorTimeOut);
    m_requestLimit.setSingleShot(true);
    connect(&m_requestLimit, &QTimer::timeout, this, &NetInterface::slotRequestLimit);
    connect(&m_floorTimer, &QTimer::timeout, this, &NetInterface::slotFloorCheck);
    writeLog(1, "[NetInterface][NetInterface][End]");
}

NetInterface::~NetInterface()
{
    writeLog(1, "[NetInterface][~NetInterface][Entry]");
    m_watchdog.stop();
    m_requestLimit.stop();
    m_floorTimer.stop();
    const bool bRequestRunning = m_eState == STATE_REQUEST;
    dropReply();
    m_answerFile.close();
    // Half an answer must not be read as a whole one later.
    if (bRequestRunning)
        QFile::remove(m_sResponseFile);
    m_downloadFile.close();
    writeLog(1, "[NetInterface][~NetInterface][End]");
}

// ---------------------------------------------------------------------------------------------------
// Requests

bool NetInterface::sendRequest(const QString& sUrl, const QString& sBody)
{
    writeLog(1, "[NetInterface][sendRequest][Entry1]");
    QNetworkRequest request;
    buildPost(sUrl, &request);
    request.setRawHeader("User-Agent", SOAP_USER_AGENT);
    request.setRawHeader("Connection", "Keep-Alive");
    request.setRawHeader("SOAPAction", QByteArray(""));
    request.setRawHeader("Content-Encoding", "gzip");
    const bool bSent = startPost("sendRequest", request, GzipMember::compress(sBody.toUtf8()));
    writeLog(1, "[NetInterface][sendRequest][End]");
    return bSent;
}

bool NetInterface::sendRequestEx(const QString& sUrl, const QString& sBody)
{
    writeLog(1, "[NetInterface][sendRequestEx][Entry]url:%s request:%s", qUtf8Printable(sUrl),
             qUtf8Printable(sBody));
    QNetworkRequest request;
    buildPost(sUrl, &request);
    request.setRawHeader("SOAPAction", QByteArray(""));
    return startPost("sendRequestEx", request, sBody.toUtf8());
}

void NetInterface::buildPost(const QString& sUrl, QNetworkRequest* pRequest)
{
    const QUrl url(sUrl);
    QUrl target(url);
    // The request line carries the path alone.
    target.setQuery(QString());
    target.setFragment(QString());
    pRequest->setUrl(target);
    pRequest->setRawHeader("Host", hostField(url));
    pRequest->setRawHeader("Content-Type", "text/xml; charset=utf-8");
    // Answers are stored as they come, so they must come undecoded (Qt would otherwise offer gzip).
    pRequest->setRawHeader("Accept-Encoding", "identity");
    pRequest->setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::ManualRedirectPolicy);
}

bool NetInterface::startPost(const char* szMethod, const QNetworkRequest& request, const QByteArray& body)
{
    if (m_eState != STATE_IDLE) {
        writeLog(1, "[NetInterface][%s] refused: the previous transfer has not ended", szMethod);
        reportFinish(false);
        return false;
    }
    m_bDiskFull = false;
    if (!openAnswerFile() || !isHttpUrl(request.url())) {
        writeLog(1, "[NetInterface][%s] refused: bad address or answer file", szMethod);
        // The answer file may already have been created empty; after a failure there is none.
        m_answerFile.close();
        QFile::remove(m_sResponseFile);
        reportFinish(false);
        return false;
    }
    QNetworkRequest post(request);
    post.setHeader(QNetworkRequest::ContentLengthHeader, body.size());
    m_eState = STATE_REQUEST;
    m_bStatusChecked = false;
    m_bAccepted = false;
    m_pReply = m_pManager->post(post, body);
    // Qt holds no more than this of an answer before it reaches the answer file.
    m_pReply->setReadBufferSize(READ_BUFFER_SIZE);
    connect(m_pReply, &QNetworkReply::metaDataChanged, this, &NetInterface::readResponseHeader);
    connect(m_pReply, &QNetworkReply::readyRead, this, &NetInterface::slotAnswerReadyRead);
    connect(m_pReply, &QNetworkReply::uploadProgress, this, &NetInterface::slotDataSendProgress);
    connect(m_pReply, &QNetworkReply::finished, this, &NetInterface::httpRequestFinished);
    connect(m_pReply, &QNetworkReply::sslErrors, this, &NetInterface::slotSslErr);
    startWatchdog();
    const qint64 nUploadMs = qint64(body.size()) * 1000 / MIN_UPLOAD_BYTES_PER_SECOND;
    m_requestLimit.start(
        int(qMin<qint64>(INT_MAX, REQUEST_LIMIT_PERIODS * qint64(m_watchdog.interval()) + nUploadMs)));
    return true;
}

bool NetInterface::openAnswerFile()
{
    m_answerFile.close();
    if (m_sResponseFile.isEmpty())
        return false;
    const QString sFolder = QFileInfo(m_sResponseFile).absolutePath();
    if (!QFileInfo::exists(sFolder) && QDir().mkpath(sFolder))
        QFile::setPermissions(sFolder,
                              QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    // A stale answer never survives a new request, and whatever stands under its name (a link among them)
    // gives way to a new file. Answers hold the session: the file is private while it is still empty.
    QString sError;
    const NoFollowFile::Result result =
        NoFollowFile::createNew(m_sResponseFile, ANSWER_MODE, QIODevice::WriteOnly, &m_answerFile, &sError);
    if (result != NoFollowFile::DONE)
        writeLog(1, "[NetInterface][openAnswerFile] %s", qUtf8Printable(sError));
    noteWriteFailure(result == NoFollowFile::NO_ROOM);
    return result == NoFollowFile::DONE;
}

void NetInterface::noteWriteFailure(bool bNoRoom)
{
    if (!bNoRoom)
        return;
    writeLog(1, "[NetInterface] the disk is full");
    m_bDiskFull = true;
}

// False (and the request ended) when an answer of nBytes would pass the bound.
bool NetInterface::answerFits(qint64 nBytes)
{
    if (nBytes <= MAX_ANSWER_BYTES)
        return true;
    writeLog(1, "[NetInterface][httpRequestFinished] answer too large: %lld bytes, at most %lld", nBytes,
             MAX_ANSWER_BYTES);
    endRequest(false);
    return false;
}

void NetInterface::readResponseHeader()
{
    if (m_eState != STATE_REQUEST || m_bStatusChecked || statusOf(m_pReply) == 0)
        return;
    writeLog(1, "[NetInterface][readResponseHeader][Entry]");
    m_bStatusChecked = true;
    const int nStatus = statusOf(m_pReply);
    m_bAccepted = isPassingRequestStatus(nStatus);
    if (!m_bAccepted) {
        writeLog(1, "[NetInterface][readResponseHeader] Error:%d", nStatus);
        endRequest(false);
    } else {
        // An answer announced too large fails before any of it is stored.
        const QVariant length = m_pReply->header(QNetworkRequest::ContentLengthHeader);
        if (length.isValid())
            answerFits(length.toLongLong());
    }
    writeLog(1, "[NetInterface][readResponseHeader][End]");
}

void NetInterface::slotAnswerReadyRead()
{
    readResponseHeader();
    if (m_eState != STATE_REQUEST)
        return;
    // One byte past the bound is enough to know the answer does not fit (chunked answers announce
    // nothing).
    const QByteArray data = m_pReply->read(MAX_ANSWER_BYTES - m_nReceived + 1);
    if (!answerFits(m_nReceived + data.size()))
        return;
    m_nReceived += data.size();
    if (m_answerFile.write(data) != data.size()) {
        writeLog(1, "[NetInterface][httpRequestFinished] answer file write error");
        noteWriteFailure(NoFollowFile::isNoRoom(m_answerFile));
        endRequest(false);
    }
}

void NetInterface::httpRequestFinished()
{
    writeLog(1, "[NetInterface][httpRequestFinished][Entry]");
    slotAnswerReadyRead();
    if (m_eState != STATE_REQUEST)
        return;
    const QNetworkReply::NetworkError eError = m_pReply->error();
    const bool bComplete = isBodyComplete(m_pReply, m_nReceived);
    if (eError != QNetworkReply::NoError || !bComplete)
        writeLog(1, "[NetInterface][httpRequestFinished] error %d: %s (%lld bytes)", int(eError),
                 qUtf8Printable(m_pReply->errorString()), m_nReceived);
    endRequest(m_bAccepted && eError == QNetworkReply::NoError && bComplete);
    writeLog(1, "[NetInterface][httpRequestFinished][End]");
}

void NetInterface::endRequest(bool bSuccess)
{
    m_watchdog.stop();
    m_requestLimit.stop();
    dropReply();
    if (m_answerFile.isOpen() && !m_answerFile.flush()) {
        noteWriteFailure(NoFollowFile::isNoRoom(m_answerFile));
        bSuccess = false;
    }
    m_answerFile.close();
    if (!bSuccess)
        QFile::remove(m_sResponseFile);
    m_nSent = m_nReceived = m_nLastTick = 0;
    m_eState = STATE_IDLE;
    writeLog(1, bSuccess ? "[NetInterface][httpRequestFinished] Request Finish"
                         : "[NetInterface][httpRequestFinished] Request error");
    reportFinish(bSuccess);
}

void NetInterface::slotDataSendProgress(qint64 nSend, qint64 /*nTotal*/)
{
    writeLog(1, "[NetInterface][slotDataSendProgress]send %lld", nSend);
    if (nSend > m_nSent)
        m_nSent = nSend;
}

// ---------------------------------------------------------------------------------------------------
// Downloads

bool NetInterface::getFile(const QString& sUrl, const QString& sDest, qint64 nSize, qint64 nCeiling)
{
    writeLog(1, "[NetInterface][getFile][Entry]");
    writeLog(1, "[NetInterface][getFile] Url:%s Dest:%s", qUtf8Printable(sUrl), qUtf8Printable(sDest));
    if (m_eState != STATE_IDLE) {
        writeLog(1, "[NetInterface][getFile] refused: the previous transfer has not ended");
        reportFinish(false);
        return false;
    }
    const QUrl url(sUrl);
    m_nExpectedSize = qMax<qint64>(nSize, 0);
    m_nLimit = m_nExpectedSize > 0 ? m_nExpectedSize : qMax<qint64>(nCeiling, 0);
    m_downloadFile.close();
    m_sDownloadPath = sDest;
    m_bDiskFull = false;
    m_nRedirects = 0;
    m_bDownloadOk = false;
    m_bFileFailed = false;
    m_downloadDigest.clear();
    if (!isHttpUrl(url) || sDest.isEmpty() || !QDir().mkpath(QFileInfo(sDest).absolutePath())) {
        writeLog(1, "[NetInterface][getFile] refused: bad address or destination folder");
        m_bFileFailed = isHttpUrl(url) && !sDest.isEmpty(); // the folder could not be made
        reportFinish(false);
        return false;
    }
    QEventLoop loop;
    m_pLoop = &loop;
    startHead(url);
    loop.exec();
    m_pLoop = nullptr;
    // The loop also ends when the thread is told to quit; the download is then given up.
    if (m_eState != STATE_IDLE)
        finishDownload(false, KEEP_FILE);
    writeLog(1, "[NetInterface][getFile][End]");
    return m_bDownloadOk;
}

QNetworkRequest NetInterface::downloadRequest(const QUrl& url)
{
    QNetworkRequest request(url);
    request.setRawHeader("User-Agent", DOWNLOAD_USER_AGENT);
    request.setRawHeader("Connection", "Keep-Alive");
    // Byte ranges count the file's own bytes, so nothing may be decoded on the way.
    request.setRawHeader("Accept-Encoding", "identity");
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::ManualRedirectPolicy);
    request.setAttribute(QNetworkRequest::CacheLoadControlAttribute, QNetworkRequest::AlwaysNetwork);
    return request;
}

void NetInterface::startHead(const QUrl& url)
{
    m_eState = STATE_HEAD;
    m_downloadUrl = url;
    m_pReply = m_pManager->head(downloadRequest(url));
    connect(m_pReply, &QNetworkReply::finished, this, &NetInterface::slotHeadFinished);
    connect(m_pReply, &QNetworkReply::sslErrors, this, &NetInterface::slotSslErr);
    startWatchdog();
}

void NetInterface::slotHeadFinished()
{
    if (m_eState != STATE_HEAD)
        return;
    const qint64 nLength = m_pReply->header(QNetworkRequest::ContentLengthHeader).toLongLong();
    writeLog(1, "[NetInterface][getFile] Size %lld (status %d)", nLength, statusOf(m_pReply));
    m_watchdog.stop();
    dropReply();
    startGet(m_downloadUrl);
}

void NetInterface::startGet(const QUrl& url)
{
    m_eState = STATE_GET;
    m_downloadUrl = url;
    m_redirectTarget.clear();
    m_bStatusChecked = false;
    m_bAccepted = false;
    if (!prepareDownloadFile())
        return;
    QNetworkRequest request = downloadRequest(url);
    if (m_nResumeOffset > 0)
        request.setRawHeader("Range", "bytes=" + QByteArray::number(m_nResumeOffset) + "-");
    m_nFileBytes = m_nResumeOffset;
    m_pReply = m_pManager->get(request);
    m_pReply->setReadBufferSize(READ_BUFFER_SIZE);
    connect(m_pReply, &QNetworkReply::metaDataChanged, this, &NetInterface::slotDownloadHeader);
    connect(m_pReply, &QNetworkReply::readyRead, this, &NetInterface::slotReadyRead);
    connect(m_pReply, &QNetworkReply::finished, this, &NetInterface::slotfinished);
    connect(m_pReply, &QNetworkReply::sslErrors, this, &NetInterface::slotSslErr);
    m_progressTime.start();
    startWatchdog();
    m_nFloorMark = 0;
    m_floorTimer.start(qMax(1, AgentTiming::ms(AgentTiming::DOWNLOAD_FLOOR_WINDOW)));
}

// Applies the resume rule to the file as it stands. False when the download has already ended here.
// A fresh file is only created once an answer has been accepted, so a refused one leaves no file.
bool NetInterface::prepareDownloadFile()
{
    m_downloadFile.close();
    m_nResumeOffset = 0;
    m_digest.reset();
    // Only a regular file of our own is kept or continued; a link or anything else under the name is not
    // the download, and gives way to a new file.
    const QFileInfo info(m_sDownloadPath);
    const bool bOwnFile = info.isFile() && !info.isSymLink();
    const qint64 nLocal = bOwnFile ? info.size() : (info.exists() || info.isSymLink() ? 0 : -1);
    if (bOwnFile && m_nExpectedSize > 0 && nLocal == m_nExpectedSize) {
        writeLog(1, "[NetInterface][getFile] download completed");
        const bool bOpened = openExistingDownload(QIODevice::ReadOnly);
        m_bFileFailed = !bOpened;
        const bool bRead = bOpened && digestExistingPart(nLocal);
        finishDownload(bRead, KEEP_FILE);
        return false;
    }
    if (bOwnFile && m_nExpectedSize > 0 && nLocal > 0 && nLocal < m_nExpectedSize) {
        writeLog(1, "[NetInterface][getFile] appened download from %lld", nLocal);
        if (!openExistingDownload(QIODevice::ReadWrite | QIODevice::Unbuffered) ||
            !digestExistingPart(nLocal) || !m_downloadFile.seek(nLocal)) {
            writeLog(1, "[NetInterface][getFile] appened download error");
            m_bFileFailed = !QThread::currentThread()->isInterruptionRequested();
            finishDownload(false, KEEP_FILE);
            return false;
        }
        m_nResumeOffset = nLocal;
        return true;
    }
    writeLog(1, "[NetInterface][getFile] fetching whole (local %lld, expected %lld)", nLocal,
             m_nExpectedSize);
    if (nLocal >= 0 && !QFile::remove(m_sDownloadPath)) {
        writeLog(1, "[NetInterface][getFile] remove file error");
        m_bFileFailed = true;
        finishDownload(false, KEEP_FILE);
        return false;
    }
    return true;
}

void NetInterface::slotDownloadHeader()
{
    checkDownloadAnswer();
}

// True once the status is known and the step goes on; a refused status ends the download here.
bool NetInterface::checkDownloadAnswer()
{
    if (m_eState != STATE_GET)
        return false;
    if (m_bStatusChecked)
        return true;
    const int nStatus = statusOf(m_pReply);
    if (nStatus == 0)
        return false;
    m_bStatusChecked = true;
    writeLog(1, "[NetInterface][slotDownloadHeader] status:%d", nStatus);
    const QUrl location = QUrl::fromEncoded(m_pReply->rawHeader("Location").trimmed());
    if (isRedirectStatus(nStatus) && !location.isEmpty()) {
        m_redirectTarget = m_downloadUrl.resolved(location);
        return true;
    }
    m_bAccepted = acceptSuccessStatus(nStatus);
    if (!m_bAccepted) {
        writeLog(1, "[NetInterface][slotfinished] refused status:%d", nStatus);
        finishDownload(false, REMOVE_FILE);
        return false;
    }
    return announcedFits();
}

// An answer that says it is longer than the file may be fails before its first byte is written.
bool NetInterface::announcedFits()
{
    const QVariant length = m_pReply->header(QNetworkRequest::ContentLengthHeader);
    if (!length.isValid())
        return true;
    const qint64 nEnd = m_nResumeOffset + length.toLongLong();
    if (nEnd <= m_nLimit)
        return true;
    writeLog(1, "[NetInterface][slotDownloadHeader] the answer announces %lld bytes, at most %lld expected",
             nEnd, m_nLimit);
    m_bAccepted = false;
    finishDownload(false, REMOVE_FILE);
    return false;
}

bool NetInterface::acceptSuccessStatus(int nStatus)
{
    if (nStatus == 206) {
        const qint64 nStart = contentRangeStart(m_pReply->rawHeader("Content-Range"));
        if (m_nResumeOffset > 0 && nStart == m_nResumeOffset)
            return true;
        writeLog(1, "[NetInterface][slotDownloadHeader] partial answer from %lld, asked from %lld", nStart,
                 m_nResumeOffset);
        return false;
    }
    if (nStatus < 200 || nStatus > 299 || (m_nResumeOffset > 0 && nStatus != 200))
        return false;
    if (m_nResumeOffset > 0) {
        // The server sends the whole file instead of the asked range: start the file over.
        writeLog(1, "[NetInterface][slotDownloadHeader] range ignored, restarting from zero");
        m_nResumeOffset = 0;
        m_nFileBytes = 0;
        m_digest.reset();
        m_bFileFailed = !m_downloadFile.resize(0) || !m_downloadFile.seek(0);
        return !m_bFileFailed;
    }
    QString sError;
    const NoFollowFile::Result result =
        NoFollowFile::createNew(m_sDownloadPath, NoFollowFile::KEEP_MODE,
                                QIODevice::WriteOnly | QIODevice::Unbuffered, &m_downloadFile, &sError);
    if (result != NoFollowFile::DONE) {
        writeLog(1, "[NetInterface][getFile] open file error: %s", qUtf8Printable(sError));
        m_bFileFailed = true;
        noteWriteFailure(result == NoFollowFile::NO_ROOM);
        return false;
    }
    return true;
}

bool NetInterface::openExistingDownload(QIODevice::OpenMode eMode)
{
    QString sError;
    if (NoFollowFile::openExisting(m_sDownloadPath, eMode, &m_downloadFile, &sError) == NoFollowFile::DONE)
        return true;
    writeLog(1, "[NetInterface][getFile] %s", qUtf8Printable(sError));
    return false;
}

void NetInterface::slotReadyRead()
{
    if (!checkDownloadAnswer())
        return;
    // Straight from Qt's buffer into the digest's block, which the file is written from: each byte is
    // copied once on our side, and the MD5 is worked out beside this thread, not in it.
    while (m_eState == STATE_GET && m_pReply) {
        qint64 nSpace = 0;
        char* pSpace = m_digest.freeSpace(&nSpace);
        const qint64 nRead = m_pReply->read(pSpace, nSpace);
        if (nRead <= 0)
            break;
        m_nReceived += nRead;
        // A redirect's own body is read to keep the connection going, and dropped.
        if (m_bAccepted)
            writeDownloadData(pSpace, nRead);
    }
}

void NetInterface::writeDownloadData(const char* pData, qint64 nBytes)
{
    if (nBytes > m_nLimit - m_nFileBytes) {
        writeLog(1, "[NetInterface][slotReadyRead] the answer goes on past %lld bytes", m_nLimit);
        finishDownload(false, REMOVE_FILE);
        return;
    }
    if (m_downloadFile.write(pData, nBytes) != nBytes) {
        writeLog(1, "[NetInterface][slotReadyRead] file write error");
        m_bFileFailed = true;
        noteWriteFailure(NoFollowFile::isNoRoom(m_downloadFile));
        finishDownload(false, REMOVE_FILE);
        return;
    }
    m_digest.commit(nBytes);
    m_nFileBytes += nBytes;
    reportProgress();
}

// Reads the first nBytes of the open download file into the digest, in pieces, so a resumed file's digest
// covers it whole. False when the file is shorter or the thread is told to stop.
bool NetInterface::digestExistingPart(qint64 nBytes)
{
    qint64 nDone = 0;
    while (nDone < nBytes) {
        if (QThread::currentThread()->isInterruptionRequested()) {
            writeLog(1, "[NetInterface][getFile] stopped while reading the existing part");
            return false;
        }
        qint64 nSpace = 0;
        char* pSpace = m_digest.freeSpace(&nSpace);
        const qint64 nRead = m_downloadFile.read(pSpace, qMin<qint64>(nSpace, nBytes - nDone));
        if (nRead <= 0) {
            writeLog(1, "[NetInterface][getFile] existing part unreadable at %lld", nDone);
            m_bFileFailed = true;
            return false;
        }
        m_digest.commit(nRead);
        nDone += nRead;
    }
    return true;
}

void NetInterface::reportProgress()
{
    if (m_progressTime.elapsed() < AgentTiming::ms(AgentTiming::DOWNLOAD_PROGRESS))
        return;
    m_progressTime.restart();
    writeLog(1, "[NetInterface][slotDataReadProgress] done:%lld ,total:%lld", m_nFileBytes, m_nExpectedSize);
    emit emitDownloadProcess(m_nFileBytes, m_nExpectedSize);
}

void NetInterface::slotfinished()
{
    writeLog(1, "[NetInterface][slotfinished]");
    slotReadyRead();
    if (m_eState != STATE_GET)
        return;
    if (m_redirectTarget.isValid()) {
        followRedirect();
        return;
    }
    const QNetworkReply::NetworkError eError = m_pReply->error();
    const bool bComplete = isBodyComplete(m_pReply, m_nReceived);
    writeLog(1, "[NetInterface][slotfinished] error code:%d %s (%lld bytes%s)", int(eError),
             qUtf8Printable(m_pReply->errorString()), m_nReceived, bComplete ? "" : ", cut short");
    // A broken transfer keeps what arrived, so the next attempt resumes it.
    finishDownload(m_bAccepted && eError == QNetworkReply::NoError && bComplete, KEEP_FILE);
}

void NetInterface::followRedirect()
{
    const QUrl target = m_redirectTarget;
    m_watchdog.stop();
    m_floorTimer.stop();
    dropReply();
    if (++m_nRedirects > MAX_REDIRECTS || !isHttpUrl(target)) {
        writeLog(1, "[NetInterface][slotfinished] redirect refused (%d): %s", m_nRedirects,
                 qUtf8Printable(target.toString()));
        finishDownload(false, KEEP_FILE);
        return;
    }
    writeLog(1, "[NetInterface][slotfinished] redirect to %s", qUtf8Printable(target.toString()));
    startGet(target);
}

void NetInterface::finishDownload(bool bSuccess, FILE_FATE eFate)
{
    m_watchdog.stop();
    m_floorTimer.stop();
    dropReply();
    if (m_downloadFile.isOpen() && !m_downloadFile.flush()) {
        m_bFileFailed = true;
        noteWriteFailure(NoFollowFile::isNoRoom(m_downloadFile));
        bSuccess = false;
        eFate = REMOVE_FILE;
    }
    m_downloadFile.close();
    if (!bSuccess && eFate == REMOVE_FILE) {
        writeLog(1, "[NetInterface][slotfinished] removing %s", qUtf8Printable(m_sDownloadPath));
        QFile::remove(m_sDownloadPath);
    }
    m_nSent = m_nReceived = m_nLastTick = 0;
    m_eState = STATE_IDLE;
    m_bDownloadOk = bSuccess;
    m_downloadDigest = bSuccess ? m_digest.hexResult() : QByteArray();
    writeLog(1, bSuccess ? "[NetInterface][slotfinished] no error" : "[NetInterface][slotfinished] error");
    if (m_pLoop)
        m_pLoop->quit();
    reportFinish(bSuccess);
}

// ---------------------------------------------------------------------------------------------------
// Shared

void NetInterface::startWatchdog()
{
    m_nSent = m_nReceived = m_nLastTick = 0;
    m_watchdog.start(qMax(1, AgentTiming::ms(AgentTiming::NET_WATCHDOG)));
}

void NetInterface::slotMonitorTimeOut()
{
    const qint64 nMoved = m_nSent + m_nReceived;
    writeLog(1, "[NetInterface][slotMonitorTimeOut]Org:%lld Read:%lld", m_nLastTick, nMoved);
    if (nMoved > m_nLastTick) {
        m_nLastTick = nMoved;
        return;
    }
    writeLog(1, "[NetInterface][slotMonitorTimeOut] timeout");
    m_watchdog.stop();
    if (m_eState == STATE_REQUEST)
        endRequest(false);
    else if (m_eState != STATE_IDLE)
        finishDownload(false, KEEP_FILE);
}

// A download that moves, but too slowly to end in any useful time, is given up like a stalled one.
void NetInterface::slotFloorCheck()
{
    if (m_eState != STATE_GET)
        return;
    const int nWindowMs = m_floorTimer.interval();
    const qint64 nFloor = qint64(AgentTiming::ms(AgentTiming::DOWNLOAD_FLOOR_RATE)) * nWindowMs / 1000;
    const qint64 nMoved = m_nReceived - m_nFloorMark;
    m_nFloorMark = m_nReceived;
    if (nMoved >= nFloor)
        return;
    writeLog(1, "[NetInterface][slotFloorCheck] %lld bytes in %d ms, below the floor of %lld", nMoved,
             nWindowMs, nFloor);
    finishDownload(false, m_nExpectedSize > 0 ? KEEP_FILE : REMOVE_FILE);
}

void NetInterface::slotRequestLimit()
{
    if (m_eState != STATE_REQUEST)
        return;
    writeLog(1, "[NetInterface][slotRequestLimit] request not ended after %d ms", m_requestLimit.interval());
    endRequest(false);
}

void NetInterface::slotSslErr(const QList<QSslError>& lstErrors)
{
    // Not ignored: the reply then fails with a handshake error and the transfer reports false.
    for (const QSslError& error : lstErrors)
        writeLog(1, "[NetInterface][slotSslErr] %s", qUtf8Printable(error.errorString()));
}

void NetInterface::dropReply()
{
    if (!m_pReply)
        return;
    QNetworkReply* pReply = m_pReply;
    m_pReply = nullptr;
    pReply->disconnect(this);
    // Deleting a reply cancels its transfer. Not at once: this may run inside the reply's own signal,
    // and Qt still works on the reply after the signal returns.
    pReply->deleteLater();
}

void NetInterface::reportFinish(bool bSuccess)
{
    QMetaObject::invokeMethod(
        this, [this, bSuccess] { emit emitRequestFinish(bSuccess); }, Qt::QueuedConnection);
}
