#include "core/WorkFile.h"
#include "support/FakeUpdateService.h"
#include "support/TestFolders.h"
#include "update/ProcDevUpdateXml.h"
#include "update/ProcMapUpdateXml.h"

#include <QDir>
#include <QtTest>

using Rows = QList<WorkFile::Row>;
Q_DECLARE_METATYPE(Rows)

namespace
{
FakeUpdateService::Package package(const QString& sKind, const QString& sVersion = "1.0")
{
    FakeUpdateService::Package p;
    p.sPackage = sKind;
    p.sDate = "2026/01/02";
    p.sVersion = sVersion;
    p.sFileSize = "1234";
    p.sUrl = "http://dl.example/" + sKind + ".zip";
    p.sReleaseNote = "http://notes.example/" + sKind;
    return p;
}

WorkFile::Row rowOf(const FakeUpdateService::Package& p)
{
    return {p.sPackage, p.sDate, p.sVersion, p.sFileSize, p.sUrl, p.bWithReleaseNote ? p.sReleaseNote : ""};
}
} // namespace

// The device check's answer as the update service sends it, read into the work lists.
class TestDevUpdateXml : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void lists_data();
    void lists();
    void valuesComeBackWhole();
    void serviceError();
    void nothingOffered();
    void unusableAnswers_data();
    void unusableAnswers();
    void unwritableList();
    void mapReaderAcceptsAnything();

private:
    QString writeAnswer(const QByteArray& document);
    static Rows rowsOf(const QString& sPath);
    QScopedPointer<TestFolders> m_pFolders;
};

void TestDevUpdateXml::init()
{
    m_pFolders.reset(new TestFolders);
    QVERIFY(QDir().mkpath(m_pFolders->tempDir()));
}

QString TestDevUpdateXml::writeAnswer(const QByteArray& document)
{
    const QString sPath = m_pFolders->tempDir() + "/devupdatework.xml";
    if (!TestFolders::writeFile(sPath, document))
        return QString();
    return sPath;
}

Rows TestDevUpdateXml::rowsOf(const QString& sPath)
{
    Rows rows;
    WorkFile::readRows(sPath, &rows);
    return rows;
}

void TestDevUpdateXml::lists_data()
{
    QTest::addColumn<QByteArray>("answer");
    QTest::addColumn<Rows>("update");
    QTest::addColumn<Rows>("korvo");
    QTest::addColumn<bool>("korvoResult");

    const auto image = package("IMAGE");
    const auto app = package("APPLICATION");
    const auto agent1 = package("AGENT", "1");
    const auto agent2 = package("AGENT", "2");
    const auto lowerAgent = package("agent");
    auto noNote = package("APPLICATION");
    noNote.bWithReleaseNote = false;

    QTest::newRow("image then application")
        << FakeUpdateService::updatesDocument({image, app}, "") << Rows{rowOf(image), rowOf(app)}
        << Rows{rowOf(image), rowOf(app)} << true;
    QTest::newRow("agent rows first") << FakeUpdateService::updatesDocument({image, agent1, app, agent2}, "")
                                      << Rows{rowOf(agent1), rowOf(agent2), rowOf(image), rowOf(app)}
                                      << Rows{rowOf(image), rowOf(app)} << true;
    QTest::newRow("lower-case agent keeps its place")
        << FakeUpdateService::updatesDocument({image, lowerAgent}, "")
        << Rows{rowOf(image), rowOf(lowerAgent)} << Rows{rowOf(image), rowOf(lowerAgent)} << true;
    QTest::newRow("no release note gives an empty last field")
        << FakeUpdateService::updatesDocument({noNote}, "") << Rows{rowOf(noNote)} << Rows{rowOf(noNote)}
        << true;
    QTest::newRow("only an agent row")
        << FakeUpdateService::updatesDocument({agent1}, "") << Rows{rowOf(agent1)} << Rows{} << true;
    // Only "update" elements are packages: a code beside them, a comment or another child is none.
    QTest::newRow("code, comment and other children are no rows")
        << FakeUpdateService::updatesDocument({image}, "<code>S00000</code><!-- note --><other><package>X"
                                                       "</package></other>")
        << Rows{rowOf(image)} << Rows{rowOf(image)} << true;
    // More packages than any answer holds: the first ones in the answer's order, an agent row past them
    // dropped too.
    QList<FakeUpdateService::Package> many;
    Rows kept;
    for (int i = 0; i < ProcDevUpdateXml::MAX_ROWS + 3; ++i) {
        many.append(package("IMAGE", QString::number(i)));
        if (i < ProcDevUpdateXml::MAX_ROWS)
            kept.append(rowOf(many.last()));
    }
    many.append(agent1);
    QTest::newRow("rows past the bound dropped")
        << FakeUpdateService::updatesDocument(many, "") << kept << kept << true;
}

