#include "MapManagementWidget.h"

#include "MapUpgragePremiumWidget.h"
#include "controller/ZeqAgentCtrlMgr.h"
#include "core/DebugLog.h"
#include "ui/pages/ScaledPictures.h"
#include "ui_MapManagementWidget.h"

#include <QScrollBar>
#include <QVBoxLayout>

namespace
{
const char SCROLL_STYLE[] =
    "QScrollBar:vertical{width:10px;background:transparent;}"
    "QScrollBar::groove:vertical{border-image:url(:/res/progress_middle.png);}"
    "QScrollBar::handle:vertical{border-image:url(:/res/progress_middle.png);}"
    "QScrollBar::sub-line:vertical{height:5px;border-image:url(:/res/progress_top.png);}"
    "QScrollBar::add-line:vertical{height:5px;border-image:url(:/res/progress_bottom.png);}"
    "QScrollArea{background:transparent;}";
} // namespace

MapManagementWidget::MapManagementWidget(QWidget* pParent)
    : QWidget(pParent), m_pUi(new Ui::MapManagementWidget), m_pCtrlMgr(ZeqAgentCtrlMgr::getInstance())
{
    m_pUi->setupUi(this);
    ScaledPictures::shareLabels(this);
    m_pUi->scrollArea->setStyleSheet(SCROLL_STYLE);
    // The page's background is drawn once, by the viewport alone: a rule without a selector would reach
    // every box, label and bubble below it and cover their own fills and colours.
    m_pUi->scrollArea->viewport()->setObjectName("pageBackground");
    m_pUi->scrollArea->viewport()->setStyleSheet(
        "QWidget#pageBackground {border-image: url(:/res/background.png);}");
    m_pCtrlMgr->CheckBuyMapAddData();
    m_pContent = new QWidget(m_pUi->scrollArea);
    m_pViewLayout = new QVBoxLayout(m_pContent);
    m_pViewLayout->setContentsMargins(0, 0, 0, 0);
    m_pViewLayout->setSpacing(0);
    m_pUi->scrollArea->setWidget(m_pContent);
    m_pUi->scrollArea->setWidgetResizable(true);
    chkLayoutStyle();
}

MapManagementWidget::~MapManagementWidget()
{
    delete m_pView;
    m_pView = nullptr;
}

void MapManagementWidget::SetLayoutStyle(int nStyle)
{
    writeLog(1, "[MapManagementWidget][SetLayoutStyle] LayoutStyle %d", nStyle);
    delete m_pView;
    m_pView = nullptr;
    if (nStyle == 2) {
        m_pView = new MapUpgragePremiumWidget();
        m_pViewLayout->addWidget(m_pView, 0);
        m_pContent->setMinimumSize(width(), m_pView->height());
    } else {
        m_pContent->setMinimumSize(width(), 0);
    }
}

void MapManagementWidget::chkLayoutStyle()
{
    SetLayoutStyle(2);
}
