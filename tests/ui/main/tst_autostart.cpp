#include "platform/LinuxAutostart.h"
#include "support/TestFolders.h"

#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

// The XDG start-up entry: where it lives, what its Exec line says, that odd program paths reach the
// desktop unchanged, and that the desktop shows it as the installed entry (name, words, icon, window
// class), with nothing its validator (desktop-file-validate, where installed) finds wrong.
class TestAutostart : public QObject
{
    Q_OBJECT

private slots:
    void entryFile();
    void configHomeFromEnvironment();
    void execQuoting_data();
    void execQuoting();
    void looksAsTheInstalledEntry();

private:
    static QString execLine(const QByteArray& text);
    // The value of a key in the entry's text ("" when it has none).
    static QString value(const QByteArray& text, const QString& sKey);
    // The installed desktop entry as the build makes it from its template.
    static QByteArray installedEntry();
    static void validate(const QString& sPath);
    static QString unquoteExec(const QString& sValue, bool* pOk);
};

QString TestAutostart::execLine(const QByteArray& text)
{
    return value(text, "Exec");
}

QString TestAutostart::value(const QByteArray& text, const QString& sKey)
{
    const QByteArray prefix = sKey.toUtf8() + "=";
    for (const QByteArray& line : text.split('\n')) {
        if (line.startsWith(prefix))
            return QString::fromUtf8(line.mid(prefix.size()));
    }
    return QString();
}

QByteArray TestAutostart::installedEntry()
{
    QByteArray text = TestFolders::readFile(QString::fromLocal8Bit(qgetenv("WENDO_SOURCE_DIR")) +
                                            "/packaging/com.zeqwendo.WendoAgent.desktop.in");
    return text.replace("@WENDO_ICON_NAME@", WENDO_ICON_NAME);
}

void TestAutostart::validate(const QString& sPath)
{
    const QString sValidator = QStandardPaths::findExecutable("desktop-file-validate");
    if (sValidator.isEmpty())
        return;
    QProcess validator;
    validator.setProcessChannelMode(QProcess::MergedChannels);
    validator.start(sValidator, {sPath});
    QVERIFY(validator.waitForFinished(60000));
    QVERIFY2(validator.exitStatus() == QProcess::NormalExit && validator.exitCode() == 0,
             validator.readAll().constData());
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
    validate(entry.entryPath());
}

void TestAutostart::looksAsTheInstalledEntry()
{
    QTemporaryDir configDir;
    LinuxAutostart entry(configDir.path());
    QVERIFY(entry.setEntry("/opt/wendo/WendoAgent"));
    const QByteArray text = TestFolders::readFile(entry.entryPath());
    const QByteArray installed = installedEntry();
    for (const char* szKey : {"Name", "Comment", "Icon", "StartupWMClass"}) {
        const QString sKey = QString::fromLatin1(szKey);
        QVERIFY2(!value(installed, sKey).isEmpty(), szKey);
        QCOMPARE(value(text, sKey), value(installed, sKey));
    }
    // The window's class is the application's name (the installed test of the window checks the
    // window's WM_CLASS against the same key).
    QCOMPARE(value(text, "StartupWMClass"), QString("WendoAgent"));
    QCOMPARE(value(text, "X-GNOME-Autostart-enabled"), QString("true"));
    validate(entry.entryPath());
}

QTEST_GUILESS_MAIN(TestAutostart)
#include "tst_autostart.moc"
