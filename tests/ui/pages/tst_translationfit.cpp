#include "controller/LanguageTable.h"
#include "core/AgentFolders.h"
#include "core/WorkFile.h"
#include "support/PagesFixture.h"
#include "support/TranslatedCodes.h"
#include "ui/main/AboutDialog.h"
#include "ui/main/BottomBar.h"
#include "ui/main/Login_fbWidget.h"
#include "ui/pages/BackupRestoreDailog.h"
#include "ui/pages/SettingWidget.h"
#include "ui/pages/SyncSettingWidget.h"
#include "ui/pages/TestTabBar.h"
#include "ui/pages/ZeqAgentInfoWidget.h"
#include "ui/update/CheckUpdateDialog.h"
#include "ui/update/CheckWendoAgentUpdateDialog.h"
#include "ui/update/InstallUpdateDialog.h"
#include "ui/update/MapManagementWidget.h"
#include "ui/update/NewUpdateAvailableDialog.h"
#include "ui/update/UpdateAvailableDialog.h"

#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QStyleOptionButton>
#include <QTabBar>
#include <QTextDocument>
#include <QtMath>
#include <QtTest>

#include <functional>
#include <memory>

// Every page, in every finished language, built offscreen as the user meets it: each label, button,
// check box and radio button whose text does not wrap must show its text whole in its own font and
// width, and so must the tab titles. A failing row names the language and the page; the end of the run
// prints all failures as one table.
//
// The languages are those the language-file test checks (WENDO_TRANSLATED: codes or "all"), English first.
class TestTranslationFit : public QObject
{
    Q_OBJECT

public:
    // A page as the user meets it: built, shown and settled; the widget returned is the window.
    using PageMaker = std::function<QWidget*(TestTranslationFit&)>;

    // The signed-in page after the device steps of tst_tabsets ("drive", "recover", "check:<answer>").
    QWidget* signedInPage(const QString& sScript);
    QWidget* settingsPage();
    // The map page of a plugged drive-family device.
    QWidget* mapPage();
    // Settings cleared, signed in again, no device: what the pages that follow the account start from.
    bool freshAccount();

private slots:
    void initTestCase();
    void init();
    void cleanupTestCase();

    void textsFit_data();
    void textsFit();
    // Last: it installs every language, and an earlier one shows through a later one's gaps.
    void switchRetranslatesOpenPage();

private:
    std::unique_ptr<PagesFixture> m_pFixture;
    QStringList m_lstTable;
};

