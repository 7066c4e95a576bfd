#include "NginxFixture.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTcpServer>
#include <QTcpSocket>
#include <QThread>

namespace
{

const char CONFIG_TEMPLATE[] = "daemon off;\n"
                               "master_process off;\n"
                               "worker_processes 1;\n"
                               "pid %1/nginx.pid;\n"
                               "error_log %1/error.log info;\n"
                               "events { worker_connections 64; }\n"
                               "http {\n"
                               "    log_format wendo '$request_method $uri $status \"$http_range\" "
                               "\"$http_user_agent\" $body_bytes_sent';\n"
                               "    access_log %1/access.log wendo;\n"
                               "    client_body_temp_path %1/client_body;\n"
                               "    proxy_temp_path %1/proxy;\n"
                               "    fastcgi_temp_path %1/fastcgi;\n"
                               "    uwsgi_temp_path %1/uwsgi;\n"
                               "    scgi_temp_path %1/scgi;\n"
                               "    default_type application/octet-stream;\n"
                               "    sendfile on;\n"
                               "    server {\n"
                               "        listen 127.0.0.1:%2;\n"
                               "        root %3;\n"
                               "        %4\n"
                               "    }\n"
                               "}\n";

QStringList readLines(const QString& sPath)
{
    QFile file(sPath);
    if (!file.open(QIODevice::ReadOnly))
        return QStringList();
    return QString::fromUtf8(file.readAll()).split('\n', Qt::SkipEmptyParts);
}

} // namespace

NginxFixture::NginxFixture() = default;

NginxFixture::~NginxFixture()
{
    stop();
}

QString NginxFixture::program()
{
    const QString sOverride = qEnvironmentVariable("WENDO_NGINX");
    return sOverride.isEmpty() ? QString("/usr/sbin/nginx") : sOverride;
}

bool NginxFixture::isAvailable()
{
    const QFileInfo info(program());
    return info.isFile() && info.isExecutable();
}

QString NginxFixture::skipReason()
{
    return QString("nginx not found at %1: install nginx-light (scripts/packages.txt) to run this test")
        .arg(program());
}

bool NginxFixture::start(const QString& sRootDir, const QString& sServerExtra)
{
    stop();
    if (!isAvailable()) {
        m_sError = skipReason();
        return false;
    }
    for (int nTry = 0; nTry < 5; ++nTry) {
        if (startOnce(sRootDir, sServerExtra))
            return true;
    }
    return false;
}

bool NginxFixture::startOnce(const QString& sRootDir, const QString& sServerExtra)
{
    m_nPort = freePort();
    if (m_nPort == 0 || !writeConfig(sRootDir, sServerExtra)) {
        m_sError = "cannot prepare the nginx configuration";
        return false;
    }
    QFile::remove(path("error.log"));
    QFile::remove(path("nginx.pid"));
    m_process.setProcessChannelMode(QProcess::MergedChannels);
    m_process.start(program(), {"-p", m_dir.path() + "/", "-e", path("error.log"), "-c", path("nginx.conf")});
    if (m_process.waitForStarted(10000) && waitUntilServing(20000))
        return true;
    m_sError =
        QString("nginx did not start: %1 %2").arg(QString::fromLocal8Bit(m_process.readAll()), errorLog());
    stop();
    return false;
}

bool NginxFixture::writeConfig(const QString& sRootDir, const QString& sServerExtra)
{
    if (!m_dir.isValid())
        return false;
    QFile file(path("nginx.conf"));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    const QString sConfig = QString::fromLatin1(CONFIG_TEMPLATE)
                                .arg(m_dir.path())
                                .arg(m_nPort)
                                .arg(QDir(sRootDir).absolutePath(), sServerExtra);
    return file.write(sConfig.toUtf8()) > 0;
}

bool NginxFixture::waitUntilServing(int nTimeoutMs)
{
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < nTimeoutMs && m_process.state() == QProcess::Running) {
        // The pid file is written once the port is bound, so the probe cannot meet another listener.
        QTcpSocket probe;
        if (QFile::exists(path("nginx.pid"))) {
            probe.connectToHost(QHostAddress::LocalHost, m_nPort);
            if (probe.waitForConnected(500))
                return true;
        }
        QThread::msleep(20);
    }
    return false;
}

quint16 NginxFixture::freePort()
{
    QTcpServer server;
    return server.listen(QHostAddress::LocalHost, 0) ? server.serverPort() : 0;
}

void NginxFixture::stop()
{
    if (m_process.state() == QProcess::NotRunning)
        return;
    m_process.terminate();
    if (!m_process.waitForFinished(10000)) {
        m_process.kill();
        m_process.waitForFinished(10000);
    }
}

QString NginxFixture::url(const QString& sPath) const
{
    return QString("http://127.0.0.1:%1%2").arg(m_nPort).arg(sPath);
}

QStringList NginxFixture::accessLog() const
{
    return readLines(path("access.log"));
}

QString NginxFixture::errorLog() const
{
    return readLines(path("error.log")).join('\n');
}
