#include "core/JsonHelper.h"
#include "support/PagesFixture.h"
#include "ui/pages/SettingWidget.h"
#include "ui/pages/ZeqAgentInfoWidget.h"
#include "ui/update/MapManagementWidget.h"

#include <QGroupBox>
#include <QHash>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QtTest>

#include <functional>
#include <memory>

// The signed-in pages as pictures, rendered offscreen: every group box shows the fill its form gives it,
// the hover bubbles of the map page show their text on their own dark grey, and the version box's check
// button stays readable while it is disabled.
class TestPageLooks : public QObject
{
    Q_OBJECT

public:
    QWidget* signedInPage(PagesFixture::Family eFamily);
    QWidget* settingsPage();
    QWidget* mapPage();

private slots:
    void initTestCase();
    void init();
    void cleanupTestCase();

    void boxesShowTheirFill_data();
    void boxesShowTheirFill();
    void bubbleTextStandsOut();
    void disabledCheckButtonReads();

private:
    std::unique_ptr<PagesFixture> m_pFixture;
};

namespace
{
const QColor BOX_FILL(0xdf, 0xdd, 0xdd);
const QColor BUBBLE_FILL(0x69, 0x6a, 0x6a);
const int TOLERANCE = 6;

bool near(const QColor& a, const QColor& b)
{
    return qAbs(a.red() - b.red()) <= TOLERANCE && qAbs(a.green() - b.green()) <= TOLERANCE &&
           qAbs(a.blue() - b.blue()) <= TOLERANCE;
}

using PageMaker = std::function<QWidget*(TestPageLooks&)>;

// The part of a box's inside a person sees: within the scroll area's viewport where the page has one.
QRect seenRect(QWidget* pPage, QWidget* pWidget)
{
    const QRect inside = pWidget->contentsRect();
    QRect rect(pWidget->mapTo(pPage, inside.topLeft()), inside.size());
    for (QScrollArea* pArea : pPage->findChildren<QScrollArea*>()) {
        if (pArea->isAncestorOf(pWidget))
            rect &= QRect(pArea->viewport()->mapTo(pPage, QPoint(0, 0)), pArea->viewport()->size());
    }
    return rect;
}

// "box (x,y) colour" for each point inside a group box, away from its border and from every widget
// over it, whose colour is not the box's fill; pChecked counts the points looked at.
QStringList wrongFills(QWidget* pPage, int* pChecked)
{
    const QImage image = pPage->grab().toImage();
    QStringList found;
    *pChecked = 0;
    for (QGroupBox* pBox : pPage->findChildren<QGroupBox*>()) {
        if (!pBox->isVisibleTo(pPage))
            continue;
        const QRect inside = seenRect(pPage, pBox).adjusted(10, 10, -10, -10) & image.rect();
        for (int y = inside.top(); y <= inside.bottom(); y += 7) {
            for (int x = inside.left(); x <= inside.right(); x += 13) {
                if (pPage->childAt(x, y) != pBox)
                    continue; // a label, a button or a line lies over the box here
                ++*pChecked;
                const QColor colour = image.pixelColor(x, y);
                if (!near(colour, BOX_FILL))
                    found.append(
                        QString("%1 (%2,%3) %4").arg(pBox->objectName()).arg(x).arg(y).arg(colour.name()));
            }
        }
    }
    return found;
}

QColor mostCommon(const QImage& image)
{
    QHash<QRgb, int> counts;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x)
            ++counts[image.pixel(x, y) | 0xff000000];
    }
    QRgb best = 0;
    int nBest = -1;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it) {
        if (it.value() > nBest) {
            best = it.key();
            nBest = it.value();
        }
    }
    return QColor(best);
}

double luminance(const QColor& colour)
{
    const auto channel = [](double value) {
        return value <= 0.03928 ? value / 12.92 : qPow((value + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(colour.redF()) + 0.7152 * channel(colour.greenF()) +
           0.0722 * channel(colour.blueF());
}

double contrast(const QColor& a, const QColor& b)
{
    const double dA = luminance(a) + 0.05;
    const double dB = luminance(b) + 0.05;
    return qMax(dA, dB) / qMin(dA, dB);
}

// The colour of the text drawn on a widget: of the pixels in the part where its text lies, the one
// that stands out most from the widget's most common colour (its background).
QColor textColour(const QImage& image, const QColor& background, const QRect& textArea)
{
    QColor best = background;
    const QRect area = textArea & image.rect();
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            const QColor colour = image.pixelColor(x, y);
            if (contrast(colour, background) > contrast(best, background))
                best = colour;
        }
    }
    return best;
}
} // namespace

void TestPageLooks::initTestCase()
{
    m_pFixture.reset(new PagesFixture);
}

