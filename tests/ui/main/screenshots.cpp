// Saves pictures of what users see: the sign-in page, the signed-in view with its tab sets, the device
// layouts, the no-device and recovery pages, the Settings page in both modes, the welcome picture, the
// about box and the backup dialog. Run by scripts/screenshots under Xvfb; the windows are real, the tray,
// start-up entry and service are not (a fake sharing service on loopback lists the account's devices).
// Usage: wendo_screenshots <output folder>

#include "controller/ZeqAgentCtrlMgr.h"
#include "core/AgentSettings.h"
#include "core/AgentTiming.h"
#include "core/JsonHelper.h"
#include "platform/Autostart.h"
#include "platform/Platform.h"
#include "support/BackupDialogFixture.h"
#include "support/FakeArchivePrograms.h"
#include "support/FakeAutostart.h"
#include "support/FakeShareService.h"
#include "support/FakeTrayIcon.h"
#include "support/TestFolders.h"
#include "support/TestHttpServer.h"
#include "ui/main/AboutDialog.h"
#include "ui/main/TrayIcon.h"
#include "ui/main/ZeqAgentMainDialog.h"
#include "ui/pages/CustomTabWidget.h"
#include "ui/pages/SettingWidget.h"
#include "ui/pages/ZeqAgentInfoWidget.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QLineEdit>
#include <QProgressBar>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTimer>
#include <QWindow>

#include <cstdio>

