#include "WidgetNotifier.h"

#include "TrayIcon.h"
#include "core/DebugLog.h"

#include <QMessageBox>

namespace
{
const struct {
    Notifier::Button notice;
    QMessageBox::StandardButton box;
} BUTTONS[] = {{Notifier::OK, QMessageBox::Ok},
               {Notifier::CANCEL, QMessageBox::Cancel},
               {Notifier::YES, QMessageBox::Yes},
               {Notifier::NO, QMessageBox::No}};
} // namespace

int WidgetNotifier::showMessage(const QString& sTitle, const QString& sText, int nButtons, Format format)
{
    QMessageBox box;
    box.setIcon(QMessageBox::NoIcon);
    box.setWindowTitle(sTitle);
    box.setTextFormat(format == RICH_TEXT ? Qt::RichText : Qt::PlainText);
    box.setText(sText);
    box.setAttribute(Qt::WA_QuitOnClose, false);
    QMessageBox::StandardButtons buttons;
    for (const auto& button : BUTTONS) {
        if (nButtons & button.notice)
            buttons |= button.box;
    }
    box.setStandardButtons(buttons ? buttons : QMessageBox::StandardButtons(QMessageBox::Ok));
    const int nChosen = box.exec();
    for (const auto& button : BUTTONS) {
        if (nChosen == button.box)
            return button.notice;
    }
    // Closed without a button (the window's close box or the exit of the program): the safe answer.
    return (nButtons & CANCEL) ? CANCEL : (nButtons & NO) ? NO : OK;
}

void WidgetNotifier::showBalloon(const QString& sTitle, const QString& sText)
{
    if (!m_pTray) {
        writeLog(1, "[WidgetNotifier][showBalloon] no tray: %s", qUtf8Printable(sText));
        return;
    }
    m_pTray->showMessage(sTitle, sText);
}

void WidgetNotifier::setTray(TrayIcon* pTray)
{
    m_pTray = pTray;
}
