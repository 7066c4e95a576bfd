#include "platform/NoFollowFile.h"
#include "support/SmallVolume.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/stat.h>

// The writers of the agent's own files, on real files, links, FIFOs and full file systems: whatever stands
// under a name is replaced or refused, never written through, and a full disk says so.
class TestNoFollowFile : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void replaceTakesTheNameItself_data();
    void replaceTakesTheNameItself();
    void replaceKeepsTheModeOfAFile();
    void createNewTakesTheNameItself_data();
    void createNewTakesTheNameItself();
    void openExistingOpensOnlyAFile_data();
    void openExistingOpensOnlyAFile();
    void openAppendKeepsOnlyAFile_data();
    void openAppendKeepsOnlyAFile();
    void fullDiskIsToldAsSuch();

private:
    // What stands under sPath before the write: "nothing", "file", "link" (to a file elsewhere),
    // "dangling" (a link to no file yet), "fifo" or "folder".
    void place(const QString& sWhat, const QString& sPath);
    static QByteArray read(const QString& sPath);
    static int modeOf(const QString& sPath);
    QString path(const QString& sName) const { return m_pDir->path() + "/" + sName; }
    QString target() const { return m_pElsewhere->path() + "/target"; }

    QScopedPointer<QTemporaryDir> m_pDir;
    QScopedPointer<QTemporaryDir> m_pElsewhere;
};

namespace
{
const QByteArray FOREIGN = "another's file\n";
} // namespace

void TestNoFollowFile::initTestCase()
{
    ::umask(022); // the usual mode of a new file is then 0644
}

void TestNoFollowFile::init()
{
    m_pDir.reset(new QTemporaryDir);
    m_pElsewhere.reset(new QTemporaryDir);
}

