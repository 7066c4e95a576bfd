#pragma once

#include "ActionFamily.h"
#include "WorkerSlot.h"

// Device software, firmware and agent updates and the daily check of the account's devices. The update
// workers take their places here: the device update worker and the daily-check worker.
class UpdateActions : public ActionFamily
{
public:
    UpdateActions();

    // True when "Update.script" begins with an agent row; the file is then cut down to that row.
    bool checkWendoAgentUpdateAvailable();
    // True while one of the update dialogs exists (asked of the window layer).
    bool isUpdateDialogShown() const;
    // The modal check of the agent's own update, unless an update dialog is already open.
    void checkWendoAgentupdate();

    bool handleResult(const QObject* pSender, ACTION_STATUS status, const QString& sResult,
                      Route* pRoute) override;

private:
    WorkerSlot m_deviceUpdateSlot{this, "device update", WorkerSlot::EXIT_DEVICEUPDATE};
    WorkerSlot m_korvoUpdateSlot{this, "Korvo update", WorkerSlot::EXIT_KORVOUPDATE};
};
