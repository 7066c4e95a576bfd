#pragma once

#include <QDialog>
#include <QString>

class ZeqAgentCtrlMgr;
class Ui_NewUpdateAvailableDialog;

// The offer of what a check found for the connected device: ROM and Software versions, the OSM and TA
// (or HERE) map updates with their dates, a "Release notes" link and, when the device holds data worth
// saving, "Backup my device before update". Later (or closing the window, or any device change) keeps the
// work lists; Update trims them to what this offer installs and runs the install, after the backup when
// the box is ticked (the backup dialog then runs the install itself).
class NewUpdateAvailableDialog : public QDialog
{
    Q_OBJECT

public:
    NewUpdateAvailableDialog(bool bRecover, bool bOfferBackup, QWidget* parent = nullptr);
    ~NewUpdateAvailableDialog() override;

private slots:
    void slotdevRefresh(bool bArrival);
    void slotInstallUpdate();
    void slotBackup();
    void slotLink(QString sUrl);

private:
    void changeFontSize();
    // True when both folders the backup would save exist on the current device.
    bool hasBackup() const;
    void fillUpdateList();
    void fillDeviceRows();
    void fillMapRows();
    void fillReleaseNote();
    void filterUpdateScripts();

    ZeqAgentCtrlMgr* m_pCtrl;
    bool m_bRecover;
    bool m_bOfferBackup;
    Ui_NewUpdateAvailableDialog* ui;
    bool m_bDone = false;
};
