#include "device/ComDevice.h"
#include "platform/TermiosSerialLink.h"
#include "support/FakeSerialLink.h"
#include "support/SerialDeviceSim.h"
#include "support/TestFolders.h"

#include <QElapsedTimer>
#include <QtTest>

class TestComDevice : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void fixedFrames_data();
    void fixedFrames();
    void gettersSendTheirFrames();
    void identity();
    void splitReply();
    void mergedReplyIsCutAtItsLength();
    void stopsAtAnnouncedLength();
    void silenceFails();
    void lateFirstByteFails();
    void trailerAndCodeAreNotChecked();
    void malformedReplies_data();
    void malformedReplies();
    void textBounds();
    void heldPortFails();
    void unansweredRequestFails();

private:
    std::unique_ptr<TestFolders> m_pFolders;
    std::unique_ptr<SerialDeviceSim> m_pSim;
};

namespace
{
QByteArray hex(const char* szHex)
{
    return QByteArray::fromHex(szHex);
}

QString uuidOf(SerialDeviceSim& sim)
{
    ComDevice device(sim.portName());
    QString sValue = "untouched";
    device.getUuid(sValue);
    return sValue;
}

// The SKU id has no field of its own to bound it: only the frame's checks stand between a bad reply and
// its text.
QString skuOf(SerialDeviceSim& sim)
{
    ComDevice device(sim.portName());
    QString sValue = "untouched";
    device.getSkuId(sValue);
    return sValue;
}
} // namespace

void TestComDevice::init()
{
    m_pFolders = std::make_unique<TestFolders>();
    m_pSim = std::make_unique<SerialDeviceSim>();
    if (!m_pSim->start())
        QSKIP("no pseudo-terminal available");
    m_pSim->setIdentity("0123456789ABCDEF", "SKU-7", "Wendo 100", "1.2.3");
}

void TestComDevice::cleanup()
{
    m_pSim.reset();
    m_pFolders.reset();
}

void TestComDevice::fixedFrames_data()
{
    QTest::addColumn<int>("command");
    QTest::addColumn<QByteArray>("params");
    QTest::addColumn<QByteArray>("frame");
    QTest::newRow("hardware name") << 0xBF << QByteArray() << hex("020001BFBE");
    QTest::newRow("uuid") << 0xA2 << QByteArray() << hex("020001A2A3");
    QTest::newRow("sku id") << 0xA4 << QByteArray() << hex("020001A4A5");
    QTest::newRow("information block") << 0x85 << QByteArray() << hex("0200018584");
    QTest::newRow("user profile") << 0x86 << QByteArray() << hex("0200018687");
    QTest::newRow("ride list") << 0x78 << QByteArray() << hex("0200017879");
    QTest::newRow("pre-transfer") << 0x75 << hex("0000") << hex("02000375000076");
    QTest::newRow("ride download") << 0x80 << hex("01001234") << hex("0200058001001234A2");
    QTest::newRow("ride delete") << 0x79 << hex("01001234") << hex("02000579010012345B");
    QTest::newRow("acknowledge") << 0x81 << QByteArray() << hex("0200018180");
}

void TestComDevice::fixedFrames()
{
    QFETCH(int, command);
    QFETCH(QByteArray, params);
    QFETCH(QByteArray, frame);
    QCOMPARE(ComDevice::makeFrame(static_cast<unsigned char>(command), params).toHex(), frame.toHex());
}

void TestComDevice::gettersSendTheirFrames()
{
    ComDevice device(m_pSim->portName());
    QString sValue;
    QVERIFY(device.getFirmware(sValue));
    QVERIFY(device.getUuid(sValue));
    QVERIFY(device.getSkuId(sValue));
    QVERIFY(device.getHwName(sValue));
    QCOMPARE(m_pSim->frames(),
             QList<QByteArray>({hex("0200018584"), hex("020001A2A3"), hex("020001A4A5"), hex("020001BFBE")}));
    QCOMPARE(m_pSim->badFrames(), 0);
}

void TestComDevice::identity()
{
    ComDevice device(m_pSim->portName());
    QString sFirmware, sUuid, sSku, sHwName;
    QVERIFY(device.getFirmware(sFirmware));
    QVERIFY(device.getUuid(sUuid));
    QVERIFY(device.getSkuId(sSku));
    QVERIFY(device.getHwName(sHwName));
    QCOMPARE(sFirmware, QString("1.2.3"));
    QCOMPARE(sUuid, QString("0123456789ABCDEF"));
    QCOMPARE(sSku, QString("SKU-7"));
    QCOMPARE(sHwName, QString("Wendo 100"));
    QVERIFY(!device.isOpen()); // held only during an exchange
}

void TestComDevice::splitReply()
{
    m_pSim->setSplit(0xA2, 3, 30);
    QCOMPARE(uuidOf(*m_pSim), QString("0123456789ABCDEF"));
}

void TestComDevice::mergedReplyIsCutAtItsLength()
{
    // The UUID reply arrives glued to a stray SKU reply; the next exchange must still get its own answer.
    m_pSim->setTrailing(0xA2, SerialDeviceSim::replyFrame(0xA4, QByteArray("STRAY\0", 6)));
    QCOMPARE(uuidOf(*m_pSim), QString("0123456789ABCDEF"));
    ComDevice device(m_pSim->portName());
    QString sSku;
    QVERIFY(device.getSkuId(sSku));
    QCOMPARE(sSku, QString("SKU-7"));
}

