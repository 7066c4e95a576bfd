#pragma once

#include "controller/ZeqAgentCtrlMgr.h"
#include "core/AgentSettings.h"
#include "core/AgentTiming.h"
#include "platform/Autostart.h"
#include "platform/LinuxUrlLauncher.h"
#include "platform/Platform.h"
#include "support/ControllerTestDevices.h"
#include "support/FakeAutostart.h"
#include "support/FakeTrayIcon.h"
#include "support/RecordingNotifier.h"
#include "support/TestFolders.h"
#include "support/UrlCatcher.h"
#include "ui/main/TrayIcon.h"

#include <QFile>
#include <QList>
#include <QObject>
#include <QPointer>

// What every window test needs: temporary folders with the log on, the start-up entry, tray icon,
// notices and web pages recorded instead of touching the desktop, no welcome pause, and no sign-in
// request leaving the process (tests watch the controller's request signals and answer through its
// result slot). Given a service address, the sign-in requests go there instead (settings URL "WebApi",
// which the account worker reads once, when the controller is made). The controller is one per
// process, so the fixture lives as long as the test object.
class UiFixture
{
public:
    explicit UiFixture(bool bQuorvane = false, const QString& sServiceUrl = QString())
    {
        if (bQuorvane) // the brand is fixed when the controller is first made
            TestFolders::writeFile(m_folders.programPath("Quorvane.bin"), "");
        if (!sServiceUrl.isEmpty())
            setValue("URL", "WebApi", sServiceUrl);
        m_platform.setAutostart(&m_autostart);
        // A UrlCatcher the test made first stays the one that lists the pages.
        if (dynamic_cast<LinuxUrlLauncher*>(&Platform::urlLauncher()))
            m_platform.setUrlLauncher(&m_browser);
        TrayIcon::setFactory([this](QObject* pParent) {
            FakeTrayIcon* pTray = new FakeTrayIcon(pParent);
            m_pTray = pTray;
            return pTray;
        });
        AgentTiming::set(AgentTiming::WELCOME_PAUSE, 0);
        // Only the devices a test makes: never a volume another test mounts meanwhile.
        ControllerTestDevices::install();
        ZeqAgentCtrlMgr* pCtrl = ZeqAgentCtrlMgr::getInstance();
        if (sServiceUrl.isEmpty()) {
            QObject::disconnect(pCtrl, &ZeqAgentCtrlMgr::emitLogin, nullptr, nullptr);
            QObject::disconnect(pCtrl, &ZeqAgentCtrlMgr::emitCheckRegDev, nullptr, nullptr);
            QObject::disconnect(pCtrl, &ZeqAgentCtrlMgr::emitRegDev, nullptr, nullptr);
        }
    }
    ~UiFixture() { TrayIcon::setFactory(TrayIcon::Factory()); }

    // Between cases: no settings, no account, no recorded notices.
    void reset()
    {
        QFile::remove(m_folders.dataPath("settings.ini"));
        ZeqAgentCtrlMgr* pCtrl = ZeqAgentCtrlMgr::getInstance();
        pCtrl->slotHandleResults(LOGIN_ERROR, QString());
        if (pCtrl->isDevicePresent())
            plugDevice(false);
        m_autostart.m_lstCalls.clear();
        m_notifier.m_notices.clear();
        AgentTiming::set(AgentTiming::EXIT_ENABLE, 30000);
    }

    static void setValue(const QString& sGroup, const QString& sKey, const QString& sValue)
    {
        AgentSettings settings;
        settings.setValue(sGroup, sKey, sValue);
    }
    static QString value(const QString& sGroup, const QString& sKey)
    {
        AgentSettings settings;
        return settings.getString(sGroup, sKey);
    }
    // Stores an account for the automatic sign-in as "Remember me" does.
    static void rememberAccount(const QString& sUser, const QString& sPassword)
    {
        setValue("LOGIN", "AutoLogin", "true");
        setValue("LOGIN", "user", sUser);
        setValue("LOGIN", "password", ZeqAgentCtrlMgr::scramblePassword(sPassword));
        setValue("LOGIN", "len", QString::number(sPassword.length()));
    }

    // A drive-family device "Wendo 500" arriving or leaving, as the device monitor reports it.
    static void plugDevice(bool bArrival)
    {
        Worker::DEVINFOEX device;
        device.bArrival = bArrival;
        device.type = 2;
        device.devInfo.sUUID = "0123456789ABCDEF";
        device.devInfo.sSkuID = "1";
        device.devInfo.sHWName = "Wendo 500";
        device.lstDrive = QStringList{"/media/ZEQ_SYSTEM/", "/media/ZEQ_DATA/"};
        ZeqAgentCtrlMgr::getInstance()->notityWendoDev(device);
    }

    QByteArray log() const { return TestFolders::readFile(m_folders.dataPath("WendoAgent.log")); }

    TestFolders m_folders{true};
    FakeAutostart m_autostart;
    FakeUrlLauncher m_browser; // no browser from a window test; a UrlCatcher of its own lists the pages
    PlatformOverride m_platform;
    RecordingNotifier m_notifier;
    QPointer<FakeTrayIcon> m_pTray;
};
