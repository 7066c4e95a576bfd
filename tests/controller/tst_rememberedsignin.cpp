#include "controller/PasswordScrambler.h"
#include "controller/RememberedSignIn.h"
#include "core/AgentSettings.h"
#include "support/TestFolders.h"

#include <QtTest>

class TestRememberedSignIn : public QObject
{
    Q_OBJECT

private slots:
    void roundTrip_data();
    void roundTrip();
    void storedForm();
    void malformedPassword_data();
    void malformedPassword();
    void clearForgetsAll();
    void forgetPasswordKeepsUser();
    void nothingStored();
};

void TestRememberedSignIn::roundTrip_data()
{
    QTest::addColumn<QString>("password");
    QTest::newRow("even") << "secret12";
    QTest::newRow("odd, padded when stored") << "abc";
    QTest::newRow("one character") << "x";
    QTest::newRow("latin-1") << QString::fromUtf8("pässwörd");
    QTest::newRow("symbols and a space") << "a+b&c= d\"\\x";
}

void TestRememberedSignIn::roundTrip()
{
    QFETCH(QString, password);
    TestFolders folders;
    RememberedSignIn::write("rider@example.com", password);
    QVERIFY(AgentSettings().sync());
    const RememberedSignIn remembered = RememberedSignIn::read();
    QCOMPARE(remembered.user(), QString("rider@example.com"));
    QCOMPARE(remembered.password(), password);
    QVERIFY(remembered.autoLogin());
    QVERIFY(remembered.canSignInByItself());
}

void TestRememberedSignIn::storedForm()
{
    TestFolders folders;
    RememberedSignIn::write("rider@example.com", "abc");
    AgentSettings settings;
    QCOMPARE(settings.getString("LOGIN", "user"), QString("rider@example.com"));
    QCOMPARE(settings.getString("LOGIN", "password"), PasswordScrambler::scramble("abc"));
    QCOMPARE(settings.getString("LOGIN", "AutoLogin"), QString("true"));
    QCOMPARE(settings.getString("LOGIN", "len"), QString("3"));
}

void TestRememberedSignIn::malformedPassword_data()
{
    QTest::addColumn<QString>("stored");
    QTest::newRow("not base64") << "!!!!";
    QTest::newRow("odd length after decoding") << QString::fromLatin1(QByteArray("abc").toBase64());
    QTest::newRow("non-ascii") << QString::fromUtf8("YWBjYg==é");
}

void TestRememberedSignIn::malformedPassword()
{
    QFETCH(QString, stored);
    TestFolders folders;
    {
        AgentSettings settings;
        settings.setValue("LOGIN", "user", "rider@example.com");
        settings.setValue("LOGIN", "password", stored);
        settings.setValue("LOGIN", "AutoLogin", "true");
        settings.setValue("LOGIN", "len", "4");
    }
    const RememberedSignIn remembered = RememberedSignIn::read();
    QCOMPARE(remembered.password(), QString());
    QCOMPARE(remembered.user(), QString("rider@example.com"));
    QVERIFY(!remembered.canSignInByItself());
}

void TestRememberedSignIn::clearForgetsAll()
{
    TestFolders folders;
    RememberedSignIn::write("rider@example.com", "secret12");
    RememberedSignIn::clear();
    const RememberedSignIn remembered = RememberedSignIn::read();
    QCOMPARE(remembered.user(), QString());
    QCOMPARE(remembered.password(), QString());
    QVERIFY(!remembered.autoLogin());
    QVERIFY(!remembered.canSignInByItself());
    QCOMPARE(AgentSettings().getString("LOGIN", "AutoLogin"), QString("false"));
}

void TestRememberedSignIn::forgetPasswordKeepsUser()
{
    TestFolders folders;
    RememberedSignIn::write("rider@example.com", "secret12");
    RememberedSignIn::forgetPassword();
    const RememberedSignIn remembered = RememberedSignIn::read();
    QCOMPARE(remembered.user(), QString("rider@example.com"));
    QVERIFY(remembered.autoLogin());
    QCOMPARE(remembered.password(), QString());
    QVERIFY(!remembered.canSignInByItself());
}

void TestRememberedSignIn::nothingStored()
{
    TestFolders folders;
    const RememberedSignIn remembered = RememberedSignIn::read();
    QCOMPARE(remembered.user(), QString());
    QCOMPARE(remembered.password(), QString());
    QVERIFY(!remembered.autoLogin());
    QVERIFY(!remembered.canSignInByItself());
}

QTEST_GUILESS_MAIN(TestRememberedSignIn)
#include "tst_rememberedsignin.moc"
