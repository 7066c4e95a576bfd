#pragma once

#include "controller/ZeqAgentCtrlMgr.h"
#include "core/AgentFolders.h"
#include "core/AgentSettings.h"
#include "core/WorkFile.h"
#include "core/Worker.h"
#include "support/DriveTree.h"
#include "support/FakeMapService.h"
#include "support/FakeUpdateService.h"
#include "support/TestHttpServer.h"
#include "ui/update/UpdateDialogOpener.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

// The window layer's opener with the real update checks and offers, but the install recorded: each
// runInstall is noted (recover flag, agent-only flag) and m_whileOpen runs where its loop would.
// Installs itself for its lifetime.
class InstallRecordingOpener : public UpdateDialogOpener
{
public:
    struct Install {
        bool bRecover = false;
        bool bAgentOnly = false;
        QList<WorkFile::Row> updateRows; // "Update.script" as the install found it
        QList<WorkFile::Row> mapRows;    // "map.script" likewise
    };

    InstallRecordingOpener() { DialogOpener::setInstance(this); }
    ~InstallRecordingOpener() override { DialogOpener::setInstance(nullptr); }

    void runInstall(bool bRecover, bool bAgentOnly) override
    {
        Install install{bRecover, bAgentOnly, {}, {}};
        WorkFile::readRows(AgentFolders::tempPath("Update.script"), &install.updateRows);
        WorkFile::readRows(AgentFolders::tempPath("map.script"), &install.mapRows);
        m_lstInstalls.append(install);
        if (m_whileOpen)
            m_whileOpen();
    }

    QList<Install> m_lstInstalls;
    std::function<void()> m_whileOpen;
};

// The update check's world: the update and map services, each on a TestHttpServer, their addresses in the
// settings, and a device of either family whose drives are DriveTree folders. Use with a UiFixture
// (folders, notices), made after it.
class UpdateCheckFixture
{
public:
    static QString uuid() { return "0123456789ABCDEF"; }
    static QString hardwareName() { return "Wendo 500"; }

    UpdateCheckFixture()
    {
        m_bStarted = m_server.start() && m_mapServer.start();
        AgentSettings settings;
        settings.setValue("URL", "DevUpdate", m_update.checkUrl());
        settings.setValue("URL", "MapUpdate", m_maps.mapUpdateUrl());
        settings.setValue("URL", "Eshop", m_maps.eshopUrl());
        settings.setValue("URL", "MapLanguage", m_maps.languageUrl());
    }
    ~UpdateCheckFixture() { unplug(); }

    bool isValid() const { return m_bStarted && m_system.isValid() && m_data.isValid(); }

    // The device as the monitor reports it: the drive family on the two DriveTree roots, the serial
    // family on a port name. Versions: firmware R1.0, software 100, every map 1.0.
    void plug(int nFamily, const QString& sHWName = hardwareName())
    {
        unplug();
        Worker::DEVINFOEX device;
        device.bArrival = true;
        device.type = nFamily;
        device.devInfo.sUUID = uuid();
        device.devInfo.sSkuID = "006-B2";
        device.devInfo.sHWName = sHWName;
        device.devInfo.sFirmware = "R1.0";
        device.devInfo.sAppVer = "100";
        device.devInfo.sBmVer = "1.0";
        device.devInfo.sTaVer = "1.0";
        device.devInfo.sOsmVer = "1.0";
        device.devInfo.sCountryVer = "1.0";
        if (nFamily == Worker::FAMILY_SERIAL)
            device.sComPort = "/dev/ttyACM7";
        else
            device.lstDrive = QStringList{m_system.root(), m_data.root()};
        ZeqAgentCtrlMgr::getInstance()->notityWendoDev(device);
    }
    static void unplug()
    {
        ZeqAgentCtrlMgr* pCtrl = ZeqAgentCtrlMgr::getInstance();
        if (!pCtrl->isDevicePresent())
            return;
        Worker::DEVINFOEX device = pCtrl->currentDevice();
        device.bArrival = false;
        pCtrl->notityWendoDev(device);
    }

    static QString listPath(const QString& sName) { return AgentFolders::tempPath(sName); }
    static QList<WorkFile::Row> rows(const QString& sName)
    {
        QList<WorkFile::Row> lstRows;
        WorkFile::readRows(listPath(sName), &lstRows);
        return lstRows;
    }
    // The first field of each row.
    static QStringList kinds(const QString& sName)
    {
        QStringList lstKinds;
        for (const WorkFile::Row& row : rows(sName))
            lstKinds << row.value(0);
        return lstKinds;
    }

    // A device package as the update service lists it.
    static FakeUpdateService::Package package(const QString& sKind, const QString& sVersion,
                                              const QString& sNotes = "https://notes.example/rel")
    {
        return {sKind, "2026/11/30", sVersion, "1234", "http://127.0.0.1:9/" + sKind + ".zip", sNotes, true};
    }
    // A map the device does not have yet (its versions are all 1.0).
    static FakeMapService::Package mapPackage(const QString& sNotes, const QString& sVersion = "2.0")
    {
        return FakeMapService::mapPackage(sVersion, sNotes, "http://127.0.0.1:9/" + sNotes + ".zip",
                                          QString(32, 'F'));
    }
    void answerMaps(const QList<FakeMapService::Package>& lstPackages)
    {
        m_maps.answer("ZeqMoreDeviceMapData",
                      FakeMapService::listDocument({{"BugFixMapUpdate", lstPackages}}));
        m_maps.answer("ZeqMoreDeviceDownloadHistory", FakeMapService::listDocument({{"history", {}}}));
    }
    QStringList mapRequests() const { return m_maps.types(); }

    TestHttpServer m_server; // the update service's
    TestHttpServer m_mapServer;
    FakeUpdateService m_update{m_server};
    FakeMapService m_maps{m_mapServer};
    DriveTree m_system;
    DriveTree m_data;

private:
    bool m_bStarted = false;
};
