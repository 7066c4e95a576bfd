#pragma once

#include "DesktopNotifications.h"

#include <QDBusConnection>
#include <QList>
#include <QStringList>

class QDBusPendingCallWatcher;

// Notices through the session's org.freedesktop.Notifications service (QtDBus, asynchronous calls only,
// so a slow or hung service never holds the window up). The service's capabilities are asked before each
// notice: the click is offered as the "default" action where it lists "actions", and the text is escaped
// where it reads markup.
class FreedesktopNotifications : public DesktopNotifications
{
    Q_OBJECT

public:
    explicit FreedesktopNotifications(QObject* pParent = nullptr);

    void notify(const QString& sTitle, const QString& sText, int nTimeoutMs) override;

private slots:
    void actionInvoked(uint nId, const QString& sAction);
    void notificationClosed(uint nId, uint nReason);

private:
    struct Notice {
        QString sTitle;
        QString sText;
        int nTimeoutMs;
    };
    static bool sessionBusExpected();
    void send(const Notice& notice, const QStringList& capabilities);
    void remember(uint nId);
    void refuse(const QString& sWhy, QDBusPendingCallWatcher* pWatcher);

    QDBusConnection m_bus;
    bool m_bConnected = false;
    // The notices shown and not yet closed, newest last; bounded.
    QList<uint> m_lstShown;
};
