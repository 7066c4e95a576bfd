#pragma once

#include "core/ActionStatus.h"
#include "core/Worker.h"

#include <QList>
#include <QWidget>

namespace Ui
{
class SettingWidget;
}
class ZeqAgentCtrlMgr;
class BasicSettingWidget;
class SyncSettingWidget;
class RegSettingTitieWidget;
class DevSettingWidget;
class QVBoxLayout;

// The Settings tab: in one scrolling column the language section, the sync choices and the devices
// registered to the account (a title strip and one row each, the attached device first). In basic-only
// mode it is the language section alone.
class SettingWidget : public QWidget
{
    Q_OBJECT

public:
    explicit SettingWidget(QWidget* parent);
    ~SettingWidget() override;

    // 0 full, anything else the language section alone; takes effect when the device list arrives.
    void setBasicOnly(int nMode);
    // The sync section's leave-without-saving question: QMessageBox::Yes or QMessageBox::No. nIndex (the
    // tab pressed) is the caller's to switch to.
    int ShowSaveSettingMsgBox(int nIndex);

    // For the page's owner and tests.
    BasicSettingWidget* basicSection() const { return m_pBasic; }
    SyncSettingWidget* syncSection() const { return m_pSync; }
    RegSettingTitieWidget* titleStrip() const { return m_pTitle; }
    const QList<DevSettingWidget*>& deviceRows() const { return m_lstRows; }
    bool basicOnly() const { return m_nMode != 0; }

public slots:
    void SaveSetting();

private slots:
    void slotActionFinish(ACTION_STATUS status, QString sResult);
    void deRegDev(Worker::DEVINFO devinfo, bool bRemove);

private:
    void devRefresh();
    void rebuildPage();
    void AddRegDev();
    DevSettingWidget* addRow(const Worker::DEVINFO& devinfo, int nStretch);
    // False when the page went away while the box was open.
    bool showDeregisterResult(int nKind);

    Ui::SettingWidget* m_pUi;
    ZeqAgentCtrlMgr* m_pCtrl;
    BasicSettingWidget* m_pBasic = nullptr;
    SyncSettingWidget* m_pSync = nullptr;
    RegSettingTitieWidget* m_pTitle = nullptr;
    QList<DevSettingWidget*> m_lstRows;
    QVBoxLayout* m_pLayout = nullptr;
    QWidget* m_pContainer = nullptr;
    int m_nMode = 0;
    // The heights the sections' forms give them, before any layout stretches them.
    int m_nBasicHeight = 0;
    int m_nSyncHeight = 0;
};
