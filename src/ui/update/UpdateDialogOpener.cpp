#include "UpdateDialogOpener.h"

#include "MapManagementWidget.h"

// The update check and the agent's own check.

void UpdateDialogOpener::runCheckUpdate(bool bRecover, bool bOfferBackup)
{
    PagesDialogOpener::runCheckUpdate(bRecover, bOfferBackup);
}

void UpdateDialogOpener::runAgentUpdateCheck()
{
    PagesDialogOpener::runAgentUpdateCheck();
}

// The install of what the user accepted.

void UpdateDialogOpener::runInstall(bool bRecover, bool bAgentOnly)
{
    PagesDialogOpener::runInstall(bRecover, bAgentOnly);
}

// The Map Management tab.

QWidget* UpdateDialogOpener::createMapPage(QWidget* pParent)
{
    return new MapManagementWidget(pParent);
}
