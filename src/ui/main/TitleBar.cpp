#include "TitleBar.h"

#include "AgentResources.h"
#include "core/AgentSettings.h"
#include "core/DebugLog.h"
#include "ui_TitleBar.h"

#include <QContextMenuEvent>

TitleBar::TitleBar(QWidget* pParent) : QWidget(pParent), m_pUi(new Ui_TitleBar)
{
    writeLog(1, "[TitleBar][TitleBar][Entry]");
    AgentResources::init();
    m_pUi->setupUi(this);
    setFixedSize(800, 46);
    QString sVersion;
    {
        AgentSettings settings;
        sVersion = settings.getString("AGENT", "version");
    }
    m_pUi->lab_version->setText(QString("(%1)").arg(sVersion));
    connect(m_pUi->btn_close, &QPushButton::clicked, this, &TitleBar::closeClicked);
    writeLog(1, "[TitleBar][TitleBar][End]");
}

TitleBar::~TitleBar()
{
    delete m_pUi;
}

void TitleBar::contextMenuEvent(QContextMenuEvent* pEvent)
{
    emit menuAsked(pEvent->globalPos());
    pEvent->accept();
}
