#pragma once

#include <QDialog>

class Ui_AboutDialog;

// The about box of the tray menu: the agent's version and release date.
class AboutDialog : public QDialog
{
    Q_OBJECT

public:
    explicit AboutDialog(QWidget* pParent = nullptr);
    ~AboutDialog() override;

private:
    Ui_AboutDialog* m_pUi;
};
