#include "controller/LanguageTable.h"
#include "support/TranslatedCodes.h"

#include <QCoreApplication>
#include <QFile>
#include <QMap>
#include <QRegularExpression>
#include <QTranslator>
#include <QXmlStreamReader>
#include <QtTest>

#include <algorithm>

// The language files as a translator leaves them: every entry translated, its placeholders, markup,
// entities and line breaks those of the English text, and the compiled file loadable by the program.
// One row per language; a failing row lists every faulty entry of that language at once.
//
// Texts the user sees side by side, or one in place of the other, must also stay told apart in every
// language: a translation must not say with the words of its partner all it says (Russian once wrote
// "Выйти" for Sign out beside "Выйти из WendoAgent" for Exit).
//
// Languages still being translated are left out until they are done: WENDO_TRANSLATED lists the codes to
// check (comma-separated, or "all"); without it the finished languages below are checked.
class TestTranslationFiles : public QObject
{
    Q_OBJECT

private slots:
    void entries_data();
    void entries();
    void compiled_data();
    void compiled();
    void pairsStayDistinct_data();
    void pairsStayDistinct();
};

namespace
{
// Source texts a translation may repeat letter for letter: names, placeholders the code replaces before
// anyone sees them, and words that are the same in a language. "*" stands for every language.
// One line per text and reason; a text may have several lines (one per language group).
const QList<QPair<QString, QStringList>> KEPT = {
    {" WendoAgent ", {"*"}},         // the window's title: the program's name
    {"TextLabel", {"*"}},            // replaced by the page before it is shown
    {"test", {"*"}},                 // the sync button's text in the debugging mode only
    {"UUID:", {"*"}},                // an identifier's name
    {"OK", {"*"}},                   // the button as every desktop writes it
    {"Version", {"de", "fr", "sv"}}, // the same word
    {"Backup", {"it"}},              // the word Italian desktops use
    {"Password", {"it"}},            // the word Italian desktops use
    {"No", {"es", "it", "ca"}},      // the same word
    // the firmware's name as these languages write it, alone and in the form's placeholder
    {"ROM",
     {"bg", "cs", "da", "el", "et", "fi", "hr", "hu", "lt", "lv", "de", "fr", "es", "it", "nl", "pt", "ca"}},
    {"ROM (1.1.1.1)", {"bg", "cs", "da", "el", "et", "fi", "hr", "de", "fr", "es", "it", "nl", "pt", "ca"}},
    {"Software", {"cs", "da", "ro", "de", "es", "it", "nl", "pt"}},     // the same word
    {"Software (1.1.1.1)", {"cs", "da", "de", "es", "it", "nl", "pt"}}, // the same word
    {"China", {"ro", "de", "es", "nl", "pt"}},                          // the same word
    {"version", {"da", "sv", "fr"}},                                    // the same word
    {"update", {"nl"}},                                                 // the same word
    {"Updates", {"de", "nl"}},                                          // the same word
};

bool isKept(const QString& sCode, const QString& sSource)
{
    for (const auto& kept : KEPT) {
        if (kept.first == sSource && (kept.second.contains("*") || kept.second.contains(sCode)))
            return true;
    }
    return false;
}

QString tsPath(const QString& sCode)
{
    return QString::fromLocal8Bit(qgetenv("WENDO_SOURCE_DIR")) + "/src/lang/WendoAgent_" +
           QString(sCode).replace('-', '_') + ".ts";
}

struct Entry {
    QString sContext;
    QString sSource;
    QStringList translations; // one, or one per plural form
    bool bUnfinished = false;
};

// The entries of a .ts file; false when it is not well-formed XML.
bool readEntries(const QString& sPath, QList<Entry>* pEntries, QString* pError)
{
    QFile file(sPath);
    if (!file.open(QIODevice::ReadOnly)) {
        *pError = "cannot open " + sPath;
        return false;
    }
    QXmlStreamReader xml(&file);
    QString sContext;
    Entry entry;
    bool bNumerus = false;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement()) {
            if (xml.isEndElement() && xml.name() == QLatin1String("message")) {
                if (entry.translations.isEmpty())
                    entry.translations.append(QString());
                pEntries->append(entry);
            }
            continue;
        }
        if (xml.name() == QLatin1String("name")) {
            sContext = xml.readElementText();
        } else if (xml.name() == QLatin1String("message")) {
            entry = Entry{sContext, QString(), QStringList(), false};
            bNumerus = xml.attributes().value("numerus") == QLatin1String("yes");
        } else if (xml.name() == QLatin1String("source")) {
            entry.sSource = xml.readElementText();
        } else if (xml.name() == QLatin1String("translation")) {
            // A stale (vanished, obsolete) entry is no translation either.
            entry.bUnfinished = !xml.attributes().value("type").isEmpty();
            if (!bNumerus)
                entry.translations.append(xml.readElementText());
        } else if (xml.name() == QLatin1String("numerusform")) {
            entry.translations.append(xml.readElementText());
        }
    }
    if (xml.hasError()) {
        *pError = QString("%1 line %2: %3").arg(sPath).arg(xml.lineNumber()).arg(xml.errorString());
        return false;
    }
    return true;
}

