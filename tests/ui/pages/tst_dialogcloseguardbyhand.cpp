#include "WindowManagerClose.h"
#include "support/RealInput.h"
#include "ui/pages/DialogCloseGuard.h"

#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QTimer>
#include <QVBoxLayout>
#include <QtTest>

// A modal progress dialog on a display of its own: Escape pressed on the keyboard and the window
// manager's close request reach it through the X server as a person's do, and are refused only while
// its job runs.
class TestDialogCloseGuardByHand : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void closeByHandWaitsForTheJob_data();
    void closeByHandWaitsForTheJob();
};

namespace
{
enum class Way { Escape, WindowManager };

// Counts the close requests that reach the dialog, before any other filter can swallow them.
class CloseCounter : public QObject
{
public:
    int m_nCloses = 0;

protected:
    bool eventFilter(QObject*, QEvent* pEvent) override
    {
        if (pEvent->type() == QEvent::Close)
            ++m_nCloses;
        return false;
    }
};

// Asks by the given way and returns once the dialog has had the request.
bool askToClose(RealInput& input, QDialog& dialog, CloseCounter& counter, Way way)
{
    if (way == Way::Escape)
        return input.key(Qt::Key_Escape);
    const int nBefore = counter.m_nCloses;
    return sendWindowManagerClose(&dialog) &&
           QTest::qWaitFor([&] { return counter.m_nCloses > nBefore; }, 10000);
}
} // namespace

Q_DECLARE_METATYPE(Way)

void TestDialogCloseGuardByHand::initTestCase()
{
    if (!RealInput::isAvailable())
        QSKIP(qPrintable("no display for real input: " + RealInput::unavailableReason()));
}

void TestDialogCloseGuardByHand::closeByHandWaitsForTheJob_data()
{
    QTest::addColumn<Way>("way");
    QTest::newRow("Escape") << Way::Escape;
    QTest::newRow("window manager close") << Way::WindowManager;
}

void TestDialogCloseGuardByHand::closeByHandWaitsForTheJob()
{
    QFETCH(Way, way);
    QDialog dialog;
    auto* pEdit = new QLineEdit(&dialog);
    (new QVBoxLayout(&dialog))->addWidget(pEdit);
    auto* pGuard = new DialogCloseGuard(&dialog);
    CloseCounter counter;
    dialog.installEventFilter(&counter); // after the guard's filter, so it sees requests first
    RealInput input;
    QVERIFY(input.isOpen());

    QStringList steps;
    QTimer::singleShot(0, &dialog, [&] {
        if (!input.showWindow(&dialog) || !RealInput::waitForFocus(pEdit)) {
            steps << "not shown";
            dialog.done(42);
            return;
        }
        pGuard->setJobRunning(true);
        for (int i = 0; i < 2; ++i) {
            const bool bAsked = askToClose(input, dialog, counter, way);
            steps << QString("asked %1, visible %2").arg(bAsked).arg(dialog.isVisible());
        }
        pGuard->setJobRunning(false);
        steps << QString("asked after the job %1").arg(askToClose(input, dialog, counter, way));
    });
    QTimer::singleShot(60000, &dialog, [&] { dialog.done(42); }); // hang guard only

    const int nResult = dialog.exec();

    QCOMPARE(steps, QStringList({"asked 1, visible 1", "asked 1, visible 1", "asked after the job 1"}));
    QCOMPARE(nResult, int(QDialog::Rejected));
}

WENDO_REAL_INPUT_MAIN(TestDialogCloseGuardByHand)
#include "tst_dialogcloseguardbyhand.moc"
