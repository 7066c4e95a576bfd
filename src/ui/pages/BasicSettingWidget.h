#pragma once

#include <QString>
#include <QWidget>

namespace Ui
{
class BasicSettingWidget;
}

// The top of the Settings page: the heading, the interface-language chooser and the page's Save button.
// A language applies at once through the controller; the Save button saves the sync choices.
class BasicSettingWidget : public QWidget
{
    Q_OBJECT

public:
    // The parent is the Settings page: its SaveSetting() answers the Save button.
    explicit BasicSettingWidget(QWidget* parent);
    ~BasicSettingWidget() override;

    void hideSaveButton();

    // The chooser's items in order, each in its own language, and the code each stands for.
    static QStringList itemTexts();
    static QString codeForItem(const QString& sItem);
    // The item shown for a stored code: exact, case-sensitive; anything else shows "English" (0).
    static int indexForCode(const QString& sCode);

signals:
    void emitBtnSaveClick();

public slots:
    void changeLanguage(QString string);
    void Btn_SaveClick();

protected:
    void changeEvent(QEvent* e) override;

private:
    void retranslateSave();

    Ui::BasicSettingWidget* m_pUi;
};
