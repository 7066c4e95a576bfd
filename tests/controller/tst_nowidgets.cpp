#include "controller/ZeqAgentCtrlMgr.h"

#include <QtTest>

#include <link.h>

// The controller and every library below it are built without widgets: what needs a window reaches the
// window layer through the seams it installs. This program is linked against the controller alone with
// every library of its link closure kept, so a widget library anywhere below the windows shows up here.
class TestNoWidgets : public QObject
{
    Q_OBJECT

private slots:
    void linkClosureHasNoWidgets();
    void noWidgetLibraryLoaded();
};

void TestNoWidgets::linkClosureHasNoWidgets()
{
    const QStringList closure = QString(WENDO_CONTROLLER_LINK_CLOSURE).split(',', Qt::SkipEmptyParts);
    QVERIFY(closure.contains("wendo_controller"));
    QVERIFY(closure.contains("wendo_core"));
    for (const QString& sLibrary : closure)
        QVERIFY2(!sLibrary.contains("Widgets", Qt::CaseInsensitive), qPrintable(sLibrary));
}

void TestNoWidgets::noWidgetLibraryLoaded()
{
    // Keeps the controller's code in this program, so its libraries are really linked.
    volatile auto pGetInstance = &ZeqAgentCtrlMgr::getInstance;
    QVERIFY(pGetInstance);
    QStringList loaded;
    dl_iterate_phdr(
        [](dl_phdr_info* pInfo, size_t, void* pData) {
            static_cast<QStringList*>(pData)->append(QString::fromLocal8Bit(pInfo->dlpi_name));
            return 0;
        },
        &loaded);
    QVERIFY2(loaded.filter("libQt5Core").size() == 1, qPrintable(loaded.join(' ')));
    QVERIFY2(loaded.filter("Widgets").isEmpty(), qPrintable(loaded.join(' ')));
}

QTEST_GUILESS_MAIN(TestNoWidgets)
#include "tst_nowidgets.moc"
