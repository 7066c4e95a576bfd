#pragma once

#include <QString>

// Everything that asks the user something or tells them in a box or balloon goes through this seam, so
// code below the windows never includes a widget and tests record the notices instead of blocking.
// The program installs the widget implementation at start; until then notices are only logged.
class Notifier
{
public:
    enum Button { OK = 0x1, CANCEL = 0x2, YES = 0x4, NO = 0x8 };
    // Texts from devices and services are shown as they are, never read as markup; only a text the agent
    // builds itself with a link asks for rich text.
    enum Format { PLAIN_TEXT, RICH_TEXT };

    virtual ~Notifier() = default;

    // A modal message box without icon and without parent; returns the button chosen.
    virtual int showMessage(const QString& sTitle, const QString& sText, int nButtons = OK,
                            Format format = PLAIN_TEXT) = 0;
    // A modal Yes/No question without icon and parent, with one check box (unticked at first) that the user
    // may tick or untick without answering. Returns YES or NO (a box closed without a button is NO);
    // *pChecked tells whether the box was ticked at the answer. The default only logs and answers NO.
    virtual int askWithCheckBox(const QString& sTitle, const QString& sText, const QString& sCheckText,
                                bool* pChecked);
    // A tray balloon with the information icon.
    virtual void showBalloon(const QString& sTitle, const QString& sText) = 0;

    static Notifier* instance();
    // Takes no ownership; nullptr restores the logging default.
    static void setInstance(Notifier* pNotifier);
};
