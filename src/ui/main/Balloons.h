#pragma once

#include <QObject>
#include <QPointer>
#include <QString>

#include <memory>

class DesktopNotifications;
class TrayIcon;

// Where the agent's balloons go: the tray icon's balloon while a notification area shows the icon and
// draws its balloons, the desktop's notices otherwise (a desktop without a tray, one whose tray went away,
// or one whose tray hands balloons to the desktop's notification service). A click on either is one
// clicked().
class Balloons : public QObject
{
    Q_OBJECT

public:
    explicit Balloons(TrayIcon* pTray, QObject* pParent = nullptr);
    ~Balloons() override;

    void show(const QString& sTitle, const QString& sText);

signals:
    void clicked();

private:
    bool trayCanShow() const;
    DesktopNotifications* desktopNotifications();

    QPointer<TrayIcon> m_pTray;
    // Made at the first notice that needs it: most desktops with a tray never do.
    std::unique_ptr<DesktopNotifications> m_pDesktop;
};
