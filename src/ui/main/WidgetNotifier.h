#pragma once

#include "core/Notifier.h"

#include <QPointer>

class Balloons;

// The program's notices: modal message boxes without icon and parent that never end the program when
// closed, and balloons where the main window shows its own (the tray, or the desktop's notices).
class WidgetNotifier : public Notifier
{
public:
    int showMessage(const QString& sTitle, const QString& sText, int nButtons = OK,
                    Format format = PLAIN_TEXT) override;
    int askWithCheckBox(const QString& sTitle, const QString& sText, const QString& sCheckText,
                        bool* pChecked) override;
    void showBalloon(const QString& sTitle, const QString& sText) override;

    void setBalloons(Balloons* pBalloons);

private:
    QPointer<Balloons> m_pBalloons;
};
