#include "controller/LanguageTable.h"
#include "core/AgentFolders.h"
#include "core/JsonHelper.h"
#include "core/WorkFile.h"
#include "support/PagesFixture.h"
#include "support/RealInput.h"
#include "ui/pages/CustomTabWidget.h"
#include "ui/pages/SettingWidget.h"
#include "ui/pages/ZeqAgentInfoWidget.h"
#include "ui/update/MapManagementWidget.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QMessageBox>
#include <QPointer>
#include <QTabBar>
#include <QTextDocument>
#include <QtTest>

#include <memory>

// A rider on the Settings tab picks German, then Chinese, with real mouse and keys on a display of its
// own under a window manager. The rider stays on Settings, and nothing on the open pages (My Device with
// an update found, Map Management, Settings) nor in a box opened afterwards is left in the language
// before: every text that has a translation shows it, Qt's own button texts included.
class TestLanguageByHand : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void pickLanguagesOnSettings();

private:
    // Chooses the item of the language list by keyboard in its open list.
    bool pickLanguage(RealInput& input, QComboBox* pChooser, int nIndex);
    bool chooseSettingsTab(RealInput& input);

    std::unique_ptr<PagesFixture> m_pFixture;
    std::unique_ptr<QWidget> m_pWindow;
    ZeqAgentInfoWidget* m_pInfo = nullptr;
};

namespace
{
// The map tab holds the real Map Management page; the update dialogs are not opened here.
class MapPageOpener : public PagesDialogOpener
{
public:
    QWidget* createMapPage(QWidget* pParent) override { return new MapManagementWidget(pParent); }
};

MapPageOpener& mapOpener()
{
    static MapPageOpener opener;
    return opener;
}

struct Shown {
    QPointer<QWidget> pWidget;
    QString sText;
};

QString textOf(QWidget* pWidget)
{
    if (QLabel* pLabel = qobject_cast<QLabel*>(pWidget))
        return pLabel->text();
    if (QAbstractButton* pButton = qobject_cast<QAbstractButton*>(pWidget))
        return pButton->text();
    if (QGroupBox* pBox = qobject_cast<QGroupBox*>(pWidget))
        return pBox->title();
    return QString();
}

// Every label, button and group box text of the window that a person can see on some tab.
QList<Shown> shownTexts(QWidget* pWindow, QTabWidget* pTabs)
{
    QList<Shown> shown;
    for (QWidget* pWidget : pWindow->findChildren<QWidget*>()) {
        QWidget* pPage = pWidget;
        while (pPage && pTabs->indexOf(pPage) < 0)
            pPage = pPage->parentWidget();
        const bool bSeen = pPage ? pWidget->isVisibleTo(pPage) : pWidget->isVisible();
        const QString sText = textOf(pWidget);
        if (bSeen && !sText.trimmed().isEmpty())
            shown.append({pWidget, sText});
    }
    return shown;
}

QString plain(const QString& sText)
{
    if (!Qt::mightBeRichText(sText))
        return sText;
    QTextDocument doc;
    doc.setHtml(sText);
    return doc.toPlainText();
}

// True when the installed translation has the text (or its part before ": ", or its part inside the
// square brackets) in the plain object context or in the context of a form around the widget.
bool hasTranslation(QWidget* pWidget, const QString& sText)
{
    const QString sPlain = plain(sText);
    QStringList candidates = {sPlain, sPlain.section(": ", 0, 0)};
    if (sPlain.startsWith('[') && sPlain.endsWith(']'))
        candidates.append(sPlain.mid(1, sPlain.size() - 2));
    QStringList contexts = {"QObject"};
    for (QWidget* pAbove = pWidget; pAbove; pAbove = pAbove->parentWidget())
        contexts.append(pAbove->metaObject()->className());
    for (const QString& sCandidate : candidates) {
        for (const QString& sContext : contexts) {
            const QByteArray context = sContext.toLatin1();
            const QByteArray source = sCandidate.toUtf8();
            if (QCoreApplication::translate(context.constData(), source.constData()) != sCandidate)
                return true;
        }
    }
    return false;
}

// "class name | before | now" for each widget that still shows a text of the earlier language.
QStringList leftOver(const QList<Shown>& before, const QList<Shown>& sources, bool bTranslatedOnly)
{
    QStringList found;
    for (const Shown& was : before) {
        if (!was.pWidget)
            continue;
        QString sSource;
        for (const Shown& source : sources) {
            if (source.pWidget == was.pWidget)
                sSource = source.sText;
        }
        // Without a translation of its English source a text may stay as it was.
        if (bTranslatedOnly && (sSource.isEmpty() || sSource == was.sText))
            continue;
        if (!hasTranslation(was.pWidget, sSource.isEmpty() ? was.sText : sSource))
            continue;
        const QString sNow = textOf(was.pWidget);
        if (sNow == was.sText)
            found.append(QString("%1 %2 | %3")
                             .arg(was.pWidget->metaObject()->className(), was.pWidget->objectName(), sNow));
    }
    return found;
}

bool writeUpdateLists()
{
    const QList<WorkFile::Row> updates = {
        {"APPLICATION", "d", "12.10.3", "1000", "http://dl/s.zip", "https://notes.example/app"}};
    const WorkFile::Row map = {"BugFixMapUpdate",
                               "2.0",
                               "1000",
                               "2026-12-31 23:59:59",
                               "OSM-EU",
                               "7",
                               "http://dl/m.zip",
                               "",
                               "",
                               "",
                               ""};
    return QDir().mkpath(AgentFolders::tempDir()) &&
           WorkFile::writeRows(AgentFolders::tempPath("Update.script"), updates) &&
           WorkFile::writeRows(AgentFolders::tempPath("map.script"), {map});
}
} // namespace

