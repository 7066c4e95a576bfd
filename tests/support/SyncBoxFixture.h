#pragma once

#include "controller/ZeqAgentCtrlMgr.h"
#include "core/AgentTiming.h"
#include "core/JsonHelper.h"
#include "support/ControllerTestDevices.h"
#include "support/FakeShareService.h"
#include "support/TestFolders.h"
#include "support/TestHttpServer.h"
#include "support/UiFixture.h"
#include "sync/SyncCatalogue.h"
#include "sync/SyncLeftBehind.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPushButton>
#include <QScopedPointer>
#include <QSignalSpy>
#include <QTest>

// What a sync box test needs around the box: the window fixture, a signed-in account, the fake sharing
// service and a track server on 127.0.0.1 that the real sync worker talks to, and a device of either
// family whose rides the worker reads (a data drive in the test folders, or a serial device behind a
// pseudo-terminal). The controller is one per process, so the fixture lives as long as the test object.
class SyncBoxFixture
{
public:
    SyncBoxFixture() { m_bStarted = m_server.start() && m_tracks.start(); }

    bool isStarted() const { return m_bStarted; }

    // Between cases: no settings, no device, a signed-in account, a fresh service answering an empty
    // work list, room on every drive, and the box's automatic start at once.
    void reset()
    {
        unplug();
        m_ui.reset();
        // Each case is a first sync: nothing an earlier case left behind counts.
        SyncLeftBehind(m_ui.m_folders.tempDir()).reset();
        m_service.reset(new FakeShareService(m_server));
        m_service->setAnswer("getRouteSyncList", FakeShareService::RETURN, "[]");
        m_service->setAnswer("uploadRec", FakeShareService::RETURN, "SUCCESS:S0001");
        UiFixture::setValue("URL", "WebApi", m_service->serviceUrl());
        volumes().setFreeSpace(100LL * 1024 * 1024);
        AgentTiming::resetDefaults();
        AgentTiming::set(AgentTiming::WELCOME_PAUSE, 0);
        AgentTiming::set(AgentTiming::SYNC_AUTOSTART, 0);
        ZeqAgentCtrlMgr* pCtrl = ZeqAgentCtrlMgr::getInstance();
        pCtrl->doStopSyncWorker();
        pCtrl->doStopBackupRestoreWorker();
        pCtrl->login(JsonHelper::object({{"user", "rider@example.com"}, {"password", "secret"}}));
        pCtrl->slotHandleResults(LOGIN_SUCCESS, "S-1");
    }

    static FakeVolumeInfo& volumes() { return ControllerTestDevices::install()->m_volumes; }

    // A drive-family device with the given roots (system drive first, data drive second).
    static void plugDrives(const QStringList& lstRoots)
    {
        Worker::DEVINFOEX device;
        device.bArrival = true;
        device.type = Worker::FAMILY_DRIVE;
        device.devInfo.sUUID = "0123456789ABCDEF";
        device.devInfo.sSkuID = "1";
        device.devInfo.sHWName = "Wendo 500";
        device.lstDrive = lstRoots;
        for (const QString& sRoot : lstRoots)
            volumes().addVolume(sRoot);
        ZeqAgentCtrlMgr::getInstance()->notityWendoDev(device);
    }

