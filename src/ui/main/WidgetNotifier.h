#pragma once

#include "core/Notifier.h"

#include <QPointer>

class TrayIcon;

// The program's notices: modal message boxes without icon and parent that never end the program when
// closed, and balloons through the tray icon once the main window has one.
class WidgetNotifier : public Notifier
{
public:
    int showMessage(const QString& sTitle, const QString& sText, int nButtons = OK,
                    Format format = PLAIN_TEXT) override;
    int askWithCheckBox(const QString& sTitle, const QString& sText, const QString& sCheckText,
                        bool* pChecked) override;
    void showBalloon(const QString& sTitle, const QString& sText) override;

    void setTray(TrayIcon* pTray);

private:
    QPointer<TrayIcon> m_pTray;
};
