#include "Balloons.h"

#include "TrayIcon.h"
#include "core/AgentTiming.h"
#include "core/DebugLog.h"
#include "platform/DesktopNotifications.h"
#include "platform/Platform.h"

Balloons::Balloons(TrayIcon* pTray, QObject* pParent) : QObject(pParent), m_pTray(pTray)
{
    if (m_pTray)
        connect(m_pTray, &TrayIcon::messageClicked, this, &Balloons::clicked);
}

Balloons::~Balloons() = default;

bool Balloons::trayCanShow() const
{
    return m_pTray && m_pTray->isVisible() && m_pTray->showsOwnBalloons() && m_pTray->isHostPresent();
}

void Balloons::show(const QString& sTitle, const QString& sText)
{
    if (trayCanShow()) {
        m_pTray->showMessage(sTitle, sText);
        return;
    }
    writeLog(1, "[Balloons][show] no tray host: a desktop notice");
    desktopNotifications()->notify(sTitle, sText, AgentTiming::ms(AgentTiming::BALLOON));
}

DesktopNotifications* Balloons::desktopNotifications()
{
    if (!m_pDesktop) {
        m_pDesktop = Platform::makeDesktopNotifications();
        connect(m_pDesktop.get(), &DesktopNotifications::clicked, this, &Balloons::clicked);
        connect(m_pDesktop.get(), &DesktopNotifications::refused, this, [](const QString& sWhy) {
            writeLog(1, "[Balloons][show] the notice is not shown: %s", qUtf8Printable(sWhy));
        });
    }
    return m_pDesktop.get();
}
