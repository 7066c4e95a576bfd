#include "core/JsonHelper.h"

#include <QtTest>

class TestJsonHelper : public QObject
{
    Q_OBJECT

private slots:
    void parse_data();
    void parse();
    void topLevelArray();
    void parseArray();
    void requestRoundTrip_data();
    void requestRoundTrip();
    void plainValuesMatchTemplate();
};

void TestJsonHelper::parse_data()
{
    QTest::addColumn<QString>("json");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<QVariantMap>("expected");

    QTest::newRow("sign-in") << R"({"user":"a@b.c","password":"pw"})" << true
                             << QVariantMap{{"user", "a@b.c"}, {"password", "pw"}};
    QTest::newRow("number is double") << R"({"a":1,"b":2.5})" << true << QVariantMap{{"a", 1.0}, {"b", 2.5}};
    QTest::newRow("null present") << R"({"a":null})" << true << QVariantMap{{"a", QVariant()}};
    QTest::newRow("booleans kept") << R"({"t":true,"f":false,"s":"x"})" << true
                                   << QVariantMap{{"t", true}, {"f", false}, {"s", "x"}};
    QTest::newRow("nested") << R"({"o":{"k":"v"},"l":[{"x":"1"},{"x":"2"}]})" << true
                            << QVariantMap{
                                   {"o", QVariantMap{{"k", "v"}}},
                                   {"l", QVariantList{QVariantMap{{"x", "1"}}, QVariantMap{{"x", "2"}}}}};
    QTest::newRow("array with bool") << R"({"a":[1,true,2]})" << true
                                     << QVariantMap{{"a", QVariantList{1.0, true, 2.0}}};
    QTest::newRow("unicode") << QString::fromUtf8(R"({"n":"Zürich \u00e9 ✓"})") << true
                             << QVariantMap{{"n", QString::fromUtf8("Zürich é ✓")}};
    QTest::newRow("escapes") << R"({"q":"a\"b\\c\n"})" << true << QVariantMap{{"q", "a\"b\\c\n"}};
    QTest::newRow("invalid") << "{user:" << false << QVariantMap();
    QTest::newRow("empty") << "" << false << QVariantMap();
    QTest::newRow("scalar") << "42" << false << QVariantMap();
}

void TestJsonHelper::parse()
{
    QFETCH(QString, json);
    QFETCH(bool, ok);
    QFETCH(QVariantMap, expected);
    bool bOk = !ok;
    const QVariantMap map = JsonHelper().parse(json, &bOk);
    QCOMPARE(bOk, ok);
    QCOMPARE(map, expected);
}

void TestJsonHelper::topLevelArray()
{
    const QVariantMap map = JsonHelper().parse("[10,20]");
    QCOMPARE(map.keys(), QStringList({"0", "1", "length"}));
    QCOMPARE(map.value("0"), QVariant(10.0));
    QCOMPARE(map.value("1"), QVariant(20.0));
    QCOMPARE(map.value("length"), QVariant(2.0));
}

void TestJsonHelper::parseArray()
{
    bool bOk = false;
    const QVariantList list = JsonHelper().parseArray("[\n  {\"t\": \"a;{b\"},\n  {\"t\": \"c\"}\n]\n", &bOk);
    QVERIFY(bOk);
    QCOMPARE(list.size(), 2);
    QCOMPARE(list.at(0).toMap().value("t").toString(), QString("a;{b"));
    JsonHelper().parseArray("{\"a\":1}", &bOk);
    QVERIFY(!bOk);
}

void TestJsonHelper::requestRoundTrip_data()
{
    QTest::addColumn<QString>("user");
    QTest::addColumn<QString>("password");
    QTest::newRow("quote and backslash") << "rider@example.org"
                                         << "pa\"ss\\word";
    QTest::newRow("non-ascii") << QString::fromUtf8("jörg@exämple.org") << QString::fromUtf8("påsswörd€");
    QTest::newRow("markers and controls") << "%2@x"
                                          << "%1\n\t}{,:";
}

void TestJsonHelper::requestRoundTrip()
{
    QFETCH(QString, user);
    QFETCH(QString, password);
    const QString sFromObject = JsonHelper::object({{"user", user}, {"password", password}});
    const QString sFromTemplate = JsonHelper::fill(R"({"user":"%1","password":"%2"})", {user, password});
    QCOMPARE(sFromObject, sFromTemplate);
    const QVariantMap map = JsonHelper().parse(sFromObject);
    QCOMPARE(map.value("user").toString(), user);
    QCOMPARE(map.value("password").toString(), password);
}

void TestJsonHelper::plainValuesMatchTemplate()
{
    QCOMPARE(JsonHelper::object({{"user", "a@b.c"}, {"password", "secret"}}),
             QString(R"({"user":"%1","password":"%2"})").arg("a@b.c", "secret"));
}

QTEST_GUILESS_MAIN(TestJsonHelper)
#include "tst_jsonhelper.moc"
