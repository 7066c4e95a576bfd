#pragma once

#include "DesktopNotifications.h"

#include <QDBusConnection>
#include <QDBusContext>
#include <QList>
#include <QStringList>

class QDBusPendingCallWatcher;
class QDBusServiceWatcher;

// Notices through the session's org.freedesktop.Notifications service (QtDBus, asynchronous calls only,
// so a slow or hung service never holds the window up). The service's capabilities are asked before each
// notice: the click is offered as the "default" action where it lists "actions", and the text is escaped
// where it reads markup.
//
// The service tells every program of every notice clicked or closed. Only the ids its own Notify calls
// returned count here, each from the service (the bus's unique name) that returned it and for one click:
// an id is forgotten at its first action or its close, and all of a service's when it ends (one that
// takes its place counts its ids anew). The service's signals are heard only while one of these notices
// is on its way or open, so other programs' notices, or a service that repeats itself, cost the window
// nothing the rest of the time.
class FreedesktopNotifications : public DesktopNotifications, protected QDBusContext
{
    Q_OBJECT

public:
    explicit FreedesktopNotifications(QObject* pParent = nullptr);

    void notify(const QString& sTitle, const QString& sText, int nTimeoutMs) override;

    // Whether the session has a bus to ask: without one the D-Bus library would start a bus of its own for
    // nobody to listen on.
    static bool sessionBusExpected();

private slots:
    void actionInvoked(uint nId, const QString& sAction);
    void notificationClosed(uint nId, uint nReason);

private:
    struct Notice {
        QString sTitle;
        QString sText;
        int nTimeoutMs;
    };
    struct Shown {
        QString sService; // the unique name of the service that gave the id
        uint nId;
        bool operator==(const Shown& other) const { return sService == other.sService && nId == other.nId; }
    };
    void send(const Notice& notice, const QStringList& capabilities);
    void remember(const Shown& shown);
    // True when the id was one of this object's open notices at the service that sent the signal.
    bool forgetSignalled(uint nId);
    void serviceEnded(const QString& sService);
    void callEnded();
    void refuse(const QString& sWhy, QDBusPendingCallWatcher* pWatcher);
    // Hears the service's signals exactly while a notice is on its way or open.
    void listenWhileNeeded();
    bool setListening(bool bOn);

    QDBusConnection m_bus;
    bool m_bConnected = false;
    QDBusServiceWatcher* m_pServiceWatcher = nullptr;
    // Notices asked for whose id has not come back yet.
    int m_nPending = 0;
    bool m_bListening = false;
    // The notices shown and not yet clicked or closed, newest last; bounded.
    QList<Shown> m_lstShown;
};
