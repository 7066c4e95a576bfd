#include "core/Escaping.h"
#include "core/WorkFile.h"
#include "support/TestFolders.h"

#include <QtTest>

class TestWorkFile : public QObject
{
    Q_OBJECT

private slots:
    void escapers_data();
    void escapers();
    void fillIsOnePass();
    void rowsRoundTrip();
    void takeFirstRow();
    void utf8WhateverTheLocale();
};

void TestWorkFile::escapers_data()
{
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("xml");
    QTest::addColumn<QString>("json");
    QTest::newRow("plain") << "abc@d.e"
                           << "abc@d.e"
                           << "abc@d.e";
    QTest::newRow("markup") << "a&b<c\"d'"
                            << "a&amp;b&lt;c\"d'"
                            << "a&b<c\\\"d'";
    QTest::newRow("backslash") << "a\\b"
                               << "a\\b"
                               << "a\\\\b";
    QTest::newRow("control") << QString("a\nb\x01") << QString("a\nb\x01") << "a\\nb\\u0001";
}

void TestWorkFile::escapers()
{
    QFETCH(QString, value);
    QFETCH(QString, xml);
    QFETCH(QString, json);
    QCOMPARE(Escaping::xml(value), xml);
    QCOMPARE(Escaping::jsonString(value), json);
    QCOMPARE(Escaping::xmlAttribute("a\"b'c&"), QString("a&quot;b&apos;c&amp;"));
}

void TestWorkFile::fillIsOnePass()
{
    QCOMPARE(Escaping::fillXml("<a>%1</a><b>%2</b>", {"%2", "x&y"}), QString("<a>%2</a><b>x&amp;y</b>"));
    QCOMPARE(Escaping::fillXml("%1%3", {"a"}), QString("a%3"));
    QCOMPARE(Escaping::fillXml("%10", {"a"}), QString("a0"));
    QCOMPARE(Escaping::url("a+b&c=d é"), QString("a%2Bb%26c%3Dd%20%C3%A9"));
}

void TestWorkFile::rowsRoundTrip()
{
    TestFolders folders;
    const QString sPath = folders.tempDir() + "/Sync.script";
    const QList<WorkFile::Row> rows = {{"upload", "", "a;b", "100%"}, {"download", "line\nbreak\r", "x"}};
    QVERIFY(WorkFile::writeRows(sPath, rows));
    QList<WorkFile::Row> back;
    QVERIFY(WorkFile::readRows(sPath, &back));
    QCOMPARE(back, rows);
    QVERIFY(TestFolders::readFile(sPath).startsWith("upload;;a%3Bb;100%25\n"));
    QVERIFY(!WorkFile::readRows(folders.tempDir() + "/missing.script", &back));
}

void TestWorkFile::takeFirstRow()
{
    TestFolders folders;
    const QString sPath = folders.tempDir() + "/Update.script";
    QVERIFY(WorkFile::appendRow(sPath, {"a", "1"}));
    QVERIFY(WorkFile::appendRow(sPath, {"b", "2"}));
    WorkFile::Row first;
    QVERIFY(WorkFile::takeFirstRow(sPath, &first));
    QCOMPARE(first, WorkFile::Row({"a", "1"}));
    QVERIFY(WorkFile::takeFirstRow(sPath, &first));
    QCOMPARE(first, WorkFile::Row({"b", "2"}));
    QVERIFY(!WorkFile::takeFirstRow(sPath, &first));
}

void TestWorkFile::utf8WhateverTheLocale()
{
    TestFolders folders; // the tests run under LC_ALL=C
    const QString sPath = folders.tempDir() + "/map.script";
    QVERIFY(WorkFile::writeRows(sPath, {{QString::fromUtf8("Österreich"), QString::fromUtf8("日本")}}));
    QCOMPARE(TestFolders::readFile(sPath), QByteArray("\xc3\x96sterreich;\xe6\x97\xa5\xe6\x9c\xac\n"));
}

QTEST_GUILESS_MAIN(TestWorkFile)
#include "tst_workfile.moc"
