#include "core/AgentSettings.h"
#include "net/ProcCheckDevRegXml.h"
#include "net/ProcGetCustomSettingXml.h"
#include "net/ProcLoginXml.h"
#include "net/SoapEnvelopes.h"
#include "support/TestFolders.h"

#include <QtTest>

// The readers of the account answers and the envelopes they answer.
class TestAccountReaders : public QObject
{
    Q_OBJECT

private slots:
    void soapReturn_data();
    void soapReturn();
    void debugLoginSwitch();
    void customSettings_data();
    void customSettings();
    void envelopesLetterForLetter();
    void envelopeValuesEscaped();
    void defaultAddress_data();
    void defaultAddress();
};

static QByteArray answer(const QByteArray& body)
{
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<SOAP-ENV:Envelope "
           "xmlns:SOAP-ENV=\"http://schemas.xmlsoap.org/soap/envelope/\" xmlns:ns1=\"urn:x\" "
           "xmlns:xsi=\"http://www.w3.org/2001/XMLSchema-instance\">" +
           body + "</SOAP-ENV:Envelope>";
}

void TestAccountReaders::soapReturn_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<QString>("result");
    QTest::newRow("session")
        << answer("<SOAP-ENV:Body><ns1:loginResponse><return xsi:type=\"xsd:string\">S1&amp;x"
                  "</return></ns1:loginResponse></SOAP-ENV:Body>")
        << true << "S1&x";
    QTest::newRow("no return") << answer("<SOAP-ENV:Body><ns1:loginResponse/></SOAP-ENV:Body>") << true << "";
    QTest::newRow("other body prefix")
        << answer("<soap:Body><ns1:loginResponse><return>S</return></ns1:loginResponse>"
                  "</soap:Body>")
        << false << "";
    QTest::newRow("other response prefix")
        << answer("<SOAP-ENV:Body><ns2:loginResponse><return>S</return></ns2:loginResponse></SOAP-ENV:Body>")
        << false << "";
    QTest::newRow("header before body")
        << answer(
               "<SOAP-ENV:Header/><SOAP-ENV:Body><ns1:loginResponse><return>S2</return></ns1:loginResponse>"
               "</SOAP-ENV:Body>")
        << true << "S2";
    QTest::newRow("fault")
        << answer("<SOAP-ENV:Body><SOAP-ENV:Fault><faultstring>x</faultstring></SOAP-ENV:Fault>"
                  "</SOAP-ENV:Body>")
        << false << "";
    QTest::newRow("not xml") << QByteArray("<html>502 Bad Gateway") << false << "";
    QTest::newRow("empty file") << QByteArray() << false << "";
}

void TestAccountReaders::soapReturn()
{
    QFETCH(QByteArray, file);
    QFETCH(bool, ok);
    QFETCH(QString, result);
    TestFolders folders;
    const QString sPath = folders.tempDir() + "/genwork.xml";
    TestFolders::writeFile(sPath, file);
    ProcLoginXml reader;
    QCOMPARE(reader.open(sPath), ok);
    QCOMPARE(reader.m_sResult, result);
}

void TestAccountReaders::debugLoginSwitch()
{
    TestFolders folders;
    {
        AgentSettings settings;
        settings.setValue("DEBUG", "Login", "ERROR:E0013");
    }
    const QString sPath = folders.tempDir() + "/genwork.xml";
    TestFolders::writeFile(sPath,
                           answer("<SOAP-ENV:Body><ns1:loginResponse><return>S1</return></ns1:loginResponse>"
                                  "</SOAP-ENV:Body>"));
    ProcLoginXml reader;
    QVERIFY(reader.open(sPath));
    QCOMPARE(reader.m_sResult, QString("ERROR:E0013"));
    TestFolders::writeFile(sPath, "junk");
    ProcLoginXml unreadable;
    QVERIFY(!unreadable.open(sPath));
}

void TestAccountReaders::customSettings_data()
{
    QTest::addColumn<QString>("returnText");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<bool>("kept");
    QTest::addColumn<bool>("sync");
    QTest::newRow("delete, auto") << R"({"afterUpload":"delete_after_upload","syncType":"auto_sync"})" << true
                                  << false << true;
    QTest::newRow("keep, manual") << R"({"afterUpload":"dont_delete_after_upload","syncType":"manual_sync"})"
                                  << true << true << false;
    QTest::newRow("empty object") << "{}" << true << true << false;
    QTest::newRow("error text") << "ERROR:E0007" << false << false << false;
    QTest::newRow("array") << "[]" << false << false << false;
    QTest::newRow("empty") << "" << false << false << false;
}

