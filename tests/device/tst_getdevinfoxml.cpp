#include "device/GetDevInfoXml.h"
#include "support/TestFolders.h"

#include <QtTest>

class TestGetDevInfoXml : public QObject
{
    Q_OBJECT

private slots:
    void reads_data();
    void reads();
    void unreadableChangesNothing_data();
    void unreadableChangesNothing();
};

void TestGetDevInfoXml::reads_data()
{
    QTest::addColumn<QByteArray>("xml");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<QStringList>("fields"); // uuid, sku, model, hwname, firmware
    QTest::newRow("complete") << QByteArray(
                                     "<d><kernel><version>2.1</version></kernel><hardware><type>Z5</type>"
                                     "<displayname>Wendo 500</displayname><id>U1</id></hardware>"
                                     "<sku><skuid>S9</skuid></sku></d>")
                              << true << QStringList{"U1", "S9", "Z5", "Wendo 500", "2.1"};
    QTest::newRow("no kernel") << QByteArray(
                                      "<d><hardware><type>Z5</type><displayname>W</displayname><id>U1</id>"
                                      "</hardware><sku><skuid>S9</skuid></sku></d>")
                               << true << QStringList{"U1", "S9", "Z5", "W", ""};
    QTest::newRow("no sku keeps hardware")
        << QByteArray("<d><hardware><type>Z5</type><displayname>W</displayname><id>U1</id></hardware></d>")
        << false << QStringList{"U1", "", "Z5", "W", ""};
    QTest::newRow("no hardware keeps firmware")
        << QByteArray("<d><kernel><version>3</version></kernel><sku><skuid>S</skuid></sku></d>") << false
        << QStringList{"", "", "", "", "3"};
    QTest::newRow("names match exactly")
        << QByteArray("<d><hardware><id>U1</id></hardware><SKU><skuid>S</skuid></SKU></d>") << false
        << QStringList{"U1", "", "", "", ""};
    QTest::newRow("sku without skuid") << QByteArray("<d><hardware><id>U1</id></hardware><sku/></d>") << true
                                       << QStringList{"U1", "", "", "", ""};
    QTest::newRow("blanks kept")
        << QByteArray("<d><hardware><id>\n  U1 </id></hardware><sku><skuid> S </skuid></sku></d>") << true
        << QStringList{"\n  U1 ", " S ", "", "", ""};
}

void TestGetDevInfoXml::reads()
{
    QFETCH(QByteArray, xml);
    QFETCH(bool, ok);
    QFETCH(QStringList, fields);
    TestFolders folders;
    const QString sPath = folders.dataPath("device.xml");
    QVERIFY(TestFolders::writeFile(sPath, xml));
    GetDevInfoXml reader;
    QCOMPARE(reader.open(sPath), ok);
    const Worker::DEVINFO& info = reader.m_devInfo;
    QCOMPARE(QStringList({info.sUUID, info.sSkuID, info.sModel, info.sHWName, info.sFirmware}), fields);
    QCOMPARE(info.sAppVer, QString());
}

void TestGetDevInfoXml::unreadableChangesNothing_data()
{
    QTest::addColumn<QByteArray>("xml");
    QTest::newRow("missing") << QByteArray();
    QTest::newRow("not xml") << QByteArray("<d><hardware><id>U1</id></hardware>");
}

void TestGetDevInfoXml::unreadableChangesNothing()
{
    QFETCH(QByteArray, xml);
    TestFolders folders;
    const QString sPath = folders.dataPath("device.xml");
    if (!xml.isEmpty())
        QVERIFY(TestFolders::writeFile(sPath, xml));
    GetDevInfoXml reader;
    reader.m_devInfo.sUUID = "before";
    QVERIFY(!reader.open(sPath));
    QCOMPARE(reader.m_devInfo.sUUID, QString("before"));
}

QTEST_GUILESS_MAIN(TestGetDevInfoXml)
#include "tst_getdevinfoxml.moc"
