#include "DialogOpener.h"

#include "core/DebugLog.h"

#include <atomic>

namespace
{
class NoDialogOpener : public DialogOpener
{
public:
    bool isUpdateDialogShown() override { return false; }
    void runCheckUpdate(bool bRecover, bool bOfferBackup) override
    {
        writeLog(1, "[DialogOpener][runCheckUpdate] no dialogs installed (recover %d, backup %d)",
                 int(bRecover), int(bOfferBackup));
    }
    void runInstall(bool bRecover, bool bAgentOnly) override
    {
        writeLog(1, "[DialogOpener][runInstall] no dialogs installed (recover %d, agent only %d)",
                 int(bRecover), int(bAgentOnly));
    }
    void runAgentUpdateCheck() override
    {
        writeLog(1, "[DialogOpener][runAgentUpdateCheck] no dialogs installed");
    }
    QWidget* createMapPage(QWidget*) override
    {
        writeLog(1, "[DialogOpener][createMapPage] no pages installed");
        return nullptr;
    }
};

NoDialogOpener g_noDialogs;
std::atomic<DialogOpener*> g_pOpener{nullptr};
} // namespace

QStringList DialogOpener::updateDialogNames()
{
    return {"CheckWendoAgentUpdateDialog", "InstallUpdateDialog", "NewUpdateAvailableDialog",
            "CheckFreeUpdateDialog",       "CheckUpdateDialog",   "CheckMapUpdateDialog"};
}

DialogOpener* DialogOpener::instance()
{
    DialogOpener* pOpener = g_pOpener;
    return pOpener ? pOpener : &g_noDialogs;
}

void DialogOpener::setInstance(DialogOpener* pOpener)
{
    g_pOpener = pOpener;
}
