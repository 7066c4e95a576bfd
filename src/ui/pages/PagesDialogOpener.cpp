#include "PagesDialogOpener.h"

#include "core/DebugLog.h"

#include <QApplication>
#include <QWidget>

bool PagesDialogOpener::isUpdateDialogShown()
{
    const QStringList lstNames = updateDialogNames();
    for (const QWidget* pWidget : QApplication::allWidgets()) {
        if (lstNames.contains(pWidget->accessibleName()))
            return true;
    }
    return false;
}

void PagesDialogOpener::runCheckUpdate(bool bRecover, bool bOfferBackup)
{
    writeLog(1, "[PagesDialogOpener][runCheckUpdate] recover %d, backup %d", int(bRecover),
             int(bOfferBackup));
}

void PagesDialogOpener::runInstall(bool bRecover, bool bAgentOnly)
{
    writeLog(1, "[PagesDialogOpener][runInstall] recover %d, agent only %d", int(bRecover), int(bAgentOnly));
}

void PagesDialogOpener::runAgentUpdateCheck()
{
    writeLog(1, "[PagesDialogOpener][runAgentUpdateCheck]");
}

QWidget* PagesDialogOpener::createMapPage(QWidget* pParent)
{
    QWidget* pPage = new QWidget(pParent);
    pPage->setObjectName("MapManagementWidget");
    return pPage;
}
