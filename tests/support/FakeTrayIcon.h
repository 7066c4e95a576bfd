#pragma once

#include "ui/main/TrayIcon.h"

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

    explicit FakeTrayIcon(QObject* pParent = nullptr);

    void setIcon(const QIcon& icon) override;
    void setContextMenu(QMenu* pMenu) override;
    void setVisible(bool bVisible) override;
    bool isVisible() const override { return m_bVisible; }
    void showMessage(const QString& sTitle, const QString& sText) override;

    void clickMessage();
    QMenu* contextMenu() const { return m_pMenu; }
    QIcon icon() const { return m_icon; }

    QList<Balloon> m_balloons;

private:
    QIcon m_icon;
    QPointer<QMenu> m_pMenu;
    bool m_bVisible = false;
};
