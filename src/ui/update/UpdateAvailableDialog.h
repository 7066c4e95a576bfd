#pragma once

#include <QDialog>
#include <QString>

class ZeqAgentCtrlMgr;
class Ui_UpdateAvailableDialog;

// The offer of the agent's own update: the offered version, a "Release notes" link and Later / Update.
// Update keeps only the agent rows of the device list and runs the agent-only install; without an agent
// row there is nothing to install and Update just closes. Closing the window counts as Later.
class UpdateAvailableDialog : public QDialog
{
    Q_OBJECT

public:
    explicit UpdateAvailableDialog(QWidget* parent = nullptr);
    ~UpdateAvailableDialog() override;

private slots:
    void slotdevRefresh(bool bArrival);
    void slotInstallUpdate();
    void slotLink(QString sUrl);

private:
    void doGetUpdateInfo();
    void changeFontSize();
    // Keeps the agent rows of "Update.script"; false when none is left to install.
    bool doGenerateNewUpdate();

    ZeqAgentCtrlMgr* m_pCtrl;
    Ui_UpdateAvailableDialog* ui;
    bool m_bDone = false;
};
