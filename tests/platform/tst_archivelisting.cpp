#include "platform/ArchiveTool.h"

#include <QtTest>

namespace
{
const QByteArray HEAD = "\n7-Zip (z) 26.02 (x64) : Copyright (c) 1999-2026 Igor Pavlov : 2026-06-25\n"
                        " 64-bit locale=C.UTF-8 Threads:8 OPEN_MAX:20000\n\n"
                        "Scanning the drive for archives:\n1 file, 417 bytes (1 KiB)\n\n"
                        "Listing archive: t.zip\n\n--\nPath = t.zip\nType = zip\nPhysical Size = 417\n\n";
const QByteArray RULE = "------------------- ----- ------------ ------------  ------------------------\n";
const QByteArray COLUMNS = "   Date      Time    Attr         Size   Compressed  Name\n";

QByteArray table(const QByteArray& entries, const QByteArray& summary, const QByteArray& tail = QByteArray())
{
    return HEAD + COLUMNS + RULE + entries + RULE + summary + tail;
}
} // namespace

// The archive program's listings as it prints them, read into members and the unpacked total.
class TestArchiveListing : public QObject
{
    Q_OBJECT

private slots:
    void totals_data();
    void totals();
    void tableMembers();
    void detailedMembers();
    void leavesTarget_data();
    void leavesTarget();
};

void TestArchiveListing::totals_data()
{
    QTest::addColumn<QByteArray>("output");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<qint64>("total");

    const QByteArray entries = "2026-12-10 06:50:56 .....            6            6  a.txt\n"
                               "2026-12-10 06:50:56 .....           15           11  sp ace.txt\n";
    QTest::newRow("two files") << table(entries,
                                        "2026-12-10 06:50:56                 21           17  2 files\n")
                               << true << qint64(21);
    QTest::newRow("files and folders, any blanks")
        << table(entries, "2024-01-01 10:00:00    21   17  2 files, 1 folders\n") << true << qint64(21);
    QTest::newRow("over 4 GB") << table("2026-12-10 06:50:56 .....   5368709120   5368709120  big.img\n",
                                        "2026-12-10 06:50:56           5368709120   5368709120  1 files\n")
                               << true << qint64(5368709120LL);
    QTest::newRow("no date column") << table("                    .....      1048576       524288  a.bin\n",
                                             "                               1048576       524288  1 files\n")
                                    << true << qint64(1048576);
    QTest::newRow("summary without date and time, size first")
        << table(entries, "21 17 2 files\n") << true << qint64(21);
    // A member line read as smaller than it is would make the archive pass for smaller than it is.
    QTest::newRow("members short of the total")
        << table(entries, "2026-12-10 06:50:56                 22           17  2 files\n") << false
        << qint64(0);
    QTest::newRow("empty archive") << table("",
                                            "                                    0            0  0 files\n")
                                   << true << qint64(0);
    // A damaged archive lists what it could read and then its errors: never a size.
    QTest::newRow("Errors: 1") << table(entries,
                                        "2026-12-10 06:50:58                 17           17  2 files\n",
                                        "\nErrors: 1\n")
                               << false << qint64(0);
    QTest::newRow("no summary") << table(entries, "") << false << qint64(0);
    QTest::newRow("last line empty") << HEAD + COLUMNS + RULE + entries << false << qint64(0);
    QTest::newRow("nothing listed") << QByteArray("\nERROR: errno=2 : No such file or directory\n") << false
                                    << qint64(0);
    QTest::newRow("no output") << QByteArray() << false << qint64(0);
}

void TestArchiveListing::totals()
{
    QFETCH(QByteArray, output);
    QFETCH(bool, ok);
    QFETCH(qint64, total);
    ArchiveTool::Listing listing;
    QCOMPARE(ArchiveTool::parseListing(output, &listing), ok);
    if (ok)
        QCOMPARE(listing.nTotal, total);
}

void TestArchiveListing::tableMembers()
{
    ArchiveTool::Listing listing;
    QVERIFY(ArchiveTool::parseListing(
        table("2026-12-10 06:50:56 D....            0            0  sub dir\n"
              "2026-12-10 06:50:56 .....           15           11  sub dir/sp ace;%.txt\n",
              "2026-12-10 06:50:56                 15           11  1 files, 1 folders\n"),
        &listing));
    QCOMPARE(listing.entries.size(), 2);
    QCOMPARE(listing.entries.at(0).sPath, QString("sub dir"));
    QVERIFY(listing.entries.at(0).bFolder);
    QCOMPARE(listing.entries.at(1).sPath, QString("sub dir/sp ace;%.txt"));
    QCOMPARE(listing.entries.at(1).nSize, qint64(15));
    QVERIFY(!listing.entries.at(1).bFolder);
}

void TestArchiveListing::detailedMembers()
{
    const QByteArray output = HEAD + "----------\n"
                                     "Path = a.txt\nFolder = -\nSize = 6\nPacked Size = 6\n"
                                     "Attributes =  -rw-r--r--\n\n"
                                     "Path = link\nFolder = -\nSize = 11\nAttributes =  lrwxrwxrwx\n\n"
                                     "Path = d\nFolder = +\nSize = 0\nAttributes = D_ drwxr-xr-x\n\n"
                                     "Path = t/h\nFolder = -\nSize = 0\nHard Link = ../../etc/passwd\n\n"
                                     "Path = b = c.txt\nFolder = -\nSize = 4294967296\nAttributes = A\n\n";
    ArchiveTool::Listing listing;
    QVERIFY(ArchiveTool::parseListing(output, &listing));
    QCOMPARE(listing.entries.size(), 5);
    QCOMPARE(listing.entries.at(0).sPath, QString("a.txt"));
    QVERIFY(!listing.entries.at(0).bLink);
    QVERIFY(listing.entries.at(1).bLink);
    QVERIFY(listing.entries.at(2).bFolder);
    QVERIFY(listing.entries.at(3).bLink);
    QCOMPARE(listing.entries.at(4).sPath, QString("b = c.txt"));
    QCOMPARE(listing.nTotal, qint64(6 + 11 + 4294967296LL));
    QVERIFY(!ArchiveTool::parseListing(output + "\nErrors: 1\n", &listing));
}

void TestArchiveListing::leavesTarget_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<bool>("link");
    QTest::addColumn<bool>("leaves");
    QTest::newRow("plain") << "Program/app.bin" << false << false;
    QTest::newRow("dots in a name") << "a..b/..c" << false << false;
    QTest::newRow("parent step") << "Program/../../x" << false << true;
    QTest::newRow("parent step, backslash") << "Program\\..\\x" << false << true;
    QTest::newRow("absolute") << "/etc/x" << false << true;
    QTest::newRow("drive") << "C:/x" << false << true;
    QTest::newRow("UNC") << "\\\\host\\share\\x" << false << true;
    QTest::newRow("link") << "link" << true << true;
}

void TestArchiveListing::leavesTarget()
{
    QFETCH(QString, path);
    QFETCH(bool, link);
    QFETCH(bool, leaves);
    ArchiveTool::Entry entry;
    entry.sPath = path;
    entry.bLink = link;
    QCOMPARE(ArchiveTool::leavesTarget(entry), leaves);
}

QTEST_GUILESS_MAIN(TestArchiveListing)
#include "tst_archivelisting.moc"