namespace
{
// The work lists of a check that found everything: an agent, firmware and software, an OSM and a HERE
// map. Versions and dates are as long as the services send them.
bool writeUpdateLists()
{
    const QString sLink = "https://example.com/notes";
    const QList<WorkFile::Row> updates = {{"AGENT", "d", "12.50.100.1", "1000", "http://dl/a.zip", sLink},
                                          {"IMAGE", "d", "R12.1.2", "1000", "http://dl/i.zip", sLink},
                                          {"APPLICATION", "d", "12.10.3", "1000", "http://dl/s.zip", sLink}};
    auto map = [](const QString& sNotes) {
        return WorkFile::Row{"BugFixMapUpdate",
                             "2.0",
                             "1000",
                             "2026-12-31 23:59:59",
                             sNotes,
                             "7",
                             "http://dl/m.zip",
                             "",
                             "",
                             "",
                             ""};
    };
    return QDir().mkpath(AgentFolders::tempDir()) &&
           WorkFile::writeRows(AgentFolders::tempPath("Update.script"), updates) &&
           WorkFile::writeRows(AgentFolders::tempPath("map.script"), {map("OSM-EU"), map("NQ-TA-EU")});
}

// A dialog shown as exec() shows it, so that its layouts give each widget its width.
QWidget* shown(QWidget* pWindow)
{
    if (pWindow)
        pWindow->show();
    return pWindow;
}

// Every page that exists; a new page is one more line here.
const QList<QPair<QString, TestTranslationFit::PageMaker>>& pages()
{
    static const QList<QPair<QString, TestTranslationFit::PageMaker>> list = {
        {"sign-in", [](TestTranslationFit&) { return new Login_fbWidget; }},
        {"about", [](TestTranslationFit&) { return new AboutDialog; }},
        {"bottom bar",
         [](TestTranslationFit&) {
             QWidget* pWindow = new QWidget;
             new BottomBar(pWindow);
             return pWindow;
         }},
        {"my device", [](TestTranslationFit& test) { return test.signedInPage("drive"); }},
        {"my device, not registered",
         [](TestTranslationFit& test) { return test.signedInPage("check:SUCCESS:S0004 drive"); }},
        {"my device, other account",
         [](TestTranslationFit& test) { return test.signedInPage("check:ERROR:E0008 drive"); }},
        {"no device", [](TestTranslationFit& test) { return test.signedInPage(""); }},
        {"recovery", [](TestTranslationFit& test) { return test.signedInPage("recover"); }},
        {"settings", [](TestTranslationFit& test) { return test.settingsPage(); }},
        // The dialogs are measured as their constructors leave them: nothing they start runs before
        // they are deleted, since no event loop runs in between.
        {"backup",
         [](TestTranslationFit&) {
             return shown(new BackupRestoreDailog(BackupRestoreDailog::MODE_BACKUP, false, false, nullptr));
         }},
        {"restore",
         [](TestTranslationFit&) {
             return shown(new BackupRestoreDailog(BackupRestoreDailog::MODE_RESTORE, false, false, nullptr));
         }},
        {"update check", [](TestTranslationFit&) { return shown(new CheckUpdateDialog(false, false)); }},
        {"agent update check", [](TestTranslationFit&) { return shown(new CheckWendoAgentUpdateDialog); }},
        {"update offer",
         [](TestTranslationFit&) {
             return writeUpdateLists() ? shown(new NewUpdateAvailableDialog(false, true)) : nullptr;
         }},
        {"agent update offer",
         [](TestTranslationFit&) { return writeUpdateLists() ? shown(new UpdateAvailableDialog) : nullptr; }},
        {"install",
         [](TestTranslationFit&) {
             return writeUpdateLists() ? shown(new InstallUpdateDialog(false)) : nullptr;
         }},
        {"map page", [](TestTranslationFit& test) { return test.mapPage(); }},
    };
    return list;
}

// Widgets whose text changes with what happens: each text a widget may show must fit. The texts of
// the context "QObject" take the places of %1 and %2 in the pattern, and a large count that of any %1
// left.
struct StateText {
    QString sWidget; // "Class/name": only a widget of that name inside a widget of that class
    QString sPattern;
    const char* szSource;
    const char* szSecond = nullptr;
};

// What the install dialog names in its title while it downloads and unpacks.
const char* const INSTALL_ITEMS[] = {
    "Device update",   "OSM Map update",  "TA Map update", "Countries Map update",
    "Base Map update", "HERE Map update", "Map update"};

QList<StateText> stateTable()
{
    QList<StateText> table = {
        {"btn_sync", "%1", "View my data"},
        {"btn_sync", "%1", "Sync again"},
        {"btn_sync", "%1", "Stop"},
        {"btn_sync", "%1", "Try again"},
        {"label_upload", "%1", "%1 history items uploading"},
        {"label_download", "%1", "%1 tracks downloading"},
        {"btn_registerinfo", "%1", "Register info"},
        {"btn_registerinfo", "%1", "Register"},
        {"btn_check", "%1", "Check for Updates"},
        {"btn_check", "%1", "Updates"},
        {"label_devstatus", "[%1]", "Update available"},
        {"label_devstatus", "[%1]", "The device's software is up-to-date."},
        {"btn_action", "%1", "Register info"},
        {"btn_action", "%1", "Recover"},
        // the map page
        {"MapUpgragePremiumWidget/btn_Update", "%1", "Check for Updates"},
        {"MapUpgragePremiumWidget/btn_Update", "%1", "Updates"},
        {"MapUpgragePremiumWidget/Label_UpdateStatus", "[%1]", "Update available"},
        {"MapUpgragePremiumWidget/Label_UpdateStatus", "[%1]", "The device's software is up-to-date."},
        {"MapUpgragePremiumWidget/Label_TAInfo", "%1", "HERE map provides map data with addresses."},
        // the install dialog: the counts under the bar
        {"InstallUpdateDialog/label_status_2", "%1MB/%1MB", ""},
    };
    for (const char* szItem : INSTALL_ITEMS) {
        table.append({"InstallUpdateDialog/label_title", "%1(%2)...", "Downloading", szItem});
        table.append({"InstallUpdateDialog/label_title", "%1(%2)... ", "Installing", szItem});
    }
    return table;
}

QString translated(const char* szSource)
{
    return szSource && *szSource ? QCoreApplication::translate("QObject", szSource) : QString();
}

bool isStateWidget(QWidget* pWidget, const QString& sKey)
{
    const QString sClass = sKey.section('/', 0, -2);
    if (pWidget->objectName() != sKey.section('/', -1))
        return false;
    if (sClass.isEmpty())
        return true;
    for (QWidget* pAbove = pWidget->parentWidget(); pAbove; pAbove = pAbove->parentWidget()) {
        if (pAbove->inherits(qPrintable(sClass)))
            return true;
    }
    return false;
}

QStringList stateTexts(QWidget* pWidget)
{
    static const QList<StateText> table = stateTable();
    QStringList texts;
    for (const StateText& state : table) {
        if (!isStateWidget(pWidget, state.sWidget))
            continue;
        QString sText = state.sPattern;
        if (state.szSecond)
            sText = sText.arg(translated(state.szSource), translated(state.szSecond));
        else if (*state.szSource)
            sText = sText.arg(translated(state.szSource));
        texts.append(sText.replace("%1", "99999"));
    }
    return texts;
}

QStringList codesToCheck()
{
    return QStringList{"en"} + translatedCodes(); // English first: a later language would show through
}

int textWidth(const QFont& font, const QString& sText, bool bRich)
{
    if (bRich) {
        QTextDocument doc;
        doc.setDefaultFont(font);
        doc.setDocumentMargin(0);
        doc.setHtml(sText);
        return qCeil(doc.idealWidth());
    }
    const QFontMetrics metrics(font);
    int nWidth = 0;
    for (const QString& sLine : sText.split('\n'))
        nWidth = qMax(nWidth, metrics.horizontalAdvance(sLine));
    return nWidth;
}

// The room a widget gives its text, or -1 for widgets whose text may wrap or that show no text.
int room(QWidget* pWidget)
{
    if (QLabel* pLabel = qobject_cast<QLabel*>(pWidget)) {
        if (pLabel->wordWrap())
            return -1;
        return pLabel->contentsRect().width() - 2 * pLabel->margin() - qMax(0, pLabel->indent());
    }
    QAbstractButton* pButton = qobject_cast<QAbstractButton*>(pWidget);
    if (!pButton)
        return -1;
    QStyleOptionButton option;
    option.initFrom(pButton);
    option.text = pButton->text();
    option.icon = pButton->icon();
    option.iconSize = pButton->iconSize();
    QStyle::SubElement element = QStyle::SE_PushButtonContents;
    if (qobject_cast<QCheckBox*>(pButton))
        element = QStyle::SE_CheckBoxContents;
    else if (qobject_cast<QRadioButton*>(pButton))
        element = QStyle::SE_RadioButtonContents;
    else if (!qobject_cast<QPushButton*>(pButton))
        return -1;
    int nRoom = pButton->style()->subElementRect(element, &option, pButton).width();
    if (element == QStyle::SE_PushButtonContents && !pButton->icon().isNull())
        nRoom -= pButton->iconSize().width() + 4;
    return nRoom;
}

// A label that wraps its text inside a size the form fixed: no layout gives it more lines.
bool isFixedWrappedLabel(QLabel* pLabel)
{
    QWidget* pParent = pLabel->parentWidget();
    return pLabel->wordWrap() && pLabel->pixmap(Qt::ReturnByValue).isNull() &&
           (!pParent || !pParent->layout() || pParent->layout()->indexOf(pLabel) < 0);
}

bool isRich(QWidget* pWidget, const QString& sText);

// The height a wrapping label's text takes at a width, in the label's font.
int wrappedHeight(QLabel* pLabel, const QString& sText, int nWidth)
{
    const int nTextWidth = qMax(1, nWidth - 2 * pLabel->margin() - qMax(0, pLabel->indent()));
    if (isRich(pLabel, sText)) {
        QTextDocument doc;
        doc.setDefaultFont(pLabel->font());
        doc.setDocumentMargin(0);
        doc.setHtml(sText);
        doc.setTextWidth(nTextWidth);
        return qCeil(doc.size().height()) + 2 * pLabel->margin();
    }
    const QRect bounds =
        QFontMetrics(pLabel->font()).boundingRect(QRect(0, 0, nTextWidth, 100000), Qt::TextWordWrap, sText);
    return bounds.height() + 2 * pLabel->margin();
}

bool isRich(QWidget* pWidget, const QString& sText)
{
    QLabel* pLabel = qobject_cast<QLabel*>(pWidget);
    if (!pLabel)
        return false;
    return pLabel->textFormat() == Qt::RichText ||
           (pLabel->textFormat() == Qt::AutoText && Qt::mightBeRichText(sText));
}

QString widgetName(QWidget* pWidget)
{
    return QString("%1 %2").arg(pWidget->metaObject()->className(), pWidget->objectName());
}

// "needs N px, has M px" for each text of the window that does not fit.
QStringList overflows(QWidget* pWindow)
{
    QStringList found;
    const auto check = [&found](QWidget* pWidget, const QString& sText, int nRoom) {
        const int nNeeds = textWidth(pWidget->font(), sText, isRich(pWidget, sText));
        if (nNeeds > nRoom)
            found.append(QString("%1 | \"%2\" | needs %3 px, has %4 px")
                             .arg(widgetName(pWidget), sText.simplified())
                             .arg(nNeeds)
                             .arg(nRoom));
    };
    const auto checkLines = [&found](QLabel* pLabel, const QString& sText) {
        const QRect rect = pLabel->contentsRect();
        const int nNeeds = wrappedHeight(pLabel, sText, rect.width());
        if (!sText.isEmpty() && nNeeds > rect.height())
            found.append(QString("%1 | \"%2\" | needs %3 px high, has %4 px")
                             .arg(widgetName(pLabel), sText.simplified())
                             .arg(nNeeds)
                             .arg(rect.height()));
    };
    QList<QWidget*> widgets = pWindow->findChildren<QWidget*>();
    widgets.prepend(pWindow);
    for (QWidget* pWidget : widgets) {
        pWidget->ensurePolished(); // style sheets set fonts and padding
        if (TestTabBar* pTabs = dynamic_cast<TestTabBar*>(pWidget)) {
            // The tab titles as the bar paints them: Arial 14 beside a 34-pixel icon box.
            QFont font("Arial");
            font.setPointSize(14);
            for (int i = 0; i < pTabs->count() - 1; ++i) {
                const QRect rect = pTabs->tabRect(i);
                const int nMargin = qMax(0, rect.width() / 2 - (11 * pTabs->tabText(i).length() + 35) / 2);
                const int nNeeds = QFontMetrics(font).horizontalAdvance(pTabs->tabText(i));
                const int nRoom = rect.width() - nMargin - 35;
                if (nNeeds > nRoom)
                    found.append(QString("TestTabBar tab %1 | \"%2\" | needs %3 px, has %4 px")
                                     .arg(i)
                                     .arg(pTabs->tabText(i))
                                     .arg(nNeeds)
                                     .arg(nRoom));
            }
            continue;
        }
        // A hidden widget in a layout has the size of no layout yet; the layout sizes it when shown.
        QWidget* pParent = pWidget->parentWidget();
        if (!pWidget->isVisibleTo(pWindow) && pParent && pParent->layout())
            continue;
        if (QLabel* pWrapped = qobject_cast<QLabel*>(pWidget); pWrapped && isFixedWrappedLabel(pWrapped)) {
            QStringList texts = stateTexts(pWidget);
            texts.prepend(pWrapped->text());
            for (const QString& sText : texts)
                checkLines(pWrapped, sText);
            continue;
        }
        const int nRoom = room(pWidget);
        if (nRoom < 0)
            continue;
        QLabel* pLabel = qobject_cast<QLabel*>(pWidget);
        QAbstractButton* pButton = qobject_cast<QAbstractButton*>(pWidget);
        const QString sText = pLabel ? pLabel->text() : pButton->text();
        if (!sText.isEmpty())
            check(pWidget, sText, nRoom);
        for (const QString& sState : stateTexts(pWidget)) {
            if (sState != sText)
                check(pWidget, sState, nRoom);
        }
    }
    return found;
}
// Every text a window shows, one line per widget (tab titles included), for comparing two windows.
QStringList shownTexts(QWidget* pWindow)
{
    QStringList texts;
    for (QWidget* pWidget : pWindow->findChildren<QWidget*>()) {
        QString sText;
        if (QLabel* pLabel = qobject_cast<QLabel*>(pWidget))
            sText = pLabel->text();
        else if (QAbstractButton* pButton = qobject_cast<QAbstractButton*>(pWidget))
            sText = pButton->text();
        else if (QTabBar* pTabs = qobject_cast<QTabBar*>(pWidget)) {
            for (int i = 0; i < pTabs->count(); ++i)
                sText += pTabs->tabText(i) + "|";
        }
        if (!sText.isEmpty())
            texts.append(widgetName(pWidget) + " " + sText);
    }
    return texts;
}
} // namespace

