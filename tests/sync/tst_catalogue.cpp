#include "support/TestFolders.h"
#include "sync/SyncCatalogue.h"

#include <QCryptographicHash>
#include <QtTest>

namespace
{
QByteArray rideGpx(const QByteArray& time, const QByteArray& heartRate,
                   const QByteArray& padding = QByteArray())
{
    return "<?xml version=\"1.0\"?>\r\n<gpx version=\"1.1\">\r\n  <trk>\r\n    <type>1</type>\r\n    "
           "<extensions>\r\n"
           "    <profile>Anna</profile>\r\n    <time>" +
           time +
           "</time>\r\n    <length>5000</length>\r\n"
           "    <minlat>1.000000</minlat>\r\n    <avgspeed>12.5</avgspeed>\r\n" +
           heartRate + "    </extensions>\r\n  </trk>\r\n" + padding + "</gpx>\r\n";
}

// The service's digest: SHA-512 of the UTF-8 of the first 1499 characters, cut to 1499 bytes.
QString expectedHash(const QByteArray& content)
{
    QByteArray bytes = QString::fromUtf8(content).left(1499).toUtf8().left(1499);
    return QString::fromLatin1(QCryptographicHash::hash(bytes, QCryptographicHash::Sha512).toHex());
}

QString rcfNode(const QString& sDir, const QString& sFile, const QByteArray& content, const QString& sTime,
                const QString& sHeart)
{
    QString sNode =
        QString(
            "{\"o_file\":\"%1\",\"o_file_location\":\"%2/%1\",\"o_filesize\":\"%3\","
            "\"o_track_name\":\"%4\",\"o_type\":\"1\",\"o_profile\":\"Anna\",\"o_fileid\":\"\","
            "\"o_time\":\"%5\",\"o_length\":\"5000\",\"o_timelength\":\"\",\"o_minlat\":\"1.000000\","
            "\"o_minlon\":\"\",\"o_maxlat\":\"\",\"o_maxlon\":\"\",\"o_avgspeed\":\"12.5\","
            "\"o_maxspeed\":\"\",\"o_minacceleration\":\"\",\"o_maxacceleration\":\"\","
            "\"o_minaltitude\":\"\",\"o_maxaltitude\":\"\",\"o_totalascent\":\"\",\"o_totaldescent\":\"\","
            "\"o_calories\":\"\",\"o_avggrade\":\"\",\"o_avgcadence\":\"\",\"o_maxcadence\":\"\",")
            .arg(sFile, sDir, QString::number(content.size()), sFile.left(sFile.size() - 4), sTime);
    if (!sHeart.isNull())
        sNode +=
            QString("\"o_avgheartrate\":\"\",\"o_minheartrate\":\"%1\",\"o_maxheartrate\":\"\",").arg(sHeart);
    return sNode +
           "\"o_cumulativepower\":\"\",\"o_maximumpower\":\"\",\"o_tsspower\":\"\",\"o_averagepower\":\"\","
           "\"o_normalizedpower\":\"\",\"o_hash\":\"" +
           expectedHash(content) + "\"}";
}

// sJsonFile: the file name as it stands inside the JSON text.
QString tcfNode(const QString& sDir, const QString& sJsonFile, const QByteArray& content)
{
    return QString("{\"o_file\":\"%1\",\"o_file_location\":\"%2/"
                   "%1\",\"o_filesize\":\"%3\",\"o_track_name\":\"%4\","
                   "\"o_hash\":\"%5\"}")
        .arg(sJsonFile, sDir, QString::number(content.size()), sJsonFile.left(sJsonFile.size() - 4),
             expectedHash(content));
}
} // namespace

class TestCatalogue : public QObject
{
    Q_OBJECT

private slots:
    void treeGivesExactCatalogues();
    void unreadableRouteKeepsItsNode();
    void noRideWorthReporting();
    void hash_data();
    void hash();
    void sameBeginningSameHash();
};

