#include "controller/LanguageTable.h"

#include <QFile>
#include <QTranslator>
#include <QtTest>

// Every language of the table has its translation file beside the program, made by the build from the
// source texts of the code and the forms.
class TestTranslations : public QObject
{
    Q_OBJECT

private slots:
    void compiledFiles_data();
    void compiledFiles();
    void sourceTexts_data();
    void sourceTexts();
};

void TestTranslations::compiledFiles_data()
{
    QTest::addColumn<QString>("code");
    const QStringList codes = LanguageTable::codes();
    QCOMPARE(codes.size(), 29);
    for (const QString& sCode : codes)
        QTest::newRow(qPrintable(sCode)) << sCode;
}

void TestTranslations::compiledFiles()
{
    QFETCH(QString, code);
    const QString sPath = QString::fromLocal8Bit(qgetenv("WENDO_TEST_BIN")) + LanguageTable::fileFor(code);
    QVERIFY2(QFile::exists(sPath), qPrintable(sPath));
    QTranslator translator;
    QVERIFY(translator.load(sPath));
}

void TestTranslations::sourceTexts_data()
{
    compiledFiles_data();
}

// The contexts the windows look their texts up in: "QObject" for texts set in code, the form's class
// for form texts.
void TestTranslations::sourceTexts()
{
    QFETCH(QString, code);
    const QString sPath = QString::fromLocal8Bit(qgetenv("WENDO_SOURCE_DIR")) + "/src/lang/WendoAgent_" +
                          QString(code).replace('-', '_') + ".ts";
    QFile file(sPath);
    QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(sPath));
    const QString sText = QString::fromUtf8(file.readAll());
    for (const char* szContext :
         {"QObject", "Login_fbWidget", "ZeqAgentMainDialog", "BottomBar", "AboutDialog"})
        QVERIFY2(sText.contains(QString("<name>%1</name>").arg(szContext)), szContext);
    for (const char* szText : {"Remember me", "Exit WendoAgent", "Run at Startup", "Internet connection"})
        QVERIFY2(sText.contains(QString("<source>%1</source>").arg(szText)), szText);
}

QTEST_GUILESS_MAIN(TestTranslations)
#include "tst_translations.moc"
