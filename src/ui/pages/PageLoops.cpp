#include "PageLoops.h"

#include "controller/ZeqAgentCtrlMgr.h"

namespace
{
int g_nRunning = 0;

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
} // namespace

PageLoops::Scope::Scope()
{
    ++g_nRunning;
}

PageLoops::Scope::~Scope()
{
    if (--g_nRunning == 0)
        releaseWaiting();
}

bool PageLoops::isRunning()
{
    return g_nRunning > 0;
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
    if (isRunning())
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

// Posted from the page method that started the outermost loop, after that loop ended: the deletes run
// when control is back in the main loop, after that method has returned.
void PageLoops::releaseWaiting()
{
    const QList<QPointer<QWidget>> pages = waiting();
    waiting().clear();
    for (const QPointer<QWidget>& pPage : pages) {
        if (pPage)
            pPage->deleteLater();
    }
}