QStringList sortedMatches(const QString& sText, const QRegularExpression& re)
{
    QStringList found;
    QRegularExpressionMatchIterator it = re.globalMatch(sText);
    while (it.hasNext())
        found.append(it.next().captured(0));
    std::sort(found.begin(), found.end());
    return found;
}

QStringList placeholders(const QString& sText)
{
    static const QRegularExpression re("%L?(\\d+|n)");
    return sortedMatches(sText, re);
}

// Whole tags with their attributes: a translation keeps the links and colours of the English text.
QStringList tags(const QString& sText)
{
    static const QRegularExpression re("<[^<>]+>");
    return sortedMatches(sText, re);
}

QStringList entities(const QString& sText)
{
    static const QRegularExpression re("&#?\\w+;");
    return sortedMatches(sText, re);
}

// Empty when every opened element is closed in order (void elements such as <br/> need no end).
QString unbalancedTag(const QString& sText)
{
    static const QRegularExpression re("<(/?)([A-Za-z][A-Za-z0-9]*)[^<>]*?(/?)>");
    static const QStringList voids = {"br", "img", "hr"};
    QStringList open;
    QRegularExpressionMatchIterator it = re.globalMatch(sText);
    while (it.hasNext()) {
        const QRegularExpressionMatch match = it.next();
        const QString sName = match.captured(2).toLower();
        if (!match.captured(3).isEmpty() || voids.contains(sName))
            continue;
        if (match.captured(1).isEmpty())
            open.append(sName);
        else if (open.isEmpty() || open.takeLast() != sName)
            return match.captured(0);
    }
    return open.isEmpty() ? QString() : "<" + open.last() + "> not closed";
}

// What is wrong with one translation of an entry, or nothing.
QStringList faults(const QString& sCode, const Entry& entry, const QString& sTranslation)
{
    QStringList found;
    if (sTranslation.trimmed().isEmpty())
        return {"empty"};
    if (entry.bUnfinished)
        found.append("unfinished");
    if (sTranslation == entry.sSource && !isKept(sCode, entry.sSource))
        found.append("untranslated");
    if (placeholders(sTranslation) != placeholders(entry.sSource))
        found.append("placeholders " + placeholders(sTranslation).join(' ') + " instead of " +
                     placeholders(entry.sSource).join(' '));
    if (tags(sTranslation) != tags(entry.sSource))
        found.append("markup differs");
    const QString sUnbalanced = unbalancedTag(sTranslation);
    if (!sUnbalanced.isEmpty())
        found.append("unbalanced " + sUnbalanced);
    if (entities(sTranslation) != entities(entry.sSource))
        found.append("entities " + entities(sTranslation).join(' ') + " instead of " +
                     entities(entry.sSource).join(' '));
    if (sTranslation.count('\n') != entry.sSource.count('\n'))
        found.append("line breaks differ");
    return found;
}
} // namespace

void TestTranslationFiles::entries_data()
{
    QTest::addColumn<QString>("code");
    const QStringList codes = translatedCodes();
    QVERIFY2(!codes.isEmpty(), "no language to check");
    for (const QString& sCode : codes)
        QTest::newRow(qPrintable(sCode)) << sCode;
}

