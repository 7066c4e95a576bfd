#include "core/ConnectionFailure.h"

#include <QCoreApplication>
#include <QTranslator>
#include <QtTest>

namespace
{

// Answers every text of the context the translation files keep the message under, and nothing else,
// so a text asked for under another context comes back untranslated.
class ContextTranslator : public QTranslator
{
public:
    QString translate(const char* context, const char* sourceText, const char* /*disambiguation*/,
                      int /*n*/) const override
    {
        if (qstrcmp(context, "QObject") != 0)
            return QString();
        return QString("[%1]").arg(QString::fromUtf8(sourceText));
    }
    bool isEmpty() const override { return false; }
};

} // namespace

class TestConnectionFailure : public QObject
{
    Q_OBJECT

private slots:
    void wording_data();
    void wording();
    void translatedInTheKeptContext();
};

void TestConnectionFailure::wording_data()
{
    QTest::addColumn<bool>("quorvane");
    QTest::addColumn<QString>("text");
    QTest::newRow("first brand")
        << false << "Failed to connect to the ZeqShare Server. Please check your internet connection.";
    QTest::newRow("second brand")
        << true << "Failed to connect to the QuorvaneShare Server. Please check your internet connection.";
}

void TestConnectionFailure::wording()
{
    QFETCH(bool, quorvane);
    QFETCH(QString, text);
    QCOMPARE(ConnectionFailure::title(), QString("Internet connection"));
    QCOMPARE(ConnectionFailure::text(quorvane), text);
}

void TestConnectionFailure::translatedInTheKeptContext()
{
    ContextTranslator translator;
    QVERIFY(QCoreApplication::installTranslator(&translator));
    const QString sTitle = ConnectionFailure::title();
    const QString sText = ConnectionFailure::text(false);
    QCoreApplication::removeTranslator(&translator);
    QCOMPARE(sTitle, QString("[Internet connection]"));
    QCOMPARE(sText,
             QString("[Failed to connect to the ZeqShare Server. Please check your internet connection.]"));
}

QTEST_GUILESS_MAIN(TestConnectionFailure)
#include "tst_connectionfailure.moc"
