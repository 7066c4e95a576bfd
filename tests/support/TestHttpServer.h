#pragma once

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QObject>
#include <QPair>
#include <QPointer>
#include <QSslCertificate>
#include <QString>

#include <functional>
#include <memory>

class QSslSocket;
class QTcpServer;

// An HTTP/1.1 server on 127.0.0.1 (a free port) for tests, playing the sharing, update, map and download
// services. It lives in the thread that made it and answers whenever that thread runs an event loop:
// QSignalSpy::wait, QTRY_*, waitForRequests, or a blocking call's own local loop (NetInterface::getFile).
//
// Each request is recorded (request line, headers in arrival order, body gunzipped when sent with
// "Content-Encoding: gzip") before it is answered. Answers come from the queue (enqueue, one per request
// in arrival order), else from the handler (setHandler), else 404. An Answer scripts the status, headers
// and body and how the body travels: whole, trickled in pieces (chunked or not, after a first burst or
// not), stalled before the headers or after some bytes, cut by closing the connection after some bytes,
// or endless. fileAnswer() serves a file's bytes with HEAD and "Range: bytes=N-" (206, 416) or with the
// Range ignored.
//
// start(true) speaks TLS with a built-in self-signed certificate for 127.0.0.1; clients reject it unless
// the test calls trustCertificate(). stop() (also run by the destructor) closes the listener and every
// connection. Keep-alive connections are served request after request; a stalled answer holds its
// connection until stop(). Request bodies must come with Content-Length (Qt always sends one). The
// handler runs in the server's thread, so it may read and change the test's own variables; a redirect
// chain is a handler answering Answer::redirect() until the last hop.
class TestHttpServer : public QObject
{
    Q_OBJECT

public:
    using Headers = QList<QPair<QByteArray, QByteArray>>;

    struct Request {
        QByteArray method;
        QByteArray target;  // as on the request line, query included
        QByteArray version; // "HTTP/1.1"
        Headers headers;
        QByteArray rawBody;  // as received
        QByteArray body;     // gunzipped when Content-Encoding is gzip, else rawBody
        bool bBodyOk = true; // false when a gzip body did not inflate
        bool bTls = false;   // arrived over TLS
        int nConnection = 0; // which accepted connection carried it, counted from 0

        QByteArray requestLine() const { return method + ' ' + target + ' ' + version; }
        QByteArray path() const;                         // target without "?query"
        bool hasHeader(const QByteArray& name) const;    // case-insensitive
        QByteArray header(const QByteArray& name) const; // first value, "" when absent
        int headerCount(const QByteArray& name) const;
    };

    struct Answer {
        enum Delivery { WHOLE, TRICKLE, STALL_BEFORE_HEADERS, STALL_AFTER, CLOSE_AFTER, ENDLESS };

        int nStatus = 200;
        Headers headers;
        QByteArray body;
        Delivery eDelivery = WHOLE;
        bool bChunked = false;    // Transfer-Encoding: chunked instead of Content-Length
        int nPieceSize = 0;       // TRICKLE: body bytes per piece
        int nPieceDelayMs = 0;    // TRICKLE: pause before each piece; CLOSE_AFTER: before closing
        qint64 nBurst = 0;        // TRICKLE: body bytes sent at once, before the first piece
        qint64 nCutAfter = 0;     // STALL_AFTER / CLOSE_AFTER: body bytes sent first
        bool bCloseAfter = false; // close the connection once the answer is out

        static Answer ok(const QByteArray& body, const QByteArray& contentType = "text/xml; charset=utf-8");
        static Answer status(int nStatus, const QByteArray& body = QByteArray());
        static Answer redirect(int nStatus, const QByteArray& location);
        // Reads the request and never answers it.
        static Answer stall();

