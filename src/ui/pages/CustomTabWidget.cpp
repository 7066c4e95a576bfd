#include "CustomTabWidget.h"

#include "TestTabBar.h"
#include "controller/ZeqAgentCtrlMgr.h"
#include "core/DebugLog.h"

#include <QHash>
#include <QIcon>
#include <QKeyEvent>
#include <QMouseEvent>

namespace
{
QString devicePicture(bool bChosen)
{
    return bChosen ? ":res/device_h.png" : ":res/device_n.png";
}

QString mapPicture(bool bChosen)
{
    return bChosen ? ":res/map_h.png" : ":res/map_n.png";
}

QString settingPicture(bool bChosen)
{
    return bChosen ? ":res/setting_h.png" : ":res/setting_n.png";
}

// One icon per picture for the whole run. A fresh QIcon loads a fresh pixmap, and every size it is painted
// at is kept in the process-wide pixmap cache under that pixmap's key: with a new icon at every rebuild
// and every press, the cache filled with copies of the same few pictures up to its limit.
QIcon tabPicture(const QString& sPath)
{
    static QHash<QString, QIcon> icons;
    auto it = icons.find(sPath);
    if (it == icons.end())
        it = icons.insert(sPath, QIcon(sPath));
    return it.value();
}
} // namespace

CustomTabWidget::CustomTabWidget(QWidget* pParent)
    : QTabWidget(pParent), m_pCtrl(ZeqAgentCtrlMgr::getInstance())
{
    setTabBar(new TestTabBar(this));
    setStyleSheet("QTabWidget::pane { border-top:0px solid #C2C7CB;border-bottom:0px ; border-left:0px; "
                  "border-right:0px;}");
    connect(this, SIGNAL(tabHit(int)), pParent, SLOT(tabHit(int)));
    connect(this, SIGNAL(tabNotSaveNotify(int)), pParent, SLOT(tabNotSaveNotify(int)));
    tabBar()->installEventFilter(this);
    // A tab chosen by the keyboard or the wheel shows as chosen too.
    connect(this, &QTabWidget::currentChanged, this, &CustomTabWidget::markChosenTab);
}

void CustomTabWidget::setTabIconPath(int nIndex, const QString& sPath)
{
    if (nIndex < 0 || nIndex >= count())
        return;
    setTabIcon(nIndex, tabPicture(sPath));
    tabBar()->setTabData(nIndex, sPath);
}

QString CustomTabWidget::tabIconPath(int nIndex) const
{
    return tabBar()->tabData(nIndex).toString();
}

int CustomTabWidget::settingsIndex() const
{
    return m_pCtrl->isShowMapTab() ? 2 : 1;
}

void CustomTabWidget::markChosenTab(int nIndex)
{
    const bool bMap = m_pCtrl->isShowMapTab();
    const int nSettings = settingsIndex();
    if (nIndex < 0 || nIndex > nSettings || nIndex >= count() - 1)
        return;
    setTabIconPath(0, devicePicture(nIndex == 0));
    if (bMap)
        setTabIconPath(1, mapPicture(nIndex == 1));
    setTabIconPath(nSettings, settingPicture(nIndex == nSettings));
}

bool CustomTabWidget::isSettingsGuarded() const
{
    return tabBar()->currentIndex() == settingsIndex() && m_pCtrl->isSettingNotSave();
}

bool CustomTabWidget::eventFilter(QObject* pObject, QEvent* pEvent)
{
    if (pObject != tabBar())
        return QTabWidget::eventFilter(pObject, pEvent);
    switch (pEvent->type()) {
    case QEvent::MouseButtonPress:
        return filterPress(static_cast<QMouseEvent*>(pEvent));
    case QEvent::MouseButtonDblClick:
        // The bar would take a double click as one more press, past this filter; the press before it
        // has already done what a press does.
        return true;
    case QEvent::Wheel:
        return isSettingsGuarded();
    case QEvent::KeyPress:
        return filterBarKey(static_cast<QKeyEvent*>(pEvent));
    default:
        return QTabWidget::eventFilter(pObject, pEvent);
    }
}

bool CustomTabWidget::filterPress(QMouseEvent* pEvent)
{
    // Only the left button chooses a tab; another button changes nothing and opens nothing.
    if (pEvent->button() != Qt::LeftButton)
        return true;
    const int nTab = tabBar()->tabAt(pEvent->pos());
    if (isSettingsGuarded()) {
        emit tabNotSaveNotify(nTab);
        return true;
    }
    markChosenTab(nTab);
    writeLog(1, "[QTabWidget][eventFilter]tab idx %d", tabBar()->currentIndex());
    emit tabHit(nTab);
    return nTab == count() - 1;
}

bool CustomTabWidget::filterBarKey(QKeyEvent* pEvent)
{
    if (!isSettingsGuarded() || pEvent->modifiers() != Qt::NoModifier)
        return false;
    const bool bRightToLeft = tabBar()->layoutDirection() == Qt::RightToLeft;
    int nStep = 0;
    if (pEvent->key() == Qt::Key_Left)
        nStep = bRightToLeft ? 1 : -1;
    else if (pEvent->key() == Qt::Key_Right)
        nStep = bRightToLeft ? -1 : 1;
    if (nStep == 0)
        return false;
    askBeforeLeavingSettings(nextChoosableTab(nStep, false));
    return true;
}

void CustomTabWidget::mousePressEvent(QMouseEvent* pEvent)
{
    QTabWidget::mousePressEvent(pEvent);
}

void CustomTabWidget::keyPressEvent(QKeyEvent* pEvent)
{
    int nStep = 0;
    if (pEvent->modifiers() & Qt::ControlModifier) {
        const bool bBack = pEvent->modifiers() & Qt::ShiftModifier;
        if (pEvent->key() == Qt::Key_Tab)
            nStep = bBack ? -1 : 1;
        else if (pEvent->key() == Qt::Key_Backtab)
            nStep = -1;
        else if (pEvent->key() == Qt::Key_PageDown)
            nStep = 1;
        else if (pEvent->key() == Qt::Key_PageUp)
            nStep = -1;
    }
    if (nStep != 0 && isSettingsGuarded()) {
        askBeforeLeavingSettings(nextChoosableTab(nStep, true));
        pEvent->accept();
        return;
    }
    QTabWidget::keyPressEvent(pEvent);
}

void CustomTabWidget::askBeforeLeavingSettings(int nIndex)
{
    if (nIndex >= 0 && nIndex != tabBar()->currentIndex())
        emit tabNotSaveNotify(nIndex);
}

int CustomTabWidget::nextChoosableTab(int nStep, bool bWrap) const
{
    const int nCount = count();
    int nIndex = tabBar()->currentIndex();
    for (int i = 0; i < nCount; ++i) {
        nIndex += nStep;
        if (bWrap)
            nIndex = (nIndex + nCount) % nCount;
        else if (nIndex < 0 || nIndex >= nCount)
            return -1;
        if (tabBar()->isTabEnabled(nIndex))
            return nIndex;
    }
    return -1;
}

void CustomTabWidget::tabInserted(int nIndex)
{
    QTabWidget::tabInserted(nIndex);
    disableLogoTab();
}

void CustomTabWidget::tabRemoved(int nIndex)
{
    QTabWidget::tabRemoved(nIndex);
    disableLogoTab();
}

void CustomTabWidget::disableLogoTab()
{
    const int nCount = count();
    for (int i = 0; i < nCount; ++i)
        tabBar()->setTabEnabled(i, nCount == 1 || i != nCount - 1);
}