void TestCatalogue::treeGivesExactCatalogues()
{
    TestFolders folders;
    // A mount path that itself says "profile" must not make route tracks rides.
    const QString sTracks = folders.dataPath("media/profiledrive/Korvo/Tracks");
    const QByteArray ride1 = rideGpx("2012-03-15T07:30:05Z", "    <minheartrate>80</minheartrate>\r\n");
    const QByteArray ride2 = rideGpx("2012-03-16T07:30:05Z", "    <avgheartrate> </avgheartrate>\r\n");
    const QByteArray ride3 = rideGpx("2012-03-17T07:30:05Z", QByteArray());
    const QByteArray blank = rideGpx(" ", QByteArray()).replace("1.000000", "").replace("12.5", "");
    const QByteArray route = "<gpx><trk><name>Loop</name></trk></gpx>\r\n";
    QVERIFY(TestFolders::writeFile(sTracks + "/Profile1/b ride & co.gpx", ride1));
    QVERIFY(TestFolders::writeFile(sTracks + "/Profile1/c.GPX", ride2));
    QVERIFY(TestFolders::writeFile(sTracks + "/Profile1/Roamwise_Route.gpx", ride1));
    QVERIFY(TestFolders::writeFile(sTracks + "/Profile1/notes.txt", "x"));
    QVERIFY(TestFolders::writeFile(sTracks + "/Profile1/blank.gpx", blank));
    QVERIFY(TestFolders::writeFile(sTracks + "/Profile1/sub/a.gpx", ride3));
    QVERIFY(TestFolders::writeFile(sTracks + "/Other/x.gpx", ride1));
    QVERIFY(TestFolders::writeFile(sTracks + "/direct.gpx", ride1));
    QVERIFY(TestFolders::writeFile(sTracks + "/say \"hi\".gpx", route));
    QVERIFY(TestFolders::writeFile(sTracks + "/empty.gpx", QByteArray()));

    QStringList rides;
    QStringList routes;
    QVERIFY(SyncCatalogue::scanGpxFilesRecursive(sTracks, rides));
    QVERIFY(SyncCatalogue::listGpxFiles(sTracks, routes));
    QCOMPARE(rides, QStringList({sTracks + "/Profile1/sub/a.gpx", sTracks + "/Profile1/b ride & co.gpx",
                                 sTracks + "/Profile1/blank.gpx", sTracks + "/Profile1/c.GPX"}));
    QCOMPARE(routes, QStringList({sTracks + "/direct.gpx", sTracks + "/say \"hi\".gpx"}));
    QVERIFY(!QFile::exists(sTracks + "/empty.gpx"));

    const QString sProfile = sTracks + "/Profile1";
    const QString sRcf = "[" + rcfNode(sProfile + "/sub", "a.gpx", ride3, "2012-03-17T07:30:05Z", QString()) +
                         "," + rcfNode(sProfile, "b ride & co.gpx", ride1, "2012-03-15T07:30:05Z", "80") +
                         "," + rcfNode(sProfile, "c.GPX", ride2, "2012-03-16T07:30:05Z", QString()) + "]";
    bool bWritten = false;
    QCOMPARE(SyncCatalogue::doGenerateRCFFile(rides, folders.tempDir() + "/RCF.txt", &bWritten), sRcf);
    QVERIFY(bWritten);
    QCOMPARE(TestFolders::readFile(folders.tempDir() + "/RCF.txt"), sRcf.toUtf8());

    const QString sTcf = "[" + tcfNode(sTracks, "direct.gpx", ride1) + "," +
                         tcfNode(sTracks, "say \\\"hi\\\".gpx", route) + "]";
    QCOMPARE(SyncCatalogue::doGenerateTCFFile(routes, folders.tempDir() + "/TCF.txt", &bWritten), sTcf);
    QVERIFY(bWritten);
    QCOMPARE(TestFolders::readFile(folders.tempDir() + "/TCF.txt"), sTcf.toUtf8());
    QVERIFY(!sTcf.endsWith('\n'));
}

void TestCatalogue::unreadableRouteKeepsItsNode()
{
    TestFolders folders;
    const QString sMissing = folders.tempDir() + "/gone.gpx";
    const QString sTcf = SyncCatalogue::doGenerateTCFFile({sMissing}, folders.tempDir() + "/TCF.txt");
    QCOMPARE(sTcf, QString("[{\"o_file\":\"gone.gpx\",\"o_file_location\":\"%1\",\"o_filesize\":\"0\","
                           "\"o_track_name\":\"gone\",\"o_hash\":\"\"}]")
                       .arg(sMissing));
}

