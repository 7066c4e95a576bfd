#include "core/DebugLog.h"
#include "core/LogFile.h"
#include "support/HangGuard.h"
#include "support/TestFolders.h"

#include <QFile>
#include <QTextCodec>
#include <QThread>
#include <QtTest>

#include <sys/stat.h>

class TestDebugLog : public QObject
{
    Q_OBJECT

private slots:
    void levelSwitch_data();
    void levelSwitch();
    void switchThatIsNoFile_data();
    void switchThatIsNoFile();
    void lineFormat();
    void rotation_data();
    void rotation();
    void threadsWriteWholeLines();
    void longMessageIsCutWithANote_data();
    void longMessageIsCutWithANote();
    void cutKeepsWholeCharacters_data();
    void cutKeepsWholeCharacters();
    void controlCharactersAreEscaped_data();
    void controlCharactersAreEscaped();
    void exportedAnswerIsCut();
    void logFilesArePrivate_data();
    void logFilesArePrivate();
};

void TestDebugLog::levelSwitch_data()
{
    QTest::addColumn<QByteArray>("msgIni"); // empty: no switch file at all
    QTest::addColumn<bool>("written");
    QTest::newRow("no msg.ini") << QByteArray() << false;
    QTest::newRow("no DEBUG group") << QByteArray("[OTHER]\nLOG_LEVEL=5\n") << false;
    QTest::newRow("empty level") << QByteArray("[DEBUG]\nLOG_LEVEL=\n") << false;
    QTest::newRow("0") << QByteArray("[DEBUG]\nLOG_LEVEL=0\n") << false;
    QTest::newRow("1") << QByteArray("[DEBUG]\nLOG_LEVEL=1\n") << false;
    QTest::newRow("abc") << QByteArray("[DEBUG]\nLOG_LEVEL=abc\n") << false;
    QTest::newRow("2") << QByteArray("[DEBUG]\nLOG_LEVEL=2\n") << true;
    QTest::newRow("10") << QByteArray("[DEBUG]\nLOG_LEVEL=10\n") << true;
}

void TestDebugLog::levelSwitch()
{
    QFETCH(QByteArray, msgIni);
    QFETCH(bool, written);
    TestFolders folders;
    if (!msgIni.isEmpty())
        TestFolders::writeFile(folders.dataPath("msg.ini"), msgIni);
    DebugLog::init(folders.dataDir());
    writeLog(1, "[TestDebugLog][levelSwitch] %s %d", "hello", 7);
    QCOMPARE(QFile::exists(folders.dataPath("WendoAgent.log")), written);
    if (written)
        QVERIFY(TestFolders::readFile(folders.dataPath("WendoAgent.log"))
                    .endsWith(" \t[TestDebugLog][levelSwitch] hello 7\r\n"));

    // The switch is settled once per run: removing the file changes nothing until the next init.
    QFile::remove(folders.dataPath("msg.ini"));
    writeLog(1, "second");
    QCOMPARE(TestFolders::readFile(folders.dataPath("WendoAgent.log")).contains("second"), written);
}

void TestDebugLog::switchThatIsNoFile_data()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("fifo") << "fifo";
    QTest::newRow("folder") << "folder";
    QTest::newRow("link to a fifo") << "link";
}

// A switch file that is a FIFO nobody writes to (or any other entry that is no regular file) must not
// hold the agent's start: it is not read, and nothing is logged.
void TestDebugLog::switchThatIsNoFile()
{
    QFETCH(QString, kind);
    TestFolders folders;
    const QString sSwitch = folders.dataPath("msg.ini");
    const QString sFifo = kind == "link" ? folders.dataPath("pipe") : sSwitch;
    if (kind == "folder")
        QVERIFY(QDir().mkpath(sSwitch));
    else
        QCOMPARE(::mkfifo(QFile::encodeName(sFifo).constData(), 0600), 0);
    if (kind == "link")
        QVERIFY(QFile::link(sFifo, sSwitch));
    const QString sDataDir = folders.dataDir();
    QVERIFY2(HangGuard::finishes([sDataDir] { DebugLog::init(sDataDir); }), "the start waits on msg.ini");
    writeLog(1, "[TestDebugLog][switchThatIsNoFile] not to be written");
    QVERIFY(!DebugLog::isOn());
    QVERIFY(!QFile::exists(folders.dataPath("WendoAgent.log")));
}

