#pragma once

#include "ActionFamily.h"
#include "WorkerSlot.h"
#include "update/KorvoUpdateWorker.h"

#include <QString>

class DeviceState;
class ErrorInfo;

// Device software, firmware and agent updates and the daily check of the account's devices. The update
// workers take their places here: the device update worker and the daily-check worker.
class UpdateActions : public ActionFamily
{
public:
    UpdateActions(const DeviceState& device, ErrorInfo& errorInfo);

    // The device update worker: the check ({"sku","uuid","model","acc","image","application","agent"})
    // and the download of the listed packages ({"drive"}). A start stops the worker still held.
    void checkDeviceUpdate(const QString& sRequest, bool bAutoCheck);
    void installDeviceUpdate(const QString& sRequest, bool bFlag);
    void stopDeviceWorker() { m_deviceUpdateSlot.stop(); }
    // The daily check of the account's devices; a check already held is replaced.
    void checkKorvoUpdate(const KorvoUpdateWorker::Host& host);
    void stopKorvoWorker() { m_korvoUpdateSlot.stop(); }

    // True when "Update.script" begins with an agent row; the file is then cut down to that row.
    bool checkWendoAgentUpdateAvailable();
    // True while one of the update dialogs exists (asked of the window layer).
    bool isUpdateDialogShown() const;
    // The modal check of the agent's own update, unless an update dialog is already open.
    void checkWendoAgentupdate();

    bool handleResult(const QObject* pSender, ACTION_STATUS status, const QString& sResult,
                      Route* pRoute) override;

private:
    void startDeviceWorker(bool bAutoCheck);
    void noteCheckDone(Route* pRoute);
    void dropUnreachablePackages();

    const DeviceState& m_device;
    ErrorInfo& m_errorInfo;
    WorkerSlot m_deviceUpdateSlot{this, "device update", WorkerSlot::EXIT_DEVICEUPDATE};
    WorkerSlot m_korvoUpdateSlot{this, "Korvo update", WorkerSlot::EXIT_KORVOUPDATE};
};
