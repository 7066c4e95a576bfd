#include "DialogCloseGuard.h"

#include <QDialog>
#include <QKeyEvent>
#include <QWindow>

DialogCloseGuard::DialogCloseGuard(QDialog* pDialog)
    : QObject(pDialog), m_pDialog(pDialog), m_pWatched(pDialog)
{
    m_pDialog->installEventFilter(this);
}

void DialogCloseGuard::setJobRunning(bool bRunning)
{
    if (bRunning == m_bJobRunning)
        return;
    if (bRunning) {
        const Qt::WindowFlags flags = m_pDialog->windowFlags();
        m_bHadCloseButton = flags.testFlag(Qt::WindowCloseButtonHint);
        m_bHadCustomize = flags.testFlag(Qt::CustomizeWindowHint);
    }
    m_bJobRunning = bRunning;
    applyCloseButton(!bRunning);
}

bool DialogCloseGuard::eventFilter(QObject* pWatched, QEvent* pEvent)
{
    if (m_bJobRunning && pWatched == m_pWatched && isCloseRequest(pEvent)) {
        // A close event counts as accepted unless ignored: returning true alone would still close.
        pEvent->ignore();
        return true;
    }
    return QObject::eventFilter(pWatched, pEvent);
}

bool DialogCloseGuard::isCloseRequest(QEvent* pEvent)
{
    if (pEvent->type() == QEvent::Close)
        return true;
    if (pEvent->type() != QEvent::KeyPress)
        return false;
    // QDialog rejects on the Cancel key sequence; a key pressed in a child reaches the dialog's
    // filters on its way up.
    auto* pKey = static_cast<QKeyEvent*>(pEvent);
    return pKey->matches(QKeySequence::Cancel) || pKey->key() == Qt::Key_Escape;
}

void DialogCloseGuard::applyCloseButton(bool bShown)
{
    Qt::WindowFlags flags = m_pDialog->windowFlags();
    if (bShown) {
        flags.setFlag(Qt::WindowCloseButtonHint, m_bHadCloseButton);
        flags.setFlag(Qt::CustomizeWindowHint, m_bHadCustomize);
    } else {
        // Without CustomizeWindowHint the window system adds its default buttons back.
        flags.setFlag(Qt::WindowCloseButtonHint, false);
        flags.setFlag(Qt::CustomizeWindowHint, true);
    }
    if (flags == m_pDialog->windowFlags())
        return;
    QWindow* pWindow = m_pDialog->windowHandle();
    if (!m_pDialog->isVisible() || !pWindow) {
        m_pDialog->setWindowFlags(flags);
        return;
    }
    // setWindowFlags on a shown dialog re-creates it hidden, and hiding a dialog ends its exec().
    m_pDialog->overrideWindowFlags(flags);
    pWindow->setFlags(flags);
}