void TestDebugLog::lineFormat()
{
    const QDateTime when(QDate(2026, 3, 7), QTime(9, 5, 1, 42));
    QCOMPARE(LogFile::formatLine(when, "[A][b][Entry]"),
             QByteArray("2026/3/7 09:05:01:42 \t[A][b][Entry]\r\n"));
    const QDateTime late(QDate(2026, 12, 31), QTime(23, 59, 59, 999));
    QCOMPARE(LogFile::formatLine(late, "x\xe9"), QByteArray("2026/12/31 23:59:59:999 \tx\xe9\r\n"));
}

void TestDebugLog::rotation_data()
{
    QTest::addColumn<int>("logSize");
    QTest::addColumn<bool>("with01");
    QTest::addColumn<bool>("with02");
    QTest::addColumn<bool>("rotated");
    QTest::newRow("exactly 512000 stays") << 512000 << true << true << false;
    QTest::newRow("512001, both copies") << 512001 << true << true << true;
    QTest::newRow("512001, no copies") << 512001 << false << false << true;
    QTest::newRow("512001, only 02") << 512001 << false << true << true;
}

void TestDebugLog::rotation()
{
    QFETCH(int, logSize);
    QFETCH(bool, with01);
    QFETCH(bool, with02);
    QFETCH(bool, rotated);
    TestFolders folders; // no msg.ini: rotation happens whether or not logging is on
    const QString sLog = folders.dataPath("WendoAgent.log");
    const QString s01 = folders.dataPath("WendoAgent01.log");
    const QString s02 = folders.dataPath("WendoAgent02.log");
    const QByteArray current(logSize, 'c');
    TestFolders::writeFile(sLog, current);
    if (with01)
        TestFolders::writeFile(s01, "one");
    if (with02)
        TestFolders::writeFile(s02, "two");

    DebugLog::init(folders.dataDir());

    if (!rotated) {
        QCOMPARE(TestFolders::readFile(sLog), current);
        QCOMPARE(TestFolders::readFile(s01), QByteArray(with01 ? "one" : ""));
        return;
    }
    QVERIFY(!QFile::exists(sLog));
    QCOMPARE(TestFolders::readFile(s01), current);
    // The old 01 moves to 02 (dropping the oldest); without an 01 the old 02 stays as it was.
    QCOMPARE(TestFolders::readFile(s02), QByteArray(with01 ? "one" : (with02 ? "two" : "")));
}

void TestDebugLog::threadsWriteWholeLines()
{
    TestFolders folders(true);
    const int nThreads = 8;
    const int nLines = 200;
    QList<QThread*> threads;
    for (int t = 0; t < nThreads; ++t) {
        threads.append(QThread::create([t] {
            for (int i = 0; i < nLines; ++i)
                writeLog(1, "[T%d][line] %d %s", t, i, "payload-payload-payload-payload");
        }));
        threads.last()->start();
    }
    for (QThread* pThread : threads) {
        pThread->wait();
        delete pThread;
    }
    const QList<QByteArray> lines = TestFolders::readFile(folders.dataPath("WendoAgent.log")).split('\n');
    QCOMPARE(lines.size(), nThreads * nLines + 1);
    QRegularExpression whole(
        "^\\d+/\\d+/\\d+ \\d\\d:\\d\\d:\\d\\d:\\d+ \\t\\[T\\d\\]\\[line\\] \\d+ payload-payload-"
        "payload-payload\\r$");
    for (int i = 0; i < lines.size() - 1; ++i)
        QVERIFY2(whole.match(QString::fromLatin1(lines.at(i))).hasMatch(), lines.at(i).constData());
}