void TestTranslationFit::initTestCase()
{
    m_pFixture.reset(new PagesFixture);
    // The build's translations where the controller looks for them.
    const QString sBuilt = QString::fromLocal8Bit(qgetenv("WENDO_TEST_BIN")) + "/lang";
    const QString sLang = m_pFixture->m_pUi->m_folders.programPath("lang");
    QVERIFY(QDir().mkpath(sLang));
    for (const QString& sCode : LanguageTable::codes()) {
        const QString sFile = LanguageTable::fileFor(sCode).section('/', -1);
        QFile::remove(sLang + "/" + sFile);
        QVERIFY2(QFile::copy(sBuilt + "/" + sFile, sLang + "/" + sFile), qPrintable(sBuilt + "/" + sFile));
    }
    // Rows run language by language: each language is installed once, before its first page.
}

// Each page starts without a device; pages that show the account's state sign in afresh (freshAccount),
// the others need no round trip to the service.
void TestTranslationFit::init()
{
    ZeqAgentCtrlMgr* pCtrl = ZeqAgentCtrlMgr::getInstance();
    if (pCtrl->isDevicePresent())
        m_pFixture->unplug();
    QVERIFY(QTest::qWaitFor([pCtrl] { return pCtrl->deviceAnswersInFlight() == 0; }, 10000));
}

