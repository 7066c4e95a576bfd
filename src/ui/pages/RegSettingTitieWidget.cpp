#include "RegSettingTitieWidget.h"

#include "ScaledPictures.h"
#include "ui_RegSettingTitieWidget.h"

#include <QCoreApplication>
#include <QEvent>

RegSettingTitieWidget::RegSettingTitieWidget(QWidget* parent)
    : QWidget(parent), m_pUi(new Ui::RegSettingTitieWidget)
{
    m_pUi->setupUi(this);
    ScaledPictures::shareLabels(this);
}

RegSettingTitieWidget::~RegSettingTitieWidget()
{
    delete m_pUi;
}

void RegSettingTitieWidget::changeEvent(QEvent* e)
{
    QWidget::changeEvent(e);
    if (e->type() != QEvent::LanguageChange)
        return;
    setWindowTitle(QCoreApplication::translate("RegSettingTitieWidget", "Form"));
    m_pUi->label_title->setText(QCoreApplication::translate("QObject", "Register info"));
    m_pUi->label->setText(QString());
}
