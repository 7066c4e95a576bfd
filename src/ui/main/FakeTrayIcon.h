#pragma once

#include "TrayIcon.h"

#include <QIcon>
#include <QList>
#include <QMenu>
#include <QPointer>

// A tray icon for tests: records the balloons and lets the test click the last one.
class FakeTrayIcon : public TrayIcon
{
    Q_OBJECT

public:
    struct Balloon {
        QString sTitle;
        QString sText;
    };

    explicit FakeTrayIcon(QObject* pParent = nullptr) : TrayIcon(pParent) {}

    void setIcon(const QIcon& icon) override { m_icon = icon; }
    void setContextMenu(QMenu* pMenu) override { m_pMenu = pMenu; }
    void setVisible(bool bVisible) override { m_bVisible = bVisible; }
    bool isVisible() const override { return m_bVisible; }
    void showMessage(const QString& sTitle, const QString& sText) override
    {
        m_balloons.append({sTitle, sText});
    }

    void clickMessage() { emit messageClicked(); }
    QMenu* contextMenu() const { return m_pMenu; }
    QIcon icon() const { return m_icon; }

    QList<Balloon> m_balloons;

private:
    QIcon m_icon;
    QPointer<QMenu> m_pMenu;
    bool m_bVisible = false;
};