        Answer& withHeader(const QByteArray& name, const QByteArray& value);
        Answer& trickled(int nPieceSize, int nPieceDelayMs, bool bChunkedPieces = true);
        // A trickle that starts fast: the first nBodyBytes go out at once, the rest in pieces.
        Answer& afterBurst(qint64 nBodyBytes);
        Answer& stalledAfter(qint64 nBodyBytes);
        // Closes the connection nDelayMs after the first nBodyBytes went out.
        Answer& closedAfter(qint64 nBodyBytes, int nDelayMs = 0);
        // The body is sent again and again, nPieceSize bytes every nDelayMs, until the client goes away:
        // chunked, or with no length at all (ended by a close that never comes), or with whatever
        // Content-Length the answer's headers claim. A test's own guard: after nStallAfter bytes (when
        // not 0) the server stalls instead, so a client that fails to stop cannot fill the disk.
        Answer& endless(int nPieceSize, int nDelayMs, bool bChunkedPieces = true, qint64 nStallAfter = 0);
    };

    using Handler = std::function<Answer(const Request&)>;

    explicit TestHttpServer(QObject* pParent = nullptr);
    ~TestHttpServer() override;

    bool start(bool bTls = false);
    void stop();
    bool isListening() const;
    quint16 port() const;
    // "http://127.0.0.1:<port>" (or https) followed by sPath.
    QString url(const QString& sPath = "/") const;

    void enqueue(const Answer& answer);
    void setHandler(const Handler& handler);
    // Forgets queued answers, the handler and the recorded requests (between test cases).
    void reset();

    QList<Request> requests() const { return m_lstRequests; }
    int requestCount() const { return m_lstRequests.size(); }
    Request lastRequest() const { return m_lstRequests.isEmpty() ? Request() : m_lstRequests.last(); }
    void clearRequests() { m_lstRequests.clear(); }
    // Runs an event loop until nCount requests have arrived in all; false on time-out.
    bool waitForRequests(int nCount, int nTimeoutMs = 20000);
    int connectionCount() const { return m_nConnections; }
    // Answers the oldest request held by a stall (Answer::stall()) whose connection is still open, as a
    // slow service finally does; false when none is left (the client let go of every one it waited on).
    bool answerStalled(const Answer& answer);
    // Connections the clients have not closed yet.
    int openConnections() const { return m_connections.size(); }

    // Answers with content as a file: HEAD with the headers alone; "Range: bytes=N-" gives 206 with
    // Content-Range or 416 past the end, unless bHonourRange is false (then always 200 with everything).
    static Answer fileAnswer(const Request& request, const QByteArray& content, bool bHonourRange = true);
    static QByteArray gunzip(const QByteArray& data, bool* pOk);

    static QSslCertificate certificate();
    // Adds the built-in certificate to the process-wide default TLS configuration's trusted authorities.
    static void trustCertificate();
    // Restores the default configuration's authorities to the system's.
    static void untrustCertificate();

private:
    struct StalledRequest {
        QPointer<QSslSocket> pSocket;
        Request request;
    };

    struct Connection {
        QByteArray buffer;
        int nIndex = 0;
        bool bBusy = false; // an answer is still going out (or stalled); later requests wait
    };

    void acceptConnection(qintptr nDescriptor);
    void readFrom(QSslSocket* pSocket);
    bool takeRequest(Connection* pConn, Request* pRequest);
    Answer answerFor(const Request& request);
    void sendAnswer(QSslSocket* pSocket, const Request& request, const Answer& answer);
    void sendPiece(QSslSocket* pSocket, const Answer& answer, qint64 nOffset);
    void sendEndless(QSslSocket* pSocket, const Answer& answer, qint64 nOffset);
    void answerDone(QSslSocket* pSocket, const Answer& answer);
    static QByteArray headBlock(const Request& request, const Answer& answer);

    std::unique_ptr<QTcpServer> m_pListener;
    bool m_bTls = false;
    QHash<QSslSocket*, Connection> m_connections;
    QList<Answer> m_lstQueue;
    QList<StalledRequest> m_lstStalled; // oldest first
    Handler m_handler;
    QList<Request> m_lstRequests;
    int m_nConnections = 0;
};
