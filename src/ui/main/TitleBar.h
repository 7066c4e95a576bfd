#pragma once

#include <QWidget>

class Ui_TitleBar;

// The strip at the top of the frameless main window: program icon, brand logo, the agent's version and
// the close button, which only hides the window into the tray.
class TitleBar : public QWidget
{
    Q_OBJECT

public:
    explicit TitleBar(QWidget* pParent);
    ~TitleBar() override;

private:
    Ui_TitleBar* m_pUi;
};
