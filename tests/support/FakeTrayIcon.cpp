#include "FakeTrayIcon.h"

FakeTrayIcon::FakeTrayIcon(QObject* pParent) : TrayIcon(pParent) {}

void FakeTrayIcon::setIcon(const QIcon& icon)
{
    m_icon = icon;
}

void FakeTrayIcon::setContextMenu(QMenu* pMenu)
{
    m_pMenu = pMenu;
}

void FakeTrayIcon::setVisible(bool bVisible)
{
    m_bVisible = bVisible;
}

void FakeTrayIcon::showMessage(const QString& sTitle, const QString& sText)
{
    m_balloons.append({sTitle, sText});
}

void FakeTrayIcon::clickMessage()
{
    emit messageClicked();
}
