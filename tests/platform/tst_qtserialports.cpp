#include "platform/QtSerialPorts.h"
#include "support/SerialDeviceSim.h"
#include "support/TestFolders.h"

#include <QtTest>

class TestQtSerialPorts : public QObject
{
    Q_OBJECT

private slots:
    void extraPortsAreListedWithTheFamilysIds();
};

void TestQtSerialPorts::extraPortsAreListedWithTheFamilysIds()
{
    TestFolders folders;
    SerialDeviceSim sim;
    if (!sim.start())
        QSKIP("no pseudo-terminal available");
    QCOMPARE(QtSerialPorts::extraPorts("/dev/a::/dev/b"), QStringList({"/dev/a", "/dev/b"}));
    qputenv("WENDO_SERIAL_PORTS", (folders.dataPath("gone") + ":" + sim.portName()).toUtf8());
    const QList<SerialPortEntry> entries = QtSerialPorts().ports();
    qunsetenv("WENDO_SERIAL_PORTS");
    QList<SerialPortEntry> lstExtra;
    for (const SerialPortEntry& entry : entries) {
        if (entry.sName == sim.portName() || entry.sName == folders.dataPath("gone"))
            lstExtra.append(entry);
    }
    QCOMPARE(lstExtra.size(), 1); // only the port that exists
    QCOMPARE(lstExtra.at(0).sName, sim.portName());
    QVERIFY(lstExtra.at(0).bHasIds);
    QCOMPARE(lstExtra.at(0).nVendorId, quint16(0x0483));
    QCOMPARE(lstExtra.at(0).nProductId, quint16(0x5740));
}

QTEST_GUILESS_MAIN(TestQtSerialPorts)
#include "tst_qtserialports.moc"
