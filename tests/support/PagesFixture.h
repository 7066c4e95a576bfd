#pragma once

#include "controller/DialogOpener.h"
#include "core/JsonHelper.h"
#include "support/FakeShareService.h"
#include "support/TestHttpServer.h"
#include "support/UiFixture.h"
#include "ui/main/AgentResources.h"
#include "ui/pages/PagesDialogOpener.h"

#include <QDir>
#include <QTest>

#include <memory>

// The signed-in pages against the fake sharing service on loopback: a signed-in account, the pages'
// dialog opener, and devices of either family arriving and leaving as the device monitor reports them.
// A drive device gets real drive folders (with "Korvo" on the first unless it needs recovery).
class PagesFixture
{
public:
    PagesFixture()
    {
        AgentResources::init();
        m_server.start();
        m_pUi.reset(new UiFixture(false, m_service.serviceUrl()));
        DialogOpener::setInstance(&m_opener);
        AgentTiming::set(AgentTiming::REGCHECK_RETRY, 20);
    }
    ~PagesFixture() { DialogOpener::setInstance(nullptr); }

    // No device, the account signed in again, nothing on its way, registration checks answered "yes".
    bool reset()
    {
        ZeqAgentCtrlMgr* pCtrl = ZeqAgentCtrlMgr::getInstance();
        if (pCtrl->isDevicePresent())
            unplug();
        if (!QTest::qWaitFor([pCtrl] { return pCtrl->deviceAnswersInFlight() == 0; }, 10000))
            return false;
        m_pUi->reset();
        // The device list's worker reads the address at each request: the cleared settings lost it.
        UiFixture::setValue("URL", "WebApi", m_service.serviceUrl());
        m_pUi->m_notifier.m_whileOpen = nullptr;
        m_pUi->m_notifier.m_nAnswer = Notifier::OK;
        pCtrl->setSettingNotSave(false);
        m_service.setAnswer("checkDeviceReg", FakeShareService::RETURN, "SUCCESS:S0001");
        m_service.setAnswer("registerDevice", FakeShareService::RETURN, "SUCCESS:S0003");
        m_service.setAnswer("login", FakeShareService::RETURN, "SESSION-42");
        m_service.setAnswer("getDeviceList", FakeShareService::RETURN, "[]");
        pCtrl->login(JsonHelper::object({{"user", "rider@example.com"}, {"password", "secret"}}));
        return QTest::qWaitFor([pCtrl] { return pCtrl->isSignedIn(); }, 10000);
    }

    enum Family { SERIAL = 1, DRIVE = 2 };

    static Worker::DEVINFOEX device(Family eFamily, const QString& sUUID, const QString& sFirstDrive)
    {
        Worker::DEVINFOEX info;
        info.type = eFamily;
        info.devInfo.sUUID = sUUID;
        info.devInfo.sSkuID = "SKU-7";
        info.devInfo.sHWName = "Zeq \"5&0\" <b>";
        if (eFamily == SERIAL)
            info.sComPort = "/dev/ttyACM0";
        else
            info.lstDrive = QStringList{sFirstDrive, sFirstDrive + "data/"};
        return info;
    }

    // bRecover: a drive device without its "Korvo" folder, which asks for recovery.
    void plug(Family eFamily, const QString& sUUID = "0123456789ABCDEF", bool bRecover = false)
    {
        const QString sDrive = m_pUi->m_folders.dataPath("drive-" + sUUID) + "/";
        QDir(sDrive).removeRecursively();
        QDir().mkpath(sDrive);
        if (!bRecover)
            QDir().mkpath(sDrive + "Korvo");
        Worker::DEVINFOEX info = device(eFamily, sUUID, sDrive);
        info.bArrival = true;
        ZeqAgentCtrlMgr::getInstance()->notityWendoDev(info);
    }
    void unplug()
    {
        ZeqAgentCtrlMgr* pCtrl = ZeqAgentCtrlMgr::getInstance();
        Worker::DEVINFOEX info = pCtrl->currentDevice();
        info.bArrival = false;
        pCtrl->notityWendoDev(info);
    }
    // Calls of one operation so far.
    QList<FakeShareService::Call> calls(const QString& sOperation) const
    {
        QList<FakeShareService::Call> lst;
        for (const FakeShareService::Call& call : m_service.calls()) {
            if (call.sOperation == sOperation)
                lst.append(call);
        }
        return lst;
    }

    TestHttpServer m_server;
    FakeShareService m_service{m_server};
    std::unique_ptr<UiFixture> m_pUi;
    PagesDialogOpener m_opener;
};
