#pragma once

#include <QObject>
#include <QPointer>
#include <QString>

#include <functional>

// What the caller of a hand-over to the desktop (a page to a browser, a package to a software installer)
// learns about it. The desktop's handler ends well, or fails (no program for that kind of file, no
// browser), or goes on running: a handler still running nHandOverMs after it started has taken over (it
// shows the program it started, or is that program), and counts as handed over. The caller never waits.
struct HandoffWatch {
    // The outcome comes from this object's event loop, and not at all once it is gone.
    QPointer<QObject> pContext;
    int nHandOverMs = 0;
    // Called once: handed over, or not; sWhat says what happened in plain words for the log.
    std::function<void(bool bHandedOver, const QString& sWhat)> outcome;
    // Optional: a handler counted as handed over has ended after all (sWhat: how). Called from the
    // handler's own end, also after pContext is gone, so it must touch nothing of the caller's.
    std::function<void(const QString& sWhat)> lateEnd;

    // Delivers the outcome later, from pContext's event loop (never from within the caller's call).
    void reportOutcome(bool bHandedOver, const QString& sWhat) const;
    void reportLateEnd(const QString& sWhat) const;
};