bool TestTranslationFit::freshAccount()
{
    return ZeqAgentCtrlMgr::getInstance()->isSignedIn() || m_pFixture->reset();
}

void TestTranslationFit::cleanupTestCase()
{
    if (!m_lstTable.isEmpty())
        qInfo().noquote() << "\nTexts that do not fit (language | page | widget | text | width):\n" +
                                 m_lstTable.join('\n');
    ZeqAgentCtrlMgr::getInstance()->setLang("en");
    m_pFixture.reset();
}

QWidget* TestTranslationFit::signedInPage(const QString& sScript)
{
    if (!freshAccount())
        return nullptr;
    ZeqAgentCtrlMgr* pCtrl = ZeqAgentCtrlMgr::getInstance();
    QWidget* pWindow = new QWidget;
    pWindow->resize(800, 493);
    new ZeqAgentInfoWidget(pWindow);
    pWindow->show();
    for (const QString& sStep : sScript.split(' ', Qt::SkipEmptyParts)) {
        if (sStep.startsWith("check:"))
            m_pFixture->m_service.enqueueAnswer("checkDeviceReg", FakeShareService::RETURN, sStep.mid(6));
        else
            m_pFixture->plug(PagesFixture::DRIVE, "0123456789ABCDEF", sStep == "recover");
    }
    if (!QTest::qWaitFor([pCtrl] { return pCtrl->deviceAnswersInFlight() == 0; }, 10000)) {
        delete pWindow;
        return nullptr;
    }
    QCoreApplication::processEvents();
    return pWindow;
}