void TestDebugLog::longMessageIsCutWithANote_data()
{
    QTest::addColumn<int>("length"); // of the whole formatted message, "[A][b] " and "|" included
    QTest::addColumn<bool>("cut");
    QTest::newRow("exactly the limit") << DebugLog::MESSAGE_LIMIT << false;
    QTest::newRow("one byte over") << DebugLog::MESSAGE_LIMIT + 1 << true;
    QTest::newRow("a large answer") << 5 * 1024 * 1024 << true;
}

void TestDebugLog::longMessageIsCutWithANote()
{
    QFETCH(int, length);
    QFETCH(bool, cut);
    TestFolders folders(true);
    const QByteArray big(length - 8, 'x');
    writeLog(1, "[A][b] %s|", big.constData());
    writeLog(1, "[A][b] next");
    const QByteArray log = TestFolders::readFile(folders.dataPath("WendoAgent.log"));
    const QList<QByteArray> lines = log.split('\n');
    QCOMPARE(lines.size(), 3); // both lines whole, the next one on its own line
    QVERIFY(lines.at(1).endsWith(" \t[A][b] next\r"));
    const QByteArray message = lines.at(0).mid(lines.at(0).indexOf('\t') + 1).chopped(1);
    if (!cut) {
        QCOMPARE(message, "[A][b] " + big + "|");
        return;
    }
    const QByteArray note = DebugLog::cutNote(length - DebugLog::MESSAGE_LIMIT);
    QCOMPARE(message, "[A][b] " + big.left(DebugLog::MESSAGE_LIMIT - 7) + note);
}

void TestDebugLog::cutKeepsWholeCharacters_data()
{
    QTest::addColumn<QByteArray>("character"); // UTF-8
    QTest::addColumn<int>("before");           // of its bytes, how many stand before the limit
    const QList<QByteArray> characters = {"\xc3\xa9", "\xe2\x82\xac", "\xf0\x9f\x9a\xb2"};
    for (const QByteArray& character : characters) {
        for (int nBefore = 0; nBefore <= character.size(); ++nBefore)
            QTest::addRow("%d-byte character, %d of its bytes before the limit", int(character.size()),
                          nBefore)
                << character << nBefore;
    }
}

// A message cut at its limit stays UTF-8: a character across the limit goes whole into the part cut off.
void TestDebugLog::cutKeepsWholeCharacters()
{
    QFETCH(QByteArray, character);
    QFETCH(int, before);
    TestFolders folders(true);
    const QByteArray head = "[A][b] " + QByteArray(DebugLog::MESSAGE_LIMIT - 7 - before, 'x');
    const QByteArray tail(100, 'y');
    writeLog(1, "%s%s%s", head.constData(), character.constData(), tail.constData());
    const QByteArray log = TestFolders::readFile(folders.dataPath("WendoAgent.log"));
    QTextCodec::ConverterState state;
    QTextCodec::codecForName("UTF-8")->toUnicode(log.constData(), log.size(), &state);
    QCOMPARE(state.invalidChars, 0);
    QCOMPARE(state.remainingChars, 0);
    const QByteArray message = log.mid(log.indexOf('\t') + 1).chopped(2);
    const bool bWhole = before == character.size();
    const QByteArray kept = bWhole ? head + character : head;
    const qint64 nTotal = head.size() + character.size() + tail.size();
    QCOMPARE(message, kept + DebugLog::cutNote(nTotal - kept.size()));
}

void TestDebugLog::controlCharactersAreEscaped_data()
{
    QTest::addColumn<QByteArray>("value");
    QTest::addColumn<QByteArray>("written");
    QTest::newRow("line feed") << QByteArray("U1\n2026/1/1 00:00:00:0 \t[Forged][line]")
                               << QByteArray("U1\\n2026/1/1 00:00:00:0 \\t[Forged][line]");
    QTest::newRow("carriage return") << QByteArray("a\r\nb") << QByteArray("a\\r\\nb");
    QTest::newRow("escape and bell") << QByteArray("\x1b[2J\x07") << QByteArray("\\x1b[2J\\x07");
    QTest::newRow("delete") << QByteArray("a\x7f") << QByteArray("a\\x7f");
    QTest::newRow("latin-1 and UTF-8 stay") << QByteArray("x\xe9 \xc3\xa9") << QByteArray("x\xe9 \xc3\xa9");
}