void TestAccountReaders::customSettings()
{
    QFETCH(QString, returnText);
    QFETCH(bool, ok);
    QFETCH(bool, kept);
    QFETCH(bool, sync);
    TestFolders folders;
    const QString sPath = folders.tempDir() + "/genwork.xml";
    TestFolders::writeFile(sPath, answer("<SOAP-ENV:Body><ns1:getCustomerSettingResponse><return>" +
                                         returnText.toHtmlEscaped().toUtf8() +
                                         "</return></ns1:getCustomerSettingResponse></SOAP-ENV:Body>"));
    ProcGetCustomSettingXml reader;
    QCOMPARE(reader.open(sPath), ok);
    QCOMPARE(reader.m_bKept, kept);
    QCOMPARE(reader.m_bSync, sync);
}

void TestAccountReaders::envelopesLetterForLetter()
{
    const QString sHead = "<?xml version=\"1.0\" encoding=\"utf-8\"?><soapenv:Envelope "
                          "xmlns:xsi=\"http://www.w3.org/2001/XMLSchema-instance\" "
                          "xmlns:xsd=\"http://www.w3.org/2001/XMLSchema\" "
                          "xmlns:soapenv=\"http://schemas.xmlsoap.org/soap/envelope/\"><soapenv:Header/>"
                          "<soapenv:Body>";
    const QString sTail = "</soapenv:Body></soapenv:Envelope>";
    const QString sEnc = " soapenv:encodingStyle=\"http://schemas.xmlsoap.org/soap/encoding/\">";
    QCOMPARE(SoapEnvelopes::login("a@b.c", "pw"),
             sHead + "<login" + sEnc +
                 "<CustomerEMail xsi:type=\"xsd:string\">a@b.c</CustomerEMail>"
                 "<Password xsi:type=\"xsd:string\">pw</Password ></login>" +
                 sTail);
    QCOMPARE(
        SoapEnvelopes::fill(SoapEnvelopes::setCustomerSettingTemplate(), {"S", "u", "{\"k\":\"v\"}"}),
        sHead + "<setCustomerSetting" + sEnc +
            "<SessionID xsi:type=\"xsd:string\">S</SessionID>"
            "<CustomerEMail xsi:type=\"xsd:string\">u</CustomerEMail>"
            "<SettingJSONString  xsi:type=\"xsd:string\">{\"k\":\"v\"}</SettingJSONString>"
            "</setCustomerSetting>" +
            sTail);
    QCOMPARE(
        SoapEnvelopes::fill(SoapEnvelopes::registerDeviceTemplate(), {"S", "u", "U1", "Wendo 500", ""}),
        sHead + "<registerDevice" + sEnc +
            "<SessionID xsi:type=\"xsd:string\">S</SessionID>"
            "<CustomerEMail xsi:type=\"xsd:string\">u</CustomerEMail><UUID xsi:type=\"xsd:string\">U1</UUID>"
            "<HardwareName xsi:type=\"xsd:string\">Wendo 500</HardwareName>"
            "<SkuID xsi:type=\"xsd:string\"></SkuID></registerDevice>" +
            sTail);
}

void TestAccountReaders::envelopeValuesEscaped()
{
    const QString sEnvelope = SoapEnvelopes::login("%3@x", "a&b<c");
    QVERIFY(sEnvelope.contains(">%3@x</CustomerEMail>"));
    QVERIFY(sEnvelope.contains(">a&amp;b&lt;c</Password >"));
}

void TestAccountReaders::defaultAddress_data()
{
    QTest::addColumn<bool>("inData");
    QTest::addColumn<bool>("inProgram");
    QTest::addColumn<QString>("host");
    QTest::newRow("absent") << false << false << "api.zeqshare.example";
    QTest::newRow("program folder only") << false << true << "api.zeqshare.example";
    QTest::newRow("data folder") << true << false << "api.quorvaneshare.example";
}

void TestAccountReaders::defaultAddress()
{
    QFETCH(bool, inData);
    QFETCH(bool, inProgram);
    QFETCH(QString, host);
    TestFolders folders;
    if (inData)
        TestFolders::writeFile(folders.dataPath("Quorvane.bin"), "");
    if (inProgram)
        TestFolders::writeFile(folders.programPath("Quorvane.bin"), "");
    QCOMPARE(SoapEnvelopes::serviceAddress(), "http://" + host + "/zazoziva/agent_v1/SyncService.php");
    {
        AgentSettings settings;
        settings.setValue("URL", "WebApi", "https://soap.example:8443/x.php");
    }
    QCOMPARE(SoapEnvelopes::serviceAddress(), QString("https://soap.example:8443/x.php"));
}

QTEST_GUILESS_MAIN(TestAccountReaders)
#include "tst_accountreaders.moc"
