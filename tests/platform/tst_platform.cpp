#include "platform/ArchiveTool.h"
#include "platform/Autostart.h"
#include "platform/Clock.h"
#include "platform/DeviceNotices.h"
#include "platform/InstallerLauncher.h"
#include "platform/LinuxAutostart.h"
#include "platform/LinuxDeviceNotices.h"
#include "platform/LinuxInstallerLauncher.h"
#include "platform/LinuxSingleInstance.h"
#include "platform/LinuxUrlLauncher.h"
#include "platform/LinuxVolumeInfo.h"
#include "platform/Platform.h"
#include "platform/QtSerialPorts.h"
#include "platform/SystemClock.h"
#include "support/FakeAutostart.h"
#include "support/FakeClock.h"
#include "support/FakeDeviceNotices.h"
#include "support/FakeInstallerLauncher.h"
#include "support/FakeSerialLink.h"
#include "support/FakeSerialPorts.h"
#include "support/FakeUrlLauncher.h"
#include "support/FakeVolumeInfo.h"

#include <QTemporaryDir>
#include <QtTest>

// The registry: the Linux implementations unless an override stands in, and each override's end brings
// back exactly what it replaced.
class TestPlatform : public QObject
{
    Q_OBJECT

private slots:
    void linuxByDefault();
    void overrideLastsItsScope();
    void overridesNest();
    void endRestoresOnlyWhatItReplaced();
    void archiveProgram();
    void factoriesMakeTheInstalledKind();
};

void TestPlatform::linuxByDefault()
{
    QVERIFY(dynamic_cast<LinuxVolumeInfo*>(&Platform::volumes()));
    QVERIFY(dynamic_cast<QtSerialPorts*>(&Platform::serialPorts()));
    QVERIFY(Platform::serialLinks());
    QVERIFY(dynamic_cast<LinuxAutostart*>(&Platform::autostart()));
    QVERIFY(dynamic_cast<LinuxInstallerLauncher*>(&Platform::installerLauncher()));
    QVERIFY(dynamic_cast<LinuxUrlLauncher*>(&Platform::urlLauncher()));
    QVERIFY(dynamic_cast<SystemClock*>(&Platform::clock()));
    std::unique_ptr<DeviceNotices> pNotices = Platform::makeDeviceNotices();
    QVERIFY(dynamic_cast<LinuxDeviceNotices*>(pNotices.get()));
    QTemporaryDir lockDir;
    std::unique_ptr<SingleInstance> pLock = Platform::makeSingleInstance(lockDir.path());
    auto* pLinuxLock = dynamic_cast<LinuxSingleInstance*>(pLock.get());
    QVERIFY(pLinuxLock);
    QCOMPARE(pLinuxLock->lockPath(), lockDir.path() + "/WendoAgent.lock");
}

void TestPlatform::overrideLastsItsScope()
{
    FakeVolumeInfo volumes;
    FakeSerialPorts ports;
    FakeAutostart autostart;
    FakeInstallerLauncher launcher;
    FakeUrlLauncher browser;
    FakeClock clock;
    {
        PlatformOverride platform;
        platform.setVolumes(&volumes);
        platform.setSerialPorts(&ports);
        platform.setAutostart(&autostart);
        platform.setInstallerLauncher(&launcher);
        platform.setUrlLauncher(&browser);
        platform.setClock(&clock);
        QCOMPARE(&Platform::volumes(), &volumes);
        QCOMPARE(&Platform::serialPorts(), &ports);
        QCOMPARE(&Platform::autostart(), &autostart);
        QCOMPARE(&Platform::installerLauncher(), &launcher);
        QCOMPARE(&Platform::urlLauncher(), static_cast<UrlLauncher*>(&browser));
        QCOMPARE(&Platform::clock(), &clock);
    }
    QVERIFY(dynamic_cast<LinuxVolumeInfo*>(&Platform::volumes()));
    QVERIFY(dynamic_cast<QtSerialPorts*>(&Platform::serialPorts()));
    QVERIFY(dynamic_cast<LinuxAutostart*>(&Platform::autostart()));
    QVERIFY(dynamic_cast<LinuxInstallerLauncher*>(&Platform::installerLauncher()));
    QVERIFY(dynamic_cast<LinuxUrlLauncher*>(&Platform::urlLauncher()));
    QVERIFY(dynamic_cast<SystemClock*>(&Platform::clock()));
}

