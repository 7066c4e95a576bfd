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
    void showMessage(const QString& sTitle, const QString& sText) override;

private:
    QSystemTrayIcon* m_pIcon;
};
