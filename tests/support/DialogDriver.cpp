#include "DialogDriver.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QEvent>
#include <QTest>
#include <QTimer>

DialogDriver::DialogDriver(int nGuardMs) : m_pGuard(new QTimer(this))
{
    qApp->installEventFilter(this);
    m_pGuard->setSingleShot(true);
    connect(m_pGuard, &QTimer::timeout, this, &DialogDriver::guardFired);
    m_pGuard->start(nGuardMs);
}

DialogDriver::~DialogDriver()
{
    qApp->removeEventFilter(this);
}

DialogDriver& DialogDriver::then(const QString& sName, const Action& action)
{
    m_lstSteps.append({sName, action});
    return *this;
}

DialogDriver& DialogDriver::click(const QString& sName, const QString& sButton)
{
    return then(sName, [this, sName, sButton](QWidget* pWindow) {
        if (!clickButton(pWindow, sButton))
            m_lstFailures.append(QString("%1: no button %2 to click").arg(sName, sButton));
    });
}

QWidget* DialogDriver::window(const QString& sName)
{
    for (QWidget* pWidget : QApplication::topLevelWidgets()) {
        if (pWidget->isVisible() && pWidget->accessibleName() == sName)
            return pWidget;
    }
    return nullptr;
}

bool DialogDriver::clickButton(QWidget* pWindow, const QString& sButton)
{
    auto* pButton = pWindow ? pWindow->findChild<QAbstractButton*>(sButton) : nullptr;
    if (!pButton || !pButton->isVisible() || !pButton->isEnabled())
        return false;
    QTest::mouseClick(pButton, Qt::LeftButton);
    return true;
}

bool DialogDriver::eventFilter(QObject* pWatched, QEvent* pEvent)
{
    if (pEvent->type() == QEvent::Show && pWatched->isWidgetType()) {
        auto* pWidget = static_cast<QWidget*>(pWatched);
        if (pWidget->isWindow() && !pWidget->accessibleName().isEmpty())
            shownWindow(pWidget);
    }
    return QObject::eventFilter(pWatched, pEvent);
}

void DialogDriver::shownWindow(QWidget* pWindow)
{
    m_lstShown.append(pWindow->accessibleName());
    if (m_lstSteps.isEmpty() || m_lstSteps.first().sName != pWindow->accessibleName())
        return;
    const Action action = m_lstSteps.takeFirst().action;
    QPointer<QWidget> pShown(pWindow);
    // After the show: the window's own loop (exec) runs the step.
    QTimer::singleShot(0, this, [pShown, action] {
        if (pShown)
            action(pShown);
    });
}

void DialogDriver::guardFired()
{
    m_lstFailures.append(QString("the road did not end; steps left: %1").arg(m_lstSteps.size()));
    // Ends every dialog still open, innermost first, until none is left.
    auto* pCloser = new QTimer(this);
    connect(pCloser, &QTimer::timeout, this, [] {
        for (QWidget* pWidget : QApplication::topLevelWidgets()) {
            auto* pDialog = qobject_cast<QDialog*>(pWidget);
            if (pDialog && pDialog->isVisible())
                pDialog->done(-1);
        }
    });
    pCloser->start(50);
}