void TestTranslationFiles::entries()
{
    QFETCH(QString, code);
    QList<Entry> entryList;
    QString sError;
    QVERIFY2(readEntries(tsPath(code), &entryList, &sError), qPrintable(sError));
    QVERIFY(!entryList.isEmpty());
    QStringList report;
    for (const Entry& entry : entryList) {
        for (const QString& sTranslation : entry.translations) {
            const QStringList found = faults(code, entry, sTranslation);
            if (!found.isEmpty())
                report.append(QString("  %1 | %2 | %3").arg(entry.sContext, entry.sSource, found.join(", ")));
        }
    }
    QVERIFY2(report.isEmpty(), qPrintable(QString("\n%1: %2 faulty entries\n").arg(code).arg(report.size()) +
                                          report.join('\n')));
}

void TestTranslationFiles::compiled_data()
{
    entries_data();
}

// The build's own file, as the program loads it, answers with the translations of the .ts file.
void TestTranslationFiles::compiled()
{
    QFETCH(QString, code);
    const QString sPath = QString::fromLocal8Bit(qgetenv("WENDO_TEST_BIN")) + LanguageTable::fileFor(code);
    QTranslator translator;
    QVERIFY2(translator.load(sPath), qPrintable(sPath));
    QList<Entry> entryList;
    QString sError;
    QVERIFY2(readEntries(tsPath(code), &entryList, &sError), qPrintable(sError));
    for (const Entry& entry : entryList) {
        const QString sLoaded =
            translator.translate(entry.sContext.toUtf8().constData(), entry.sSource.toUtf8().constData());
        QVERIFY2(sLoaded == entry.translations.value(0),
                 qPrintable(QString("%1 | %2: \"%3\"").arg(entry.sContext, entry.sSource, sLoaded)));
    }
}

namespace
{
// The words of a text as a reader compares them: lower case, without accents and the names that stay
// the same in every language; a run of Chinese characters is one word.
QStringList words(QString sText)
{
    for (const char* szName : {"QuorvaneShare", "ZeqShare", "WendoAgent", "wendoAgent", "Zeq"})
        sText.replace(QLatin1String(szName), " ");
    QString sBare;
    for (const QChar c : sText.toLower().normalized(QString::NormalizationForm_D)) {
        if (!c.isMark())
            sBare.append(c);
    }
    static const QRegularExpression reNoLetter("[^\\p{L}]+");
    return sBare.split(reNoLetter, Qt::SkipEmptyParts);
}

// Two words are forms of one word when they are equal, or share a beginning of at least five letters
// that is most of the shorter one ("обновления" and "обновить", "aktualizácie" and "aktualizovať"),
// but not "disponible" and "dispositivo".
bool sameStem(const QString& sWord, const QString& sOther)
{
    if (sWord == sOther)
        return true;
    const int nShorter = qMin(sWord.size(), sOther.size());
    int nCommon = 0;
    while (nCommon < nShorter && sWord.at(nCommon) == sOther.at(nCommon))
        ++nCommon;
    return nCommon >= 5 && nCommon * 5 >= nShorter * 3;
}

// True when sText has a word that is no form of any word of sOther: it says something sOther does not.
bool saysMoreThan(const QString& sText, const QString& sOther)
{
    const QStringList otherWords = words(sOther);
    for (const QString& sWord : words(sText)) {
        const bool bShared =
            std::any_of(otherWords.begin(), otherWords.end(),
                        [&](const QString& sOtherWord) { return sameStem(sWord, sOtherWord); });
        if (!bShared)
            return true;
    }
    return false;
}

const QString UPDATE_DONE =
    "Update successfully. Device should have been restarted. If not, please disconnect the "
    "device now in order to complete the update process.";
} // namespace

