#include "ui/pages/DialogCloseGuard.h"

#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>
#include <QWindow>
#include <QtTest>

#include <functional>

// One way a person asks a dialog to close.
using CloseRequest = std::function<void(QDialog&)>;
Q_DECLARE_METATYPE(CloseRequest)

// A progress dialog's way out by hand is closed while its job runs and open again after it, on a real
// dialog shown offscreen and run modally.
class TestDialogCloseGuard : public QObject
{
    Q_OBJECT

private slots:
    void closeWaitsForTheJob_data();
    void closeWaitsForTheJob();
    void switchingKeepsTheModalLoop();
    void ownButtonsComeBack_data();
    void ownButtonsComeBack();
    void dialogEndsItselfWhileRunning();
};

namespace
{
// A dialog as the progress dialogs are: a field that holds the focus and a button.
struct JobDialog {
    QDialog dialog;
    QLineEdit* pEdit = new QLineEdit(&dialog);
    QPushButton* pButton = new QPushButton("Cancel", &dialog);

    JobDialog()
    {
        auto* pLayout = new QVBoxLayout(&dialog);
        pLayout->addWidget(pEdit);
        pLayout->addWidget(pButton);
    }
    bool show()
    {
        dialog.show();
        dialog.activateWindow();
        pEdit->setFocus();
        return QTest::qWaitForWindowExposed(&dialog);
    }
};

// What the window system is told once the dialog has a native window, which is what it draws.
bool hasCloseButton(const QDialog& dialog)
{
    const QWindow* pWindow = dialog.windowHandle();
    return (pWindow ? pWindow->flags() : dialog.windowFlags()).testFlag(Qt::WindowCloseButtonHint);
}
} // namespace

void TestDialogCloseGuard::closeWaitsForTheJob_data()
{
    QTest::addColumn<CloseRequest>("request");

    QTest::newRow("Escape in the focused field")
        << CloseRequest([](QDialog& dialog) { QTest::keyClick(dialog.focusWidget(), Qt::Key_Escape); });
    QTest::newRow("Escape on the dialog")
        << CloseRequest([](QDialog& dialog) { QTest::keyClick(&dialog, Qt::Key_Escape); });
    QTest::newRow("close()") << CloseRequest([](QDialog& dialog) { dialog.close(); });
    // The window system's close request (title bar, Alt+F4, a taskbar's Close) arrives at the window.
    QTest::newRow("window close") << CloseRequest([](QDialog& dialog) { dialog.windowHandle()->close(); });
}

void TestDialogCloseGuard::closeWaitsForTheJob()
{
    QFETCH(CloseRequest, request);
    JobDialog job;
    auto* pGuard = new DialogCloseGuard(&job.dialog);
    QVERIFY(job.show());
    QVERIFY(hasCloseButton(job.dialog));

    pGuard->setJobRunning(true);
    QVERIFY(!hasCloseButton(job.dialog));
    request(job.dialog);
    QCoreApplication::processEvents();
    QVERIFY(job.dialog.isVisible());
    QCOMPARE(job.dialog.result(), int(QDialog::Rejected)); // never set: still the initial value
    request(job.dialog);
    QVERIFY(job.dialog.isVisible());

    pGuard->setJobRunning(false);
    QVERIFY(hasCloseButton(job.dialog));
    QVERIFY(job.dialog.isVisible());
    request(job.dialog);
    QTRY_VERIFY(!job.dialog.isVisible());
}

// Starting and ending the job while the dialog runs modally changes the title bar in place: the
// dialog stays up and exec() goes on until the dialog is really closed.
void TestDialogCloseGuard::switchingKeepsTheModalLoop()
{
    JobDialog job;
    auto* pGuard = new DialogCloseGuard(&job.dialog);
    QStringList seen;
    QTimer::singleShot(0, &job.dialog, [&] {
        job.pEdit->setFocus();
        pGuard->setJobRunning(true);
        seen << QString("running, visible %1").arg(job.dialog.isVisible());
        QTest::keyClick(job.pEdit, Qt::Key_Escape);
        job.dialog.windowHandle()->close();
        seen << QString("refused, visible %1").arg(job.dialog.isVisible());
        pGuard->setJobRunning(false);
        seen << QString("ended, visible %1").arg(job.dialog.isVisible());
        QTest::keyClick(job.pEdit, Qt::Key_Escape);
    });
    // Hang guard only: a loop that the steps above failed to end is ended here and fails below.
    QTimer::singleShot(30000, &job.dialog, [&] { job.dialog.done(42); });

    const int nResult = job.dialog.exec();

    QCOMPARE(seen, QStringList({"running, visible 1", "refused, visible 1", "ended, visible 1"}));
    QCOMPARE(nResult, int(QDialog::Rejected));
}

void TestDialogCloseGuard::ownButtonsComeBack_data()
{
    QTest::addColumn<int>("flags");
    QTest::addColumn<bool>("show");

    const Qt::WindowFlags plain =
        Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    const Qt::WindowFlags customized = Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                                       Qt::WindowCloseButtonHint | Qt::WindowMinimizeButtonHint;
    const Qt::WindowFlags noClose = Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint;
    QTest::newRow("plain, shown") << int(plain) << true;
    QTest::newRow("plain, not shown yet") << int(plain) << false;
    QTest::newRow("customized, shown") << int(customized) << true;
    QTest::newRow("without close button, shown") << int(noClose) << true;
}

// After the job the dialog has exactly its own title bar again, a close button it never had included.
void TestDialogCloseGuard::ownButtonsComeBack()
{
    QFETCH(int, flags);
    QFETCH(bool, show);
    JobDialog job;
    job.dialog.setWindowFlags(Qt::WindowFlags(flags));
    const Qt::WindowFlags before = job.dialog.windowFlags();
    auto* pGuard = new DialogCloseGuard(&job.dialog);
    if (show)
        QVERIFY(job.show());

    pGuard->setJobRunning(true);
    QCOMPARE(job.dialog.windowFlags(), (before & ~Qt::WindowCloseButtonHint) | Qt::CustomizeWindowHint);
    pGuard->setJobRunning(true); // a second start changes nothing and forgets nothing
    pGuard->setJobRunning(false);

    QCOMPARE(job.dialog.windowFlags(), before);
    if (show) {
        QCOMPARE(job.dialog.windowHandle()->flags(), before);
        QVERIFY(job.dialog.isVisible());
    }
}

// The dialog's own end (Cancel, the job's result) is not a request by hand: it ends the dialog at once.
void TestDialogCloseGuard::dialogEndsItselfWhileRunning()
{
    JobDialog job;
    auto* pGuard = new DialogCloseGuard(&job.dialog);
    connect(job.pButton, &QPushButton::clicked, &job.dialog, &QDialog::reject);
    QTimer::singleShot(0, &job.dialog, [&] {
        pGuard->setJobRunning(true);
        QTest::mouseClick(job.pButton, Qt::LeftButton);
    });
    QTimer::singleShot(30000, &job.dialog, [&] { job.dialog.done(42); }); // hang guard only

    QCOMPARE(job.dialog.exec(), int(QDialog::Rejected));
    QVERIFY(pGuard->isJobRunning());
}

QTEST_MAIN(TestDialogCloseGuard)
#include "tst_dialogcloseguard.moc"
