#include "device/DevicePresence.h"

#include <QtTest>

// The presence decisions as a table: what a notice means, given which family is present where.
class TestDevicePresence : public QObject
{
    Q_OBJECT

private slots:
    void serial_data();
    void serial();
    void drive_data();
    void drive();
    void familiesAreIndependent_data();
    void familiesAreIndependent();
};

Q_DECLARE_METATYPE(DevicePresence::Action)

void TestDevicePresence::serial_data()
{
    QTest::addColumn<QString>("presentOn"); // "" = absent
    QTest::addColumn<QStringList>("ports");
    QTest::addColumn<DevicePresence::Action>("action");
    QTest::newRow("absent, nothing listed") << "" << QStringList{} << DevicePresence::ACTION_NOTHING;
    QTest::newRow("absent, port listed")
        << "" << QStringList{"/dev/ttyACM0"} << DevicePresence::ACTION_IDENTIFY;
    QTest::newRow("present, still listed")
        << "/dev/ttyACM0" << QStringList{"/dev/ttyACM0"} << DevicePresence::ACTION_NOTHING;
    QTest::newRow("present, second port appears")
        << "/dev/ttyACM0" << QStringList{"/dev/ttyACM0", "/dev/ttyACM1"} << DevicePresence::ACTION_NOTHING;
    QTest::newRow("present, listed second")
        << "/dev/ttyACM1" << QStringList{"/dev/ttyACM0", "/dev/ttyACM1"} << DevicePresence::ACTION_NOTHING;
    QTest::newRow("present, gone") << "/dev/ttyACM0" << QStringList{} << DevicePresence::ACTION_REMOVE;
    QTest::newRow("present, gone while another is listed")
        << "/dev/ttyACM0" << QStringList{"/dev/ttyACM1"} << DevicePresence::ACTION_REMOVE_AND_IDENTIFY;
}

void TestDevicePresence::serial()
{
    QFETCH(QString, presentOn);
    QFETCH(QStringList, ports);
    QFETCH(DevicePresence::Action, action);
    DevicePresence presence;
    if (!presentOn.isEmpty())
        presence.setSerialPresent(presentOn);
    QCOMPARE(presence.serialAction(ports), action);
}

void TestDevicePresence::drive_data()
{
    QTest::addColumn<QStringList>("drives"); // empty = absent
    QTest::addColumn<QString>("root");
    QTest::addColumn<bool>("arrival");
    QTest::addColumn<DevicePresence::Action>("action");
    const QStringList both = {"/media/sys/", "/media/data/"};
    QTest::newRow("absent, arrival") << QStringList{} << "/media/sys/" << true
                                     << DevicePresence::ACTION_IDENTIFY;
    QTest::newRow("absent, removal") << QStringList{} << "/media/sys/" << false
                                     << DevicePresence::ACTION_NOTHING;
    QTest::newRow("present, system drive goes")
        << both << "/media/sys/" << false << DevicePresence::ACTION_REMOVE;
    QTest::newRow("present, data drive goes")
        << both << "/media/data/" << false << DevicePresence::ACTION_REMOVE;
    QTest::newRow("present, other drive goes")
        << both << "/media/stick/" << false << DevicePresence::ACTION_NOTHING;
    QTest::newRow("present, recorded drive arrives again")
        << both << "/media/data/" << true << DevicePresence::ACTION_NOTHING;
    QTest::newRow("present, other drive arrives")
        << both << "/media/stick/" << true << DevicePresence::ACTION_NOTHING;
    QTest::newRow("present without data drive, system goes")
        << QStringList{"/media/sys/"} << "/media/sys/" << false << DevicePresence::ACTION_REMOVE;
}

void TestDevicePresence::drive()
{
    QFETCH(QStringList, drives);
    QFETCH(QString, root);
    QFETCH(bool, arrival);
    QFETCH(DevicePresence::Action, action);
    DevicePresence presence;
    if (!drives.isEmpty())
        presence.setDrivePresent(drives);
    QCOMPARE(presence.driveAction(root, arrival), action);
}

void TestDevicePresence::familiesAreIndependent_data()
{
    QTest::addColumn<bool>("serialPresent");
    QTest::addColumn<bool>("drivePresent");
    QTest::newRow("serial present") << true << false;
    QTest::newRow("drive present") << false << true;
    QTest::newRow("both present") << true << true;
}

void TestDevicePresence::familiesAreIndependent()
{
    QFETCH(bool, serialPresent);
    QFETCH(bool, drivePresent);
    DevicePresence presence;
    if (serialPresent)
        presence.setSerialPresent("/dev/ttyACM0");
    if (drivePresent)
        presence.setDrivePresent({"/media/sys/"});
    // A drive going away never removes the serial device, and the serial port's state never removes drives.
    QCOMPARE(presence.driveAction("/media/other/", false), DevicePresence::ACTION_NOTHING);
    QCOMPARE(presence.serialAction(serialPresent ? QStringList{"/dev/ttyACM0"} : QStringList{}),
             DevicePresence::ACTION_NOTHING);
    presence.setSerialAbsent();
    QCOMPARE(presence.drivePresent(), drivePresent);
    presence.setDriveAbsent();
    presence.setSerialPresent("/dev/ttyACM0");
    QVERIFY(presence.serialPresent());
    QCOMPARE(presence.driveAction("/media/sys/", false), DevicePresence::ACTION_NOTHING);
}

QTEST_GUILESS_MAIN(TestDevicePresence)
#include "tst_devicepresence.moc"