void TestDevUpdateXml::lists()
{
    QFETCH(QByteArray, answer);
    QFETCH(Rows, update);
    QFETCH(Rows, korvo);
    QFETCH(bool, korvoResult);
    const QString sAnswer = writeAnswer(answer);
    ProcDevUpdateXml reader;
    QVERIFY(reader.open(sAnswer));
    QCOMPARE(reader.m_eOutcome, ProcDevUpdateXml::LISTED);
    QCOMPARE(rowsOf(ProcDevUpdateXml::updateListPath()), update);
    ProcDevUpdateXml korvoReader;
    QCOMPARE(korvoReader.openKorvoUpdate(sAnswer), korvoResult);
    QCOMPARE(rowsOf(ProcDevUpdateXml::korvoListPath()), korvo);
    QVERIFY(QFile::exists(ProcDevUpdateXml::korvoListPath()));
}

void TestDevUpdateXml::valuesComeBackWhole()
{
    FakeUpdateService::Package hostile;
    hostile.sPackage = "APPLICATION";
    hostile.sDate = "2026;01\n02";
    hostile.sVersion = "1 & 2 < 3 > 0";
    hostile.sFileSize = "\"12\" '34'";
    hostile.sUrl = "http://dl.example/a%20b,c{d}.zip?x=1;y=2";
    hostile.sReleaseNote = QString::fromUtf8("Änderungen ✓ 变更\r\nzweite Zeile");
    const QString sAnswer = writeAnswer(FakeUpdateService::updatesDocument({hostile}, ""));
    ProcDevUpdateXml reader;
    QVERIFY(reader.open(sAnswer));
    const Rows rows = rowsOf(ProcDevUpdateXml::updateListPath());
    QCOMPARE(rows.size(), 1);
    // The service writes the CR as a character reference, so it survives the XML reader.
    QCOMPARE(rows.first(), rowOf(hostile));
}

void TestDevUpdateXml::serviceError()
{
    const QString sAnswer = writeAnswer(FakeUpdateService::errorDocument("E1234", "device & unknown"));
    ProcDevUpdateXml reader;
    QVERIFY(!reader.open(sAnswer));
    QCOMPARE(reader.m_eOutcome, ProcDevUpdateXml::SERVICE_ERROR);
    QCOMPARE(reader.m_sCode, QString("E1234"));
    QCOMPARE(reader.m_sError, QString("device & unknown"));
    QVERIFY(!QFile::exists(ProcDevUpdateXml::updateListPath()));
    ProcDevUpdateXml korvoReader;
    QVERIFY(!korvoReader.openKorvoUpdate(sAnswer));
    QCOMPARE(korvoReader.m_sCode, QString("E1234"));
}

void TestDevUpdateXml::nothingOffered()
{
    const QString sAnswer = writeAnswer(FakeUpdateService::errorDocument("", ""));
    ProcDevUpdateXml reader;
    QVERIFY(!reader.open(sAnswer));
    QCOMPARE(reader.m_eOutcome, ProcDevUpdateXml::NOTHING_OFFERED);
    QVERIFY(reader.m_sCode.isEmpty());
}

void TestDevUpdateXml::unusableAnswers_data()
{
    QTest::addColumn<QByteArray>("answer");
    QTest::newRow("garbage") << QByteArray("this is <no xml");
    QTest::newRow("cut in the middle") << FakeUpdateService::updatesDocument({package("IMAGE")}, "").left(60);
    QTest::newRow("empty") << QByteArray();
}

// An answer that is no document writes nothing: the old list stays as it was.
void TestDevUpdateXml::unusableAnswers()
{
    QFETCH(QByteArray, answer);
    QVERIFY(WorkFile::writeRows(ProcDevUpdateXml::updateListPath(), {{"OLD"}}));
    ProcDevUpdateXml reader;
    QVERIFY(!reader.open(writeAnswer(answer)));
    QCOMPARE(reader.m_eOutcome, ProcDevUpdateXml::UNREADABLE);
    QCOMPARE(rowsOf(ProcDevUpdateXml::updateListPath()), Rows{{"OLD"}});
}

void TestDevUpdateXml::unwritableList()
{
    // A folder where the list belongs cannot be replaced by a file, also for root.
    QVERIFY(QDir().mkpath(ProcDevUpdateXml::updateListPath()));
    ProcDevUpdateXml reader;
    QVERIFY(!reader.open(writeAnswer(FakeUpdateService::updatesDocument({package("IMAGE")}, ""))));
    QCOMPARE(reader.m_eOutcome, ProcDevUpdateXml::UNWRITABLE);
    QVERIFY(QFileInfo(ProcDevUpdateXml::updateListPath()).isDir());
}

void TestDevUpdateXml::mapReaderAcceptsAnything()
{
    ProcMapUpdateXml reader;
    QVERIFY(reader.open(m_pFolders->tempDir() + "/missing.xml"));
}

QTEST_GUILESS_MAIN(TestDevUpdateXml)
#include "tst_devupdatexml.moc"
