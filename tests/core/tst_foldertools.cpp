#include "core/FolderTools.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QtTest>

// A tree in a temp folder: "root" is the folder removals are allowed in; "outside" and "root2" (a
// sibling sharing root's name as a prefix) lie beside it and must survive.
class TestFolderTools : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void removesInside_data();
    void removesInside();
    void refusesAbove_data();
    void refusesAbove();
    void leavesLinksAndFiles();
    void emptyAndMissing();

private:
    bool writeFile(const QString& sRelative, const QByteArray& content);
    QString path(const QString& sRelative) const { return m_pDir->path() + "/" + sRelative; }

    QTemporaryDir* m_pDir = nullptr;
};

bool TestFolderTools::writeFile(const QString& sRelative, const QByteArray& content)
{
    const QString sPath = path(sRelative);
    QFile file(sPath);
    return QDir().mkpath(QFileInfo(sPath).path()) && file.open(QIODevice::WriteOnly) &&
           file.write(content) == content.size();
}

void TestFolderTools::init()
{
    m_pDir = new QTemporaryDir;
    QVERIFY(m_pDir->isValid());
    QVERIFY(writeFile("root/HDD/APP/.hidden", "h"));
    QVERIFY(writeFile("root/HDD/a.txt", "a"));
    QVERIFY(writeFile("outside/keep.txt", "keep"));
    QVERIFY(writeFile("root2/keep.txt", "keep"));
}

void TestFolderTools::cleanup()
{
    delete m_pDir;
    m_pDir = nullptr;
}

void TestFolderTools::removesInside_data()
{
    QTest::addColumn<QString>("target");
    QTest::addColumn<QString>("gone");
    QTest::addColumn<QString>("stays");
    QTest::newRow("a folder inside") << "root/HDD/APP"
                                     << "root/HDD/APP"
                                     << "root/HDD/a.txt";
    QTest::newRow("the root itself") << "root"
                                     << "root"
                                     << "outside/keep.txt";
    QTest::newRow("through a dot-dot that stays inside") << "root/HDD/APP/../APP"
                                                         << "root/HDD/APP"
                                                         << "root/HDD/a.txt";
}

void TestFolderTools::removesInside()
{
    QFETCH(QString, target);
    QFETCH(QString, gone);
    QFETCH(QString, stays);
    QVERIFY(FolderTools::removeInside(path(target), path("root")));
    QVERIFY(!QFileInfo::exists(path(gone)));
    QVERIFY(QFileInfo(path(stays)).isFile());
    QVERIFY(QFileInfo(path("root2/keep.txt")).isFile());
}

void TestFolderTools::refusesAbove_data()
{
    QTest::addColumn<QString>("target");
    QTest::newRow("the parent") << "";
    QTest::newRow("the parent through dot-dot") << "root/../";
    QTest::newRow("a sibling") << "outside";
    QTest::newRow("a sibling through dot-dot") << "root/HDD/../../outside";
    QTest::newRow("a sibling sharing the prefix") << "root2";
}

void TestFolderTools::refusesAbove()
{
    QFETCH(QString, target);
    QVERIFY(!FolderTools::removeInside(path(target), path("root")));
    QVERIFY(!FolderTools::isInside(path(target), path("root")));
    QVERIFY(QFileInfo(path("root/HDD/a.txt")).isFile());
    QVERIFY(QFileInfo(path("outside/keep.txt")).isFile());
    QVERIFY(QFileInfo(path("root2/keep.txt")).isFile());
}

void TestFolderTools::leavesLinksAndFiles()
{
    QVERIFY(QFile::link(path("outside"), path("root/link")));
    QVERIFY(!FolderTools::removeInside(path("root/link"), path("root")));
    QVERIFY(QFileInfo(path("root/link")).isSymLink());
    QVERIFY(QFileInfo(path("outside/keep.txt")).isFile());
    QVERIFY(!FolderTools::removeInside(path("root/HDD/a.txt"), path("root")));
    QVERIFY(QFileInfo(path("root/HDD/a.txt")).isFile());
}

void TestFolderTools::emptyAndMissing()
{
    QVERIFY(!FolderTools::removeInside(QString(), path("root")));
    QVERIFY(!FolderTools::removeInside(path("root/HDD"), QString()));
    QVERIFY(QFileInfo(path("root/HDD")).isDir());
    QVERIFY(FolderTools::removeInside(path("root/none"), path("root")));
}

QTEST_GUILESS_MAIN(TestFolderTools)
#include "tst_foldertools.moc"