void TestComDevice::stopsAtAnnouncedLength()
{
    auto pScript = std::make_shared<FakeSerialLink::Script>();
    const QByteArray first = SerialDeviceSim::replyFrame(0xA2, "AB");
    const QByteArray second = SerialDeviceSim::replyFrame(0xA4, "CDE");
    pScript->lstReplies = {first + second};
    ComDevice device("fake", FakeSerialLink::factory(pScript));
    QVERIFY(device.open());
    QVERIFY(device.writeFrame(ComDevice::makeFrame(0xA2)));
    QByteArray reply(ComDevice::REPLY_SIZE, '\0');
    int nLength = 0;
    QVERIFY(device.readReply(reinterpret_cast<unsigned char*>(reply.data()), 100, 1000, &nLength));
    QCOMPARE(nLength, first.size());
    QCOMPARE(reply.left(nLength), first);
    QCOMPARE(reply.at(nLength), '\0'); // the waiting bytes were not taken
    QVERIFY(device.readReply(reinterpret_cast<unsigned char*>(reply.data()), 100, 1000, &nLength));
    QCOMPARE(reply.left(nLength), second);
}

void TestComDevice::silenceFails()
{
    m_pSim->setSilent(0xA2);
    ComDevice device(m_pSim->portName());
    QString sValue = "untouched";
    QVERIFY(!device.getUuid(sValue));
    QCOMPARE(sValue, QString("untouched"));
    QCOMPARE(m_pSim->frameCount(0xA2), 1); // asked once: retrying is the caller's choice
    // The port was let go, and the silence left nothing behind for the next exchange.
    QVERIFY(!device.isOpen());
    QVERIFY(device.getSkuId(sValue));
    QCOMPARE(sValue, QString("SKU-7"));
}

void TestComDevice::lateFirstByteFails()
{
    m_pSim->setDelay(0xA2, 600);
    QCOMPARE(uuidOf(*m_pSim), QString("untouched"));
}

void TestComDevice::trailerAndCodeAreNotChecked()
{
    m_pSim->setRawReply(0xA2, SerialDeviceSim::replyFrame(0x00, QByteArray("XYZ\0", 4), false));
    QCOMPARE(uuidOf(*m_pSim), QString("XYZ"));
}

void TestComDevice::malformedReplies_data()
{
    QTest::addColumn<QByteArray>("reply");
    // 8047 payload bytes and the four of the frame: one more than the 8050-byte buffer, all of it sent.
    QTest::newRow("longer than the buffer") << hex("A41F6F") + QByteArray(8048, 'x');
    QTest::newRow("announced length never completes") << hex("A4000A") + QByteArray("ABCDE");
    QTest::newRow("one byte") << hex("A4");
    QTest::newRow("header only") << hex("A400");
}

void TestComDevice::malformedReplies()
{
    QFETCH(QByteArray, reply);
    m_pSim->setRawReply(0xA4, reply);
    QCOMPARE(skuOf(*m_pSim), QString("untouched"));
}

void TestComDevice::textBounds()
{
    ComDevice device(m_pSim->portName());
    QString sValue = "untouched";
    // A UUID that does not fit its 50-byte field (49 characters and the NUL) is a failed read.
    m_pSim->setRawReply(0xA2, SerialDeviceSim::replyFrame(0xA2, QByteArray(60, 'U')));
    QVERIFY(!device.getUuid(sValue));
    QCOMPARE(sValue, QString("untouched"));
    m_pSim->setRawReply(0xA2, SerialDeviceSim::replyFrame(0xA2, QByteArray(49, 'U') + '\0'));
    QVERIFY(device.getUuid(sValue));
    QCOMPARE(sValue, QString(49, 'U'));
    // The firmware text must end inside its block.
    m_pSim->setIdentity("U", "S", "H", QString(70, 'F'));
    m_pSim->setRawReply(0x85, SerialDeviceSim::replyFrame(0x85, QByteArray(26, '\0') + QByteArray(64, 'F')));
    sValue = "untouched";
    QVERIFY(!device.getFirmware(sValue));
    QCOMPARE(sValue, QString("untouched"));
    // A hardware name of 20 characters needs no NUL; more are cut.
    m_pSim->setRawReply(0xBF, SerialDeviceSim::replyFrame(0xBF, QByteArray(25, 'H')));
    QVERIFY(device.getHwName(sValue));
    QCOMPARE(sValue, QString(20, 'H'));
    // A SKU id without its NUL ends with the payload, not with the trailing byte.
    m_pSim->setRawReply(0xA4, SerialDeviceSim::replyFrame(0xA4, "SKU", true));
    QVERIFY(device.getSkuId(sValue));
    QCOMPARE(sValue, QString("SKU"));
}

void TestComDevice::heldPortFails()
{
    ComDevice holder(m_pSim->portName());
    QVERIFY(holder.open());
    QCOMPARE(uuidOf(*m_pSim), QString("untouched"));
    holder.close();
    QCOMPARE(uuidOf(*m_pSim), QString("0123456789ABCDEF"));
}

void TestComDevice::unansweredRequestFails()
{
    // A frame the device rejects (wrong check byte) gets no reply: the exchange fails, nothing is taken
    // as a reply, and the next exchange gets its own answer.
    ComDevice device(m_pSim->portName());
    const QByteArray frame = hex("020001A2FF");
    QByteArray reply(ComDevice::REPLY_SIZE, '\0');
    QVERIFY(!device.transact(reinterpret_cast<const unsigned char*>(frame.constData()), uint(frame.size()),
                             reinterpret_cast<unsigned char*>(reply.data())));
    QCOMPARE(reply, QByteArray(ComDevice::REPLY_SIZE, '\0'));
    QString sValue;
    QVERIFY(device.getUuid(sValue));
    QCOMPARE(sValue, QString("0123456789ABCDEF"));
}

QTEST_GUILESS_MAIN(TestComDevice)
#include "tst_comdevice.moc"