void TestCatalogue::noRideWorthReporting()
{
    TestFolders folders;
    const QString sPath = folders.tempDir() + "/r.gpx";
    QVERIFY(TestFolders::writeFile(
        sPath, "<gpx><trk><type>1</type><extensions><profile>A</profile></extensions></trk></gpx>"));
    bool bWritten = false;
    QCOMPARE(SyncCatalogue::doGenerateRCFFile({sPath, folders.tempDir() + "/none.gpx"},
                                              folders.tempDir() + "/RCF.txt", &bWritten),
             QString());
    QVERIFY(bWritten);
    QCOMPARE(TestFolders::readFile(folders.tempDir() + "/RCF.txt"), QByteArray());
    QCOMPARE(SyncCatalogue::doGenerateRCFFile({}, folders.tempDir() + "/RCF2.txt", &bWritten), QString());
    QVERIFY(!bWritten);
    QVERIFY(!QFile::exists(folders.tempDir() + "/RCF2.txt"));
}

void TestCatalogue::hash_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("digest");
    QTest::newRow("short")
        << QByteArray("abc")
        << "ddaf35a193617abacc417349ae20413112e6fa4e89a97ea20a9eeee64b55d39a2192992a274fc1a836ba3c23a3feeb"
           "bd454d4423643ce80e2a9ac94fa54ca49f";
    // 1498 characters and then a two-byte one: 1500 bytes cut to 1499, half a character kept.
    QTest::newRow("multi-byte at the cut") << QByteArray(1498, 'a') + "\xc3\xa9zzz"
                                           << "6635dbee5e6a221fa3cce69337ceadbaecba1bb2815de7629be72bfef40fea"
                                              "fa7e44527af67bf47dfbf36c9314ee325c0134fa1b149e9f4e"
                                              "b91c15914fcb38db";
    QTest::newRow("two-byte characters up to the cut")
        << QString(749, QChar(0xe9)).toUtf8() + "a" + QString(10, QChar(0xe9)).toUtf8()
        << "aec3956ea1ed68a50e46f32094f43cc63626ea75499318423220857f8947c9fc351c7f825ec9401c9693911d9eed16920"
           "0730772675fb2"
           "960b3af1836967da7b";
    QTest::newRow("up to a zero byte")
        << QByteArray("xxxxxxxxxx\0yyy", 14)
        << "099d63f8dc9b3d22f013ca7f831ba2c8ce97b51736ddeccfdca61b3da5b535458697b083a196b05c"
           "38aacdc3f956f20e2aac571c15b0bcc3fcb57cf8cb056f91";
}

void TestCatalogue::hash()
{
    QFETCH(QByteArray, content);
    QFETCH(QString, digest);
    TestFolders folders;
    const QString sPath = folders.tempDir() + "/h.gpx";
    QVERIFY(TestFolders::writeFile(sPath, content));
    QString sHash;
    QVERIFY(SyncCatalogue::doGenerateHash512(sPath, sHash));
    QCOMPARE(sHash, digest);
    QString sNone = "kept";
    QVERIFY(!SyncCatalogue::doGenerateHash512(folders.tempDir() + "/missing.gpx", sNone));
    QCOMPARE(sNone, QString("kept"));
}

void TestCatalogue::sameBeginningSameHash()
{
    TestFolders folders;
    const QByteArray head(1499, 'h');
    QVERIFY(TestFolders::writeFile(folders.tempDir() + "/1.gpx", head + "one"));
    QVERIFY(TestFolders::writeFile(folders.tempDir() + "/2.gpx", head + "two"));
    QString sOne;
    QString sTwo;
    QVERIFY(SyncCatalogue::doGenerateHash512(folders.tempDir() + "/1.gpx", sOne));
    QVERIFY(SyncCatalogue::doGenerateHash512(folders.tempDir() + "/2.gpx", sTwo));
    QCOMPARE(sOne, sTwo);
}

QTEST_GUILESS_MAIN(TestCatalogue)
#include "tst_catalogue.moc"
