#include "controller/LanguageTable.h"
#include "controller/ZeqAgentCtrlMgr.h"
#include "core/AgentSettings.h"
#include "support/ControllerTestDevices.h"
#include "support/TestFolders.h"

#include <QDir>
#include <QLibraryInfo>
#include <QtTest>

class TestLanguage : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void table_data();
    void table();
    void switching();
    void qtTextsFollowTheSwitch_data();
    void qtTextsFollowTheSwitch();

private:
    QScopedPointer<TestFolders> m_pFolders;
};

void TestLanguage::initTestCase()
{
    ControllerTestDevices::install();
    m_pFolders.reset(new TestFolders);
    QDir().mkpath(m_pFolders->programPath("lang"));
    QVERIFY(QFile::copy(TEST_QM_DIR "/test_de.qm", m_pFolders->programPath("lang/WendoAgent_de.qm")));
    QVERIFY(QFile::copy(TEST_QM_DIR "/test_fr.qm", m_pFolders->programPath("lang/WendoAgent_fr.qm")));
}

void TestLanguage::table_data()
{
    QTest::addColumn<QString>("given");
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("file");
    QTest::newRow("DE") << "DE"
                        << "de"
                        << "/lang/WendoAgent_de.qm";
    QTest::newRow("lt") << "lt"
                        << "lt"
                        << "/lang/WendoAgent_lt.qm";
    QTest::newRow("zh-TW") << "zh-TW"
                           << "zh-tw"
                           << "/lang/WendoAgent_zh_tw.qm";
    QTest::newRow("zh_CN matches nothing") << "zh_CN"
                                           << "en"
                                           << "/lang/WendoAgent_en.qm";
    QTest::newRow("de_DE matches nothing") << "de_DE"
                                           << "en"
                                           << "/lang/WendoAgent_en.qm";
    QTest::newRow("empty") << ""
                           << "en"
                           << "/lang/WendoAgent_en.qm";
}

void TestLanguage::table()
{
    QFETCH(QString, given);
    QFETCH(QString, code);
    QFETCH(QString, file);
    QCOMPARE(LanguageTable::codeFor(given), code);
    QCOMPARE(LanguageTable::fileFor(LanguageTable::codeFor(given)), file);
    QCOMPARE(LanguageTable::codes().size(), 29);
}

void TestLanguage::switching()
{
    ZeqAgentCtrlMgr* pCtrl = ZeqAgentCtrlMgr::getInstance();
    pCtrl->setLang("DE");
    QCOMPARE(pCtrl->langCode(), QString("de"));
    QCOMPARE(QObject::tr("Internet connection"), QString("Internetverbindung"));
    QCOMPARE(AgentSettings().getString("SETTING", "Lang"), QString("de"));

    // French lacks "Sign in": it shows the source text, never the German leftover.
    pCtrl->setLang("fr");
    QCOMPARE(QObject::tr("Internet connection"), QString("Connexion Internet"));
    QCOMPARE(QObject::tr("Sign in"), QString("Sign in"));

    // No English file exists: back to the source texts.
    pCtrl->setLang("en");
    QCOMPARE(QObject::tr("Internet connection"), QString("Internet connection"));
    QCOMPARE(AgentSettings().getString("SETTING", "Lang"), QString("en"));
}

namespace
{
QString qtCancel()
{
    return QCoreApplication::translate("QPlatformTheme", "Cancel");
}

// German has this text of Qt's, French does not: it shows whether the German translation is still in.
QString germanOnlyText()
{
    return QCoreApplication::translate("QPrintDialog", "Invalid Pages Definition");
}
} // namespace

void TestLanguage::qtTextsFollowTheSwitch_data()
{
    QTest::addColumn<QString>("then");
    QTest::addColumn<QString>("cancel");
    QTest::newRow("Deutsch, then English") << "en"
                                           << "Cancel";
    QTest::newRow("Deutsch, then Français") << "fr"
                                            << "Annuler";
}

// Qt's own texts (standard buttons) come from the system's Qt translations and switch with the agent's.
void TestLanguage::qtTextsFollowTheSwitch()
{
    QFETCH(QString, then);
    QFETCH(QString, cancel);
    const QString sFolder = QLibraryInfo::location(QLibraryInfo::TranslationsPath);
    QVERIFY2(QFile::exists(sFolder + "/qtbase_de.qm") && QFile::exists(sFolder + "/qtbase_fr.qm"),
             qPrintable("no Qt translations in " + sFolder + " (package qttranslations5-l10n)"));
    ZeqAgentCtrlMgr* pCtrl = ZeqAgentCtrlMgr::getInstance();
    pCtrl->setLang("de");
    QCOMPARE(qtCancel(), QString("Abbrechen"));
    QCOMPARE(germanOnlyText(), QString("Ungültige Seitendefinition"));

    pCtrl->setLang(then);
    QCOMPARE(qtCancel(), cancel);
    QCOMPARE(germanOnlyText(), QString("Invalid Pages Definition"));
    pCtrl->setLang("en");
}

QTEST_GUILESS_MAIN(TestLanguage)
#include "tst_language.moc"
