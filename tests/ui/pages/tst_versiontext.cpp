#include "ui/pages/VersionText.h"

#include <QtTest>

// The ROM and software lines of a drive-family device, for both brands.
class TestVersionText : public QObject
{
    Q_OBJECT

private slots:
    void romText_data();
    void romText();
    void softwareText_data();
    void softwareText();
};

void TestVersionText::romText_data()
{
    QTest::addColumn<QString>("firmware");
    QTest::addColumn<QString>("zeq");
    QTest::addColumn<QString>("quorvane");

    QTest::newRow("R05.12") << "R05.12"
                            << "R05"
                            << "V05";
    QTest::newRow("R123.1") << "R123.1"
                            << "R123"
                            << "V123";
    // The brand letter of the other brand is a prefix too, not a reason to show 00.
    QTest::newRow("V03") << "V03"
                         << "R03"
                         << "V03";
    QTest::newRow("empty") << ""
                           << "R00"
                           << "V00";
    // The letter is not in front: dropping the first character leaves no number.
    QTest::newRow("5R") << "5R"
                        << "R00"
                        << "V00";
    QTest::newRow("no letter 7.1") << "7.1"
                                   << "R07"
                                   << "V07";
    QTest::newRow("R5.1.2") << "R5.1.2"
                            << "R05"
                            << "V05";
    // Only digits make a number: no sign, no blanks, nothing too large to hold.
    QTest::newRow("sign") << "R-5.1"
                          << "R00"
                          << "V00";
    QTest::newRow("blank") << "R 5.1"
                           << "R00"
                           << "V00";
    QTest::newRow("too large") << "R99999999999.1"
                               << "R00"
                               << "V00";
}

void TestVersionText::romText()
{
    QFETCH(QString, firmware);
    QFETCH(QString, zeq);
    QFETCH(QString, quorvane);

    QCOMPARE(VersionText::romText(firmware, false), zeq);
    QCOMPARE(VersionText::romText(firmware, true), quorvane);
}

void TestVersionText::softwareText_data()
{
    QTest::addColumn<QString>("application");
    QTest::addColumn<QString>("expected");

    QTest::newRow("dotted") << "1.2.3"
                            << "1.2.3";
    QTest::newRow("123") << "123"
                         << "1.2.3";
    QTest::newRow("1234") << "1234"
                          << "1.2.3";
    // Too short to split: shown as it is rather than with characters that are not there.
    QTest::newRow("12") << "12"
                        << "12";
    QTest::newRow("0") << "0"
                       << "0";
    QTest::newRow("empty") << ""
                           << "";
}

// The software line is the same for both brands: the text takes no brand.
void TestVersionText::softwareText()
{
    QFETCH(QString, application);
    QFETCH(QString, expected);

    QCOMPARE(VersionText::softwareText(application), expected);
}

QTEST_GUILESS_MAIN(TestVersionText)
#include "tst_versiontext.moc"
