#include "platform/LinuxInstallerLauncher.h"
#include "support/DesktopHandlerStub.h"
#include "support/HandoffRecord.h"
#include "support/TestFolders.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

// Handing the agent's installer to the desktop: the Debian package is opened with the desktop's handler
// (xdg-open, else gio open), never run as a program and never made executable; what cannot be handed
// over says why, later, as a handover does.
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
    QTest::addColumn<int>("ending");
    QTest::addColumn<QString>("used");
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<bool>("taken");
    QTest::newRow("xdg-open") << QStringList{"xdg-open", "gio"} << int(DesktopHandlerStub::ENDS_WELL)
                              << "xdg-open" << QStringList() << true;
    QTest::newRow("gio without xdg-open")
        << QStringList{"gio"} << int(DesktopHandlerStub::ENDS_WELL) << "gio" << QStringList{"open"} << true;
    QTest::newRow("no program for Debian packages")
        << QStringList{"xdg-open", "gio"} << int(DesktopHandlerStub::FAILS) << "xdg-open" << QStringList()
        << false;
}

void TestLinuxInstallerLauncher::opensWithTheDesktopHandler()
{
    QFETCH(QStringList, handlers);
    QFETCH(int, ending);
    QFETCH(QString, used);
    QFETCH(QStringList, args);
    QFETCH(bool, taken);
    QTemporaryDir dir;
    const QString sInstaller = writeInstaller(dir, "WendoAgent 1.1.0.deb");
    QVERIFY(!sInstaller.isEmpty());
    DesktopHandlerStub stub(handlers, DesktopHandlerStub::ONLY_STUBS, DesktopHandlerStub::Ending(ending));
    QVERIFY(stub.isValid());
    LinuxInstallerLauncher launcher;
    HandoffRecord record;
    launcher.launch(sInstaller, record.watch(600000));
    QTRY_COMPARE_WITH_TIMEOUT(record.m_lstOutcomes.size(), 1, 60000);
    QCOMPARE(record.m_lstOutcomes.at(0).bHandedOver, taken);
    QVERIFY2(record.m_lstOutcomes.at(0).sWhat.contains(sInstaller),
             qUtf8Printable(record.m_lstOutcomes.at(0).sWhat));
    QCOMPARE(stub.calls(used), args << sInstaller);
    // Opened, not run: no permission was added and nothing of it ran.
    QVERIFY(!QFileInfo(sInstaller).isExecutable());
    QVERIFY(!QFile::exists(dir.filePath("ran")));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
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
    HandoffRecord record;
    launcher.launch(sInstaller, record.watch(600000));
    QVERIFY(record.m_lstOutcomes.isEmpty()); // a refusal, too, comes later
    QTRY_COMPARE_WITH_TIMEOUT(record.m_lstOutcomes.size(), 1, 60000);
    QCOMPARE(record.m_lstOutcomes.at(0).bHandedOver, false);
    const QString sWhy = record.m_lstOutcomes.at(0).sWhat;
    QVERIFY2(sWhy.contains(sInstaller) && sWhy.contains(reason), qUtf8Printable(sWhy));
    QCOMPARE(stub.calls("xdg-open"), QStringList());
    QVERIFY(!QFile::exists(dir.filePath("ran")));
}

QTEST_GUILESS_MAIN(TestLinuxInstallerLauncher)
#include "tst_linuxinstallerlauncher.moc"
