#include "controller/PasswordScrambler.h"
#include "controller/ShareWebLauncher.h"
#include "core/AgentSettings.h"
#include "support/TestFolders.h"

#include <QUrl>
#include <QUrlQuery>
#include <QtTest>

class TestPassword : public QObject
{
    Q_OBJECT

private slots:
    void knownAnswer();
    void roundTrip_data();
    void roundTrip();
    void malformedStoredValues_data();
    void malformedStoredValues();
    void launcher_data();
    void launcher();
    void siteFallback_data();
    void siteFallback();
    void shopAddress();
};

void TestPassword::knownAnswer()
{
    QCOMPARE(PasswordScrambler::scramble("abcd"), QString("YWBjYg=="));
    QCOMPARE(PasswordScrambler::unscramble("YWBjYg=="), QString("abcd"));
    QCOMPARE(PasswordScrambler::scramble(""), QString(""));
}

void TestPassword::roundTrip_data()
{
    QTest::addColumn<QString>("clear");
    QTest::addColumn<QString>("back");
    QTest::newRow("even") << "secret12"
                          << "secret12";
    QTest::newRow("odd is padded") << "abc"
                                   << "abc0";
    QTest::newRow("latin-1") << QString::fromUtf8("pässwörd") << QString::fromUtf8("pässwörd");
    QTest::newRow("symbols") << "a+b&c=d\"\\x"
                             << "a+b&c=d\"\\x";
}

void TestPassword::roundTrip()
{
    QFETCH(QString, clear);
    QFETCH(QString, back);
    QCOMPARE(PasswordScrambler::unscramble(PasswordScrambler::scramble(clear)), back);
}

void TestPassword::malformedStoredValues_data()
{
    QTest::addColumn<QString>("stored");
    QTest::newRow("empty") << "";
    QTest::newRow("not base64") << "!!!!";
    QTest::newRow("odd length after decoding") << QString::fromLatin1(QByteArray("abc").toBase64());
    QTest::newRow("non-ascii") << QString::fromUtf8("YWBjYg==é");
    QTest::newRow("code 255") << QString::fromLatin1(QByteArray("\xff"
                                                                "a")
                                                         .toBase64());
}

void TestPassword::malformedStoredValues()
{
    QFETCH(QString, stored);
    QCOMPARE(PasswordScrambler::unscramble(stored), QString());
}

void TestPassword::launcher_data()
{
    QTest::addColumn<QString>("session");
    QTest::addColumn<bool>("dashboard");
    QTest::addColumn<bool>("corrupt");
    QTest::addColumn<QString>("redirect"); // empty: the plain site
    QTest::newRow("no session") << "" << true << false << "";
    QTest::newRow("dashboard wins") << "S1" << true << true << "dashboard";
    QTest::newRow("corrupt") << "S1" << false << true << "recording/corrupt";
    QTest::newRow("recording") << "S1" << false << false << "recording";
}

void TestPassword::launcher()
{
    QFETCH(QString, session);
    QFETCH(bool, dashboard);
    QFETCH(bool, corrupt);
    QFETCH(QString, redirect);
    TestFolders folders;
    const QString sUser = "rider+1@example.org";
    const QString sPassword = "p&ss=+w/rd";
    const QString sAddress = ShareWebLauncher::launcherAddress(false, session, sUser, sPassword,
                                                               ShareWebLauncher::pageFor(dashboard, corrupt));
    if (redirect.isEmpty()) {
        QCOMPARE(sAddress, QString("https://www.zeqshare.example"));
        return;
    }
    const QString sPrefix = "https://www.zeqshare.example/login/agentLauncher?";
    QVERIFY(sAddress.startsWith(sPrefix));
    // What the site receives: the percent-decoded query text, unscrambled, holds each value intact.
    const QString sScrambled = QUrl::fromPercentEncoding(sAddress.mid(sPrefix.size()).toLatin1());
    const QString sQuery = PasswordScrambler::unscramble(sScrambled);
    const QUrlQuery query(sQuery);
    QCOMPARE(query.queryItemValue("username", QUrl::FullyDecoded), sUser);
    QCOMPARE(query.queryItemValue("password", QUrl::FullyDecoded), sPassword);
    QCOMPARE(query.queryItemValue("autologin"), QString("true"));
    QVERIFY(sQuery.endsWith("redirectPage=" + redirect) || sQuery.endsWith("redirectPage=" + redirect + "0"));
}

void TestPassword::siteFallback_data()
{
    QTest::addColumn<bool>("quorvane");
    QTest::addColumn<QString>("zeqShare");
    QTest::addColumn<QString>("quorvaneWendo");
    QTest::addColumn<QString>("expected");
    QTest::newRow("zeq built-in") << false << ""
                                  << "https://q.example"
                                  << "https://www.zeqshare.example";
    QTest::newRow("zeq configured") << false << "https://z.example"
                                    << ""
                                    << "https://z.example";
    QTest::newRow("quorvane built-in") << true << "https://z.example"
                                       << ""
                                       << "https://www.quorvaneshare.example";
    QTest::newRow("quorvane configured") << true << ""
                                         << "https://q.example"
                                         << "https://q.example";
}

void TestPassword::siteFallback()
{
    QFETCH(bool, quorvane);
    QFETCH(QString, zeqShare);
    QFETCH(QString, quorvaneWendo);
    QFETCH(QString, expected);
    TestFolders folders;
    {
        AgentSettings settings;
        settings.setValue("URL", "ZeqShare", zeqShare);
        settings.setValue("URL", "QuorvaneWendo", quorvaneWendo);
    }
    QCOMPARE(ShareWebLauncher::siteAddress(quorvane), expected);
}

void TestPassword::shopAddress()
{
    QCOMPARE(ShareWebLauncher::shopAddress("https://shop.example/a?x=1", "AB CD&E"),
             QString("https://shop.example/a?x=1&UUID=AB%20CD%26E"));
}

QTEST_GUILESS_MAIN(TestPassword)
#include "tst_password.moc"
