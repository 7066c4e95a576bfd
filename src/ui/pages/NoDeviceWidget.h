#pragma once

#include "core/ActionStatus.h"

#include <QWidget>

class Ui_NoDeviceWidget;
class ZeqAgentCtrlMgr;

// The My Device page when there is nothing to work with: no device attached (display 0, "Register info"
// hands on to the signed-in page's registration information) or a device that needs recovery (display 3,
// "Recover" opens the update check in its recover form).
class NoDeviceWidget : public QWidget
{
    Q_OBJECT

public:
    explicit NoDeviceWidget(QWidget* parent);
    ~NoDeviceWidget() override;

    void setDisplayStatus(int nStatus);

signals:
    void emitRegisterInfo();

private slots:
    void slotAction();
    void slotActionFinish(ACTION_STATUS status, QString sResult);

protected:
    void changeEvent(QEvent* e) override;

private:
    void showDisplay();
    void showNoConnect();
    void showRecover();
    void runRecover();

    ZeqAgentCtrlMgr* m_pCtrl;
    Ui_NoDeviceWidget* ui;
    int m_nDisplay = 0;
};
