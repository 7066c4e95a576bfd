#include "SettingWidget.h"

#include "core/DebugLog.h"

#include <QMessageBox>

SettingWidget::SettingWidget(QWidget* pParent) : QWidget(pParent) {}

void SettingWidget::setBasicOnly(int nMode)
{
    m_nBasicOnly = nMode;
}

int SettingWidget::ShowSaveSettingMsgBox(int nIndex)
{
    writeLog(1, "[SettingWidget][ShowSaveSettingMsgBox] tab %d", nIndex);
    return QMessageBox::Yes;
}
