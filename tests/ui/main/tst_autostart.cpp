#include "platform/LinuxAutostart.h"
#include "support/TestFolders.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

// The XDG start-up entry: where it lives, what its Exec line says, and that odd program paths reach the
// desktop unchanged.
class TestAutostart : public QObject
{
    Q_OBJECT

private slots:
    void entryFile();
    void configHomeFromEnvironment();
    void execQuoting_data();
    void execQuoting();

private:
    static QString execLine(const QByteArray& text);
    static QString unquoteExec(const QString& sValue, bool* pOk);
};

QString TestAutostart::execLine(const QByteArray& text)
{
    for (const QByteArray& line : text.split('\n')) {
        if (line.startsWith("Exec="))
            return QString::fromUtf8(line.mid(5));
    }
    return QString();
}

// What a desktop makes of the Exec value: the string escapes first, then one quoted argument.
QString TestAutostart::unquoteExec(const QString& sValue, bool* pOk)
{
    QString sString;
    for (int i = 0; i < sValue.size(); ++i) {
        const QChar ch = sValue.at(i);
        const QChar next = i + 1 < sValue.size() ? sValue.at(i + 1) : QChar();
        if (ch == '\\' && (next == '\\' || next == 'n' || next == 't' || next == 'r' || next == 's')) {
            sString += next == 'n'   ? QChar('\n')
                       : next == 't' ? QChar('\t')
                       : next == 'r' ? QChar('\r')
                       : next == 's' ? QChar(' ')
                                     : next;
            ++i;
        } else {
            sString += ch;
        }
    }
    *pOk = sString.size() >= 2 && sString.startsWith('"') && sString.endsWith('"');
    QString sArgument;
    for (int i = 1; *pOk && i < sString.size() - 1; ++i) {
        const QChar ch = sString.at(i);
        if (ch == '\\') {
            const QChar next = sString.at(++i);
            *pOk = next == '"' || next == '`' || next == '$' || next == '\\';
            sArgument += next;
        } else if (ch == '%') {
            *pOk = sString.at(++i) == '%';
            sArgument += ch;
        } else {
            *pOk = ch != '"' && ch != '`' && ch != '$';
            sArgument += ch;
        }
    }
    return sArgument;
}

void TestAutostart::entryFile()
{
    QTemporaryDir configDir;
    LinuxAutostart entry(configDir.path());
    QCOMPARE(entry.entryPath(), configDir.path() + "/autostart/WendoAgent.desktop");
    QVERIFY(!entry.hasEntry());
    QVERIFY(entry.removeEntry()); // nothing to remove is fine

    QVERIFY(entry.setEntry("/opt/wendo/WendoAgent"));
    QVERIFY(entry.hasEntry());
    const QByteArray text = TestFolders::readFile(entry.entryPath());
    QVERIFY(text.startsWith("[Desktop Entry]\n"));
    QVERIFY(text.contains("\nType=Application\n"));
    QVERIFY(text.contains("\nName=WendoAgent\n"));
    QCOMPARE(execLine(text), QString("\"/opt/wendo/WendoAgent\""));

    QVERIFY(entry.setEntry("/usr/local/bin/WendoAgent")); // rewritten, not appended
    QCOMPARE(TestFolders::readFile(entry.entryPath()).count("Exec="), 1);
    QVERIFY(entry.removeEntry());
    QVERIFY(!QFile::exists(entry.entryPath()));
}

void TestAutostart::configHomeFromEnvironment()
{
    QTemporaryDir configHome;
    const QByteArray old = qgetenv("XDG_CONFIG_HOME");
    qputenv("XDG_CONFIG_HOME", configHome.path().toUtf8());
    LinuxAutostart entry;
    QCOMPARE(entry.entryPath(), configHome.path() + "/autostart/WendoAgent.desktop");
    QVERIFY(entry.setEntry("/opt/wendo/WendoAgent"));
    QVERIFY(QFile::exists(configHome.path() + "/autostart/WendoAgent.desktop"));
    QVERIFY(entry.removeEntry());
    qputenv("XDG_CONFIG_HOME", old);
}

void TestAutostart::execQuoting_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("exec"); // "" when only the round trip is checked
    QTest::newRow("blank") << "/home/a b/WendoAgent"
                           << "\"/home/a b/WendoAgent\"";
    QTest::newRow("quote and dollar") << "/x/\"q\"$HOME/WendoAgent"
                                      << "\"/x/\\\\\"q\\\\\"\\\\$HOME/WendoAgent\"";
    QTest::newRow("percent") << "/x/100%/WendoAgent"
                             << "\"/x/100%%/WendoAgent\"";
    QTest::newRow("backslash") << "/x/a\\b/WendoAgent"
                               << "\"/x/a\\\\\\\\b/WendoAgent\"";
    QTest::newRow("backtick and semicolon") << "/x/`id`;rm/WendoAgent"
                                            << "";
    QTest::newRow("non-ASCII") << "/home/J\u00fcrgen/Wendo\u00c5gent"
                               << "\"/home/J\u00fcrgen/Wendo\u00c5gent\"";
}

void TestAutostart::execQuoting()
{
    QFETCH(QString, path);
    QFETCH(QString, exec);
    QTemporaryDir configDir;
    LinuxAutostart entry(configDir.path());
    QVERIFY(entry.setEntry(path));
    const QString sExec = execLine(TestFolders::readFile(entry.entryPath()));
    if (!exec.isEmpty())
        QCOMPARE(sExec, exec);
    bool bOk = false;
    QCOMPARE(unquoteExec(sExec, &bOk), path);
    QVERIFY(bOk);
}

QTEST_GUILESS_MAIN(TestAutostart)
#include "tst_autostart.moc"