void TestDebugLog::controlCharactersAreEscaped()
{
    QFETCH(QByteArray, value);
    QFETCH(QByteArray, written);
    TestFolders folders(true);
    writeLog(1, "[UsbMonitor][scan] uuid:%s", value.constData());
    const QByteArray log = TestFolders::readFile(folders.dataPath("WendoAgent.log"));
    QCOMPARE(log.count('\n'), 1);
    QVERIFY2(log.endsWith(" \t[UsbMonitor][scan] uuid:" + written + "\r\n"), log.constData());
}

void TestDebugLog::exportedAnswerIsCut()
{
    TestFolders folders(true);
    // Short lines first, then one line that runs far past the limit.
    QByteArray answer = "<a>\r\n<b>x</b>\n";
    answer += "<c>" + QByteArray(3 * DebugLog::MESSAGE_LIMIT, 'y') + "</c>\n";
    const QString sAnswer = folders.tempDir() + "/genwork.xml";
    TestFolders::writeFile(sAnswer, answer);
    DebugLog::exportFile(sAnswer);

    const QByteArray log = TestFolders::readFile(folders.dataPath("WendoAgent.log"));
    QVERIFY(log.contains(" \t[ZeqAgentCtrlMgr][exportToDebugLog] <a>\r\n"));
    QVERIFY(log.contains(" \t[ZeqAgentCtrlMgr][exportToDebugLog] <b>x</b>\r\n"));
    const QByteArray note = DebugLog::cutNote(answer.size() - DebugLog::MESSAGE_LIMIT);
    QVERIFY(log.endsWith(" \t[ZeqAgentCtrlMgr][exportToDebugLog] " + note + "\r\n"));
    QVERIFY(log.size() < 2 * DebugLog::MESSAGE_LIMIT);
    QCOMPARE(TestFolders::readFile(sAnswer), answer);
}

void TestDebugLog::logFilesArePrivate_data()
{
    QTest::addColumn<bool>("existing"); // a log (and its copies) left readable by an earlier run
    QTest::newRow("new log") << false;
    QTest::newRow("existing wider log and copies") << true;
}

void TestDebugLog::logFilesArePrivate()
{
    QFETCH(bool, existing);
    const QFile::Permissions owner = QFile::ReadOwner | QFile::WriteOwner;
    const QFile::Permissions wide = owner | QFile::ReadGroup | QFile::ReadOther | QFile::WriteOther;
    TestFolders folders(true);
    DebugLog::shutdown();
    const QStringList lstLogs = {folders.dataPath("WendoAgent.log"), folders.dataPath("WendoAgent01.log"),
                                 folders.dataPath("WendoAgent02.log")};
    if (existing) {
        for (const QString& sPath : lstLogs) {
            QVERIFY(TestFolders::writeFile(sPath, "old line\r\n"));
            QVERIFY(QFile::setPermissions(sPath, wide));
        }
    }
    DebugLog::init(folders.dataDir());
    writeLog(1, "[A][b] session:SECRET");
    const QFile::Permissions mask =
        wide | QFile::ExeOwner | QFile::ExeGroup | QFile::ExeOther | QFile::WriteGroup;
    for (const QString& sPath : lstLogs) {
        if (!existing && sPath != lstLogs.first())
            continue;
        QVERIFY2(QFile::exists(sPath), qPrintable(sPath));
        QCOMPARE(QFile::permissions(sPath) & mask, owner);
    }
}

QTEST_GUILESS_MAIN(TestDebugLog)
#include "tst_debuglog.moc"
