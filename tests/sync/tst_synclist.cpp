#include "SyncItems.h"
#include "core/WorkFile.h"
#include "support/FakeShareService.h"
#include "support/TestFolders.h"
#include "sync/ProcSyncListXml.h"
#include "sync/ProcSyncResponseXml.h"
#include "sync/SyncScript.h"

#include <QtTest>

using Rows = QList<WorkFile::Row>;
Q_DECLARE_METATYPE(Rows)

class TestSyncList : public QObject
{
    Q_OBJECT

private slots:
    void list_data();
    void list();
    void unreadableAnswer_data();
    void unreadableAnswer();
    void oldListGoneFirst();
    void uploadAnswer_data();
    void uploadAnswer();
};

void TestSyncList::list_data()
{
    QTest::addColumn<QString>("returnText");
    QTest::addColumn<Rows>("rows");
    QTest::addColumn<QList<int>>("counts");

    const QString sUrl = "http://127.0.0.1/t/1.gpx";
    QTest::newRow("empty") << "[]" << Rows() << QList<int>{0, 0, 0};
    QTest::newRow("compact, in order")
        << "[" + SyncItems::item("upload", "h1", "ignored", sUrl) + "," +
               SyncItems::item("download", "h2", "Loop", sUrl) + "," +
               SyncItems::item("download", "h3", "Hill", "https://x.example/h.gpx") + "," +
               SyncItems::item("delete", "h4") + "]"
        << Rows{{"upload", "h1"},
                {"download", "h2", "Loop", sUrl},
                {"download", "h3", "Hill", "https://x.example/h.gpx"},
                {"delete", "h4", "", ""}}
        << QList<int>{1, 2, 1};
    QTest::newRow("pretty-printed") << "[\n  {\n    \"o_action\" : \"upload\",\n    \"o_hash\" : \"h1\"\n  "
                                       "},\n  {\n    \"o_hash\" : \"h2\",\n"
                                       "    \"o_action\" : \"delete\"\n  }\n]\n"
                                    << Rows{{"upload", "h1"}, {"delete", "h2", "", ""}}
                                    << QList<int>{1, 0, 1};
    QTest::newRow("titles that break fields")
        << "[" + SyncItems::item("download", "h1", "a;b {c} [d]\nnext", sUrl) + "]"
        << Rows{{"download", "h1", "a;b {c} [d]\nnext", sUrl}} << QList<int>{0, 1, 0};
    QTest::newRow("unknown actions") << "[" + SyncItems::item("Upload", "h1") + "," +
                                            SyncItems::item("sync", "h2") + ",{\"o_hash\":\"h3\"},42]"
                                     << Rows() << QList<int>{0, 0, 0};
    QTest::newRow("addresses other than the web")
        << "[" + SyncItems::item("download", "h1", "a", "file:///etc/passwd") + "," +
               SyncItems::item("download", "h2", "b", "ftp://127.0.0.1/x.gpx") + "," +
               SyncItems::item("download", "h3", "c", sUrl) + "]"
        << Rows{{"download", "h3", "c", sUrl}} << QList<int>{0, 1, 0};
    // A service that lists every row twice: each ride is uploaded and deleted once, each track fetched
    // once; the counts count each once.
    const QString sTwice = SyncItems::item("upload", "h1") + "," +
                           SyncItems::item("download", "h2", "Loop", sUrl) + "," +
                           SyncItems::item("delete", "h3") + "," + SyncItems::item("upload", "h4");
    QTest::newRow("every row twice") << "[" + sTwice + "," + sTwice + "]"
                                     << Rows{{"upload", "h1"},
                                             {"download", "h2", "Loop", sUrl},
                                             {"delete", "h3", "", ""},
                                             {"upload", "h4"}}
                                     << QList<int>{2, 1, 1};
    QTest::newRow("same hash, other track")
        << "[" + SyncItems::item("download", "h2", "Loop", sUrl) + "," +
               SyncItems::item("download", "h2", "Hill", sUrl) + "]"
        << Rows{{"download", "h2", "Loop", sUrl}, {"download", "h2", "Hill", sUrl}} << QList<int>{0, 2, 0};
    // More lines than a device's rides and tracks ever make: the first ones; items that give no line do
    // not count.
    QStringList items{SyncItems::item("sync", "h")};
    Rows kept;
    for (int i = 0; i < ProcSyncListXml::MAX_ROWS + 2; ++i) {
        items << SyncItems::item("upload", "u" + QString::number(i));
        if (i < ProcSyncListXml::MAX_ROWS)
            kept.append({"upload", "u" + QString::number(i)});
    }
    items << SyncItems::item("delete", "d");
    QTest::newRow("lines past the bound dropped")
        << "[" + items.join(',') + "]" << kept << QList<int>{ProcSyncListXml::MAX_ROWS, 0, 0};
}

