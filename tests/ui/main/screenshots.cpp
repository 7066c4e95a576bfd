// Saves pictures of what users see: the sign-in page, the signed-in view, the welcome picture, the
// about box and the backup dialog. Run by scripts/screenshots under Xvfb; the windows are real, the tray,
// start-up entry and service are not. Usage: wendo_screenshots <output folder>

#include "controller/ZeqAgentCtrlMgr.h"
#include "core/AgentSettings.h"
#include "core/AgentTiming.h"
#include "platform/Autostart.h"
#include "platform/Platform.h"
#include "support/BackupDialogFixture.h"
#include "support/FakeArchivePrograms.h"
#include "support/FakeAutostart.h"
#include "support/FakeTrayIcon.h"
#include "support/TestFolders.h"
#include "ui/main/AboutDialog.h"
#include "ui/main/TrayIcon.h"
#include "ui/main/ZeqAgentMainDialog.h"

#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QProgressBar>
#include <QScreen>
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
    const auto plug = [pCtrl, &sDrive](bool bArrival, int nFamily) {
        Worker::DEVINFOEX device;
        device.bArrival = bArrival;
        device.type = nFamily;
        device.devInfo.sUUID = "0123456789ABCDEF";
        device.devInfo.sHWName = "Wendo 500";
        device.lstDrive = QStringList{sDrive, sDrive + "data/"};
        device.sComPort = "/dev/ttyACM0";
        pCtrl->notityWendoDev(device);
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
