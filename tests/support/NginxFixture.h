#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

// A real nginx serving one folder on a free 127.0.0.1 port, as the download peer of tests and benchmarks.
// The configuration, pid file, logs and temp paths all live in a private temporary folder; nginx runs in
// the foreground as a child process ("daemon off; master_process off;") and is stopped by stop() or the
// destructor. The access log records one line per request:
//   <method> <uri> <status> "<Range header>" "<User-Agent>" <body bytes sent>
// If nginx is not installed, isAvailable() is false: tests QSKIP with skipReason().
class NginxFixture
{
public:
    NginxFixture();
    ~NginxFixture();
    NginxFixture(const NginxFixture&) = delete;
    NginxFixture& operator=(const NginxFixture&) = delete;

    static QString program(); // $WENDO_NGINX, else /usr/sbin/nginx
    static bool isAvailable();
    static QString skipReason();

    // Serves sRootDir; sServerExtra is added inside the server block (e.g. "limit_rate 200k;"). Tries a
    // few free ports in case another process takes the one picked. False with errorString() on failure.
    bool start(const QString& sRootDir, const QString& sServerExtra = QString());
    // SIGTERM, then SIGKILL if it does not go; open connections are cut either way.
    void stop();
    bool isRunning() const { return m_process.state() != QProcess::NotRunning; }

    quint16 port() const { return m_nPort; }
    QString url(const QString& sPath) const; // "http://127.0.0.1:<port>" + sPath
    QString errorString() const { return m_sError; }
    QStringList accessLog() const;
    QString errorLog() const;

private:
    bool startOnce(const QString& sRootDir, const QString& sServerExtra);
    bool writeConfig(const QString& sRootDir, const QString& sServerExtra);
    bool waitUntilServing(int nTimeoutMs);
    static quint16 freePort();
    QString path(const QString& sName) const { return m_dir.path() + "/" + sName; }

    QTemporaryDir m_dir;
    QProcess m_process;
    quint16 m_nPort = 0;
    QString m_sError;
};
