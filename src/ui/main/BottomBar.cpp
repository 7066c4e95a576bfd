#include "BottomBar.h"

#include "AgentResources.h"
#include "controller/ZeqAgentCtrlMgr.h"
#include "core/DebugLog.h"
#include "ui_BottomBar.h"

#include <QEvent>

BottomBar::BottomBar(QWidget* pParent)
    : QWidget(pParent), m_pUi(new Ui_BottomBar), m_pCtrl(ZeqAgentCtrlMgr::getInstance())
{
    writeLog(1, "[BottomBar][BottomBar][Entry]");
    AgentResources::init();
    m_pUi->setupUi(this);
    setFixedSize(800, 61);
    connect(m_pUi->btn_logout, &QPushButton::clicked, this, &BottomBar::logout);
    connect(m_pCtrl, &ZeqAgentCtrlMgr::actionFinish, this, &BottomBar::slotActionFinish);
    m_pUi->btn_logout->hide();
    writeLog(1, "[BottomBar][BottomBar][End]");
}

BottomBar::~BottomBar()
{
    delete m_pUi;
}

void BottomBar::slotActionFinish(ACTION_STATUS status, QString)
{
    if (status == LOGIN_SUCCESS)
        m_pUi->btn_logout->show();
    else if (status == LOGOUT_SUCCESS)
        m_pUi->btn_logout->hide();
}

void BottomBar::logout()
{
    writeLog(1, "[BottomBar][logout][Entry]");
    m_pCtrl->logout();
    writeLog(1, "[BottomBar][logout][End]");
}

void BottomBar::changeEvent(QEvent* pEvent)
{
    QWidget::changeEvent(pEvent);
    if (pEvent->type() == QEvent::LanguageChange) {
        m_pUi->retranslateUi(this);
        m_pUi->btn_logout->setText(QObject::tr("Sign out"));
    }
}
