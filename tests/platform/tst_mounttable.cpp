#include "platform/MountTable.h"

#include <QtTest>

class TestMountTable : public QObject
{
    Q_OBJECT

private slots:
    void parsesFieldsAndEscapes();
    void skipsMalformedLines();
    void isVolume_data();
    void isVolume();
    void rootsAreSortedOnceAndTopmost();
    void labelDevice_data();
    void labelDevice();
    void keepBelow_data();
    void keepBelow();
};

namespace
{
MountEntry entry(const QString& sMountPoint, const QString& sType, const QString& sSource = "/dev/sdb1",
                 const QString& sFsRoot = "/")
{
    return MountEntry{sFsRoot, sMountPoint, sType, sSource};
}
} // namespace

void TestMountTable::parsesFieldsAndEscapes()
{
    const QByteArray text =
        "28 1 254:0 / / rw,relatime - ext4 /dev/vda rw\n"
        "46 28 8:17 / /media/u/ZEQ\\040SYSTEM rw,nosuid shared:7 master:1 - vfat /dev/sdb1 rw\n"
        "47 28 8:18 /sub /mnt/bind rw - ext4 /dev/sdc1 rw\n";
    const QList<MountEntry> entries = MountTable::parse(text);
    QCOMPARE(entries.size(), 3);
    QCOMPARE(entries.at(1).sMountPoint, QString("/media/u/ZEQ SYSTEM"));
    QCOMPARE(entries.at(1).sFsType, QString("vfat"));
    QCOMPARE(entries.at(1).sSource, QString("/dev/sdb1"));
    QCOMPARE(entries.at(1).sFsRoot, QString("/"));
    QCOMPARE(entries.at(2).sFsRoot, QString("/sub"));
}

void TestMountTable::skipsMalformedLines()
{
    const QByteArray text =
        "garbage\n\n46 28 8:17 / /media/a rw - vfat\n47 28 8:17 / relative rw - vfat /dev/x rw\n";
    QVERIFY(MountTable::parse(text).isEmpty());
}

void TestMountTable::isVolume_data()
{
    QTest::addColumn<QString>("mountPoint");
    QTest::addColumn<QString>("type");
    QTest::addColumn<bool>("volume");
    QTest::newRow("usb stick") << "/media/user/ZEQ_SYSTEM"
                               << "vfat" << true;
    QTest::newRow("desktop automount") << "/run/media/user/ZEQ_DATA"
                                       << "vfat" << true;
    QTest::newRow("loop image in tmp") << "/tmp/xyz"
                                       << "ext4" << true;
    QTest::newRow("mnt") << "/mnt"
                         << "ext4" << true;
    QTest::newRow("system root") << "/"
                                 << "ext4" << false;
    QTest::newRow("boot") << "/boot/efi"
                          << "vfat" << false;
    QTest::newRow("run") << "/run/user/1000"
                         << "ext4" << false;
    QTest::newRow("proc") << "/proc"
                          << "proc" << false;
    QTest::newRow("sys below") << "/sys/fs/cgroup"
                               << "cgroup2" << false;
    QTest::newRow("dev shm") << "/dev/shm"
                             << "tmpfs" << false;
    QTest::newRow("tmpfs anywhere") << "/mnt/ram"
                                    << "tmpfs" << false;
    QTest::newRow("snap") << "/snap/core/1"
                          << "squashfs" << false;
    QTest::newRow("squashfs elsewhere") << "/opt/img"
                                        << "squashfs" << false;
    QTest::newRow("container file") << "/etc/hosts"
                                    << "ext4" << false;
    QTest::newRow("similar prefix") << "/devices"
                                    << "ext4" << true;
}

void TestMountTable::isVolume()
{
    QFETCH(QString, mountPoint);
    QFETCH(QString, type);
    QFETCH(bool, volume);
    QCOMPARE(MountTable::isVolume(entry(mountPoint, type)), volume);
}

void TestMountTable::rootsAreSortedOnceAndTopmost()
{
    const QList<MountEntry> entries = {entry("/", "ext4"),         entry("/media/b", "vfat"),
                                       entry("/media/a", "vfat"),  entry("/media/c", "vfat"),
                                       entry("/media/c", "tmpfs"), entry("/media/b", "vfat"),
                                       entry("/proc", "proc")};
    // /media/c is now hidden below a tmpfs mounted over it; /media/b was mounted twice.
    QCOMPARE(MountTable::volumeRoots(entries), QStringList({"/media/a/", "/media/b/"}));
}

void TestMountTable::labelDevice_data()
{
    QTest::addColumn<QString>("source");
    QTest::addColumn<QString>("fsRoot");
    QTest::addColumn<QString>("device");
    QTest::newRow("whole volume") << "/dev/sdb1"
                                  << "/"
                                  << "/dev/sdb1";
    QTest::newRow("bind mount of a folder") << "/dev/sdb1"
                                            << "/sub"
                                            << "";
    QTest::newRow("no device") << "server:/share"
                               << "/"
                               << "";
}

void TestMountTable::labelDevice()
{
    QFETCH(QString, source);
    QFETCH(QString, fsRoot);
    QFETCH(QString, device);
    QCOMPARE(MountTable::labelDevice(entry("/media/x", "vfat", source, fsRoot)), device);
}

void TestMountTable::keepBelow_data()
{
    QTest::addColumn<QStringList>("places");
    QTest::addColumn<QStringList>("kept");
    const QStringList all = {"/mnt/stray", "/tmp/t-1/drive", "/tmp/t-1/drive/inner", "/tmp/t-10", "/tmp/t-2"};
    QTest::newRow("no places: every mount") << QStringList() << all;
    QTest::newRow("the place and below it, not its namesakes")
        << QStringList{"/tmp/t-1"} << QStringList{"/tmp/t-1/drive", "/tmp/t-1/drive/inner"};
    QTest::newRow("a mount point itself, trailing slash")
        << QStringList{"/tmp/t-10/", "/tmp/t-2"} << QStringList{"/tmp/t-10", "/tmp/t-2"};
    QTest::newRow("nothing mounted there") << QStringList{"/srv"} << QStringList();
}

// A test that mounts drives of its own sees those alone, whatever else the machine has mounted.
void TestMountTable::keepBelow()
{
    QFETCH(QStringList, places);
    QFETCH(QStringList, kept);
    QList<MountEntry> entries;
    for (const char* szPoint :
         {"/mnt/stray", "/tmp/t-1/drive", "/tmp/t-1/drive/inner", "/tmp/t-10", "/tmp/t-2"})
        entries.append(entry(QString::fromLatin1(szPoint), "ext4"));
    QStringList points;
    for (const MountEntry& e : MountTable::keepBelow(entries, places))
        points.append(e.sMountPoint);
    QCOMPARE(points, kept);
}

QTEST_GUILESS_MAIN(TestMountTable)
#include "tst_mounttable.moc"
