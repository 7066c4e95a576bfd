#include "core/AgentFolders.h"
#include "platform/ArchiveTool.h"
#include "platform/Platform.h"
#include "support/FakeArchivePrograms.h"
#include "support/SystemTools.h"
#include "support/TestFolders.h"
#include "update/ArchiveSize.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

// How much an archive unpacks to, asked of the real 7-Zip (and of stand-ins that fail).
class TestArchiveSize : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void exactTotal();
    void failures_data();
    void failures();
    void noQueuedCallRunsMeanwhile();

private:
    QTemporaryDir m_root;
    QString m_sArchive;
    qint64 m_nTotal = 0;
    QScopedPointer<TestFolders> m_pFolders;
};

void TestArchiveSize::initTestCase()
{
    if (ArchiveTool::findProgram(QString()).isEmpty())
        QSKIP("no 7-Zip installed");
    const QString sSource = m_root.filePath("src");
    const QList<int> sizes = {0, 1, 4096, 123457, 1048576};
    QStringList lstMembers;
    for (int i = 0; i < sizes.size(); ++i) {
        const QString sFile = QString("%1/dir %2/file;%2.bin").arg(sSource).arg(i);
        QVERIFY(TestFolders::writeFile(sFile, QByteArray(sizes.at(i), char('a' + i))));
        m_nTotal += sizes.at(i);
    }
    m_sArchive = m_root.filePath("sizes.zip");
    QString sWhy;
    QVERIFY2(SystemTools::run(ArchiveTool::findProgram(QString()), {"a", "-tzip", m_sArchive, sSource + "/."},
                              &sWhy),
             qPrintable(sWhy));
}

void TestArchiveSize::init()
{
    m_pFolders.reset(new TestFolders);
    QVERIFY(QDir().mkpath(m_pFolders->tempDir()));
}

void TestArchiveSize::exactTotal()
{
    QCOMPARE(ArchiveSize::unpackedSize(m_sArchive), m_nTotal);
    // The listing runs without batch or listing files in the work folder.
    QCOMPARE(QDir(m_pFolders->tempDir()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
             QStringList());
}

void TestArchiveSize::failures_data()
{
    QTest::addColumn<QString>("archive");
    QTest::addColumn<QString>("program");
    QTest::newRow("missing archive") << "missing"
                                     << "";
    QTest::newRow("damaged archive") << "damaged"
                                     << "";
    QTest::newRow("no archive program") << "good"
                                        << "missing";
    QTest::newRow("program fails") << "good"
                                   << "failing";
    QTest::newRow("program crashes") << "good"
                                     << "crashing";
    QTest::newRow("whole listing, then the program fails") << "good"
                                                           << "then failing";
}

void TestArchiveSize::failures()
{
    QFETCH(QString, archive);
    QFETCH(QString, program);
    QString sArchive = m_sArchive;
    if (archive == "missing") {
        sArchive = m_root.filePath("no-such.zip");
    } else if (archive == "damaged") {
        sArchive = m_pFolders->dataPath("damaged.zip");
        QVERIFY(TestFolders::writeFile(sArchive, TestFolders::readFile(m_sArchive).left(300)));
    }
    FakeArchivePrograms fakes;
    PlatformOverride platform;
    if (program == "missing")
        platform.setArchiveProgram(fakes.missing());
    else if (program == "failing")
        platform.setArchiveProgram(fakes.failing(2));
    else if (program == "crashing")
        platform.setArchiveProgram(fakes.crashing());
    else if (program == "then failing")
        platform.setArchiveProgram(fakes.succeedingThenFailing(ArchiveTool::findProgram(QString())));
    QCOMPARE(ArchiveSize::unpackedSize(sArchive), qint64(-1));
}

// The caller's queued calls wait until the size is known: nothing it holds changes under it.
void TestArchiveSize::noQueuedCallRunsMeanwhile()
{
    bool bRan = false;
    QObject context;
    QMetaObject::invokeMethod(
        &context, [&bRan] { bRan = true; }, Qt::QueuedConnection);
    QTimer::singleShot(0, &context, [&bRan] { bRan = true; });
    QCOMPARE(ArchiveSize::unpackedSize(m_sArchive), m_nTotal);
    QVERIFY(!bRan);
    QTRY_VERIFY(bRan);
}

QTEST_GUILESS_MAIN(TestArchiveSize)
#include "tst_archivesize.moc"
