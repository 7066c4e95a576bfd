#include "ui/main/AgentResources.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QImage>
#include <QRegularExpression>
#include <QSet>
#include <QtTest>

// Every picture named by a form, a style sheet or the code is compiled in and loads.
class TestResources : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void namedInSources_data();
    void namedInSources();
    void laterPages_data();
    void laterPages();

private:
    static QSet<QString> namedPaths();
};

void TestResources::initTestCase()
{
    AgentResources::init();
    QVERIFY(!qgetenv("WENDO_SOURCE_DIR").isEmpty());
}

// ":/x.png", ":/res/x.png", ":res/x.png" and url(:/...) in the forms and in the code; "%1" in a name
// stands for the frames 1 to 6.
QSet<QString> TestResources::namedPaths()
{
    const QString sSource = QString::fromLocal8Bit(qgetenv("WENDO_SOURCE_DIR")) + "/src";
    const QRegularExpression pattern("(?<![A-Za-z0-9_/]):/?([A-Za-z0-9_%./-]+\\.(?:png|gif|jpg|svg|ico))");
    QSet<QString> paths;
    QDirIterator it(sSource, {"*.ui", "*.cpp", "*.h", "*.qss"}, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString sFile = it.next();
        if (sFile.contains("/res/draw/"))
            continue;
        QFile file(sFile);
        if (!file.open(QIODevice::ReadOnly))
            continue;
        const QString sText = QString::fromUtf8(file.readAll());
        auto matches = pattern.globalMatch(sText);
        while (matches.hasNext()) {
            const QString sName = matches.next().captured(1);
            if (sName.contains("%1")) {
                for (int i = 1; i <= 6; ++i)
                    paths.insert(":/" + QString(sName).replace("%1", QString::number(i)));
            } else {
                paths.insert(":/" + sName);
            }
        }
    }
    return paths;
}

void TestResources::namedInSources_data()
{
    QTest::addColumn<QString>("path");
    const QSet<QString> paths = namedPaths();
    QVERIFY(paths.size() >= 15); // the scan found the forms
    QVERIFY(paths.contains(":/res/welcome-logo.png"));
    QVERIFY(paths.contains(":/res/zeqwendo16.png"));
    for (const QString& sPath : paths)
        QTest::newRow(qPrintable(sPath)) << sPath;
}

void TestResources::namedInSources()
{
    QFETCH(QString, path);
    QVERIFY2(!QImage(path).isNull(), qPrintable(path));
}

// The pictures of the pages and dialogs still to come, so they find them in place.
void TestResources::laterPages_data()
{
    QTest::addColumn<QString>("path");
    const char* const PATHS[] = {":/background.png",
                                 ":/footer-bg.png",
                                 ":/intput_login.png",
                                 ":/logo.png",
                                 ":/res/Normal_button.png",
                                 ":/res/background.png",
                                 ":/res/button_h_footer.png",
                                 ":/res/button_h_w.png",
                                 ":/res/button_n_footer.png",
                                 ":/res/button_n_w.png",
                                 ":/res/check-box.png",
                                 ":/res/check-box_check.png",
                                 ":/res/check-icon.png",
                                 ":/res/close_w.png",
                                 ":/res/drop_arrow.png",
                                 ":/res/graybg_info_mark.png",
                                 ":/res/header-bg.png",
                                 ":/res/mark_star.png",
                                 ":/res/progress_bottom.png",
                                 ":/res/progress_middle.png",
                                 ":/res/progress_top.png",
                                 ":/res/purchase_2.png",
                                 ":/res/purchase_star.png",
                                 ":/res/radio.png",
                                 ":/res/radio_h.png",
                                 ":/res/refresh_button.png",
                                 ":/res/tabs_bg.png",
                                 ":/res/welcome-logo.png",
                                 ":/res/zeqwendo128.png",
                                 ":res/zeqwendo16.png",
                                 ":res/check-icon.png",
                                 ":res/device_h.png",
                                 ":res/device_n.png",
                                 ":res/i_v.png",
                                 ":res/map_h.png",
                                 ":res/map_n.png",
                                 ":res/qrv_logo.png",
                                 ":res/zeq_logo.png",
                                 ":res/setting_h.png",
                                 ":res/setting_n.png",
                                 ":res/loading01.png",
                                 ":res/loading02.png",
                                 ":res/loading03.png",
                                 ":res/loading04.png",
                                 ":res/loading05.png",
                                 ":res/loading06.png"};
    for (const char* szPath : PATHS)
        QTest::newRow(szPath) << QString(szPath);
}

void TestResources::laterPages()
{
    QFETCH(QString, path);
    QVERIFY2(!QImage(path).isNull(), qPrintable(path));
}

QTEST_GUILESS_MAIN(TestResources)
#include "tst_resources.moc"
