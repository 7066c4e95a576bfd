#include "platform/DeviceFileReader.h"
#include "support/DriveTree.h"
#include "support/HangGuard.h"
#include "support/TestFolders.h"

#include <QtTest>

#include <fcntl.h>
#include <unistd.h>

Q_DECLARE_METATYPE(DeviceFileReader::Result)

class TestDeviceFileReader : public QObject
{
    Q_OBJECT

private slots:
    void hostileEntries_data();
    void hostileEntries();
    void wholeFileBound_data();
    void wholeFileBound();
    void fifoWithAWriterIsRefused();
    void drivePath_data();
    void drivePath();
};

namespace
{
using R = DeviceFileReader::Result;

struct Outcome {
    R whole = DeviceFileReader::READ_FAILED;
    R head = DeviceFileReader::READ_FAILED;
    QByteArray wholeBytes;
    QByteArray headBytes;
};

// Both kinds of read of one path, under a hang guard: the old reads blocked on a FIFO for good.
bool readBoth(const QString& sPath, Outcome* pOutcome)
{
    auto pResult = std::make_shared<Outcome>();
    const bool bDone = HangGuard::finishes([pResult, sPath]() {
        pResult->whole = DeviceFileReader::readFile(sPath, DeviceFileReader::XML_LIMIT, &pResult->wholeBytes);
        pResult->head = DeviceFileReader::readHead(sPath, DeviceFileReader::LINE_LIMIT, &pResult->headBytes);
    });
    if (bDone)
        *pOutcome = *pResult;
    return bDone;
}
} // namespace

void TestDeviceFileReader::hostileEntries_data()
{
    QTest::addColumn<int>("kind"); // a DriveTree::Hostile, or -1 for a plain small file
    QTest::addColumn<DeviceFileReader::Result>("whole");
    QTest::addColumn<DeviceFileReader::Result>("head");
    QTest::addColumn<int>("headSize");
    QTest::newRow("plain file") << -1 << DeviceFileReader::READ_OK << DeviceFileReader::READ_OK << 5;
    QTest::newRow("fifo") << int(DriveTree::HOSTILE_FIFO) << DeviceFileReader::READ_NOT_REGULAR
                          << DeviceFileReader::READ_NOT_REGULAR << 0;
    QTest::newRow("link to /dev/zero")
        << int(DriveTree::HOSTILE_ZERO_LINK) << DeviceFileReader::READ_NOT_REGULAR
        << DeviceFileReader::READ_NOT_REGULAR << 0;
    QTest::newRow("folder") << int(DriveTree::HOSTILE_FOLDER) << DeviceFileReader::READ_NOT_REGULAR
                            << DeviceFileReader::READ_NOT_REGULAR << 0;
    // The whole file is refused unread; its head is cut at the bound.
    QTest::newRow("200 MB sparse file") << int(DriveTree::HOSTILE_HUGE) << DeviceFileReader::READ_TOO_LARGE
                                        << DeviceFileReader::READ_OK << int(DeviceFileReader::LINE_LIMIT);
}

void TestDeviceFileReader::hostileEntries()
{
    QFETCH(int, kind);
    QFETCH(DeviceFileReader::Result, whole);
    QFETCH(DeviceFileReader::Result, head);
    QFETCH(int, headSize);
    DriveTree tree;
    if (kind < 0)
        QVERIFY(tree.writeFile("KORVO/version.app", "1;2;\n"));
    else
        QVERIFY(tree.plantHostile("KORVO/version.app", DriveTree::Hostile(kind)));
    Outcome outcome;
    QVERIFY2(readBoth(tree.root() + "KORVO/version.app", &outcome), "a read did not return");
    QCOMPARE(outcome.whole, whole);
    QCOMPARE(outcome.head, head);
    QCOMPARE(outcome.headBytes.size(), headSize);
    // Nothing is handed out for a refused read, and never more than the bound.
    QCOMPARE(outcome.wholeBytes.size(), whole == DeviceFileReader::READ_OK ? headSize : 0);
    QVERIFY(outcome.wholeBytes.size() <= DeviceFileReader::XML_LIMIT);
    QCOMPARE(DeviceFileReader::isRegularFile(tree.root() + "KORVO/version.app"),
             kind < 0 || kind == DriveTree::HOSTILE_HUGE);
}

