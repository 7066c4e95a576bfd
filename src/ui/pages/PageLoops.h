#pragma once

#include <QList>
#include <QPointer>
#include <QWidget>

// Pages run nested event loops: message boxes, dialogs, short waits. A device change or a result that
// arrives inside such a loop rebuilds the tabs, but the page whose method started the loop is still on
// the stack underneath it. deleteLater does not help: a deferred delete posted inside a nested loop runs
// in that loop. So a page that goes away is retired instead: at once out of sight and deaf to the
// controller, and deleted only when no loop started by a page runs any more.
//
// Every loop a page starts is wrapped in a Scope; after it, a method checks isRetired(this) before it
// touches anything.
class PageLoops
{
public:
    class Scope
    {
    public:
        Scope();
        ~Scope();
        Scope(const Scope&) = delete;
        Scope& operator=(const Scope&) = delete;
    };

    // True while a loop started by a page runs.
    static bool isRunning();
    // Hides the page, takes it from its parent and disconnects it and its children from the controller;
    // deletes it later, once no page loop runs. Does nothing for a null page.
    static void retire(QWidget* pPage);
    // True for a retired page and for every widget inside one (also once it is deleted: null).
    static bool isRetired(const QWidget* pWidget);
    // Retired pages not yet handed for deletion (for tests and the benchmark).
    static int waitingCount();

private:
    static void releaseWaiting();
};
