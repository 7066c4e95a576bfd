#pragma once

#include "core/ActionStatus.h"
#include "core/Worker.h"

#include <QWidget>

class Ui_MyDevRegWidget;
class ZeqAgentCtrlMgr;

// The top box of the My Device page: names the connected device, shows its registration state with the
// matching button and notice and, for a drive-family device registered here, Backup and Restore with the
// date of the last backup. The parent (the signed-in page) hears the registration button through its
// slotRegisterInfo().
class MyDevRegWidget : public QWidget
{
    Q_OBJECT

public:
    explicit MyDevRegWidget(QWidget* parent);
    ~MyDevRegWidget() override;

    // nState is the device page's style: 0 registered here, 1 not registered, 2 registered elsewhere.
    void refreshDevInfo(int nState);

signals:
    void emitBtnRegInfoClicked();

private slots:
    void slotBtnRegisterInfo();
    void slotActionFinish(ACTION_STATUS status, QString sResult);
    void backup();
    void restore();

protected:
    void changeEvent(QEvent* event) override;

private:
    void showDeviceLine();
    void showStateWidgets(int nState);
    void showBackupLine();
    void showNotice(const QString& sNotice);
    QString backupTime() const;
    void runBackupDialog(int nMode);

    ZeqAgentCtrlMgr* m_pCtrl;
    Ui_MyDevRegWidget* ui;
    int m_nDevType = 0;
    // The controller's current record (it lives as long as the controller): read afresh at each refresh.
    const Worker::DEVINFO* m_ppDevInfo = nullptr;
    int m_nState = 0;
};