// The Settings page with its basic and sync sections and one registered device's row.
QWidget* TestTranslationFit::settingsPage()
{
    if (!freshAccount())
        return nullptr;
    const QString sDevice = JsonHelper::object({{"UUID", "0123456789ABCDEF"},
                                                {"SKUID", "1"},
                                                {"Model", "Z500"},
                                                {"HardwareName", "Zeq Wendo 500"},
                                                {"AddDate", "2024/03/01"}});
    m_pFixture->m_service.setAnswer("getDeviceList", FakeShareService::RETURN, "[" + sDevice + "]");
    SettingWidget* pPage = new SettingWidget(nullptr);
    pPage->show();
    if (!QTest::qWaitFor([pPage] { return pPage->deviceRows().size() == 1; }, 10000)) {
        delete pPage;
        return nullptr;
    }
    QCoreApplication::processEvents();
    return pPage;
}

QWidget* TestTranslationFit::mapPage()
{
    if (!freshAccount())
        return nullptr;
    ZeqAgentCtrlMgr* pCtrl = ZeqAgentCtrlMgr::getInstance();
    m_pFixture->plug(PagesFixture::DRIVE, "0123456789ABCDEF", false);
    MapManagementWidget* pPage = new MapManagementWidget;
    pPage->resize(800, 493);
    pPage->show();
    if (!QTest::qWaitFor([pCtrl] { return pCtrl->deviceAnswersInFlight() == 0; }, 10000)) {
        delete pPage;
        return nullptr;
    }
    QCoreApplication::processEvents();
    return pPage;
}

