#include "core/AgentTiming.h"
#include "core/Notifier.h"
#include "support/BackupDialogFixture.h"
#include "support/RealInput.h"
#include "support/UiFixture.h"
#include "ui/main/WidgetNotifier.h"
#include "ui/pages/BackupRestoreDailog.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFontMetrics>
#include <QMessageBox>
#include <QPointer>
#include <QScreen>
#include <QTimer>
#include <QtTest>

#include <X11/Xatom.h>
#include <X11/Xlib.h>

namespace
{
// What a result box looked like under the window manager.
struct SeenBox {
    QString sTitle;
    QString sText;
    int nWidth = 0;      // the box's own width
    int nTitleBar = 0;   // the height of the frame's title bar
    QString sPicture;    // where its screenshot was saved ("" when it could not be)
    bool bDrawn = false; // the picture shows the frame's title bar drawn
    bool bClicked = false;
};

// The frame the window manager put around a window (_NET_FRAME_EXTENTS: left, right, top, bottom); a
// null rectangle until it has framed it.
QMargins frameExtents(QWidget* pWindow)
{
    Display* pDisplay = XOpenDisplay(RealInput::displayName().toLatin1().constData());
    if (!pDisplay)
        return QMargins();
    const Atom extents = XInternAtom(pDisplay, "_NET_FRAME_EXTENTS", False);
    Atom type = 0;
    int nFormat = 0;
    unsigned long nItems = 0, nAfter = 0;
    unsigned char* pData = nullptr;
    QMargins margins;
    if (XGetWindowProperty(pDisplay, static_cast<Window>(pWindow->winId()), extents, 0, 4, False, XA_CARDINAL,
                           &type, &nFormat, &nItems, &nAfter, &pData) == Success &&
        pData && nItems == 4 && nFormat == 32) {
        const auto* pValues = reinterpret_cast<const long*>(pData);
        margins = QMargins(int(pValues[0]), int(pValues[2]), int(pValues[1]), int(pValues[3]));
    }
    if (pData)
        XFree(pData);
    XCloseDisplay(pDisplay);
    return margins;
}

// True once the window manager has drawn the title bar: its middle row is not of one colour.
bool titleBarDrawn(const QImage& picture, int nTitleBar)
{
    if (picture.isNull() || nTitleBar <= 0)
        return false;
    const int nRow = nTitleBar / 2;
    for (int x = 1; x < picture.width(); ++x) {
        if (picture.pixel(x, nRow) != picture.pixel(0, nRow))
            return true;
    }
    return false;
}

// The window manager's title font as openbox's default configuration names it: sans, 8 pt, bold.
QFont windowManagerTitleFont()
{
    QFont font("sans");
    font.setPointSizeF(8);
    font.setBold(true);
    return font;
}
} // namespace

// The backup dialog's result boxes on a display under a window manager, with the program's own message
// boxes: each box is wide enough for its title beside the frame's icon and buttons (a short text under
// a longer title used to leave the window manager cutting it, "Devi... store"). A screenshot of each box
// is kept for people to look at; OK is clicked with the real mouse.
class TestResultBoxByHand : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void boxesHaveRoomForTheirTitles();

private:
    // Watches for the next result box: once the window manager has framed it, takes its picture and
    // measures, then clicks OK.
    void watchForBox(RealInput* pInput, SeenBox* pSeen);
    static void measure(QPointer<QMessageBox> pBox, SeenBox* pSeen);
    static QString pictureFolder();

    UiFixture m_ui;
};

void TestResultBoxByHand::initTestCase()
{
    if (!RealInput::isAvailable())
        QSKIP(qPrintable("no display for real input: " + RealInput::unavailableReason()));
    if (!RealInput::hasWindowManager())
        QSKIP("no window manager (openbox) on the display");
    AgentTiming::set(AgentTiming::BACKUP_PART_PAUSE, 0);
    AgentTiming::set(AgentTiming::BACKUP_DONE_PAUSE, 0);
}

QString TestResultBoxByHand::pictureFolder()
{
    const QString sFolder = QDir::current().absoluteFilePath("screenshots");
    QDir().mkpath(sFolder);
    return sFolder;
}

