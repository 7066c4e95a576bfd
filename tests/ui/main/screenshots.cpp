// Saves pictures of what users see: the sign-in page, the signed-in view with its tab sets, the device
// layouts, the no-device and recovery pages, the Settings page in both modes, the welcome picture, the
// about box and the backup dialog. Run by scripts/screenshots under Xvfb; the windows are real, the tray,
// start-up entry and service are not (a fake sharing service on loopback lists the account's devices).
// Usage: wendo_screenshots <output folder>                  every picture, in English
//        wendo_screenshots --lang <code> <output folder>    sign-in, My Device and Settings in one language
//        wendo_screenshots --sheet <output folder>          the sign-in page of every language on one sheet
//        (--sign-in-only with --lang: the sign-in page alone, as the sheet takes it)

#include "controller/LanguageTable.h"
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
#include "ui/pages/PagesDialogOpener.h"
#include "ui/pages/SettingWidget.h"
#include "ui/pages/ZeqAgentInfoWidget.h"
#include "ui/update/MapManagementWidget.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPainter>
#include <QProcess>
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

// The Map Management tab with its view, an OSM bubble shown as the pointer on its info mark shows it.
bool showMapPage(QWidget* pWindow)
{
    ZeqAgentInfoWidget* pInfo = pWindow->findChild<ZeqAgentInfoWidget*>();
    if (!pInfo || pInfo->tabWidget()->count() < 4)
        return false;
    pInfo->tabWidget()->setCurrentIndex(1);
    pInfo->tabWidget()->markChosenTab(1);
    if (QWidget* pBubble = pInfo->tabWidget()->currentWidget()->findChild<QWidget*>("Label_OSMInfo"))
        pBubble->show();
    return true;
}

// The build's translations beside the program, copied where the controller looks for them.
class MapPageOpener : public PagesDialogOpener
{
public:
    QWidget* createMapPage(QWidget* pParent) override { return new MapManagementWidget(pParent); }
};

bool installTranslations(const TestFolders& folders)
{
    const QString sBuilt = QCoreApplication::applicationDirPath() + "/lang";
    QDir().mkpath(folders.programPath("lang"));
    bool bOk = true;
    for (const QString& sCode : LanguageTable::codes()) {
        const QString sFile = LanguageTable::fileFor(sCode);
        bOk &= QFile::copy(sBuilt + sFile.mid(5), folders.programPath(sFile.mid(1)));
    }
    if (!bOk)
        std::printf("FAILED to copy the translations from %s\n", qPrintable(sBuilt));
    return bOk;
}

// Each language in a process of its own (an installed translation stays behind the next one), then
// their sign-in pictures side by side, each under its code, on one sheet.
bool contactSheet(const QString& sOut)
{
    const int nColumns = 6;
    const QSize cell(400, 320);
    QStringList codes = LanguageTable::codes();
    codes.removeAll("en");
    codes.prepend("en");
    QImage sheet(cell.width() * nColumns, cell.height() * ((codes.size() + nColumns - 1) / nColumns),
                 QImage::Format_RGB32);
    sheet.fill(Qt::white);
    QPainter painter(&sheet);
    QFont font("Arial");
    font.setPixelSize(14);
    painter.setFont(font);
    bool bOk = true;
    for (int i = 0; i < codes.size(); ++i) {
        const QString sFolder = sOut + "/" + codes.at(i);
        const int nExit = QProcess::execute(QCoreApplication::applicationFilePath(),
                                            {"--lang", codes.at(i), "--sign-in-only", sFolder});
        const QImage picture(sFolder + "/sign-in.png");
        bOk &= nExit == 0 && !picture.isNull();
        const QPoint corner((i % nColumns) * cell.width(), (i / nColumns) * cell.height());
        painter.drawText(QRect(corner, QSize(cell.width(), 20)), Qt::AlignCenter, codes.at(i));
        if (!picture.isNull())
            painter.drawImage(QRect(corner + QPoint(0, 20), QSize(cell.width(), cell.height() - 20)),
                              picture.scaled(cell.width(), cell.height() - 20, Qt::KeepAspectRatio,
                                             Qt::SmoothTransformation));
    }
    painter.end();
    const QString sPath = sOut + "/sign-in-languages.png";
    bOk &= sheet.save(sPath, "PNG");
    std::printf("%s %s\n", bOk ? "saved" : "FAILED", qPrintable(sPath));
    return bOk;
}
} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    QStringList args = QApplication::arguments().mid(1);
    QString sLang;
    const bool bSheet = args.removeAll("--sheet") > 0;
    const bool bSignInOnly = args.removeAll("--sign-in-only") > 0;
    if (args.size() == 3 && args.first() == "--lang") {
        sLang = args.at(1);
        args = args.mid(2);
    }
    const bool bKnownLang = sLang.isEmpty() || LanguageTable::codeFor(sLang) == sLang;
    if (args.size() != 1 || (bSheet && !sLang.isEmpty()) || !bKnownLang) {
        std::fprintf(stderr, "usage: wendo_screenshots [--lang <code> | --sheet] <output folder>\n");
        return 2;
    }
    const QString sOut = args.first();
    QDir().mkpath(sOut);
    if (bSheet)
        return contactSheet(sOut) ? 0 : 1;

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
    // The real Map Management page on its tab; no update dialog opens while the pictures are taken.
    MapPageOpener mapPages;
    DialogOpener::setInstance(&mapPages);

    bool bOk = true;
    if (!sLang.isEmpty()) {
        bOk &= installTranslations(folders);
        pCtrl->setLang(sLang);
    }
    ZeqAgentMainDialog window;
    window.move(40, 40);
    window.show();
    window.findChild<QLineEdit*>("txt_email")->setText("rider@example.com");
    bOk &= shoot(&window, sOut + "/sign-in.png");
    if (bSignInOnly)
        return bOk ? 0 : 1;

    pCtrl->slotHandleResults(LOGIN_SUCCESS, "screenshot-session");
    if (sLang.isEmpty())
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
    if (!sLang.isEmpty()) {
        // One language: My Device with a registered drive device, and its full Settings page.
        plug(true, 2);
        pCtrl->slotHandleResults(DEVICE_REGISTERED, "SUCCESS:S0001");
        bOk &= shoot(&window, sOut + "/my-device.png");
        bOk &= showSettings(&window, 3);
        bOk &= shoot(&window, sOut + "/settings.png");
        return bOk ? 0 : 1;
    }
    bOk &= shoot(&window, sOut + "/tabs-no-device.png");
    plug(true, 2);
    pCtrl->slotHandleResults(DEVICE_REGISTERED, "SUCCESS:S0001");
    bOk &= shoot(&window, sOut + "/tabs-drive-registered.png");
    bOk &= showMapPage(&window);
    bOk &= shoot(&window, sOut + "/map-management.png");
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
