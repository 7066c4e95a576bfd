#include "PageLoops.h"

#include "controller/ZeqAgentCtrlMgr.h"

namespace
{
// The running scopes, outermost first.
QList<const PageLoops::Scope*>& running()
{
    static QList<const PageLoops::Scope*> scopes;
    return scopes;
}

QList<QPointer<QWidget>>& waiting()
{
    static QList<QPointer<QWidget>> pages;
    return pages;
}

QList<QPointer<QWidget>>& retired()
{
    static QList<QPointer<QWidget>> pages;
    return pages;
}

void disconnectFromController(QObject* pObject)
{
    QObject::disconnect(ZeqAgentCtrlMgr::getInstance(), nullptr, pObject, nullptr);
    for (QObject* pChild : pObject->findChildren<QObject*>())
        QObject::disconnect(ZeqAgentCtrlMgr::getInstance(), nullptr, pChild, nullptr);
}

bool isInside(const QWidget* pWidget, const QWidget* pPage)
{
    for (const QWidget* pUp = pWidget; pUp; pUp = pUp->parentWidget()) {
        if (pUp == pPage)
            return true;
    }
    return false;
}
} // namespace

PageLoops::Scope::Scope(QWidget* pOwner) : m_pOwner(pOwner)
{
    for (QWidget* pUp = pOwner; pUp; pUp = pUp->parentWidget())
        m_lstAtStart.append(pUp);
    running().append(this);
}

bool PageLoops::Scope::holds(const QWidget* pPage) const
{
    for (const QPointer<QWidget>& pWidget : m_lstAtStart) {
        if (pWidget == pPage)
            return true;
    }
    return isInside(m_pOwner, pPage);
}

PageLoops::Scope::~Scope()
{
    running().removeOne(this);
    releaseWaiting();
}

bool PageLoops::isRunning()
{
    return !running().isEmpty();
}

bool PageLoops::holdsRunningLoop(const QWidget* pPage)
{
    for (const Scope* pScope : running()) {
        if (pScope->holds(pPage))
            return true;
    }
    return false;
}

void PageLoops::retire(QWidget* pPage)
{
    if (!pPage)
        return;
    pPage->hide();
    pPage->setParent(nullptr);
    disconnectFromController(pPage);
    retired().removeAll(nullptr);
    retired().append(pPage);
    if (holdsRunningLoop(pPage))
        waiting().append(pPage);
    else
        pPage->deleteLater();
}

bool PageLoops::isRetired(const QWidget* pWidget)
{
    if (!pWidget)
        return true;
    const QWidget* pTop = pWidget;
    while (pTop->parentWidget())
        pTop = pTop->parentWidget();
    for (const QPointer<QWidget>& pPage : retired()) {
        if (pPage == pTop)
            return true;
    }
    return false;
}

int PageLoops::waitingCount()
{
    waiting().removeAll(nullptr);
    return waiting().size();
}

// Runs as a loop ends, in the method that started it: a page released here is deleted once that method
// has returned to the loop below.
void PageLoops::releaseWaiting()
{
    QList<QPointer<QWidget>>& pages = waiting();
    for (int i = pages.size() - 1; i >= 0; --i) {
        QWidget* pPage = pages.at(i);
        if (pPage && holdsRunningLoop(pPage))
            continue;
        pages.removeAt(i);
        if (pPage)
            pPage->deleteLater();
    }
}
