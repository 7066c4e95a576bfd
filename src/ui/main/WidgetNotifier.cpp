#include "WidgetNotifier.h"

#include "Balloons.h"
#include "core/DebugLog.h"
#include "ui/pages/MessageBoxTitleRoom.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QMessageBox>
#include <QPushButton>

namespace
{
const struct {
    Notifier::Button notice;
    QMessageBox::StandardButton box;
} BUTTONS[] = {{Notifier::OK, QMessageBox::Ok},
               {Notifier::CANCEL, QMessageBox::Cancel},
               {Notifier::YES, QMessageBox::Yes},
               {Notifier::NO, QMessageBox::No}};

// Qt's own labels ("&Yes") are not in the agent's translations; the agent's are.
void labelYesNo(QMessageBox* pBox)
{
    if (QAbstractButton* pYes = pBox->button(QMessageBox::Yes))
        pYes->setText(QCoreApplication::translate("QObject", "Yes"));
    if (QAbstractButton* pNo = pBox->button(QMessageBox::No))
        pNo->setText(QCoreApplication::translate("QObject", "No"));
}
} // namespace

int WidgetNotifier::showMessage(const QString& sTitle, const QString& sText, int nButtons, Format format)
{
    QMessageBox box;
    box.setIcon(QMessageBox::NoIcon);
    box.setWindowTitle(sTitle);
    box.setTextFormat(format == RICH_TEXT ? Qt::RichText : Qt::PlainText);
    box.setText(sText);
    // A plain text (an address, an error code) can be selected and copied; rich text keeps its links.
    if (format == PLAIN_TEXT)
        box.setTextInteractionFlags(Qt::TextSelectableByMouse);
    box.setAttribute(Qt::WA_QuitOnClose, false);
    QMessageBox::StandardButtons buttons;
    for (const auto& button : BUTTONS) {
        if (nButtons & button.notice)
            buttons |= button.box;
    }
    box.setStandardButtons(buttons ? buttons : QMessageBox::StandardButtons(QMessageBox::Ok));
    labelYesNo(&box);
    MessageBoxTitleRoom::apply(&box);
    const int nChosen = box.exec();
    for (const auto& button : BUTTONS) {
        if (nChosen == button.box)
            return button.notice;
    }
    // Closed without a button (the window's close box or the exit of the program): the safe answer.
    return (nButtons & CANCEL) ? CANCEL : (nButtons & NO) ? NO : OK;
}

int WidgetNotifier::askWithCheckBox(const QString& sTitle, const QString& sText, const QString& sCheckText,
                                    bool* pChecked)
{
    QMessageBox box;
    box.setIcon(QMessageBox::NoIcon);
    box.setWindowTitle(sTitle);
    box.setTextFormat(Qt::PlainText);
    box.setText(sText);
    box.setAttribute(Qt::WA_QuitOnClose, false);
    box.setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint);
    // In the action role and with its signals blocked, ticking the box never answers the question.
    auto* pCheck = new QCheckBox(sCheckText, &box);
    pCheck->blockSignals(true);
    box.addButton(pCheck, QMessageBox::ActionRole);
    box.addButton(QMessageBox::Yes);
    box.addButton(QMessageBox::No);
    labelYesNo(&box);
    MessageBoxTitleRoom::apply(&box);
    const int nChosen = box.exec();
    if (pChecked)
        *pChecked = pCheck->isChecked();
    return nChosen == QMessageBox::Yes ? YES : NO;
}

void WidgetNotifier::showBalloon(const QString& sTitle, const QString& sText)
{
    if (!m_pBalloons) {
        writeLog(1, "[WidgetNotifier][showBalloon] no window yet: %s", qUtf8Printable(sText));
        return;
    }
    m_pBalloons->show(sTitle, sText);
}

void WidgetNotifier::setBalloons(Balloons* pBalloons)
{
    m_pBalloons = pBalloons;
}
