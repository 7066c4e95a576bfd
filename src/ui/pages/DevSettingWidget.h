#pragma once

#include "core/ActionStatus.h"
#include "core/Worker.h"

#include <QWidget>

namespace Ui
{
class DevSettingWidget;
}
class ZeqAgentCtrlMgr;

// One device registered to the account on the Settings page: its name, its last connection to this
// computer, its UUID and its registration date, and a Deregister button. The attached device's row shows
// "connected" and a notice instead of the button. Every text from the service is shown as plain text.
class DevSettingWidget : public QWidget
{
    Q_OBJECT

public:
    // The parent is the Settings page: its deRegDev(Worker::DEVINFO,bool) takes the confirmed choice.
    DevSettingWidget(QWidget* parent, const Worker::DEVINFO& devinfo);
    ~DevSettingWidget() override;

    const Worker::DEVINFO& device() const { return m_devinfo; }
    bool isConnectedRow() const { return m_bConnected; }

signals:
    void deRegDev(Worker::DEVINFO devinfo, bool bRemove);

private slots:
    void deRegDev();
    void slotActionFinish(ACTION_STATUS status, QString sResult);

protected:
    void changeEvent(QEvent* e) override;

private:
    void applyButtonFont();
    void showTexts();

    Ui::DevSettingWidget* m_pUi;
    Worker::DEVINFO m_devinfo;
    ZeqAgentCtrlMgr* m_pCtrl;
    // Taken at construction: fresh rows come with every device change.
    bool m_bConnected = false;
};
