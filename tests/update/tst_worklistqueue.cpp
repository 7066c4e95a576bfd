#include "core/WorkFile.h"
#include "support/TestFolders.h"
#include "update/WorkListQueue.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

using Rows = QList<WorkFile::Row>;

// A work list taken off row by row: after each step every reader of the list sees exactly the rows still
// to do, while each step writes only the row it removes.
class TestWorkListQueue : public QObject
{
    Q_OBJECT

private slots:
    void takesRowsInPlace();
    void listRewrittenMeanwhile();
    void missingList();

private:
    QTemporaryDir m_dir;
};

void TestWorkListQueue::takesRowsInPlace()
{
    const QString sPath = m_dir.filePath("map.script");
    const Rows rows = {
        {"BugFixMapUpdate", "Zürich;Nord", "1"}, {"history", "2", ""}, {"AdditionalMaps", "3"}};
    QVERIFY(WorkFile::writeRows(sPath, rows));
    const qint64 nSize = QFileInfo(sPath).size();
    WorkListQueue queue;
    QVERIFY(queue.load(sPath));
    QCOMPARE(queue.remaining(), rows);
    QVERIFY(queue.takeFirst());
    // The file keeps its size: the row's line was blanked where it stood, nothing else was written.
    QCOMPARE(QFileInfo(sPath).size(), nSize);
    Rows onDisk;
    QVERIFY(WorkFile::readRows(sPath, &onDisk));
    QCOMPARE(onDisk, rows.mid(1));
    QCOMPARE(queue.first(), rows.at(1));
    // A fresh reader (the next install after a crash) starts where this one stopped.
    WorkListQueue again;
    QVERIFY(again.load(sPath));
    QCOMPARE(again.remaining(), rows.mid(1));
    QVERIFY(queue.takeFirst());
    QVERIFY(queue.takeFirst());
    QVERIFY(queue.isEmpty());
    QVERIFY(!queue.takeFirst());
    // The emptied list is an empty file, not a file of blank lines.
    QCOMPARE(QFileInfo(sPath).size(), qint64(0));
}

void TestWorkListQueue::listRewrittenMeanwhile()
{
    const QString sPath = m_dir.filePath("DevDownload.script");
    const Rows rows = {{"APPLICATION", "a"}, {"IMAGE", "b"}};
    QVERIFY(WorkFile::writeRows(sPath, rows));
    WorkListQueue queue;
    QVERIFY(queue.load(sPath));
    // Someone else rewrote the list: the row is not where it was read, so nothing is blanked there.
    QVERIFY(WorkFile::writeRows(sPath, {{"X"}, {"APPLICATION", "a"}, {"IMAGE", "b"}}));
    QVERIFY(queue.takeFirst());
    Rows onDisk;
    QVERIFY(WorkFile::readRows(sPath, &onDisk));
    QCOMPARE(onDisk, Rows{rows.at(1)});
    QCOMPARE(queue.remaining(), Rows{rows.at(1)});
    QVERIFY(queue.takeFirst());
    QVERIFY(WorkFile::readRows(sPath, &onDisk));
    QCOMPARE(onDisk, Rows());
}

void TestWorkListQueue::missingList()
{
    WorkListQueue queue;
    QVERIFY(queue.load(m_dir.filePath("none.script")));
    QVERIFY(queue.isEmpty());
    QVERIFY(!queue.takeFirst());
    QVERIFY(!QFile::exists(m_dir.filePath("none.script")));
    // A folder in the list's place cannot be read.
    QVERIFY(QDir().mkpath(m_dir.filePath("folder.script")));
    QVERIFY(!queue.load(m_dir.filePath("folder.script")));
}

QTEST_GUILESS_MAIN(TestWorkListQueue)
#include "tst_worklistqueue.moc"
