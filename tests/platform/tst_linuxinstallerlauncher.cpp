#include "platform/LinuxInstallerLauncher.h"
#include "support/DesktopHandlerStub.h"
#include "support/TestFolders.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

// Handing the agent's installer to the desktop: the Debian package is opened with the desktop's handler
// (xdg-open, else gio open), never run as a program and never made executable; what cannot be handed
// over says why.
class TestLinuxInstallerLauncher : public QObject
{
    Q_OBJECT

private slots:
    void suffix();
    void opensWithTheDesktopHandler_data();
    void opensWithTheDesktopHandler();
    void refusals_data();
    void refusals();

private:
    // An installer that would leave a mark if it were ever run as a program.
    static QString writeInstaller(const QTemporaryDir& dir, const QString& sName);
};

QString TestLinuxInstallerLauncher::writeInstaller(const QTemporaryDir& dir, const QString& sName)
{
    const QString sPath = dir.filePath(sName);
    const QByteArray script = "#!/bin/sh\ntouch '" + dir.filePath("ran").toUtf8() + "'\n";
    if (!TestFolders::writeFile(sPath, script))
        return QString();
    QFile::setPermissions(sPath, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    return sPath;
}

void TestLinuxInstallerLauncher::suffix()
{
    QCOMPARE(LinuxInstallerLauncher().installerSuffix(), QString(".deb"));
}

void TestLinuxInstallerLauncher::opensWithTheDesktopHandler_data()
{
    QTest::addColumn<QStringList>("handlers");
    QTest::addColumn<QString>("used");
    QTest::addColumn<QStringList>("args");
    QTest::newRow("xdg-open") << QStringList{"xdg-open", "gio"} << "xdg-open" << QStringList();
    QTest::newRow("gio without xdg-open") << QStringList{"gio"} << "gio" << QStringList{"open"};
}

void TestLinuxInstallerLauncher::opensWithTheDesktopHandler()
{
    QFETCH(QStringList, handlers);
    QFETCH(QString, used);
    QFETCH(QStringList, args);
    QTemporaryDir dir;
    const QString sInstaller = writeInstaller(dir, "WendoAgent 1.1.0.deb");
    QVERIFY(!sInstaller.isEmpty());
    DesktopHandlerStub stub(handlers, DesktopHandlerStub::ONLY_STUBS);
    QVERIFY(stub.isValid());
    LinuxInstallerLauncher launcher;
    QString sWhy = "untouched";
    QVERIFY(launcher.launch(sInstaller, &sWhy));
    QCOMPARE(sWhy, QString("untouched"));
    QVERIFY(stub.waitForCall(used, 20000));
    QCOMPARE(stub.calls(used), args << sInstaller);
    // Opened, not run: no permission was added and nothing of it ran.
    QVERIFY(!QFileInfo(sInstaller).isExecutable());
    QVERIFY(!QFile::exists(dir.filePath("ran")));
}

void TestLinuxInstallerLauncher::refusals_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("reason");
    QTest::newRow("missing") << "missing"
                             << "does not exist";
    QTest::newRow("folder") << "folder"
                            << "is not a regular file";
    QTest::newRow("link") << "link"
                          << "is a link";
    QTest::newRow("no handler") << "no handler"
                                << "no desktop handler";
}

void TestLinuxInstallerLauncher::refusals()
{
    QFETCH(QString, kind);
    QFETCH(QString, reason);
    QTemporaryDir dir;
    const QString sInstaller = dir.filePath("WendoAgent_1.1.0.deb");
    if (kind == "folder")
        QVERIFY(QDir().mkpath(sInstaller));
    else if (kind == "link")
        QVERIFY(QFile::link(writeInstaller(dir, "elsewhere.deb"), sInstaller));
    else if (kind == "no handler")
        QVERIFY(!writeInstaller(dir, "WendoAgent_1.1.0.deb").isEmpty());
    // Handlers that record any call, unless none is to be found.
    DesktopHandlerStub stub(kind == "no handler" ? QStringList() : QStringList{"xdg-open", "gio"},
                            DesktopHandlerStub::ONLY_STUBS);
    QVERIFY(stub.isValid());
    LinuxInstallerLauncher launcher;
    QString sWhy;
    QVERIFY(!launcher.launch(sInstaller, &sWhy));
    QVERIFY2(sWhy.contains(sInstaller) && sWhy.contains(reason), qUtf8Printable(sWhy));
    QCOMPARE(stub.calls("xdg-open"), QStringList());
    QVERIFY(!QFile::exists(dir.filePath("ran")));
}

QTEST_GUILESS_MAIN(TestLinuxInstallerLauncher)
#include "tst_linuxinstallerlauncher.moc"
