#pragma once

#include "core/ActionStatus.h"

#include <QString>
#include <QVariant>
#include <QWidget>

namespace Ui
{
class SyncSettingWidget;
}
class ZeqAgentCtrlMgr;

// The account's two sync choices: uploaded history kept on the device or deleted from it, and the
// service's tracks synchronised automatically or not. They live in "settings.ini" (SYNC) and on the
// sharing service; the section shows the stored ones, fetches the service's until one fetch succeeded in
// this run, saves both on the page's Save, and asks before the user leaves unsaved changes.
class SyncSettingWidget : public QWidget
{
    Q_OBJECT

public:
    explicit SyncSettingWidget(QWidget* parent = nullptr);
    ~SyncSettingWidget() override;

    // Sends both choices to the service and stores them. Until the choices are known (stored, fetched or
    // clicked) nothing is sent: defaults must not overwrite the account's choices on the service.
    void Btn_SaveClick();
    // The leave-without-saving question: QMessageBox::Yes (the unsaved clicks are dropped) or No.
    int leavePageCheck();

    bool isKept() const { return m_bKept; }
    bool isSync() const { return m_bSync; }
    bool isDirty() const { return m_bDirty; }

protected:
    void changeEvent(QEvent* e) override;

private slots:
    void slotActionFinish(ACTION_STATUS status, QString sResult);
    void slotSetting();
    void autoSync();
    void keptRecord();
    void delRecord();

private:
    void loadSetting();
    void retranslateTexts();
    void applyCustomSetting(QString sResult);
    void markChanged();
    static bool storedChoicesExist();
    // "true"/"false" as text or as a JSON boolean; anything else is unreadable.
    static bool readChoice(const QVariant& value, bool* pChoice);
    void startAgentUpdateCheckWithoutDevice();

    Ui::SyncSettingWidget* m_pUi;
    ZeqAgentCtrlMgr* m_pCtrl;
    bool m_bKept = true;
    bool m_bSync = true;
    bool m_bDirty = false;
    // A click since the last load or save: the choices on screen are the user's.
    bool m_bClicked = false;
};
