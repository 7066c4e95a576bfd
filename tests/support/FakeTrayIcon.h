#pragma once

#include "ui/main/TrayIcon.h"

#include <QIcon>
#include <QList>
#include <QMenu>
#include <QPointer>

// A tray icon for tests: records the balloons and lets the test click the last one; a tray host is present
// unless the test says otherwise.
class FakeTrayIcon : public TrayIcon
{
    Q_OBJECT

public:
    struct Balloon {
        QString sTitle;
        QString sText;
    };

    explicit FakeTrayIcon(QObject* pParent = nullptr);

    void setIcon(const QIcon& icon) override;
    void setContextMenu(QMenu* pMenu) override;
    void setVisible(bool bVisible) override;
    bool isVisible() const override { return m_bVisible; }
    bool isHostPresent() const override { return m_bHostPresent; }
    // A desktop without a notification area (or one whose tray went away).
    void setHostPresent(bool bPresent) { m_bHostPresent = bPresent; }
    bool showsOwnBalloons() const override { return m_bOwnBalloons; }
    // A host that takes the icon but hands its balloons to the desktop's notification service.
    void setShowsOwnBalloons(bool bOwn) { m_bOwnBalloons = bOwn; }
    void showMessage(const QString& sTitle, const QString& sText) override;

    void clickMessage();
    QMenu* contextMenu() const { return m_pMenu; }
    QIcon icon() const { return m_icon; }

    QList<Balloon> m_balloons;

private:
    QIcon m_icon;
    QPointer<QMenu> m_pMenu;
    bool m_bVisible = false;
    bool m_bHostPresent = true;
    bool m_bOwnBalloons = true;
};
