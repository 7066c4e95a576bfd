#include "ui/main/WidgetNotifier.h"

#include <QApplication>
#include <QCheckBox>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTimer>
#include <QTranslator>
#include <QtTest>

#include <functional>

// The program's own message boxes, run for real offscreen: the Yes/No question with its check box, and
// the Yes and No labels in the agent's translation.
class TestQuestionBox : public QObject
{
    Q_OBJECT

private slots:
    void checkBoxQuestion_data();
    void checkBoxQuestion();
    void yesNoInAgentsLanguage_data();
    void yesNoInAgentsLanguage();

private:
    // Runs pAct on the modal box once it is open; fails the test if none opens.
    static void whenOpen(std::function<void(QMessageBox*)> act)
    {
        QTimer::singleShot(0, [act] {
            QMessageBox* pBox = nullptr;
            const bool bOpen = QTest::qWaitFor([&] {
                pBox = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
                return pBox && pBox->isVisible();
            });
            QVERIFY(bOpen);
            act(pBox);
        });
    }
};

void TestQuestionBox::checkBoxQuestion_data()
{
    QTest::addColumn<int>("ticks");
    QTest::addColumn<QString>("answer"); // "yes", "no", "escape"
    QTest::addColumn<int>("result");
    QTest::addColumn<bool>("checked");
    QTest::newRow("yes, ticked") << 1 << "yes" << int(Notifier::YES) << true;
    QTest::newRow("yes, ticked and unticked") << 2 << "yes" << int(Notifier::YES) << false;
    QTest::newRow("yes") << 0 << "yes" << int(Notifier::YES) << false;
    QTest::newRow("no, ticked") << 1 << "no" << int(Notifier::NO) << true;
    QTest::newRow("closed") << 1 << "escape" << int(Notifier::NO) << true;
}

void TestQuestionBox::checkBoxQuestion()
{
    QFETCH(int, ticks);
    QFETCH(QString, answer);
    QFETCH(int, result);
    QFETCH(bool, checked);
    bool bStayedOpen = true;
    QString sYes, sNo, sCheck, sTitle, sText;
    whenOpen([&](QMessageBox* pBox) {
        QPointer<QMessageBox> pGuard(pBox);
        QCheckBox* pCheck = pBox->findChild<QCheckBox*>();
        QVERIFY(pCheck);
        sCheck = pCheck->text();
        sTitle = pBox->windowTitle();
        sText = pBox->text();
        sYes = pBox->button(QMessageBox::Yes)->text();
        sNo = pBox->button(QMessageBox::No)->text();
        for (int i = 0; i < ticks; ++i) {
            QTest::mouseClick(pCheck, Qt::LeftButton, Qt::NoModifier, QPoint(5, pCheck->height() / 2));
            QCoreApplication::processEvents();
            bStayedOpen = bStayedOpen && pGuard && pGuard->isVisible();
        }
        if (answer == "yes")
            QTest::mouseClick(pBox->button(QMessageBox::Yes), Qt::LeftButton);
        else if (answer == "no")
            QTest::mouseClick(pBox->button(QMessageBox::No), Qt::LeftButton);
        else
            QTest::keyClick(pBox, Qt::Key_Escape);
    });
    WidgetNotifier notifier;
    bool bChecked = !checked;
    const int nResult = notifier.askWithCheckBox("Device Deregisteration", "Sure?",
                                                 "Remove my backup file if any.", &bChecked);
    QVERIFY(bStayedOpen);
    QCOMPARE(nResult, result);
    QCOMPARE(bChecked, checked);
    QCOMPARE(sTitle, QString("Device Deregisteration"));
    QCOMPARE(sText, QString("Sure?"));
    QCOMPARE(sCheck, QString("Remove my backup file if any."));
    QCOMPARE(sYes, QString("Yes"));
    QCOMPARE(sNo, QString("No"));
}

void TestQuestionBox::yesNoInAgentsLanguage_data()
{
    QTest::addColumn<bool>("question"); // the check-box question, else a plain Yes/No box
    QTest::newRow("Yes/No box") << false;
    QTest::newRow("question with check box") << true;
}

void TestQuestionBox::yesNoInAgentsLanguage()
{
    QFETCH(bool, question);
    QTranslator translator;
    QVERIFY(translator.load(TEST_QM));
    QCoreApplication::installTranslator(&translator);
    QString sYes, sNo;
    whenOpen([&](QMessageBox* pBox) {
        sYes = pBox->button(QMessageBox::Yes)->text();
        sNo = pBox->button(QMessageBox::No)->text();
        QTest::mouseClick(pBox->button(QMessageBox::No), Qt::LeftButton);
    });
    WidgetNotifier notifier;
    bool bChecked = false;
    const int nResult = question ? notifier.askWithCheckBox("T", "Q", "C", &bChecked)
                                 : notifier.showMessage("T", "Q", Notifier::YES | Notifier::NO);
    QCoreApplication::removeTranslator(&translator);
    QCOMPARE(nResult, int(Notifier::NO));
    QCOMPARE(sYes, QString("Ja"));
    QCOMPARE(sNo, QString("Nein"));
}

QTEST_MAIN(TestQuestionBox)
#include "tst_questionbox.moc"
