#pragma once

#include <QWidget>

class Ui_TitleBar;

// The strip at the top of the frameless main window: program icon, brand logo, the agent's version and
// the close button. The window decides what a close and a right-click mean (closeClicked, menuAsked).
class TitleBar : public QWidget
{
    Q_OBJECT

public:
    explicit TitleBar(QWidget* pParent);
    ~TitleBar() override;

signals:
    void closeClicked();
    // A right-click (or the menu key) on the strip, at this point of the screen.
    void menuAsked(const QPoint& globalPos);

protected:
    void contextMenuEvent(QContextMenuEvent* pEvent) override;

private:
    Ui_TitleBar* m_pUi;
};