namespace
{
void settle(int nMs)
{
    QEventLoop loop;
    QTimer::singleShot(nMs, &loop, &QEventLoop::quit);
    loop.exec();
}

bool shoot(QWidget* pWidget, const QString& sPath)
{
    settle(400);
    // From the display server when there is one, so the picture is what the screen shows.
    QPixmap picture = pWidget->screen()->grabWindow(pWidget->winId());
    if (picture.isNull() || QGuiApplication::platformName() == "offscreen")
        picture = pWidget->grab();
    const bool bSaved = picture.save(sPath, "PNG");
    std::printf("%s %s\n", bSaved ? "saved" : "FAILED", qPrintable(sPath));
    return bSaved;
}

// The scroll area of the page on the current tab (My Device, Settings), if it has one.
QScrollArea* currentScrollArea(QWidget* pWindow)
{
    ZeqAgentInfoWidget* pInfo = pWindow->findChild<ZeqAgentInfoWidget*>();
    QWidget* pPage = pInfo ? pInfo->tabWidget()->currentWidget() : nullptr;
    return pPage ? pPage->findChild<QScrollArea*>() : nullptr;
}

// The whole column of the current page, also the part below the fold of its scroll area.
bool shootColumn(QWidget* pWindow, const QString& sPath)
{
    settle(400);
    QScrollArea* pArea = currentScrollArea(pWindow);
    const bool bSaved = pArea && pArea->widget() && pArea->widget()->grab().save(sPath, "PNG");
    std::printf("%s %s\n", bSaved ? "saved" : "FAILED", qPrintable(sPath));
    return bSaved;
}

// The window with the current page scrolled to its end, as the user sees it after scrolling down.
bool shootScrolledDown(QWidget* pWindow, const QString& sPath)
{
    QScrollArea* pArea = currentScrollArea(pWindow);
    if (!pArea)
        return false;
    pArea->verticalScrollBar()->setValue(pArea->verticalScrollBar()->maximum());
    const bool bSaved = shoot(pWindow, sPath);
    pArea->verticalScrollBar()->setValue(0);
    return bSaved;
}

// Shows the Settings tab as a left click on it would, and waits (a guard only) for its device rows.
bool showSettings(QWidget* pWindow, int nRows)
{
    ZeqAgentInfoWidget* pInfo = pWindow->findChild<ZeqAgentInfoWidget*>();
    if (!pInfo)
        return false;
    CustomTabWidget* pTabs = pInfo->tabWidget();
    const int nSettings = pTabs->settingsIndex();
    pTabs->setCurrentIndex(nSettings);
    pTabs->markChosenTab(nSettings);
    QDeadlineTimer guard(10000);
    while (!guard.hasExpired()) {
        auto* pPage = qobject_cast<SettingWidget*>(pTabs->currentWidget());
        if (pPage && pPage->deviceRows().size() == nRows)
            return true;
        settle(20);
    }
    std::printf("the Settings page never showed %d device rows\n", nRows);
    return false;
}
} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    if (argc != 2) {
        std::fprintf(stderr, "usage: wendo_screenshots <output folder>\n");
        return 2;
    }
    const QString sOut = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(sOut);

    TestFolders folders;
    {
        AgentSettings settings;
        settings.setValue("AGENT", "version", "1.0.0");
        settings.setValue("AGENT", "release", "2024/06/01");
    }
    // The account's devices come from a fake sharing service on loopback (sign-in and registration
    // answers are handed to the controller below).
    TestHttpServer server;
    server.start();
    FakeShareService service(server);
    {
        AgentSettings settings;
        settings.setValue("URL", "WebApi", service.serviceUrl());
    }
    const auto listed = [](const QString& sUUID, const QString& sName, const QString& sDate) {
        return JsonHelper::object({{"UUID", sUUID},
                                   {"SKUID", "1"},
                                   {"Model", "Z500"},
                                   {"HardwareName", sName},
                                   {"AddDate", sDate}});
    };
    // The connected device is listed last; the page shows it first.
    service.setAnswer("getDeviceList", FakeShareService::RETURN,
                      "[" + listed("A1B2C3D4E5F60718", "Zeq Wendo 300", "2023/11/02") + "," +
                          listed("1122334455667788", "Zeq Wendo 100", "2024/02/14") + "," +
                          listed("0123456789ABCDEF", "Zeq Wendo 500", "2024/03/01") + "]");
    service.setAnswer("getCustomerSetting", FakeShareService::RETURN,
                      "{\"afterUpload\":\"dont_delete_after_upload\",\"syncType\":\"auto_sync\"}");
    AgentTiming::set(AgentTiming::SETTINGS_FETCH, 0);
    // No sync or update check starts by itself while the pictures are taken.
    AgentTiming::set(AgentTiming::SYNC_AUTOSTART, 3600000);
    AgentTiming::set(AgentTiming::VERSION_CHECK, 3600000);

    FakeAutostart autostart;
    PlatformOverride platform;
    platform.setAutostart(&autostart);
    TrayIcon::setFactory([](QObject* pParent) { return new FakeTrayIcon(pParent); });
    AgentTiming::set(AgentTiming::WELCOME_PAUSE, 0);
    ZeqAgentCtrlMgr* pCtrl = ZeqAgentCtrlMgr::getInstance();
    QObject::disconnect(pCtrl, &ZeqAgentCtrlMgr::emitLogin, nullptr, nullptr);

    bool bOk = true;
    ZeqAgentMainDialog window;
    window.move(40, 40);
    window.show();
    window.findChild<QLineEdit*>("txt_email")->setText("rider@example.com");
    bOk &= shoot(&window, sOut + "/sign-in.png");

    pCtrl->slotHandleResults(LOGIN_SUCCESS, "screenshot-session");
    bOk &= shoot(&window, sOut + "/signed-in.png");

    // The tab sets of the signed-in page: answers handed over as the account worker would give them.
    QObject::disconnect(pCtrl, &ZeqAgentCtrlMgr::emitCheckRegDev, nullptr, nullptr);
    const QString sDrive = folders.dataPath("drive") + "/";
    QDir().mkpath(sDrive + "Korvo");
    const auto plugDrive = [pCtrl](bool bArrival, int nFamily, const QString& sRoot) {
        Worker::DEVINFOEX device;
        device.bArrival = bArrival;
        device.type = nFamily;
        device.devInfo.sUUID = "0123456789ABCDEF";
        device.devInfo.sSkuID = "1";
        device.devInfo.sHWName = "Wendo 500";
        device.devInfo.sFirmware = "R05.12";
        device.devInfo.sAppVer = "1.2.3";
        device.lstDrive = QStringList{sRoot, sRoot + "data/"};
        device.sComPort = "/dev/ttyACM0";
        pCtrl->notityWendoDev(device);
    };
    const auto plug = [&plugDrive, &sDrive](bool bArrival, int nFamily) {
        plugDrive(bArrival, nFamily, sDrive);
    };
    bOk &= shoot(&window, sOut + "/tabs-no-device.png");
    plug(true, 2);
    pCtrl->slotHandleResults(DEVICE_REGISTERED, "SUCCESS:S0001");
    bOk &= shoot(&window, sOut + "/tabs-drive-registered.png");
    pCtrl->slotHandleResults(DEVICE_NOTREGISTERED, "true");
    bOk &= shoot(&window, sOut + "/tabs-not-registered.png");
    plug(false, 2);
    plug(true, 1);
    pCtrl->slotHandleResults(DEVICE_REGISTERED, "SUCCESS:S0001");
    bOk &= shoot(&window, sOut + "/tabs-serial-registered.png");
    plug(false, 1);

    // The three layouts of My Device, and the Settings page in the mode each one gives it.
    plug(true, 2);
    pCtrl->slotHandleResults(DEVICE_REGISTERED, "SUCCESS:S0001");
    bOk &= shoot(&window, sOut + "/device-style0-registered.png");
    bOk &= shootColumn(&window, sOut + "/device-style0-column.png");
    bOk &= showSettings(&window, 3);
    bOk &= shoot(&window, sOut + "/settings-full.png");
    bOk &= shootScrolledDown(&window, sOut + "/settings-full-scrolled.png");
    bOk &= shootColumn(&window, sOut + "/settings-full-column.png");
    pCtrl->slotHandleResults(DEVICE_NOTREGISTERED, "true");
    bOk &= shoot(&window, sOut + "/device-style1-not-registered.png");
    pCtrl->slotHandleResults(DEVICE_REGREFUSED, "true");
    bOk &= shoot(&window, sOut + "/device-style2-registered-elsewhere.png");
    bOk &= showSettings(&window, 0);
    bOk &= shoot(&window, sOut + "/settings-basic.png");
    plug(false, 2);
    bOk &= shoot(&window, sOut + "/no-device.png");

    // A drive device without its "Korvo" folder: the recovery page.
    const QString sBareDrive = folders.dataPath("bare") + "/";
    QDir().mkpath(sBareDrive);
    plugDrive(true, 2, sBareDrive);
    bOk &= shoot(&window, sOut + "/recovery.png");
    plugDrive(false, 2, sBareDrive);

    // The welcome picture, shown while the automatic sign-in at start waits for its answer.
    {
        AgentSettings settings;
        settings.setValue("LOGIN", "AutoLogin", "true");
        settings.setValue("LOGIN", "user", "rider@example.com");
        settings.setValue("LOGIN", "password", ZeqAgentCtrlMgr::scramblePassword("secret"));
        settings.setValue("LOGIN", "len", "6");
    }
    ZeqAgentMainDialog welcome;
    welcome.move(40, 40);
    welcome.show();
    bOk &= shoot(&welcome, sOut + "/welcome.png");
    welcome.hide();

    AboutDialog about(&window);
    about.show();
    bOk &= shoot(&about, sOut + "/about.png");
    about.hide();

    // The backup dialog half way: its 7z waits, the bar shows the system part done.
    {
        BackupDialogFixture device;
        device.plug();
        FakeArchivePrograms programs;
        platform.setArchiveProgram(programs.hanging());
        BackupRestoreDailog backup(BackupRestoreDailog::MODE_BACKUP, false, false, nullptr);
        backup.findChild<QProgressBar*>("progressBar")->setValue(50);
        backup.move(40, 40);
        backup.show();
        bOk &= shoot(&backup, sOut + "/backup.png");
        backup.hide();
    }

    return bOk ? 0 : 1;
}