void TestLanguageByHand::initTestCase()
{
    if (!RealInput::isAvailable())
        QSKIP(qPrintable("no display for real input: " + RealInput::unavailableReason()));
    m_pFixture.reset(new PagesFixture);
    DialogOpener::setInstance(&mapOpener());
    const QString sBuilt = QString::fromLocal8Bit(qgetenv("WENDO_TEST_BIN")) + "/lang";
    const QString sLang = m_pFixture->m_pUi->m_folders.programPath("lang");
    QVERIFY(QDir().mkpath(sLang));
    for (const QString& sCode : LanguageTable::codes()) {
        const QString sFile = LanguageTable::fileFor(sCode).section('/', -1);
        QFile::remove(sLang + "/" + sFile);
        QVERIFY2(QFile::copy(sBuilt + "/" + sFile, sLang + "/" + sFile), qPrintable(sBuilt + "/" + sFile));
    }
    ZeqAgentCtrlMgr::getInstance()->setLang("en");
}

void TestLanguageByHand::cleanupTestCase()
{
    m_pWindow.reset();
    if (m_pFixture) {
        ZeqAgentCtrlMgr::getInstance()->setLang("en");
        DialogOpener::setInstance(&m_pFixture->m_opener);
    }
    m_pFixture.reset();
}

bool TestLanguageByHand::chooseSettingsTab(RealInput& input)
{
    CustomTabWidget* pTabs = m_pInfo->tabWidget();
    const int nSettings = pTabs->settingsIndex();
    return input.click(pTabs->tabBar(), pTabs->tabBar()->tabRect(nSettings).center()) &&
           pTabs->currentIndex() == nSettings;
}

bool TestLanguageByHand::pickLanguage(RealInput& input, QComboBox* pChooser, int nIndex)
{
    if (!input.click(pChooser) || !QTest::qWaitFor([pChooser] { return pChooser->view()->isVisible(); }))
        return false;
    if (!input.key(Qt::Key_Home))
        return false;
    for (int i = 0; i < nIndex; ++i) {
        if (!input.key(Qt::Key_Down))
            return false;
    }
    return input.key(Qt::Key_Return) &&
           QTest::qWaitFor([pChooser] { return !pChooser->view()->isVisible(); });
}

