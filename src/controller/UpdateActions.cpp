#include "UpdateActions.h"

#include "DialogOpener.h"
#include "core/AgentFolders.h"
#include "core/DebugLog.h"
#include "core/WorkFile.h"

UpdateActions::UpdateActions() = default;

bool UpdateActions::checkWendoAgentUpdateAvailable()
{
    writeLog(1, "[ZeqAgentCtrlMgr][checkWendoAgentUpdateAvailable][Entry]");
    const QString sPath = AgentFolders::tempPath("Update.script");
    QList<WorkFile::Row> rows;
    if (WorkFile::readRows(sPath, &rows) && !rows.isEmpty() && rows.first().value(0) == "AGENT") {
        if (WorkFile::writeRows(sPath, {rows.first()})) {
            writeLog(1, "[ZeqAgentCtrlMgr][checkWendoAgentUpdateAvailable]Have device update");
            return true;
        }
    }
    writeLog(1, "[ZeqAgentCtrlMgr][checkWendoAgentUpdateAvailable][End]");
    return false;
}

bool UpdateActions::isUpdateDialogShown() const
{
    return DialogOpener::instance()->isUpdateDialogShown();
}

void UpdateActions::checkWendoAgentupdate()
{
    writeLog(1, "[ZeqAgentCtrlMgr][checkWendoAgentupdate]");
    if (isUpdateDialogShown())
        return;
    DialogOpener::instance()->runAgentUpdateCheck();
}

bool UpdateActions::handleResult(const QObject* pSender, ACTION_STATUS status, const QString& sResult,
                                 Route* pRoute)
{
    Q_UNUSED(pSender);
    Q_UNUSED(status);
    Q_UNUSED(sResult);
    Q_UNUSED(pRoute);
    return false;
}
