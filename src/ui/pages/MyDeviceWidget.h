#pragma once

#include <QWidget>

class MyDevRegWidget;
class MyDevShareSyncWidget;
class MyDevVersionWidget;
class QVBoxLayout;
class Ui_MyDeviceWidget;
class ZeqAgentCtrlMgr;

// The My Device tab of an attached device: a scrolling column of the registration, sync and version
// boxes in one of three layouts (0: registered to this account, 1: to no account, 2: to another one).
class MyDeviceWidget : public QWidget
{
    Q_OBJECT

public:
    // pParent is the signed-in page: the registration box reports its button to it.
    explicit MyDeviceWidget(QWidget* pParent);
    ~MyDeviceWidget() override;

    void SetLayoutStyle(int nStyle);
    // The last style given to SetLayoutStyle; -1 before the first.
    int layoutStyle() const { return m_nLayoutStyle; }

private:
    void removeBoxes();
    void appendBox(QWidget* pBox, int* pHeight);

    Ui_MyDeviceWidget* m_pUi;
    ZeqAgentCtrlMgr* m_pCtrl;
    QWidget* m_pContent = nullptr;
    QVBoxLayout* m_pColumn = nullptr;
    QWidget* m_pOwner;
    MyDevShareSyncWidget* m_pSyncBox = nullptr;
    MyDevRegWidget* m_pRegBox = nullptr;
    MyDevVersionWidget* m_pVersionBox = nullptr;
    int m_nLayoutStyle = -1;
};