void TestLanguageByHand::pickLanguagesOnSettings()
{
    ZeqAgentCtrlMgr* pCtrl = ZeqAgentCtrlMgr::getInstance();
    QVERIFY(m_pFixture->reset());
    m_pFixture->m_service.setAnswer("getDeviceList", FakeShareService::RETURN,
                                    "[" +
                                        JsonHelper::object({{"UUID", "0123456789ABCDEF"},
                                                            {"SKUID", "1"},
                                                            {"Model", "Z500"},
                                                            {"HardwareName", "Zeq Wendo 500"},
                                                            {"AddDate", "2024/03/01"}}) +
                                        "]");
    m_pWindow.reset(new QWidget);
    m_pWindow->resize(800, 493);
    m_pInfo = new ZeqAgentInfoWidget(m_pWindow.get());
    RealInput input;
    QVERIFY(input.showWindow(m_pWindow.get()));
    m_pFixture->plug(PagesFixture::DRIVE);
    CustomTabWidget* pTabs = m_pInfo->tabWidget();
    QTRY_COMPARE_WITH_TIMEOUT(pTabs->count(), 4, 10000);
    QTRY_COMPARE_WITH_TIMEOUT(pCtrl->deviceAnswersInFlight(), 0, 10000);
    // A check found a software and a map update: the status lines, links and buttons say so.
    QVERIFY(writeUpdateLists());
    pCtrl->slotHandleResults(MAP_CHECKSUCCESS, QString());

    QVERIFY(chooseSettingsTab(input));
    auto* pSettings = qobject_cast<SettingWidget*>(pTabs->currentWidget());
    QVERIFY(pSettings);
    QTRY_COMPARE_WITH_TIMEOUT(pSettings->deviceRows().size(), 1, 10000);
    QCoreApplication::processEvents();
    const QList<Shown> english = shownTexts(m_pWindow.get(), pTabs);
    const QStringList englishTabs = {pTabs->tabText(0), pTabs->tabText(1), pTabs->tabText(2)};
    QComboBox* pChooser = pSettings->findChild<QComboBox*>("comboBox");
    QVERIFY(pChooser);

    // German: the rider stays on Settings and every translated text changed.
    QVERIFY(pickLanguage(input, pChooser, 5));
    QCOMPARE(pCtrl->langCode(), QString("de"));
    QCOMPARE(pTabs->currentWidget(), pSettings);
    QCOMPARE(pChooser->currentText(), QString("Deutsch"));
    QStringList found = leftOver(english, english, false);
    QVERIFY2(found.isEmpty(), qPrintable("still English:\n" + found.join('\n')));
    for (int i = 0; i < 3; ++i)
        QVERIFY2(pTabs->tabText(i) != englishTabs.at(i), qPrintable(pTabs->tabText(i)));
    const QList<Shown> german = shownTexts(m_pWindow.get(), pTabs);

    // Chinese, picked from the German page: nothing English and nothing German is left.
    QVERIFY(pickLanguage(input, pChooser, 26));
    QCOMPARE(pCtrl->langCode(), QString("zh-cn"));
    QCOMPARE(pTabs->currentWidget(), pSettings);
    QCOMPARE(pChooser->currentText(), QString::fromUtf8("简体中文"));
    found = leftOver(english, english, false) + leftOver(german, english, true);
    QVERIFY2(found.isEmpty(), qPrintable("still English or German:\n" + found.join('\n')));

    // A box opened now: its text and Qt's own OK button speak Chinese.
    QMessageBox box(QMessageBox::NoIcon, QObject::tr("Internet connection"), QObject::tr("Settings"),
                    QMessageBox::Ok);
    QVERIFY(input.showWindow(&box));
    QAbstractButton* pOk = box.button(QMessageBox::Ok);
    QVERIFY(pOk);
    QVERIFY2(pOk->text().remove('&') != "OK", qPrintable(pOk->text()));
    QVERIFY(box.windowTitle() != "Internet connection");
    QVERIFY(input.key(Qt::Key_Return));
    QTRY_VERIFY(!box.isVisible());
}

WENDO_REAL_INPUT_MAIN_WITH_WINDOW_MANAGER(TestLanguageByHand)
#include "tst_languagebyhand.moc"
