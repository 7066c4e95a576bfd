#pragma once

#include <QTabWidget>

class QKeyEvent;
class QMouseEvent;
class ZeqAgentCtrlMgr;

// The signed-in page's tab widget. Every way of choosing a tab passes one guard: while the Settings tab
// holds unsaved changes the user is asked first (tabNotSaveNotify) instead of leaving it. The last tab,
// the brand logo, is a link to the web site and never becomes current. Only the left button chooses.
class CustomTabWidget : public QTabWidget
{
    Q_OBJECT

public:
    // Connects tabHit and tabNotSaveNotify to the parent's slots of the same names.
    explicit CustomTabWidget(QWidget* pParent);

    // Sets a tab's picture from a resource and remembers which one it is (tabIconPath).
    void setTabIconPath(int nIndex, const QString& sPath);
    QString tabIconPath(int nIndex) const;
    // Tab 0 My Device, then Map Management when shown, then Settings, then the logo.
    int settingsIndex() const;
    // The "_h" picture on the chosen tab and "_n" on the other page tabs; the logo or no tab: no change.
    void markChosenTab(int nIndex);

signals:
    void tabHit(int nIndex);
    void tabNotSaveNotify(int nIndex);

protected:
    bool eventFilter(QObject* pObject, QEvent* pEvent) override;
    void mousePressEvent(QMouseEvent* pEvent) override;
    void keyPressEvent(QKeyEvent* pEvent) override;
    void tabInserted(int nIndex) override;
    void tabRemoved(int nIndex) override;

private:
    bool isSettingsGuarded() const;
    bool filterPress(QMouseEvent* pEvent);
    bool filterBarKey(QKeyEvent* pEvent);
    // The next tab that can become current nStep tabs away (the logo cannot); -1 when none.
    int nextChoosableTab(int nStep, bool bWrap) const;
    void askBeforeLeavingSettings(int nIndex);
    // Keyboard and wheel skip the logo tab because it is the one disabled tab.
    void disableLogoTab();

    ZeqAgentCtrlMgr* m_pCtrl;
};
