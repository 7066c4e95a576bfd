#pragma once

#include "core/JsonHelper.h"
#include "support/FakeShareService.h"
#include "support/RecordingDialogOpener.h"
#include "support/TestHttpServer.h"
#include "support/UiFixture.h"

#include <QCoreApplication>
#include <QSignalSpy>
#include <QTest>

#include <memory>

// A signed-in agent for the Settings page: the fake sharing service on loopback answers every account
// call, the controller holds a session for USER, the update dialogs are recorded, and the sync choices
// are fetched without the production delay. One per test object (the controller is one per process).
class SettingsFixture
{
public:
    // Quotes, a backslash and markup in the account name: request texts must carry it whole.
    static QString user() { return QString::fromUtf8("Rider \"Ö\" \\<b>@example.com"); }

    SettingsFixture()
    {
        m_server.start();
        m_pService.reset(new FakeShareService(m_server));
        m_pUi.reset(new UiFixture(false, m_pService->serviceUrl()));
        m_pSpy.reset(new QSignalSpy(ZeqAgentCtrlMgr::getInstance(), &ZeqAgentCtrlMgr::actionFinish));
    }

    // Between cases: clean settings, no device, signed in anew, nothing recorded, no fetch done yet.
    bool reset()
    {
        m_pUi->reset();
        // The device list's worker reads the address at each request: the cleared settings lost it.
        UiFixture::setValue("URL", "WebApi", m_pService->serviceUrl());
        AgentTiming::set(AgentTiming::SETTINGS_FETCH, 0);
        ZeqAgentCtrlMgr* pCtrl = ZeqAgentCtrlMgr::getInstance();
        pCtrl->setCustomSettingLoaded(false);
        pCtrl->setSettingNotSave(false);
        m_pService->setAnswer("login", FakeShareService::RETURN, "SESSION-7");
        m_pService->setAnswer("getDeviceList", FakeShareService::RETURN, "[]");
        m_pService->setAnswer("getCustomerSetting", FakeShareService::RETURN,
                              "{\"afterUpload\":\"dont_delete_after_upload\",\"syncType\":\"auto_sync\"}");
        m_pService->setAnswer("deregisterDevice", FakeShareService::RETURN, "SUCCESS:S0005");
        pCtrl->login(JsonHelper::object({{"user", user()}, {"password", "pw"}}));
        if (!QTest::qWaitFor([pCtrl] { return pCtrl->isSignedIn(); }, 10000))
            return false;
        m_nCallsBefore = m_pService->calls().size();
        m_pSpy->clear();
        m_opener.m_calls.clear();
        return true;
    }

    // The calls of this case to one operation.
    QList<FakeShareService::Call> calls(const QString& sOperation) const
    {
        QList<FakeShareService::Call> calls;
        for (const FakeShareService::Call& call : m_pService->calls().mid(m_nCallsBefore)) {
            if (call.sOperation == sOperation)
                calls.append(call);
        }
        return calls;
    }

    // How often the windows heard a status in this case.
    int heard(ACTION_STATUS status) const
    {
        int nCount = 0;
        for (const QList<QVariant>& args : *m_pSpy) {
            if (args.value(0).value<ACTION_STATUS>() == status)
                ++nCount;
        }
        return nCount;
    }
    bool waitHeard(ACTION_STATUS status, int nCount = 1) const
    {
        return QTest::qWaitFor([&] { return heard(status) >= nCount; }, 10000);
    }

    // Sends one more fetch of the sync choices through the account worker, which carries requests one at
    // a time in order, and waits for its result: a request sent before it has reached the service by
    // then, and the windows have heard every result before it. The pages take the fetched choices.
    bool passMarker()
    {
        const int nHeard = heard(GETSETTING_SUCCESS);
        ZeqAgentCtrlMgr* pCtrl = ZeqAgentCtrlMgr::getInstance();
        pCtrl->getCustomSetting(
            JsonHelper::object({{"session", pCtrl->currentSession()}, {"user", pCtrl->currentUser()}}));
        return waitHeard(GETSETTING_SUCCESS, nHeard + 1);
    }

    RecordingNotifier& notifier() { return m_pUi->m_notifier; }
    UiFixture& ui() { return *m_pUi; }

    TestHttpServer m_server;
    std::unique_ptr<FakeShareService> m_pService;
    std::unique_ptr<UiFixture> m_pUi;
    std::unique_ptr<QSignalSpy> m_pSpy;
    RecordingDialogOpener m_opener;
    int m_nCallsBefore = 0;
};
