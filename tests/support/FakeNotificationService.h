#pragma once

#include <QDBusConnection>
#include <QList>
#include <QObject>
#include <QStringList>
#include <QVariantMap>

// A small org.freedesktop.Notifications on a session bus of the test's own: it records every Notify as
// the desktop would get it and lets the test click a notice (ActionInvoked) or close it, also as a faulty
// service does (the same click told again and again). It lists the "actions" capability unless told
// otherwise. Ids count from 1 for each service, as a real one's do after a restart.
class FakeNotificationService : public QObject
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Notifications")

public:
    struct Notice {
        uint nId;
        QString sAppName;
        QString sSummary;
        QString sBody;
        QStringList lstActions;
        int nExpireMs;
    };

    explicit FakeNotificationService(QObject* pParent = nullptr);
    ~FakeNotificationService() override;

    // Connects to the bus at sAddress and takes the service's name there.
    bool start(const QString& sAddress);
    // Gives the name up and leaves the bus, as a service that ends.
    void stop();

    void setCapabilities(const QStringList& lstCapabilities) { m_lstCapabilities = lstCapabilities; }
    // What a click on the notice sends: ActionInvoked(id, action), then NotificationClosed(id, 2).
    void invoke(uint nId, const QString& sAction);
    // ActionInvoked(id, action) nTimes over, and no close.
    void repeatAction(uint nId, const QString& sAction, int nTimes);
    // What the service sends when the notice expires or is closed: NotificationClosed(id, nReason).
    void close(uint nId, uint nReason) { emit NotificationClosed(nId, nReason); }

    QList<Notice> m_notices;

public slots:
    QStringList GetCapabilities();
    uint Notify(const QString& sAppName, uint nReplacesId, const QString& sAppIcon, const QString& sSummary,
                const QString& sBody, const QStringList& lstActions, const QVariantMap& hints, int nExpireMs);
    void CloseNotification(uint nId);
    QString GetServerInformation(QString& sVendor, QString& sVersion, QString& sSpecVersion);

signals:
    void ActionInvoked(uint nId, const QString& sAction);
    void NotificationClosed(uint nId, uint nReason);

private:
    QString m_sConnection;
    QStringList m_lstCapabilities{"actions", "body"};
    uint m_nLastId = 0;
};