void TestNoFollowFile::cleanup()
{
    // What is elsewhere is as it was: the target of a link is never changed or created.
    const QStringList lstThere =
        QDir(m_pElsewhere->path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
    if (QFileInfo::exists(target()))
        QCOMPARE(read(target()), FOREIGN);
    QVERIFY(lstThere.isEmpty() || lstThere == QStringList{"target"});
    m_pDir.reset();
    m_pElsewhere.reset();
}

void TestNoFollowFile::place(const QString& sWhat, const QString& sPath)
{
    if (sWhat == "file" || sWhat == "link") {
        QFile file(sWhat == "file" ? sPath : target());
        QVERIFY(file.open(QIODevice::WriteOnly));
        QCOMPARE(file.write(FOREIGN), qint64(FOREIGN.size()));
    }
    if (sWhat == "file")
        QVERIFY(QFile::setPermissions(sPath, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup));
    if (sWhat == "link" || sWhat == "dangling")
        QVERIFY(QFile::link(target(), sPath));
    if (sWhat == "fifo")
        QCOMPARE(::mkfifo(QFile::encodeName(sPath).constData(), 0600), 0);
    if (sWhat == "folder")
        QVERIFY(QDir().mkpath(sPath + "/inside"));
}

QByteArray TestNoFollowFile::read(const QString& sPath)
{
    QFile file(sPath);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

int TestNoFollowFile::modeOf(const QString& sPath)
{
    struct stat info;
    return ::lstat(QFile::encodeName(sPath).constData(), &info) == 0 ? int(info.st_mode & 07777) : -1;
}

void TestNoFollowFile::replaceTakesTheNameItself_data()
{
    QTest::addColumn<QString>("before");
    QTest::addColumn<int>("mode");
    QTest::addColumn<int>("expectedMode");
    QTest::addColumn<bool>("written");
    const int KEEP = NoFollowFile::KEEP_MODE;
    QTest::newRow("nothing") << "nothing" << KEEP << 0644 << true;
    QTest::newRow("a file: its mode") << "file" << KEEP << 0640 << true;
    QTest::newRow("a link: the usual mode") << "link" << KEEP << 0644 << true;
    QTest::newRow("a dangling link") << "dangling" << KEEP << 0644 << true;
    QTest::newRow("a link, private") << "link" << 0600 << 0600 << true;
    QTest::newRow("a FIFO") << "fifo" << KEEP << 0644 << true;
    QTest::newRow("a folder: refused") << "folder" << KEEP << 0 << false;
}

void TestNoFollowFile::replaceTakesTheNameItself()
{
    QFETCH(QString, before);
    QFETCH(int, mode);
    QFETCH(int, expectedMode);
    QFETCH(bool, written);
    const QString sPath = path("work.txt");
    place(before, sPath);
    const qint64 nTime = QDateTime(QDate(2026, 5, 4), QTime(3, 2, 1, 250)).toMSecsSinceEpoch();
    QString sError;
    const NoFollowFile::Result result = NoFollowFile::replace(sPath, "new\n", mode, nTime, &sError);
    if (!written) {
        QCOMPARE(result, NoFollowFile::FAILED);
        QVERIFY(QFileInfo(sPath + "/inside").isDir());
    } else {
        QVERIFY2(result == NoFollowFile::DONE, qPrintable(sError));
        QVERIFY(!QFileInfo(sPath).isSymLink());
        QVERIFY(QFileInfo(sPath).isFile());
        QCOMPARE(read(sPath), QByteArray("new\n"));
        QCOMPARE(modeOf(sPath), expectedMode);
        QCOMPARE(QFileInfo(sPath).lastModified().toMSecsSinceEpoch(), nTime);
    }
    // No temporary file is left beside it.
    const QStringList lstLeft = QDir(m_pDir->path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
    QCOMPARE(lstLeft, QStringList{"work.txt"});
}

void TestNoFollowFile::replaceKeepsTheModeOfAFile()
{
    const QString sPath = path("list.script");
    place("file", sPath);
    QVERIFY(QFile::setPermissions(sPath, QFile::ReadOwner | QFile::WriteOwner));
    QCOMPARE(NoFollowFile::replace(sPath, "a\n", NoFollowFile::KEEP_MODE, 0, nullptr), NoFollowFile::DONE);
    QCOMPARE(modeOf(sPath), 0600);
    // Private is private, whatever the old file allowed.
    QVERIFY(QFile::setPermissions(sPath, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadOther));
    QCOMPARE(NoFollowFile::replace(sPath, "b\n", 0600, 0, nullptr), NoFollowFile::DONE);
    QCOMPARE(modeOf(sPath), 0600);
}

void TestNoFollowFile::createNewTakesTheNameItself_data()
{
    QTest::addColumn<QString>("before");
    QTest::addColumn<bool>("created");
    QTest::newRow("nothing") << "nothing" << true;
    QTest::newRow("an old answer") << "file" << true;
    QTest::newRow("a link") << "link" << true;
    QTest::newRow("a dangling link") << "dangling" << true;
    QTest::newRow("a FIFO") << "fifo" << true;
    QTest::newRow("a folder: refused") << "folder" << false;
}

void TestNoFollowFile::createNewTakesTheNameItself()
{
    QFETCH(QString, before);
    QFETCH(bool, created);
    const QString sPath = path("answer.xml");
    place(before, sPath);
    QFile file;
    QString sError;
    const NoFollowFile::Result result =
        NoFollowFile::createNew(sPath, 0600, QIODevice::WriteOnly, &file, &sError);
    if (!created) {
        QCOMPARE(result, NoFollowFile::FAILED);
        QVERIFY(!file.isOpen());
        return;
    }
    QVERIFY2(result == NoFollowFile::DONE, qPrintable(sError));
    QCOMPARE(modeOf(sPath), 0600); // before the first byte
    QCOMPARE(file.write("<a/>"), qint64(4));
    file.close();
    QVERIFY(!QFileInfo(sPath).isSymLink());
    QCOMPARE(read(sPath), QByteArray("<a/>"));
}

void TestNoFollowFile::openExistingOpensOnlyAFile_data()
{
    QTest::addColumn<QString>("before");
    QTest::addColumn<bool>("opened");
    QTest::newRow("a file") << "file" << true;
    QTest::newRow("nothing") << "nothing" << false;
    QTest::newRow("a link to a file") << "link" << false;
    QTest::newRow("a dangling link") << "dangling" << false;
    QTest::newRow("a FIFO: refused at once") << "fifo" << false;
    QTest::newRow("a folder") << "folder" << false;
}

void TestNoFollowFile::openExistingOpensOnlyAFile()
{
    QFETCH(QString, before);
    QFETCH(bool, opened);
    const QString sPath = path("download.part");
    place(before, sPath);
    QFile file;
    const NoFollowFile::Result result =
        NoFollowFile::openExisting(sPath, QIODevice::ReadWrite, &file, nullptr);
    QCOMPARE(result == NoFollowFile::DONE, opened);
    QCOMPARE(file.isOpen(), opened);
    if (!opened)
        return;
    QCOMPARE(file.readAll(), FOREIGN);
    QCOMPARE(file.write("more"), qint64(4));
    file.close();
    QCOMPARE(read(sPath), FOREIGN + "more");
}

void TestNoFollowFile::openAppendKeepsOnlyAFile_data()
{
    QTest::addColumn<QString>("before");
    QTest::addColumn<QByteArray>("after");
    QTest::newRow("nothing") << "nothing" << QByteArray("line\n");
    QTest::newRow("the log") << "file" << FOREIGN + "line\n";
    QTest::newRow("a link") << "link" << QByteArray("line\n");
    QTest::newRow("a dangling link") << "dangling" << QByteArray("line\n");
    QTest::newRow("a FIFO") << "fifo" << QByteArray("line\n");
}

void TestNoFollowFile::openAppendKeepsOnlyAFile()
{
    QFETCH(QString, before);
    QFETCH(QByteArray, after);
    const QString sPath = path("agent.log");
    place(before, sPath);
    QFile file;
    QString sError;
    QVERIFY2(NoFollowFile::openAppend(sPath, 0600, &file, &sError) == NoFollowFile::DONE, qPrintable(sError));
    QCOMPARE(file.write("line\n"), qint64(5));
    file.close();
    QVERIFY(!QFileInfo(sPath).isSymLink());
    QCOMPARE(read(sPath), after);
    QCOMPARE(modeOf(sPath), 0600); // a wider log is narrowed
}

// A file system without room: each writer says NO_ROOM, and what stood there stays.
void TestNoFollowFile::fullDiskIsToldAsSuch()
{
    SmallVolume volume(SmallVolume::TMPFS);
    QString sWhy;
    if (!volume.mount(&sWhy))
        QSKIP(qPrintable("no volume can be mounted here: " + sWhy));
    const QString sPath = volume.path() + "/work.txt";
    QCOMPARE(NoFollowFile::replace(sPath, "old\n", NoFollowFile::KEEP_MODE, 0, nullptr), NoFollowFile::DONE);
    QVERIFY2(volume.fillLeaving(0, &sWhy), qPrintable(sWhy));

    QString sError;
    QCOMPARE(NoFollowFile::replace(sPath, QByteArray(8192, 'n'), NoFollowFile::KEEP_MODE, 0, &sError),
             NoFollowFile::NO_ROOM);
    QVERIFY(!sError.isEmpty());
    QCOMPARE(read(sPath), QByteArray("old\n"));
    const QStringList lstLeft = QDir(volume.path()).entryList(QDir::Files | QDir::NoDotAndDotDot);
    QCOMPARE(lstLeft, QStringList({"filler", "work.txt"}));

    QFile answer;
    QCOMPARE(
        NoFollowFile::createNew(volume.path() + "/answer.xml", 0600, QIODevice::WriteOnly, &answer, nullptr),
        NoFollowFile::DONE); // an empty file takes no block
    const QByteArray chunk(8192, 'a');
    QVERIFY(answer.write(chunk) != chunk.size() || !answer.flush());
    QVERIFY(NoFollowFile::isNoRoom(answer));
    answer.close();

    // A write the disk takes half of: cut short, with no cause from Qt, and still a full disk.
    QVERIFY(volume.makeRoom());
    QVERIFY2(volume.fillLeaving(1, &sWhy), qPrintable(sWhy));
    QFile download;
    QCOMPARE(NoFollowFile::createNew(volume.path() + "/download", NoFollowFile::KEEP_MODE,
                                     QIODevice::WriteOnly | QIODevice::Unbuffered, &download, nullptr),
             NoFollowFile::DONE);
    const QByteArray big(64 * 1024, 'd');
    QVERIFY(download.write(big) != big.size());
    QVERIFY(NoFollowFile::isNoRoom(download));
    download.close();
    QVERIFY(volume.makeRoom());
}

QTEST_GUILESS_MAIN(TestNoFollowFile)
#include "tst_nofollowfile.moc"
