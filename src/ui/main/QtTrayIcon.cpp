#include "QtTrayIcon.h"

#include "core/AgentTiming.h"
#include "platform/StatusNotifierHost.h"

// Asked before the toolkit's first icon, as the toolkit asks then; it keeps its answer for the process.
QtTrayIcon::QtTrayIcon(QObject* pParent)
    : TrayIcon(pParent), m_bOnStatusNotifierHost(toolkitUsesStatusNotifierHost()),
      m_pIcon(new QSystemTrayIcon(this))
{
    // There the toolkit tells of a click on any program's notice as a click on the icon's balloon.
    if (!m_bOnStatusNotifierHost)
        connect(m_pIcon, &QSystemTrayIcon::messageClicked, this, &TrayIcon::messageClicked);
    connect(m_pIcon, &QSystemTrayIcon::activated, this, &TrayIcon::activated);
}

bool QtTrayIcon::toolkitUsesStatusNotifierHost()
{
    static const bool s_bUses = StatusNotifierHost::isRegistered();
    return s_bUses;
}

void QtTrayIcon::setIcon(const QIcon& icon)
{
    m_pIcon->setIcon(icon);
}

void QtTrayIcon::setContextMenu(QMenu* pMenu)
{
    m_pIcon->setContextMenu(pMenu);
}

void QtTrayIcon::setVisible(bool bVisible)
{
    m_pIcon->setVisible(bVisible);
}

bool QtTrayIcon::isVisible() const
{
    return m_pIcon->isVisible();
}

bool QtTrayIcon::isHostPresent() const
{
    // The toolkit's own answer would open a bus connection of its own at every ask there, and count an
    // XEmbed tray that never shows this icon.
    if (m_bOnStatusNotifierHost)
        return StatusNotifierHost::isRegistered();
    return QSystemTrayIcon::isSystemTrayAvailable();
}

void QtTrayIcon::showMessage(const QString& sTitle, const QString& sText)
{
    m_pIcon->showMessage(sTitle, sText, QSystemTrayIcon::Information, AgentTiming::ms(AgentTiming::BALLOON));
}