void TestTranslationFit::textsFit_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<int>("page");
    for (const QString& sCode : codesToCheck()) {
        for (int i = 0; i < pages().size(); ++i)
            QTest::newRow(qPrintable(sCode + " " + pages().at(i).first)) << sCode << i;
    }
}

void TestTranslationFit::textsFit()
{
    QFETCH(QString, code);
    QFETCH(int, page);
    ZeqAgentCtrlMgr* pCtrl = ZeqAgentCtrlMgr::getInstance();
    if (pCtrl->langCode() != code)
        pCtrl->setLang(code);
    QCOMPARE(pCtrl->langCode(), code);
    if (code != "en")
        QVERIFY2(QCoreApplication::translate("QObject", "Settings") != "Settings",
                 "translation not installed");

    std::unique_ptr<QWidget> pWindow(pages().at(page).second(*this));
    QVERIFY(pWindow);
    const QStringList found = overflows(pWindow.get());
    for (const QString& sLine : found)
        m_lstTable.append(code + " | " + pages().at(page).first + " | " + sLine);
    pWindow.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY2(found.isEmpty(), qPrintable("\n" + found.join('\n')));
}

namespace
{
// A signed-in page has settled once its Settings tab holds the sync section: the account's device list,
// asked for by the Settings tab that each rebuild of the tabs makes, has come back.
bool settingsSettled(QWidget* pPage)
{
    return pPage->findChild<SyncSettingWidget*>() != nullptr;
}
} // namespace

// The signed-in page stays open while the language changes through every code: after each change it
// shows what a page built in that language shows. A new page asks for the device's state, and the answer
// rebuilds the tabs of both pages; the new page is compared once the device list that follows has come.
void TestTranslationFit::switchRetranslatesOpenPage()
{
    ZeqAgentCtrlMgr* pCtrl = ZeqAgentCtrlMgr::getInstance();
    pCtrl->setLang("en");
    std::unique_ptr<QWidget> pOpen(signedInPage("drive"));
    QVERIFY(pOpen);
    QTRY_VERIFY_WITH_TIMEOUT(settingsSettled(pOpen.get()), 10000);
    const QStringList english = shownTexts(pOpen.get());
    QStringList codes = LanguageTable::codes();
    codes.removeAll("en");
    codes.append("en");
    for (const QString& sCode : codes) {
        pCtrl->setLang(sCode);
        QCoreApplication::processEvents();
        // Read before the new page's answer rebuilds the open page's tabs: these texts were changed in place.
        QVERIFY(settingsSettled(pOpen.get()));
        const QStringList open = shownTexts(pOpen.get());
        std::unique_ptr<QWidget> pFresh(new QWidget);
        pFresh->resize(800, 493);
        new ZeqAgentInfoWidget(pFresh.get());
        pFresh->show();
        QTRY_VERIFY_WITH_TIMEOUT(settingsSettled(pFresh.get()) && pCtrl->deviceAnswersInFlight() == 0, 10000);
        const QStringList fresh = shownTexts(pFresh.get());
        // The rebuilt open page settles on the same texts.
        QTRY_COMPARE_WITH_TIMEOUT(shownTexts(pOpen.get()), fresh, 10000);
        QCOMPARE(open.size(), fresh.size());
        for (int i = 0; i < open.size(); ++i) {
            QVERIFY2(open.at(i) == fresh.at(i), qPrintable(sCode + ": " + open.at(i) + " / " + fresh.at(i)));
        }
        if (sCode != "en")
            QVERIFY2(open != english, qPrintable(sCode));
    }
}

QTEST_MAIN(TestTranslationFit)
#include "tst_translationfit.moc"
