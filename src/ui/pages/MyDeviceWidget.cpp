#include "MyDeviceWidget.h"

#include "MyDevRegWidget.h"
#include "MyDevShareSyncWidget.h"
#include "MyDevVersionWidget.h"
#include "PageLoops.h"
#include "ScaledPictures.h"
#include "controller/ZeqAgentCtrlMgr.h"
#include "core/DebugLog.h"
#include "ui_MyDeviceWidget.h"

#include <QScrollBar>
#include <QVBoxLayout>

MyDeviceWidget::MyDeviceWidget(QWidget* pParent)
    : QWidget(pParent), m_pUi(new Ui_MyDeviceWidget), m_pCtrl(ZeqAgentCtrlMgr::getInstance()),
      m_pOwner(pParent)
{
    m_pUi->setupUi(this);
    ScaledPictures::shareLabels(this);
    m_pUi->scrollArea->setStyleSheet(
        "QScrollBar:vertical {border-image: url(:/res/progress_middle.png) 2 0 2 0;margin: 5px 1 5px "
        "1;width: "
        "10px;}QScrollBar::handle:vertical {border-image : url(:/res/progress_middle.png);margin: 0px 0 0px "
        "0;}QScrollBar::add-line:vertical {background-image: url(:/res/progress_bottom.png);height: 5px; "
        "width: "
        "8px;subcontrol-position: bottom;subcontrol-origin: margin;}QScrollBar::sub-line:vertical "
        "{background-image: url(:/res/progress_top.png);height: 5px; width: 8px;subcontrol-position: "
        "top;subcontrol-origin: margin;}QScrollArea#scrollArea {background-color:transparent}");
    // The page's background is drawn once, by the viewport alone: a rule without a selector would reach
    // every box, label and bubble below it and cover their own fills and colours.
    m_pUi->scrollArea->viewport()->setObjectName("pageBackground");
    m_pUi->scrollArea->viewport()->setStyleSheet(
        "QWidget#pageBackground {border-image: url(:/res/background.png);}");
    m_pContent = new QWidget();
    m_pColumn = new QVBoxLayout(m_pContent);
    m_pColumn->setContentsMargins(0, 0, 0, 0);
    m_pColumn->setSpacing(0);
    m_pUi->scrollArea->setWidget(m_pContent);
}

// The boxes are children of the content widget and go with it.
MyDeviceWidget::~MyDeviceWidget()
{
    delete m_pUi;
}

void MyDeviceWidget::SetLayoutStyle(int nStyle)
{
    writeLog(1, "[MyDeviceWidget][SetLayoutStyle] style %d", nStyle);
    removeBoxes();
    m_nLayoutStyle = nStyle;
    int nHeight = 0;
    if (nStyle >= 0 && nStyle <= 2) {
        // Built with the signed-in page as parent so that its button reaches the page.
        m_pRegBox = new MyDevRegWidget(m_pOwner);
        m_pRegBox->refreshDevInfo(nStyle);
        appendBox(m_pRegBox, &nHeight);
        if (nStyle == 0) {
            m_pSyncBox = new MyDevShareSyncWidget();
            appendBox(m_pSyncBox, &nHeight);
        }
        m_pVersionBox = new MyDevVersionWidget(nullptr);
        m_pVersionBox->refreshVersionInfo(nStyle);
        appendBox(m_pVersionBox, &nHeight);
    }
    m_pContent->setMinimumSize(width(), nHeight);
}

void MyDeviceWidget::appendBox(QWidget* pBox, int* pHeight)
{
    m_pColumn->addWidget(pBox);
    *pHeight += pBox->height();
}

// A box may be inside one of its own loops (a dialog, a box, a wait): it is retired, not deleted.
void MyDeviceWidget::removeBoxes()
{
    PageLoops::retire(m_pSyncBox);
    PageLoops::retire(m_pRegBox);
    PageLoops::retire(m_pVersionBox);
    m_pSyncBox = nullptr;
    m_pRegBox = nullptr;
    m_pVersionBox = nullptr;
}
