#pragma once

#include <QWidget>

// The Settings tab until the settings pages arrive: keeps the mode the signed-in page asks for and
// lets the user leave without a question.
class SettingWidget : public QWidget
{
    Q_OBJECT

public:
    explicit SettingWidget(QWidget* pParent = nullptr);

    // 1: the basic settings only (no device of this account); 0: all settings.
    void setBasicOnly(int nMode);
    int basicOnly() const { return m_nBasicOnly; }
    // The answer to "leave with unsaved changes?"; nIndex is the tab the user chose.
    int ShowSaveSettingMsgBox(int nIndex);

private:
    int m_nBasicOnly = 0;
};
