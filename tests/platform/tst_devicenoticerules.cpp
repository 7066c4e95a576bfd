#include "platform/DeviceNoticeRules.h"

#include <QtTest>

class TestDeviceNoticeRules : public QObject
{
    Q_OBJECT

private slots:
    void udev_data();
    void udev();
    void diff_data();
    void diff();
};

void TestDeviceNoticeRules::udev_data()
{
    QTest::addColumn<QString>("action");
    QTest::addColumn<QString>("subsystem");
    QTest::addColumn<QString>("vendor");
    QTest::addColumn<QString>("model");
    QTest::addColumn<bool>("notice");
    QTest::addColumn<bool>("arrival");
    QTest::newRow("arrival") << "add"
                             << "tty"
                             << "0483"
                             << "5740" << true << true;
    QTest::newRow("removal") << "remove"
                             << "tty"
                             << "0483"
                             << "5740" << true << false;
    QTest::newRow("surrounding blanks") << "add"
                                        << "tty"
                                        << " 0483 "
                                        << "5740\n"
                                        << true << true;
    QTest::newRow("change event") << "change"
                                  << "tty"
                                  << "0483"
                                  << "5740" << false << false;
    QTest::newRow("bind event") << "bind"
                                << "tty"
                                << "0483"
                                << "5740" << false << false;
    QTest::newRow("other vendor") << "add"
                                  << "tty"
                                  << "1a86"
                                  << "7523" << false << false;
    QTest::newRow("same vendor other product") << "add"
                                               << "tty"
                                               << "0483"
                                               << "df11" << false << false;
    QTest::newRow("no ids") << "add"
                            << "tty"
                            << ""
                            << "" << false << false;
    QTest::newRow("not a tty") << "add"
                               << "usb"
                               << "0483"
                               << "5740" << false << false;
}

void TestDeviceNoticeRules::udev()
{
    QFETCH(QString, action);
    QFETCH(QString, subsystem);
    QFETCH(QString, vendor);
    QFETCH(QString, model);
    QFETCH(bool, notice);
    QFETCH(bool, arrival);
    DeviceNotice result;
    QCOMPARE(DeviceNoticeRules::fromUdevEvent(action, subsystem, vendor, model, &result), notice);
    if (notice) {
        QCOMPARE(result.sPath, QString("virtual com port"));
        QCOMPARE(result.bArrival, arrival);
    }
}

void TestDeviceNoticeRules::diff_data()
{
    QTest::addColumn<QStringList>("before");
    QTest::addColumn<QStringList>("after");
    QTest::addColumn<QStringList>("expected"); // "+root" arrival, "-root" removal
    QTest::newRow("nothing") << QStringList{"/a/"} << QStringList{"/a/"} << QStringList{};
    QTest::newRow("mounted") << QStringList{"/a/"} << QStringList{"/a/", "/b/"} << QStringList{"+/b/"};
    QTest::newRow("gone") << QStringList{"/a/", "/b/"} << QStringList{"/b/"} << QStringList{"-/a/"};
    QTest::newRow("both, removals first") << QStringList{"/a/", "/c/"} << QStringList{"/b/", "/c/", "/d/"}
                                          << QStringList{"-/a/", "+/b/", "+/d/"};
    QTest::newRow("from none") << QStringList{} << QStringList{"/x/", "/y/"} << QStringList{"+/x/", "+/y/"};
}

void TestDeviceNoticeRules::diff()
{
    QFETCH(QStringList, before);
    QFETCH(QStringList, after);
    QFETCH(QStringList, expected);
    QStringList actual;
    const QList<DeviceNotice> notices = DeviceNoticeRules::diffRoots(before, after);
    for (const DeviceNotice& notice : notices)
        actual.append((notice.bArrival ? "+" : "-") + notice.sPath);
    QCOMPARE(actual, expected);
}

QTEST_GUILESS_MAIN(TestDeviceNoticeRules)
#include "tst_devicenoticerules.moc"
