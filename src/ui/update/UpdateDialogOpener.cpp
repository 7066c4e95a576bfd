#include "UpdateDialogOpener.h"

#include "CheckUpdateDialog.h"
#include "CheckWendoAgentUpdateDialog.h"
#include "InstallUpdateDialog.h"
#include "MapManagementWidget.h"
#include "core/DebugLog.h"
#include "ui/pages/PageLoops.h"

// The update check and the agent's own check.

void UpdateDialogOpener::runCheckUpdate(bool bRecover, bool bOfferBackup)
{
    writeLog(1, "[UpdateDialogOpener][runCheckUpdate] recover %d, backup %d", int(bRecover),
             int(bOfferBackup));
    CheckUpdateDialog dialog(bRecover, bOfferBackup, nullptr);
    PageLoops::Scope scope(&dialog);
    dialog.exec();
}

void UpdateDialogOpener::runAgentUpdateCheck()
{
    writeLog(1, "[UpdateDialogOpener][runAgentUpdateCheck]");
    CheckWendoAgentUpdateDialog dialog(nullptr);
    PageLoops::Scope scope(&dialog);
    dialog.exec();
}

// The install of what the user accepted.

void UpdateDialogOpener::runInstall(bool bRecover, bool bAgentOnly)
{
    writeLog(1, "[UpdateDialogOpener][runInstall] recover %d, agent only %d", int(bRecover), int(bAgentOnly));
    InstallUpdateDialog dialog(bRecover, bAgentOnly, nullptr);
    PageLoops::Scope scope(&dialog);
    dialog.exec();
}

// The Map Management tab.

QWidget* UpdateDialogOpener::createMapPage(QWidget* pParent)
{
    return new MapManagementWidget(pParent);
}
