#pragma once

#include <QObject>
#include <QSystemTrayIcon>

#include <functional>

class QIcon;
class QMenu;

// The agent's icon in the notification area with its menu and balloons. Behind this interface because
// some desktops (and the offscreen platform of the tests) have no notification area.
class TrayIcon : public QObject
{
    Q_OBJECT

public:
    using Factory = std::function<TrayIcon*(QObject* pParent)>;

    explicit TrayIcon(QObject* pParent = nullptr) : QObject(pParent) {}

    virtual void setIcon(const QIcon& icon) = 0;
    virtual void setContextMenu(QMenu* pMenu) = 0;
    virtual void setVisible(bool bVisible) = 0;
    virtual bool isVisible() const = 0;
    // Whether the desktop has a notification area to show the icon in right now (it can come and go).
    virtual bool isHostPresent() const = 0;
    // Whether the icon's balloons are drawn beside it by the toolkit, whose click is then surely a click
    // on one of them. Where the toolkit hands them to the desktop's notification service instead, it
    // cannot tell the agent's notices from other programs': the balloons go as the agent's own notices.
    virtual bool showsOwnBalloons() const = 0;
    // A balloon with the information icon, shown for AgentTiming::BALLOON.
    virtual void showMessage(const QString& sTitle, const QString& sText) = 0;

    // The system tray icon, unless a test installed a factory (an empty one restores the default).
    static TrayIcon* create(QObject* pParent);
    static void setFactory(Factory factory);

signals:
    void messageClicked();
    void activated(QSystemTrayIcon::ActivationReason reason);
};
