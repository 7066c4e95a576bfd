#include "UpdateDialogOpener.h"

#include "CheckUpdateDialog.h"
#include "CheckWendoAgentUpdateDialog.h"
#include "core/DebugLog.h"

// The update check and the agent's own check.

void UpdateDialogOpener::runCheckUpdate(bool bRecover, bool bOfferBackup)
{
    writeLog(1, "[UpdateDialogOpener][runCheckUpdate] recover %d, backup %d", int(bRecover),
             int(bOfferBackup));
    CheckUpdateDialog dialog(bRecover, bOfferBackup, nullptr);
    dialog.exec();
}

void UpdateDialogOpener::runAgentUpdateCheck()
{
    writeLog(1, "[UpdateDialogOpener][runAgentUpdateCheck]");
    CheckWendoAgentUpdateDialog dialog(nullptr);
    dialog.exec();
}

// The install of what the user accepted.

void UpdateDialogOpener::runInstall(bool bRecover, bool bAgentOnly)
{
    PagesDialogOpener::runInstall(bRecover, bAgentOnly);
}

// The Map Management tab.

QWidget* UpdateDialogOpener::createMapPage(QWidget* pParent)
{
    return PagesDialogOpener::createMapPage(pParent);
}
