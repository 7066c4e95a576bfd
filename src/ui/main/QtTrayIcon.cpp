#include "QtTrayIcon.h"

#include "core/AgentTiming.h"

QtTrayIcon::QtTrayIcon(QObject* pParent) : TrayIcon(pParent), m_pIcon(new QSystemTrayIcon(this))
{
    connect(m_pIcon, &QSystemTrayIcon::messageClicked, this, &TrayIcon::messageClicked);
    connect(m_pIcon, &QSystemTrayIcon::activated, this, &TrayIcon::activated);
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
    return QSystemTrayIcon::isSystemTrayAvailable();
}

void QtTrayIcon::showMessage(const QString& sTitle, const QString& sText)
{
    m_pIcon->showMessage(sTitle, sText, QSystemTrayIcon::Information, AgentTiming::ms(AgentTiming::BALLOON));
}