void TestTranslationFiles::pairsStayDistinct_data()
{
    QTest::addColumn<QString>("firstContext");
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("secondContext");
    QTest::addColumn<QString>("second");
    // The tray menu's neighbours, and the bottom strip's button against the menu's Exit.
    QTest::newRow("sign out, exit") << "QObject"
                                    << "Sign out"
                                    << "QObject"
                                    << "Exit WendoAgent";
    QTest::newRow("sign out button, exit") << "BottomBar"
                                           << "Sign out"
                                           << "QObject"
                                           << "Exit WendoAgent";
    QTest::newRow("sign in, sign out") << "QObject"
                                       << "Sign in"
                                       << "QObject"
                                       << "Sign out";
    // The version and map pages' button before and after a check found something, and the offer's button.
    QTest::newRow("check for updates, updates") << "QObject"
                                                << "Check for Updates"
                                                << "QObject"
                                                << "Updates";
    QTest::newRow("check for updates, update") << "QObject"
                                               << "Check for Updates"
                                               << "NewUpdateAvailableDialog"
                                               << "Update";
    QTest::newRow("upgrade, updates") << "QObject"
                                      << "Upgrade"
                                      << "QObject"
                                      << "Updates";
    // The device's state after a check, and the end of an install.
    QTest::newRow("up to date, update available") << "QObject"
                                                  << "The device's software is up-to-date."
                                                  << "QObject"
                                                  << "Update available";
    QTest::newRow("up to date, updated") << "QObject"
                                         << "The device's software is up-to-date."
                                         << "QObject" << UPDATE_DONE;
    // A sync's whole success against its partial one, in both brands; the sync button after each.
    QTest::newRow("all uploaded, some not") << "QObject"
                                            << "All data has been uploaded to ZeqShare successfully."
                                            << "QObject"
                                            << "Some data cannot be uploaded to ZeqShare.";
    QTest::newRow("all uploaded, some not (second brand)")
        << "QObject"
        << "All data has been uploaded to QuorvaneShare successfully."
        << "QObject"
        << "Some data cannot be uploaded to QuorvaneShare.";
    QTest::newRow("sync again, try again") << "QObject"
                                           << "Sync again"
                                           << "QObject"
                                           << "Try again";
    QTest::newRow("deregistered, not deregistered") << "QObject"
                                                    << "Your device is successfully deregistered."
                                                    << "QObject"
                                                    << "Your device is not deregistered successfully yet.";
    // Restoring a backup against recovering a device that no longer starts.
    QTest::newRow("restore, recover") << "QObject"
                                      << "Restore"
                                      << "QObject"
                                      << "Recover";
}

// Where the English first text says something the second does not, its translation must too, and the
// other way round; two equal translations are always a fault. A failing row lists every language.
void TestTranslationFiles::pairsStayDistinct()
{
    QFETCH(QString, firstContext);
    QFETCH(QString, first);
    QFETCH(QString, secondContext);
    QFETCH(QString, second);
    const bool bFirstSaysMore = saysMoreThan(first, second);
    const bool bSecondSaysMore = saysMoreThan(second, first);
    QVERIFY2(bFirstSaysMore || bSecondSaysMore, "the English texts themselves are not told apart");
    QStringList report;
    for (const QString& sCode : translatedCodes()) {
        QList<Entry> entryList;
        QString sError;
        QVERIFY2(readEntries(tsPath(sCode), &entryList, &sError), qPrintable(sError));
        auto translationOf = [&](const QString& sContext, const QString& sSource) {
            for (const Entry& entry : entryList) {
                if (entry.sContext == sContext && entry.sSource == sSource)
                    return entry.translations.value(0);
            }
            return QString();
        };
        const QString sFirst = translationOf(firstContext, first);
        const QString sSecond = translationOf(secondContext, second);
        QVERIFY2(!sFirst.isEmpty() && !sSecond.isEmpty(),
                 qPrintable(sCode + ": a text of the pair is missing"));
        if (sFirst.trimmed() == sSecond.trimmed() || (bFirstSaysMore && !saysMoreThan(sFirst, sSecond)) ||
            (bSecondSaysMore && !saysMoreThan(sSecond, sFirst)))
            report.append(QString("  %1: \"%2\" | \"%3\"").arg(sCode, sFirst, sSecond));
    }
    QVERIFY2(report.isEmpty(), qPrintable(QString("\nthese translations say no more than their partner:\n") +
                                          report.join('\n')));
}

QTEST_GUILESS_MAIN(TestTranslationFiles)
#include "tst_translationfiles.moc"
