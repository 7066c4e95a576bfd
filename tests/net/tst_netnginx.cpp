#include "core/AgentTiming.h"
#include "net/NetInterface.h"
#include "support/NginxFixture.h"
#include "support/TestFolders.h"

#include <QRandomGenerator>
#include <QtTest>

#include <memory>

// Downloads from a real nginx: HEAD, ranges and resuming as a production web server answers them.
class TestNetNginx : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void headRangeAndResume();
    void cutTransferResumesByteIdentical();

private:
    bool download(qint64 nExpected, NetInterface* pClient = nullptr);
    QString servedPath() const { return m_pFolders->programDir() + "/www/pkg/map.7z"; }
    QString destPath() const { return m_pFolders->dataDir() + "/temp/map.7z"; }
    QStringList newLogLines(int* pSeen) const;

    std::unique_ptr<TestFolders> m_pFolders;
    std::unique_ptr<NginxFixture> m_pNginx;
    QByteArray m_content;
};

void TestNetNginx::init()
{
    if (!NginxFixture::isAvailable())
        QSKIP(qPrintable(NginxFixture::skipReason()));
    m_pFolders.reset(new TestFolders(true));
    AgentTiming::set(AgentTiming::DOWNLOAD_PROGRESS, 0);
    m_content.resize(3 * 1024 * 1024 + 17);
    QRandomGenerator rng(7);
    for (char& byte : m_content)
        byte = char(rng.generate());
    QVERIFY(TestFolders::writeFile(servedPath(), m_content));
    m_pNginx.reset(new NginxFixture);
}

void TestNetNginx::cleanup()
{
    m_pNginx.reset();
    AgentTiming::resetDefaults();
    m_pFolders.reset();
}

bool TestNetNginx::download(qint64 nExpected, NetInterface* pClient)
{
    std::unique_ptr<NetInterface> pOwn;
    if (!pClient) {
        pOwn.reset(new NetInterface(nullptr, QString(), 60000));
        pClient = pOwn.get();
    }
    QSignalSpy spy(pClient, &NetInterface::emitRequestFinish);
    const bool bReturned = pClient->getFile(m_pNginx->url("/pkg/map.7z"), destPath(), nExpected);
    if (!spy.wait(10000) || spy.count() != 1 || spy.at(0).at(0).toBool() != bReturned)
        return false;
    return bReturned;
}

// The access-log lines written since the last call, as "<method> <status> <range> <agent>".
QStringList TestNetNginx::newLogLines(int* pSeen) const
{
    const QStringList lstAll = m_pNginx->accessLog();
    QStringList lstNew;
    for (int i = *pSeen; i < lstAll.size(); ++i) {
        const QStringList lstWords = lstAll[i].split(' ');
        lstNew << QStringList({lstWords.value(0), lstWords.value(2), lstWords.value(3), lstWords.value(4)})
                      .join(' ');
    }
    *pSeen = lstAll.size();
    return lstNew;
}

void TestNetNginx::headRangeAndResume()
{
    QVERIFY2(m_pNginx->start(m_pFolders->programDir() + "/www"), qPrintable(m_pNginx->errorString()));
    const qint64 nSize = m_content.size();
    int nSeen = 0;

    QVERIFY(download(nSize));
    QCOMPARE(TestFolders::readFile(destPath()), m_content);
    QCOMPARE(newLogLines(&nSeen),
             QStringList({"HEAD 200 \"-\" \"WendoAgent\"", "GET 200 \"-\" \"WendoAgent\""}));

    QFile::resize(destPath(), 1048583);
    QVERIFY(download(nSize));
    QCOMPARE(TestFolders::readFile(destPath()), m_content);
    QCOMPARE(newLogLines(&nSeen),
             QStringList({"HEAD 200 \"-\" \"WendoAgent\"", "GET 206 \"bytes=1048583-\" \"WendoAgent\""}));

    QVERIFY(download(nSize));
    QCOMPARE(newLogLines(&nSeen), QStringList({"HEAD 200 \"-\" \"WendoAgent\""}));

    QVERIFY(TestFolders::writeFile(destPath(), m_content + "trailing junk"));
    QVERIFY(download(nSize));
    QCOMPARE(TestFolders::readFile(destPath()), m_content);
    QCOMPARE(newLogLines(&nSeen),
             QStringList({"HEAD 200 \"-\" \"WendoAgent\"", "GET 200 \"-\" \"WendoAgent\""}));

    // A local part longer than the server's file is answered 416, which must not be kept.
    QVERIFY(TestFolders::writeFile(destPath(), m_content + "x"));
    QVERIFY(!download(nSize + 10));
    QVERIFY(!QFile::exists(destPath()));
}

void TestNetNginx::cutTransferResumesByteIdentical()
{
    // nginx is stopped at the first progress report of each attempt. Qt does not always see such a cut
    // as an error, so a few cuts are made; each must fail and keep exactly the bytes that arrived.
    NetInterface client(nullptr, QString(), 60000);
    connect(&client, &NetInterface::emitDownloadProcess, this, [this](qint64 nRead, qint64) {
        if (nRead > 0 && m_pNginx->isRunning())
            m_pNginx->stop();
    });
    qint64 nPart = 0;
    for (int nCut = 0; nCut < 4; ++nCut) {
        // Slow, in small writes, so the first bytes arrive long before nginx has written the rest.
        QVERIFY2(m_pNginx->start(m_pFolders->programDir() + "/www", "sendfile off; limit_rate 256k;"),
                 qPrintable(m_pNginx->errorString()));
        QVERIFY(!download(m_content.size(), &client));
        const qint64 nGrown = QFileInfo(destPath()).size();
        QVERIFY2(nGrown > nPart && nGrown < m_content.size(), qPrintable(QString::number(nGrown)));
        nPart = nGrown;
        QCOMPARE(TestFolders::readFile(destPath()), m_content.left(int(nPart)));
    }

    QVERIFY2(m_pNginx->start(m_pFolders->programDir() + "/www"), qPrintable(m_pNginx->errorString()));
    QVERIFY(download(m_content.size()));
    QCOMPARE(TestFolders::readFile(destPath()), m_content);
    const QStringList lstLog = m_pNginx->accessLog();
    QVERIFY(!lstLog.isEmpty());
    QVERIFY2(lstLog.last().startsWith(QString("GET /pkg/map.7z 206 \"bytes=%1-\"").arg(nPart)),
             qPrintable(lstLog.last()));
}

QTEST_GUILESS_MAIN(TestNetNginx)
#include "tst_netnginx.moc"
