#include "FakeNotificationService.h"

#include <QUuid>

FakeNotificationService::FakeNotificationService(QObject* pParent)
    : QObject(pParent), m_sConnection("fake-notifications-" + QUuid::createUuid().toString())
{
}

FakeNotificationService::~FakeNotificationService()
{
    stop();
}

bool FakeNotificationService::start(const QString& sAddress)
{
    QDBusConnection bus = QDBusConnection::connectToBus(sAddress, m_sConnection);
    if (!bus.isConnected())
        return false;
    return bus.registerObject("/org/freedesktop/Notifications", this,
                              QDBusConnection::ExportAllSlots | QDBusConnection::ExportAllSignals) &&
           bus.registerService("org.freedesktop.Notifications");
}

void FakeNotificationService::stop()
{
    QDBusConnection bus(m_sConnection);
    if (bus.isConnected()) {
        bus.unregisterService("org.freedesktop.Notifications");
        bus.unregisterObject("/org/freedesktop/Notifications");
    }
    QDBusConnection::disconnectFromBus(m_sConnection);
}

void FakeNotificationService::invoke(uint nId, const QString& sAction)
{
    emit ActionInvoked(nId, sAction);
    emit NotificationClosed(nId, 2);
}

void FakeNotificationService::repeatAction(uint nId, const QString& sAction, int nTimes)
{
    for (int n = 0; n < nTimes; ++n)
        emit ActionInvoked(nId, sAction);
}

QStringList FakeNotificationService::GetCapabilities()
{
    return m_lstCapabilities;
}

uint FakeNotificationService::Notify(const QString& sAppName, uint nReplacesId, const QString&,
                                     const QString& sSummary, const QString& sBody,
                                     const QStringList& lstActions, const QVariantMap&, int nExpireMs)
{
    const uint nId = nReplacesId ? nReplacesId : ++m_nLastId;
    m_notices.append({nId, sAppName, sSummary, sBody, lstActions, nExpireMs});
    return nId;
}

void FakeNotificationService::CloseNotification(uint nId)
{
    emit NotificationClosed(nId, 3);
}

QString FakeNotificationService::GetServerInformation(QString& sVendor, QString& sVersion,
                                                      QString& sSpecVersion)
{
    sVendor = "WendoAgent tests";
    sVersion = "1";
    sSpecVersion = "1.2";
    return "fake-notifications";
}