    static void plugSerial(const QString& sPort)
    {
        Worker::DEVINFOEX device;
        device.bArrival = true;
        device.type = Worker::FAMILY_SERIAL;
        device.devInfo.sUUID = "SIM-UUID-0001";
        device.devInfo.sSkuID = "SKU-100";
        device.devInfo.sHWName = "Wendo 100";
        device.sComPort = sPort;
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

    // A drive device whose data drive is a folder named sDataName in the test folders; returns the data
    // drive's root.
    QString plugDriveDevice(const QString& sDataName = "ZEQ_DATA")
    {
        const QString sSystem = m_ui.m_folders.dataPath("ZEQ_SYSTEM/");
        const QString sData = m_ui.m_folders.dataPath(sDataName + "/");
        QDir(sData).removeRecursively(); // nothing an earlier case left on the drive
        QDir().mkpath(sSystem);
        QDir().mkpath(sData + "Korvo/Tracks");
        plugDrives({sSystem, sData});
        return sData;
    }

    // A ride as the device records it, below the data drive's "Korvo/Tracks".
    static QString addRide(const QString& sData, const QString& sName, int nDay)
    {
        const QString sPath = sData + "Korvo/Tracks/Profile1/" + sName;
        const QByteArray ride =
            "<?xml version=\"1.0\"?>\r\n<gpx version=\"1.1\">\r\n  <trk>\r\n    <type>1</type>\r\n"
            "    <extensions>\r\n    <time>2012-03-" +
            QByteArray::number(nDay) +
            "T07:30:05Z</time>\r\n    <avgspeed>12.5</avgspeed>\r\n    </extensions>\r\n  "
            "</trk>\r\n</gpx>\r\n";
        TestFolders::writeFile(sPath, ride);
        return sPath;
    }

    static QString hashOf(const QString& sPath)
    {
        QString sHash;
        SyncCatalogue::doGenerateHash512(sPath, sHash);
        return sHash;
    }

    // The service's work list: each item an action with its hash (and a track's title and address).
    static QString workList(const QList<QStringList>& items)
    {
        QJsonArray array;
        for (const QStringList& item : items) {
            QJsonObject object;
            object.insert("o_action", item.value(0));
            object.insert("o_hash", item.value(1));
            if (item.size() > 2) {
                object.insert("o_title", item.value(2));
                object.insert("o_url", item.value(3));
            }
            array.append(object);
        }
        return QString::fromUtf8(QJsonDocument(array).toJson(QJsonDocument::Compact));
    }

    // A track the track server hands out under sName.
    void serveTrack(const QString& sName, const QByteArray& content)
    {
        m_tracks.setHandler([sName, content](const TestHttpServer::Request& request) {
            return request.path() == "/" + sName.toUtf8() ? TestHttpServer::fileAnswer(request, content)
                                                          : TestHttpServer::Answer::status(404);
        });
    }
    QString trackUrl(const QString& sName) const { return m_tracks.url("/" + sName); }

    int callCount(const QString& sOperation) const
    {
        int nCount = 0;
        for (const FakeShareService::Call& call : m_service->calls())
            nCount += call.sOperation == sOperation ? 1 : 0;
        return nCount;
    }
    QList<FakeShareService::Call> callsOf(const QString& sOperation) const
    {
        QList<FakeShareService::Call> calls;
        for (const FakeShareService::Call& call : m_service->calls())
            if (call.sOperation == sOperation)
                calls << call;
        return calls;
    }

    static QList<int> codes(const QSignalSpy& spy)
    {
        QList<int> seen;
        for (const QList<QVariant>& args : spy)
            seen << int(args.at(0).value<ACTION_STATUS>());
        return seen;
    }
    static bool isFinal(int nStatus)
    {
        return (nStatus >= SYNC_UPLOADERROR && nStatus <= SYNC_SIZENOTENOUGH) || nStatus == SYNC_DISKFULL;
    }
    // Waits (a hang guard only) until a final sync result went out; every status in order.
    static QList<int> waitForFinal(QSignalSpy& spy)
    {
        auto bFinal = [&spy] {
            for (int nStatus : codes(spy))
                if (isFinal(nStatus))
                    return true;
            return false;
        };
        if (QTest::qWaitFor(bFinal, 30000))
            QTest::qWait(100); // what follows the result (59, a second result) shows up here
        return codes(spy);
    }

    UiFixture m_ui;
    TestHttpServer m_server;
    TestHttpServer m_tracks;
    QScopedPointer<FakeShareService> m_service;
    bool m_bStarted = false;
};