void TestDeviceFileReader::wholeFileBound_data()
{
    QTest::addColumn<int>("size");
    QTest::addColumn<DeviceFileReader::Result>("result");
    QTest::newRow("empty") << 0 << DeviceFileReader::READ_OK;
    QTest::newRow("at the bound") << int(DeviceFileReader::XML_LIMIT) << DeviceFileReader::READ_OK;
    QTest::newRow("one byte over") << int(DeviceFileReader::XML_LIMIT) + 1
                                   << DeviceFileReader::READ_TOO_LARGE;
}

void TestDeviceFileReader::wholeFileBound()
{
    QFETCH(int, size);
    QFETCH(DeviceFileReader::Result, result);
    DriveTree tree;
    const QByteArray content(size, 'x');
    QVERIFY(tree.writeFile("device.xml", content));
    QByteArray bytes = "stale";
    QCOMPARE(DeviceFileReader::readFile(tree.root() + "device.xml", DeviceFileReader::XML_LIMIT, &bytes),
             result);
    QCOMPARE(bytes, result == DeviceFileReader::READ_OK ? content : QByteArray());
    QCOMPARE(DeviceFileReader::readFile(tree.root() + "nothing.xml", DeviceFileReader::XML_LIMIT, &bytes),
             DeviceFileReader::READ_MISSING);
}

void TestDeviceFileReader::fifoWithAWriterIsRefused()
{
    // A writer that never stops must not make the pipe readable either.
    DriveTree tree;
    QVERIFY(tree.plantHostile("device.xml", DriveTree::HOSTILE_FIFO));
    const QString sPath = tree.root() + "device.xml";
    const int nReader = ::open(QFile::encodeName(sPath).constData(), O_RDONLY | O_NONBLOCK);
    QVERIFY(nReader >= 0);
    const int nWriter = ::open(QFile::encodeName(sPath).constData(), O_WRONLY | O_NONBLOCK);
    QVERIFY(nWriter >= 0);
    QCOMPARE(::write(nWriter, "<device/>", 9), ssize_t(9));
    Outcome outcome;
    QVERIFY2(readBoth(sPath, &outcome), "a read did not return");
    QCOMPARE(outcome.whole, DeviceFileReader::READ_NOT_REGULAR);
    QCOMPARE(outcome.head, DeviceFileReader::READ_NOT_REGULAR);
    ::close(nWriter);
    ::close(nReader);
}

void TestDeviceFileReader::drivePath_data()
{
    QTest::addColumn<QString>("relative");
    QTest::addColumn<QString>("expected"); // below the root; "-" for ""
    QTest::newRow("other case") << "korvo/VERSION.APP"
                                << "KORVO/version.app";
    QTest::newRow("missing keeps spelling") << "KORVO/version.bm"
                                            << "KORVO/version.bm";
    QTest::newRow("link on the drive") << "inside.app"
                                       << "inside.app";
    QTest::newRow("link off the drive") << "outside.app"
                                        << "-";
    // "<root>2" begins like the root: only the root's own "/" tells it apart.
    QTest::newRow("link beside the drive") << "sibling.app"
                                           << "-";
    QTest::newRow("parent folder") << "../device.xml"
                                   << "-";
    QTest::newRow("absolute") << "/etc/passwd"
                              << "-";
}

void TestDeviceFileReader::drivePath()
{
    QFETCH(QString, relative);
    QFETCH(QString, expected);
    DriveTree tree;
    QVERIFY(tree.writeFile("KORVO/version.app", "1\n"));
    QVERIFY(QFile::link(tree.root() + "KORVO/version.app", tree.root() + "inside.app"));
    QTemporaryDir elsewhere;
    QVERIFY(TestFolders::writeFile(elsewhere.path() + "/secret", "x"));
    QVERIFY(QFile::link(elsewhere.path() + "/secret", tree.root() + "outside.app"));
    const QString sSibling = tree.root().left(tree.root().size() - 1) + "2";
    QVERIFY(TestFolders::writeFile(sSibling + "/secret", "x"));
    QVERIFY(QFile::link(sSibling + "/secret", tree.root() + "sibling.app"));
    const QString sPath = DeviceFileReader::drivePath(tree.root(), relative);
    QDir(sSibling).removeRecursively();
    QCOMPARE(sPath, expected == "-" ? QString() : tree.root() + expected);
    QByteArray bytes;
    if (expected == "-")
        QCOMPARE(DeviceFileReader::readFile(sPath, DeviceFileReader::XML_LIMIT, &bytes),
                 DeviceFileReader::READ_MISSING);
}

QTEST_GUILESS_MAIN(TestDeviceFileReader)
#include "tst_devicefilereader.moc"
