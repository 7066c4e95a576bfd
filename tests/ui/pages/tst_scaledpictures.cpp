#include "support/PagesFixture.h"
#include "ui/main/AgentResources.h"
#include "ui/pages/CustomTabWidget.h"
#include "ui/pages/ScaledPictures.h"
#include "ui/pages/ZeqAgentInfoWidget.h"

#include <QApplication>
#include <QLabel>
#include <QMultiMap>
#include <QPair>
#include <QPointer>
#include <QtTest>

#include <memory>

// The background pictures that labels stretch over the pages: one copy per picture and size, shared by
// every label that shows it, looking exactly as the label's own scaling did.
class TestScaledPictures : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();

    void devicePagesShareTheirBackgrounds();
    void looksAsTheLabelScaledIt_data();
    void looksAsTheLabelScaledIt();
    void noCopyUntilShown();
    void resizedLabelFollows();
    void sameSizeAgainReusesTheCopy();
    void unusedCopiesStayWithinBudget();

private:
    // A label as the forms make it: the background stretched over the label.
    static QLabel* formLabel(QWidget* pParent, const QSize& size);

    std::unique_ptr<PagesFixture> m_pFixture;
};

void TestScaledPictures::initTestCase()
{
    m_pFixture.reset(new PagesFixture);
}

void TestScaledPictures::cleanupTestCase()
{
    m_pFixture.reset();
}

QLabel* TestScaledPictures::formLabel(QWidget* pParent, const QSize& size)
{
    auto* pLabel = new QLabel(pParent);
    pLabel->setGeometry(QRect(QPoint(0, 0), size));
    pLabel->setPixmap(QPixmap(QString::fromUtf8(":/background.png")));
    pLabel->setScaledContents(true);
    return pLabel;
}

// Two signed-in pages, each with the tabs of a device registered here: every background a person sees is
// the one copy of its size, and no label keeps a stretched copy of its own.
void TestScaledPictures::devicePagesShareTheirBackgrounds()
{
    QVERIFY(m_pFixture->reset());
    QWidget first, second;
    for (QWidget* pWindow : {&first, &second}) {
        pWindow->resize(800, 493);
        new ZeqAgentInfoWidget(pWindow);
        pWindow->show();
    }
    m_pFixture->plug(PagesFixture::DRIVE);
    for (QWidget* pWindow : {&first, &second}) {
        ZeqAgentInfoWidget* pPage = pWindow->findChild<ZeqAgentInfoWidget*>();
        QTRY_COMPARE(pPage->tabWidget()->count(), 4);
    }
    QVERIFY(QTest::qWaitForWindowExposed(&first));
    QVERIFY(QTest::qWaitForWindowExposed(&second));

    const qint64 nSourceKey = QPixmap(":/background.png").cacheKey();
    QMultiMap<QPair<int, int>, qint64> keysBySize;
    int nBackgrounds = 0;
    for (QWidget* pWindow : {&first, &second}) {
        for (QLabel* pLabel : pWindow->findChildren<QLabel*>()) {
            if (!pLabel->isVisible())
                continue;
            const QPixmap pixmap = pLabel->pixmap(Qt::ReturnByValue);
            QVERIFY2(!(pLabel->hasScaledContents() && pixmap.cacheKey() == nSourceKey),
                     qPrintable(pLabel->objectName() + " stretches a copy of its own"));
            if (pixmap.isNull() || pixmap.size() != pLabel->size())
                continue;
            keysBySize.insert(qMakePair(pixmap.width(), pixmap.height()), pixmap.cacheKey());
            ++nBackgrounds;
        }
    }
    // The page, the My Device page and its three boxes, in each window.
    QVERIFY2(nBackgrounds >= 10, qPrintable(QString::number(nBackgrounds)));
    for (const QPair<int, int>& size : keysBySize.uniqueKeys()) {
        const QList<qint64> keys = keysBySize.values(size);
        QVERIFY(keys.size() >= 2);
        QCOMPARE(keys.count(keys.first()), keys.size());
    }
    m_pFixture->unplug();
}