void TestPageLooks::init()
{
    QVERIFY(m_pFixture->reset());
}

void TestPageLooks::cleanupTestCase()
{
    m_pFixture.reset();
}

QWidget* TestPageLooks::signedInPage(PagesFixture::Family eFamily)
{
    ZeqAgentCtrlMgr* pCtrl = ZeqAgentCtrlMgr::getInstance();
    QWidget* pWindow = new QWidget;
    pWindow->resize(800, 493);
    new ZeqAgentInfoWidget(pWindow);
    pWindow->show();
    m_pFixture->plug(eFamily);
    if (!QTest::qWaitFor([pCtrl] { return pCtrl->deviceAnswersInFlight() == 0; }, 10000)) {
        delete pWindow;
        return nullptr;
    }
    QCoreApplication::processEvents();
    return pWindow;
}

QWidget* TestPageLooks::settingsPage()
{
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

QWidget* TestPageLooks::mapPage()
{
    ZeqAgentCtrlMgr* pCtrl = ZeqAgentCtrlMgr::getInstance();
    m_pFixture->plug(PagesFixture::DRIVE);
    MapManagementWidget* pPage = new MapManagementWidget;
    pPage->resize(800, 433);
    pPage->show();
    if (!QTest::qWaitFor([pCtrl] { return pCtrl->deviceAnswersInFlight() == 0; }, 10000)) {
        delete pPage;
        return nullptr;
    }
    QCoreApplication::processEvents();
    return pPage;
}

void TestPageLooks::boxesShowTheirFill_data()
{
    QTest::addColumn<int>("page");
    QTest::newRow("my device, drive family") << 0;
    QTest::newRow("my device, serial family") << 1;
    QTest::newRow("settings") << 2;
    QTest::newRow("map management") << 3;
}

void TestPageLooks::boxesShowTheirFill()
{
    QFETCH(int, page);
    const PageMaker makers[] = {
        [](TestPageLooks& test) { return test.signedInPage(PagesFixture::DRIVE); },
        [](TestPageLooks& test) { return test.signedInPage(PagesFixture::SERIAL); },
        [](TestPageLooks& test) { return test.settingsPage(); },
        [](TestPageLooks& test) { return test.mapPage(); },
    };
    std::unique_ptr<QWidget> pPage(makers[page](*this));
    QVERIFY(pPage);
    int nChecked = 0;
    const QStringList found = wrongFills(pPage.get(), &nChecked);
    QVERIFY2(nChecked >= 3, qPrintable(QString("only %1 points inside the boxes").arg(nChecked)));
    QVERIFY2(found.isEmpty(),
             qPrintable(QString("%1 of %2 points not #dfdddd:\n").arg(found.size()).arg(nChecked) +
                        found.mid(0, 12).join('\n')));
}

void TestPageLooks::bubbleTextStandsOut()
{
    std::unique_ptr<QWidget> pPage(mapPage());
    QVERIFY(pPage);
    for (const char* szBubble : {"Label_OSMInfo", "Label_TAInfo"}) {
        QLabel* pBubble = pPage->findChild<QLabel*>(szBubble);
        QVERIFY(pBubble);
        pBubble->show(); // as the pointer on its info mark shows it
        const QImage image = pBubble->grab().toImage();
        const QColor background = mostCommon(image);
        QVERIFY2(near(background, BUBBLE_FILL), qPrintable(QString(szBubble) + " " + background.name()));
        const QColor text = textColour(image, background, image.rect().adjusted(6, 4, -6, -4));
        QVERIFY2(contrast(text, background) >= 3.0,
                 qPrintable(QString("%1 text %2 on %3").arg(szBubble, text.name(), background.name())));
    }
}

// The check button is disabled until the first sync ends; its caption must still read on its picture.
void TestPageLooks::disabledCheckButtonReads()
{
    std::unique_ptr<QWidget> pPage(signedInPage(PagesFixture::DRIVE));
    QVERIFY(pPage);
    QPushButton* pCheck = pPage->findChild<QPushButton*>("btn_check");
    QVERIFY(pCheck);
    QVERIFY(!pCheck->isEnabled());
    const QImage image = pCheck->grab().toImage();
    const QColor background = mostCommon(image);
    // The caption's line, away from the picture's rounded edge.
    const int nLine = pCheck->fontMetrics().height();
    const QRect caption(10, (image.height() - nLine) / 2, image.width() - 20, nLine);
    const QColor text = textColour(image, background, caption);
    QVERIFY2(contrast(text, background) >= 3.0, qPrintable(QString("text %1 on %2: contrast %3")
                                                               .arg(text.name(), background.name())
                                                               .arg(contrast(text, background))));
}

QTEST_MAIN(TestPageLooks)
#include "tst_pagelooks.moc"
