#pragma once

#include <QWidget>

namespace Ui
{
class RegSettingTitieWidget;
}

// The title strip above the registered devices on the Settings page.
class RegSettingTitieWidget : public QWidget
{
    Q_OBJECT

public:
    explicit RegSettingTitieWidget(QWidget* parent = nullptr);
    ~RegSettingTitieWidget() override;

protected:
    void changeEvent(QEvent* e) override;

private:
    Ui::RegSettingTitieWidget* m_pUi;
};