void TestSyncList::list()
{
    QFETCH(QString, returnText);
    QFETCH(Rows, rows);
    QFETCH(QList<int>, counts);
    TestFolders folders;
    const QString sAnswer = folders.tempDir() + "/syncwork.xml";
    QVERIFY(TestFolders::writeFile(sAnswer, FakeShareService::soapAnswer("getRouteSyncList", returnText)));
    ProcSyncListXml reader;
    QVERIFY(reader.open(sAnswer));
    QCOMPARE(QList<int>({reader.m_nUploadCount, reader.m_nDownloadCount, reader.m_nDeleteCount}), counts);
    Rows written;
    QVERIFY(WorkFile::readRows(SyncScript::path(), &written));
    QCOMPARE(written, rows);
    QCOMPARE(TestFolders::readFile(SyncScript::path()).count('\n'), rows.size());
}

void TestSyncList::unreadableAnswer_data()
{
    QTest::addColumn<QByteArray>("answer");
    QTest::newRow("error text") << FakeShareService::soapAnswer("getRouteSyncList", "ERROR:E0007");
    QTest::newRow("not a list") << FakeShareService::soapAnswer("getRouteSyncList",
                                                                "{\"o_action\":\"upload\"}");
    QTest::newRow("not json") << FakeShareService::soapAnswer("getRouteSyncList",
                                                              "[{\"o_action\":\"upload\",");
    QTest::newRow("empty return") << FakeShareService::soapAnswer("getRouteSyncList", "");
    QTest::newRow("other operation") << FakeShareService::soapAnswer("login", "[]");
    QTest::newRow("fault") << FakeShareService::soapFault("internal");
    QTest::newRow("no xml") << QByteArray("<html>busy");
    QTest::newRow("empty file") << QByteArray();
}

void TestSyncList::unreadableAnswer()
{
    QFETCH(QByteArray, answer);
    TestFolders folders;
    const QString sAnswer = folders.tempDir() + "/syncwork.xml";
    QVERIFY(TestFolders::writeFile(sAnswer, answer));
    ProcSyncListXml reader;
    QVERIFY(!reader.open(sAnswer));
    QCOMPARE(reader.m_nUploadCount + reader.m_nDownloadCount + reader.m_nDeleteCount, 0);
    QVERIFY(!QFile::exists(SyncScript::path()));
}

void TestSyncList::oldListGoneFirst()
{
    TestFolders folders;
    QVERIFY(WorkFile::writeRows(SyncScript::path(), {{"upload", "old"}}));
    ProcSyncListXml reader;
    QVERIFY(!reader.open(folders.tempDir() + "/missing.xml"));
    QVERIFY(!QFile::exists(SyncScript::path()));
    // A work list that cannot be written is a failure too: here a folder stands in its place.
    QVERIFY(QDir().mkpath(SyncScript::path()));
    const QString sAnswer = folders.tempDir() + "/syncwork.xml";
    QVERIFY(TestFolders::writeFile(sAnswer, FakeShareService::soapAnswer("getRouteSyncList", "[]")));
    ProcSyncListXml second;
    QVERIFY(!second.open(sAnswer));
}

void TestSyncList::uploadAnswer_data()
{
    QTest::addColumn<QByteArray>("answer");
    QTest::addColumn<bool>("opens");
    QTest::addColumn<QString>("result");
    QTest::addColumn<bool>("confirmed");
    QTest::newRow("corruption notice")
        << FakeShareService::soapAnswer("uploadRec", "SUCCESS:S0006") << true << "SUCCESS:S0006" << true;
    QTest::newRow("error") << FakeShareService::soapAnswer("uploadRec", "ERROR:E0008") << true
                           << "ERROR:E0008" << false;
    // Only a text starting "SUCCESS:" confirms: neither a bare word nor a code without it does.
    for (const char* szText : {"SUCCESS", "OK", "S0001", "success:S0001"})
        QTest::newRow(szText) << FakeShareService::soapAnswer("uploadRec", szText) << true << szText << false;
    QTest::newRow("no return") << QByteArray("<e><SOAP-ENV:Body><ns1:uploadRecResponse/></SOAP-ENV:Body></e>")
                               << true << "" << false;
    QTest::newRow("other operation") << FakeShareService::soapAnswer("getRouteSyncList", "SUCCESS:S0001")
                                     << false << "" << false;
    QTest::newRow("fault") << FakeShareService::soapFault("internal") << false << "" << false;
    QTest::newRow("empty file") << QByteArray() << false << "" << false;
}

void TestSyncList::uploadAnswer()
{
    QFETCH(QByteArray, answer);
    QFETCH(bool, opens);
    QFETCH(QString, result);
    QFETCH(bool, confirmed);
    TestFolders folders;
    const QString sAnswer = folders.tempDir() + "/syncwork.xml";
    QVERIFY(TestFolders::writeFile(sAnswer, answer));
    ProcSyncResponseXml reader;
    QCOMPARE(reader.open(sAnswer), opens);
    QCOMPARE(reader.m_sResult, result);
    QCOMPARE(reader.isConfirmed(), confirmed);
}

QTEST_GUILESS_MAIN(TestSyncList)
#include "tst_synclist.moc"
