#include "platform/LinuxInstallerLauncher.h"
#include "support/TestFolders.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

// Starting a downloaded installer: it runs on its own, in its folder, also when the download left it
// without the execute permission; what cannot be started says why.
class TestLinuxInstallerLauncher : public QObject
{
    Q_OBJECT

private slots:
    void startsDetachedInItsFolder();
    void refusals_data();
    void refusals();

private:
    static bool writeFile(const QString& sPath, const QByteArray& content, QFileDevice::Permissions extra);
};

bool TestLinuxInstallerLauncher::writeFile(const QString& sPath, const QByteArray& content,
                                           QFileDevice::Permissions extra)
{
    QFile file(sPath);
    if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size())
        return false;
    file.close();
    return file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner | extra);
}

void TestLinuxInstallerLauncher::startsDetachedInItsFolder()
{
    QTemporaryDir dir;
    const QString sPackage = dir.filePath("Agent Setup 2.1.run");
    const QString sMarker = dir.filePath("ran");
    // The installer writes where it ran and how many arguments it got, once it is done.
    QVERIFY(writeFile(sPackage,
                      "#!/bin/sh\n"
                      "pwd > \"$0.tmp\"\n"
                      "echo $# >> \"$0.tmp\"\n"
                      "mv \"$0.tmp\" \"" +
                          sMarker.toUtf8() + "\"\n",
                      {}));
    LinuxInstallerLauncher launcher;
    QString sWhy = "untouched";
    QVERIFY(launcher.launch(sPackage, &sWhy));
    QCOMPARE(sWhy, QString("untouched"));
    QVERIFY(QFileInfo(sPackage).isExecutable());
    QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(sMarker), 20000);
    QCOMPARE(TestFolders::readFile(sMarker), QDir(dir.path()).canonicalPath().toUtf8() + "\n0\n");
}

void TestLinuxInstallerLauncher::refusals_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("reason");
    QTest::newRow("missing") << "missing"
                             << "does not exist";
    QTest::newRow("folder") << "folder"
                            << "is not a regular file";
    QTest::newRow("not a program") << "garbage"
                                   << "cannot be started";
}

void TestLinuxInstallerLauncher::refusals()
{
    QFETCH(QString, kind);
    QFETCH(QString, reason);
    QTemporaryDir dir;
    const QString sPackage = dir.filePath("AgentSetup_2_1.run");
    if (kind == "folder")
        QVERIFY(QDir().mkpath(sPackage));
    else if (kind == "garbage")
        QVERIFY(writeFile(sPackage, QByteArray(64, '\x01'), QFileDevice::ExeOwner));
    LinuxInstallerLauncher launcher;
    QString sWhy;
    QVERIFY(!launcher.launch(sPackage, &sWhy));
    QVERIFY2(sWhy.contains(sPackage) && sWhy.contains(reason), qUtf8Printable(sWhy));
}

QTEST_GUILESS_MAIN(TestLinuxInstallerLauncher)
#include "tst_linuxinstallerlauncher.moc"
