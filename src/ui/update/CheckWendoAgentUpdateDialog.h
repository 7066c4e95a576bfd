#pragma once

#include "core/ActionStatus.h"

#include <QDialog>
#include <QString>

class DialogCloseGuard;
class ZeqAgentCtrlMgr;
class Ui_CheckWendoAgentUpdateDialog;

// The modal check for a newer agent while no device is connected: one agent-only request to the update
// service, then the agent's update offer when the answer holds an agent package, nothing when it holds
// none, or one message box when the check failed. Built without parent by the controller's
// checkWendoAgentupdate and run with exec(). Like the device check it ends exactly once and then hears no
// further result.
class CheckWendoAgentUpdateDialog : public QDialog
{
    Q_OBJECT

public:
    explicit CheckWendoAgentUpdateDialog(QWidget* parent = nullptr);
    ~CheckWendoAgentUpdateDialog() override;

private slots:
    void slotdevRefresh(bool bArrival);
    void slotActionFinish(ACTION_STATUS status, QString sResult);
    void slotStop();

private:
    void doCheckUpdate();
    void showMsg(int kind);
    void endCheck();

    Ui_CheckWendoAgentUpdateDialog* ui;
    ZeqAgentCtrlMgr* m_pCtrl;
    QString m_sUser;
    // The hardware name of the last device seen, for the failure text.
    QString m_sHWName;
    bool m_bDone = false;
    DialogCloseGuard* m_pCloseGuard;
};
