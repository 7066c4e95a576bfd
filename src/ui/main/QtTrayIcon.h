#pragma once

#include "TrayIcon.h"

class QSystemTrayIcon;

// The tray icon of the desktop's notification area.
class QtTrayIcon : public TrayIcon
{
    Q_OBJECT

public:
    explicit QtTrayIcon(QObject* pParent = nullptr);

    void setIcon(const QIcon& icon) override;
    void setContextMenu(QMenu* pMenu) override;
    void setVisible(bool bVisible) override;
    bool isVisible() const override;
    bool isHostPresent() const override;
    bool showsOwnBalloons() const override { return !m_bOnStatusNotifierHost; }
    void showMessage(const QString& sTitle, const QString& sText) override;

private:
    static bool toolkitUsesStatusNotifierHost();

    // The toolkit put the icon on a StatusNotifierItem host rather than an XEmbed tray.
    const bool m_bOnStatusNotifierHost;
    QSystemTrayIcon* m_pIcon;
};
