#pragma once

#include "core/ActionStatus.h"

#include <QWidget>

class Ui_BottomBar;
class ZeqAgentCtrlMgr;

// The strip at the bottom of the main window; its "Sign out" button shows only while a user is signed in.
class BottomBar : public QWidget
{
    Q_OBJECT

public:
    explicit BottomBar(QWidget* pParent);
    ~BottomBar() override;

protected:
    void changeEvent(QEvent* pEvent) override;

private slots:
    void slotActionFinish(ACTION_STATUS status, QString sResult);
    void logout();

private:
    Ui_BottomBar* m_pUi;
    ZeqAgentCtrlMgr* m_pCtrl;
};
