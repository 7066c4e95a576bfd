#pragma once

#include "core/ActionStatus.h"
#include "core/Worker.h"

#include <QDialog>
#include <QString>

class DialogCloseGuard;
class ZeqAgentCtrlMgr;
class Ui_CheckUpdateDialog;

// The modal "Checking for updates" window: asks the update service about the connected device and, for
// the drive family, the map service, then leads on to the agent's own update offer, the device's update
// offer or (recovering) the install, or says that the device is up to date or that the check failed.
// Built on the caller's stack without parent and run with exec(); the follow-up dialogs run nested inside
// it while it stays hidden, which keeps isUpdateDialogShown() true until the whole road has ended.
//
// The first request goes out once exec() runs, so no result can reach the dialog before its loop. A check
// ends exactly once: a follow-up dialog, one message box, Stop or a device change. Afterwards the dialog
// hears nothing more, so a later result of another check (the version box's) opens no second offer and
// shows no second box.
class CheckUpdateDialog : public QDialog
{
    Q_OBJECT

public:
    CheckUpdateDialog(bool bRecover, bool bOfferBackup, QWidget* parent = nullptr);
    ~CheckUpdateDialog() override;

protected:
    // The free variant never offers the agent's own update and always offers a backup first.
    enum Variant { VARIANT_CHECK, VARIANT_FREE };
    CheckUpdateDialog(Variant eVariant, bool bRecover, bool bOfferBackup, QWidget* parent);

private slots:
    void slotdevRefresh(bool bArrival);
    void slotActionFinish(ACTION_STATUS status, QString sResult);
    void slotStop();

private:
    enum Listing { NOTHING_LISTED, LISTED, LIST_UNUSABLE };
    enum FollowUp { AGENT_OFFER, DEVICE_OFFER, RECOVER_INSTALL };

    void checkDeviceUpdate();
    void checkMapUpdate();
    // Not called by the check itself: the download history alone, kept for a history-only check.
    bool checkHistoryUpdate();
    Listing checkUpdateAvailable();
    // Recovering: every agent row leaves the device list, so the install recovers the device.
    bool dropAgentRows(bool* pEmptied);
    void deviceChecked();
    void listChecked();
    void openFollowUp(FollowUp eFollowUp);
    void showMsg(int kind);
    // Ends the check: from now on the dialog ignores every result and device change.
    void endCheck();
    bool isSerialFamily() const;
    QString logName() const;

    Ui_CheckUpdateDialog* ui;
    ZeqAgentCtrlMgr* m_pCtrl;
    QString m_sUser;
    // The device as it was when the check started: the requests and the failure text name it. Decisions on
    // the family read the controller's record at the time.
    Worker::DEVINFOEX m_device;
    bool m_bRecover;
    bool m_bDone = false;
    bool m_bOfferBackup;
    Variant m_eVariant;
    DialogCloseGuard* m_pCloseGuard;
};
