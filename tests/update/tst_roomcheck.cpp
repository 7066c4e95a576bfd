#include "platform/ArchiveTool.h"
#include "platform/Platform.h"
#include "support/FakeVolumeInfo.h"
#include "support/SystemTools.h"
#include "support/TestFolders.h"
#include "update/RoomCheck.h"

#include <QDir>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

// The room an install's archives take on the device, listed by the real 7-Zip, against a volume whose
// allocation unit and free file slots the test sets.
class TestRoomCheck : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void room_data();
    void room();

private:
    QTemporaryDir m_root;
    QString m_sArchive;
    QScopedPointer<TestFolders> m_pFolders;
    QScopedPointer<QTemporaryDir> m_pDrive;
};

void TestRoomCheck::initTestCase()
{
    const QString sProgram = ArchiveTool::findProgram(QString());
    if (sProgram.isEmpty())
        QSKIP("no 7-Zip installed");
    // Folder entries KORVO, KORVO/App and KORVO/App/sub, and three files.
    const QString sSource = m_root.filePath("src");
    QVERIFY(TestFolders::writeFile(sSource + "/KORVO/App/a.bin", "1"));
    QVERIFY(TestFolders::writeFile(sSource + "/KORVO/App/b.bin", QByteArray(4097, 'b')));
    QVERIFY(TestFolders::writeFile(sSource + "/KORVO/App/sub/zero.bin", QByteArray()));
    m_sArchive = m_root.filePath("App.zip");
    QString sWhy;
    QVERIFY2(SystemTools::run(sProgram, {"a", "-tzip", m_sArchive, sSource + "/."}, &sWhy), qPrintable(sWhy));
}

void TestRoomCheck::init()
{
    m_pFolders.reset(new TestFolders);
    m_pDrive.reset(new QTemporaryDir);
    // The device already has the two outer folders and, spelt otherwise, the file b.bin.
    QVERIFY(TestFolders::writeFile(m_pDrive->path() + "/korvo/APP/B.BIN", QByteArray(5000, 'o')));
}

void TestRoomCheck::cleanup()
{
    m_pDrive.reset();
    m_pFolders.reset();
}

void TestRoomCheck::room_data()
{
    QTest::addColumn<qint64>("unit");
    QTest::addColumn<qint64>("freeFiles"); // -1: no limit, as FAT
    QTest::addColumn<bool>("onDevice");    // false: the agent's own package, unpacked elsewhere
    QTest::addColumn<bool>("volumeKnown");
    QTest::addColumn<qint64>("need");
    QTest::addColumn<qint64>("credit");
    QTest::addColumn<bool>("enough");

    // a.bin, b.bin and the new folder "sub" take a unit or more each; zero.bin takes none. The existing
    // B.BIN is credited by the units it takes; a.bin, zero.bin and "sub" need new slots.
    QTest::newRow("4 KB units") << 4096LL << -1LL << true << true << 4096LL * (1 + 2 + 1) << 8192LL << true;
    QTest::newRow("32 KB clusters") << 32768LL << -1LL << true << true << 32768LL * 3 << 32768LL << true;
    QTest::newRow("bytes") << 1LL << -1LL << true << true << 1LL + 4097 + 1 << 5000LL << true;
    QTest::newRow("slots for every new entry") << 4096LL << 3LL << true << true << 16384LL << 8192LL << true;
    QTest::newRow("one slot short") << 4096LL << 2LL << true << true << 16384LL << 8192LL << false;
    QTest::newRow("no free slot") << 4096LL << 0LL << true << true << 16384LL << 8192LL << false;
    // Unpacked elsewhere: nothing on the device is credited or taken for made.
    QTest::newRow("agent package") << 4096LL << 5LL << false << true << 4096LL * (1 + 2 + 3) << 0LL << false;
    // The free space of an unknown volume refuses the install; the sizes count as bytes meanwhile.
    QTest::newRow("volume unknown") << 4096LL << 0LL << true << false << 1LL + 4097 + 1 << 5000LL << true;
}

void TestRoomCheck::room()
{
    QFETCH(qint64, unit);
    QFETCH(qint64, freeFiles);
    QFETCH(bool, onDevice);
    QFETCH(bool, volumeKnown);
    QFETCH(qint64, need);
    QFETCH(qint64, credit);
    QFETCH(bool, enough);
    const QString sDrive = m_pDrive->path() + "/";
    FakeVolumeInfo volumes;
    if (volumeKnown)
        volumes.addVolume(sDrive, "ZEQ_SYSTEM");
    volumes.setUnit(quint64(unit));
    volumes.setFreeFiles(freeFiles);
    PlatformOverride platform;
    platform.setVolumes(&volumes);

    RoomCheck check;
    QSignalSpy spy(&check, &RoomCheck::finished);
    check.start(sDrive, {{m_sArchive, QString(), onDevice}});
    QVERIFY(spy.wait(30000));
    QCOMPARE(check.failedIndex(), -1);
    QCOMPARE(check.need(), quint64(need));
    QCOMPARE(check.credit(), quint64(credit));
    QCOMPARE(check.enoughFileSlots(), enough);
}

QTEST_GUILESS_MAIN(TestRoomCheck)
#include "tst_roomcheck.moc"