void TestScaledPictures::looksAsTheLabelScaledIt_data()
{
    QTest::addColumn<QSize>("size");
    QTest::newRow("page") << QSize(800, 433);
    QTest::newRow("no-device page") << QSize(841, 441);
    QTest::newRow("box") << QSize(800, 100);
    QTest::newRow("narrow and tall") << QSize(27, 600);
    QTest::newRow("one pixel") << QSize(1, 1);
}

void TestScaledPictures::looksAsTheLabelScaledIt()
{
    QFETCH(QSize, size);
    QWidget own, shared;
    QLabel* pOwn = formLabel(&own, size);
    QLabel* pShared = formLabel(&shared, size);
    ScaledPictures::shareLabels(&shared);
    for (QWidget* pWindow : {&own, &shared}) {
        pWindow->resize(size);
        pWindow->show();
    }
    QVERIFY(!pShared->hasScaledContents());
    QCOMPARE(pShared->pixmap(Qt::ReturnByValue).size(), size);
    QCOMPARE(pShared->grab().toImage(), pOwn->grab().toImage());
}

void TestScaledPictures::noCopyUntilShown()
{
    const QSize size(123, 45);
    QWidget page;
    QLabel* pLabel = formLabel(&page, size);
    ScaledPictures::shareLabels(&page);
    const int nKept = ScaledPictures::keptCount();
    // Built but never shown (a tab not chosen): no copy, and none of the label's own either.
    QCoreApplication::processEvents();
    QCOMPARE(ScaledPictures::keptCount(), nKept);
    QVERIFY(pLabel->pixmap(Qt::ReturnByValue).isNull());
    page.show();
    QCOMPARE(ScaledPictures::keptCount(), nKept + 1);
    QCOMPARE(pLabel->pixmap(Qt::ReturnByValue).size(), size);
}

void TestScaledPictures::resizedLabelFollows()
{
    QWidget page;
    page.resize(800, 600);
    QLabel* pLabel = formLabel(&page, QSize(400, 300));
    ScaledPictures::shareLabels(&page);
    page.show();
    QCOMPARE(pLabel->pixmap(Qt::ReturnByValue).size(), QSize(400, 300));
    pLabel->resize(640, 200);
    QCOMPARE(pLabel->pixmap(Qt::ReturnByValue).size(), QSize(640, 200));
}

// A page rebuilt at the same size finds the copy its predecessor showed.
void TestScaledPictures::sameSizeAgainReusesTheCopy()
{
    const QSize size(777, 333);
    qint64 nFirstKey = 0;
    {
        QWidget page;
        QLabel* pLabel = formLabel(&page, size);
        ScaledPictures::shareLabels(&page);
        page.show();
        nFirstKey = pLabel->pixmap(Qt::ReturnByValue).cacheKey();
    }
    QWidget page;
    QLabel* pLabel = formLabel(&page, size);
    ScaledPictures::shareLabels(&page);
    page.show();
    QCOMPARE(pLabel->pixmap(Qt::ReturnByValue).cacheKey(), nFirstKey);
}

// Many sizes shown once and gone: what no label shows any more shrinks to the budget as the labels go,
// while every copy still shown stays.
void TestScaledPictures::unusedCopiesStayWithinBudget()
{
    QWidget kept;
    QLabel* pKept = formLabel(&kept, QSize(800, 499));
    ScaledPictures::shareLabels(&kept);
    kept.show();
    const qint64 nKeptKey = pKept->pixmap(Qt::ReturnByValue).cacheKey();
    {
        QWidget page;
        page.resize(800, 600);
        for (int i = 0; i < 12; ++i)
            formLabel(&page, QSize(800, 500 + i));
        ScaledPictures::shareLabels(&page);
        page.show();
        QVERIFY(ScaledPictures::keptCount() >= 13);
    }
    QVERIFY(ScaledPictures::unusedBytes() <= ScaledPictures::UNUSED_BUDGET);
    QVERIFY(ScaledPictures::keptCount() < 13);
    // The copy still shown is the one asked for next.
    QWidget again;
    QLabel* pAgain = formLabel(&again, QSize(800, 499));
    ScaledPictures::shareLabels(&again);
    again.show();
    QCOMPARE(pAgain->pixmap(Qt::ReturnByValue).cacheKey(), nKeptKey);
}

QTEST_MAIN(TestScaledPictures)
#include "tst_scaledpictures.moc"