void TestPlatform::overridesNest()
{
    FakeClock outerClock;
    FakeClock innerClock;
    outerClock.setToday(QDate(2030, 1, 2));
    innerClock.setToday(QDate(2031, 3, 4));
    PlatformOverride outer;
    outer.setClock(&outerClock);
    {
        PlatformOverride inner;
        inner.setClock(&innerClock);
        inner.setClock(&outerClock); // a second replacement still ends in what was there before the first
        inner.setClock(&innerClock);
        QCOMPARE(Platform::clock().today(), QDate(2031, 3, 4));
    }
    QCOMPARE(Platform::clock().today(), QDate(2030, 1, 2));
}

void TestPlatform::endRestoresOnlyWhatItReplaced()
{
    // A fixture that lives as long as the process installs its devices after a shorter-lived override
    // began: that override's end must leave the devices in place.
    FakeAutostart autostart;
    FakeVolumeInfo volumes;
    auto pShort = std::make_unique<PlatformOverride>();
    pShort->setAutostart(&autostart);
    PlatformOverride longLived;
    longLived.setVolumes(&volumes);
    pShort.reset();
    QCOMPARE(&Platform::volumes(), &volumes);
    QVERIFY(dynamic_cast<LinuxAutostart*>(&Platform::autostart()));
}

void TestPlatform::archiveProgram()
{
    QTemporaryDir programDir;
    QFile beside(programDir.filePath("7z"));
    QVERIFY(beside.open(QIODevice::WriteOnly));
    beside.write("#!/bin/sh\n");
    beside.close();
    QVERIFY(beside.setPermissions(beside.permissions() | QFileDevice::ExeOwner));
    QCOMPARE(Platform::archiveProgram(programDir.path()), programDir.filePath("7z"));
    {
        PlatformOverride platform;
        platform.setArchiveProgram("/opt/fake/7z");
        QCOMPARE(Platform::archiveProgram(programDir.path()), QString("/opt/fake/7z"));
        platform.setArchiveProgram(QString()); // empty: the lookup again
        QCOMPARE(Platform::archiveProgram(programDir.path()), programDir.filePath("7z"));
    }
    QCOMPARE(Platform::archiveProgram(programDir.path()), ArchiveTool::findProgram(programDir.path()));
}

void TestPlatform::factoriesMakeTheInstalledKind()
{
    auto pScript = std::make_shared<FakeSerialLink::Script>();
    PlatformOverride platform;
    platform.setSerialLinks(FakeSerialLink::factory(pScript));
    platform.setDeviceNotices([] { return std::make_unique<FakeDeviceNotices>(); });
    std::unique_ptr<SerialLink> pLink = Platform::serialLinks()("/dev/ttyACM0");
    QVERIFY(dynamic_cast<FakeSerialLink*>(pLink.get()));
    QVERIFY(pLink->open());
    QCOMPARE(pScript->nOpens, 1);
    std::unique_ptr<DeviceNotices> pNotices = Platform::makeDeviceNotices();
    QVERIFY(dynamic_cast<FakeDeviceNotices*>(pNotices.get()));
    QString sLockDir;
    platform.setSingleInstance([&sLockDir](const QString& sDir) {
        sLockDir = sDir;
        return std::unique_ptr<SingleInstance>();
    });
    QVERIFY(!Platform::makeSingleInstance("/run/test-lock"));
    QCOMPARE(sLockDir, QString("/run/test-lock"));
}

QTEST_GUILESS_MAIN(TestPlatform)
#include "tst_platform.moc"