void TestResultBoxByHand::watchForBox(RealInput* pInput, SeenBox* pSeen)
{
    auto* pTimer = new QTimer();
    pTimer->setInterval(20);
    QObject::connect(pTimer, &QTimer::timeout, pTimer, [pTimer, pInput, pSeen] {
        QPointer<QMessageBox> pBox = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!pBox || !pBox->isVisible())
            return;
        pTimer->stop();
        pTimer->deleteLater();
        measure(pBox, pSeen);
        // A box left open would hold the test for ever: without a click it is closed here.
        QAbstractButton* pOk = pBox ? pBox->button(QMessageBox::Ok) : nullptr;
        pSeen->bClicked = pOk && pSeen->nTitleBar > 0 && pInput->click(pOk);
        if (pBox && pBox->isVisible() && !pSeen->bClicked)
            pBox->done(QMessageBox::Ok);
    });
    pTimer->start();
}

void TestResultBoxByHand::measure(QPointer<QMessageBox> pBox, SeenBox* pSeen)
{
    QMargins frame;
    if (!QTest::qWaitFor(
            [&] {
                if (pBox)
                    frame = frameExtents(pBox);
                return !pBox || frame.top() > 0;
            },
            20000) ||
        !pBox || !QTest::qWaitForWindowExposed(pBox))
        return;
    pSeen->sTitle = pBox->windowTitle();
    pSeen->sText = pBox->text();
    pSeen->nWidth = pBox->width();
    pSeen->nTitleBar = frame.top();
    // Where the X server has the box, with the frame around it; the picture once both are drawn.
    const QRect area = QRect(RealInput::screenPosition(pBox), pBox->size()).marginsAdded(frame);
    QImage picture;
    pSeen->bDrawn = QTest::qWaitFor(
        [&] {
            if (!pBox)
                return true;
            pBox->repaint();
            picture =
                pBox->screen()->grabWindow(0, area.x(), area.y(), area.width(), area.height()).toImage();
            return titleBarDrawn(picture, frame.top());
        },
        10000);
    const QString sPath =
        pictureFolder() + "/resultbox-" + pSeen->sTitle.toLower().replace(' ', '-') + ".png";
    if (picture.save(sPath))
        pSeen->sPicture = sPath;
}

void TestResultBoxByHand::boxesHaveRoomForTheirTitles()
{
    WidgetNotifier notifier;
    Notifier::setInstance(&notifier);
    BackupDialogFixture fixture;
    fixture.plug();
    RealInput input;
    QVERIFY(input.isOpen());

    SeenBox backup;
    watchForBox(&input, &backup);
    QCOMPARE(BackupDialogFixture::run(BackupRestoreDailog::MODE_BACKUP), int(QDialog::Accepted));
    SeenBox restore;
    watchForBox(&input, &restore);
    QCOMPARE(BackupDialogFixture::run(BackupRestoreDailog::MODE_RESTORE), int(QDialog::Accepted));
    Notifier::setInstance(&m_ui.m_notifier);
    BackupDialogFixture::unplug();

    const QFontMetrics titleFont(windowManagerTitleFont());
    for (const SeenBox& seen : {backup, restore}) {
        qInfo("%s: box %d px wide, title bar %d px, title %d px; picture %s", qPrintable(seen.sTitle),
              seen.nWidth, seen.nTitleBar, titleFont.horizontalAdvance(seen.sTitle),
              qPrintable(seen.sPicture));
        QVERIFY(seen.bDrawn);
        QVERIFY(seen.bClicked);
        QVERIFY(seen.nTitleBar > 0);
        // Beside the title the bar holds the window icon and three buttons, each about as wide as the
        // bar is high, with the padding around and between them about one more (openbox cut
        // "Device restore" to "Devi... store" in a box 184 px wide with a bar of 20 px).
        QVERIFY2(seen.nWidth >= titleFont.horizontalAdvance(seen.sTitle) + 5 * seen.nTitleBar,
                 qPrintable(seen.sTitle));
    }
    QCOMPARE(backup.sTitle, QString("Device backup"));
    QCOMPARE(backup.sText, QString("Backup completed successfully"));
    QCOMPARE(restore.sTitle, QString("Device restore"));
    QCOMPARE(restore.sText, QString("Restored successfully"));
}

WENDO_REAL_INPUT_MAIN_WITH_WINDOW_MANAGER(TestResultBoxByHand)
#include "tst_resultboxbyhand.moc"
