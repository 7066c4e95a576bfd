#pragma once

#include <QList>
#include <QPointer>
#include <QWidget>

// Pages run nested event loops: message boxes, dialogs, short waits. A device change or a result that
// arrives inside such a loop rebuilds the tabs, but the widget whose method started the loop is still on
// the stack underneath it. So a page that goes away is retired instead of deleted: at once out of sight
// and deaf to the controller. A retired page that holds no running loop is deleted later at once (its
// deferred delete runs in the loop that is running, as soon as the current event is done). A page that
// holds the owner of a running loop waits until the last such loop has ended: its delete is posted then,
// from the owner's method, and runs once that method has returned to the loop below.
//
// Every loop a widget starts is wrapped in a Scope naming that widget, the innermost one whose method is
// on the stack (its page and every widget it sits in count as on the stack too); after the loop, a method
// checks isRetired(this) before it touches anything.
class PageLoops
{
public:
    class Scope
    {
    public:
        explicit Scope(QWidget* pOwner);
        ~Scope();
        Scope(const Scope&) = delete;
        Scope& operator=(const Scope&) = delete;

        // The owner is the page or sits inside it, now or when the loop began (a page retired meanwhile
        // has left the widgets around it, whose methods may still be on the stack).
        bool holds(const QWidget* pPage) const;

    private:
        QPointer<QWidget> m_pOwner;
        QList<QPointer<QWidget>> m_lstAtStart;
    };

    // True while a loop started by a widget runs.
    static bool isRunning();
    // Hides the page, takes it from its parent and disconnects it and its children from the controller;
    // deletes it later: at once when it holds no running loop, else once its last loop has ended. Does
    // nothing for a null page.
    static void retire(QWidget* pPage);
    // True for a retired page and for every widget inside one (also once it is deleted: null).
    static bool isRetired(const QWidget* pWidget);
    // Retired pages that wait for a loop of theirs to end (for tests and the benchmark).
    static int waitingCount();

private:
    // True when the owner of a running loop is the page or sits inside it.
    static bool holdsRunningLoop(const QWidget* pPage);
    static void releaseWaiting();
};
