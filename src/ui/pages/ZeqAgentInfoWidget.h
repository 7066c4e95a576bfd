#pragma once

#include "core/ActionStatus.h"

#include <QString>
#include <QWidget>

class CustomTabWidget;
class MyDeviceWidget;
class NoDeviceWidget;
class SettingWidget;
class Ui_ZeqAgentInfoWidget;
class ZeqAgentCtrlMgr;

// The signed-in page: tabs that follow the attached device (none, one to recover, one registered to
// this account, to another or to none). Every device change and registration answer builds the pages
// anew; the old ones are retired (PageLoops), since one of them may be inside a loop of its own.
class ZeqAgentInfoWidget : public QWidget
{
    Q_OBJECT

public:
    explicit ZeqAgentInfoWidget(QWidget* pParent);
    ~ZeqAgentInfoWidget() override;

    // The Map Management page, made with this page as parent.
    QWidget* createMapPage();
    CustomTabWidget* tabWidget() const { return m_pTabWidget; }

public slots:
    void devRefresh(bool bArrival);
    void slotActionFinish(ACTION_STATUS status, QString sResult);
    void tabHit(int nIndex);
    void tabNotSaveNotify(int nIndex);
    void slotRegisterInfo();
    void slotMyDevice();

protected:
    void changeEvent(QEvent* pEvent) override;

private:
    void skinCheckRegDev(int status);
    void skinRegDev(int status);
    void ResetTabIconStyle(int idx);

    void rebuild();
    void addMyDeviceTab(QWidget* pPage);
    void addMapTab();
    void addSettingsTab(int nMode);
    void addLogoTab();
    void addNoDeviceTabs(int nStatus, int nSettingsMode);
    void addDeviceTabs(int nLayoutStyle);
    QString logoPicture() const;
    bool isAttached(const QString& sUUID) const;
    void askRegistrationCheck();
    // After a check that found no answer: the same device, still attached and shown the same way, is
    // asked about again.
    void retryRegistrationCheck();

    Ui_ZeqAgentInfoWidget* m_pUi;
    MyDeviceWidget* m_pMyDeviceWidget = nullptr;
    SettingWidget* m_pSettingWidget = nullptr;
    QWidget* m_pMapManagementWidget = nullptr;
    NoDeviceWidget* m_pNoDeviceWidget = nullptr;
    QWidget* m_pLogoWidget = nullptr;
    CustomTabWidget* m_pTabWidget = nullptr;
    ZeqAgentCtrlMgr* m_pCtrl;
    // Counts the rebuilds, so a question or a delayed check can tell that the tabs changed meanwhile.
    int m_nRebuilds = 0;
};
