#pragma once

#include "core/ActionStatus.h"

#include <QDialog>
#include <QList>
#include <QPoint>
#include <QSystemTrayIcon>
#include <QVBoxLayout>

class Balloons;
class BottomBar;
class Login_fbWidget;
class QAction;
class QMenu;
class TitleBar;
class TrayIcon;
class Ui_ZeqAgentMainDialog;
class ZeqAgentInfoWidget;
class ZeqAgentCtrlMgr;

// The agent's one top-level window: a frameless 800 x 600 dialog stacking the title strip, one page and
// the bottom strip, plus the tray icon and its menu, which stay while the window is hidden. Views:
// welcome (no page; only while the automatic sign-in at start is pending), signed out and signed in.
class ZeqAgentMainDialog : public QDialog
{
    Q_OBJECT

public:
    // The kind of the last balloon, read when the user clicks a balloon.
    enum TRAY_MESSAGE { TRAY_NONE = 0, TRAY_DISCONNECT = 1, TRAY_SYNC = 2, TRAY_UPDATE = 3 };

    explicit ZeqAgentMainDialog(QWidget* pParent = nullptr);
    ~ZeqAgentMainDialog() override;

    TrayIcon* trayIcon() const { return m_pTray; }
    Balloons* balloons() const { return m_pBalloons; }
    TRAY_MESSAGE trayState() const { return m_eTrayState; }

    // The second half of "Exit WendoAgent": strips, pages, layout, menu and tray icon go, the workers
    // stop. Runs once every event loop has ended, so no nested loop returns into a deleted page.
    void doExitSequence();

public slots:
    // Out of the tray or the task bar, in front: "Open WendoAgent", and a second start of the program.
    void showWindow();
    // Escape and the window manager's close: as the title strip's close, never a withdrawal for good.
    void reject() override;

protected:
    void mousePressEvent(QMouseEvent* pEvent) override;
    void mouseReleaseEvent(QMouseEvent* pEvent) override;
    void mouseMoveEvent(QMouseEvent* pEvent) override;
    void changeEvent(QEvent* pEvent) override;

private slots:
    void devRefresh(bool bArrival);
    void slotActionFinish(ACTION_STATUS status, QString sResult);
    void slotMessageClicked();
    void about();
    void login();
    void checkupdate();
    void zeqshareweb();
    void exit();
    void RunAtStartup();
    void SetRunAtStartup(bool bStat);
    void iconActivated(QSystemTrayIcon::ActivationReason active);
    void setExitEnable();
    // The title strip's close: into the tray where one shows the icon, else down to the task bar, so the
    // window is never lost.
    void closeWindow();
    // Without a tray the title strip's right-click is the way to the tray's menu.
    void titleMenuAsked(const QPoint& globalPos);

private:
    bool trayHostPresent() const;
    bool isOutOfSight() const;
    void createTray();
    void completeTrayMenu();
    void retranslateTray();
    void applyRunAtStartup();
    static QString runAtStartupSetting();
    void welcomePause();
    void startAutoLogin();

    void doProcUpdateCheck(bool bAuto);
    void skinLogin(int nStatus);
    void skinLogout();
    void showSignInView();
    void placeView(QWidget* pPage);
    QList<QWidget*> viewWidgets() const;
    template <typename T> void removeAndDelete(T*& pWidget)
    {
        if (!pWidget)
            return;
        if (m_pLayout)
            m_pLayout->removeWidget(pWidget);
        delete pWidget;
        pWidget = nullptr;
    }
    bool hasView() const;
    void showBalloon(TRAY_MESSAGE eKind, const QString& sTitle, const QString& sText);
    static void closeModalWindows();

    Ui_ZeqAgentMainDialog* m_pUi;
    TitleBar* m_pTitleBar = nullptr;
    BottomBar* m_pBottomBar = nullptr;
    Login_fbWidget* m_pLoginWidget = nullptr;
    // The signed-in page with its tabs.
    ZeqAgentInfoWidget* m_pInfoWidget = nullptr;
    ZeqAgentCtrlMgr* m_pCtrl;
    QVBoxLayout* m_pLayout = nullptr;

    TrayIcon* m_pTray = nullptr;
    Balloons* m_pBalloons = nullptr;
    QMenu* m_pTrayMenu = nullptr;
    QAction* m_pOpenAction = nullptr;
    QAction* m_pAboutAction = nullptr;
    QAction* m_pCheckAction = nullptr;
    QAction* m_pWebAction = nullptr;
    QAction* m_pSignAction = nullptr;
    QAction* m_pExitAction = nullptr;
    QAction* m_pRunAction = nullptr;

    QPoint m_pressOffset;
    bool m_bDragging = false;
    TRAY_MESSAGE m_eTrayState = TRAY_NONE;
    bool m_bExitDone = false;
};
