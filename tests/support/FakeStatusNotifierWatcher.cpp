#include "FakeStatusNotifierWatcher.h"

#include <QDBusConnection>
#include <QMutexLocker>
#include <QUuid>

QStringList StatusNotifierWatcherObject::items() const
{
    QMutexLocker lock(&m_mutex);
    return m_lstItems;
}

void StatusNotifierWatcherObject::RegisterStatusNotifierItem(const QString& sService)
{
    QMutexLocker lock(&m_mutex);
    m_lstItems.append(sService);
}

void StatusNotifierWatcherObject::RegisterStatusNotifierHost(const QString&) {}

FakeStatusNotifierWatcher::FakeStatusNotifierWatcher()
    : m_sConnection("fake-status-notifier-watcher-" + QUuid::createUuid().toString()),
      m_pObject(new StatusNotifierWatcherObject)
{
    m_pObject->moveToThread(&m_thread);
    QObject::connect(&m_thread, &QThread::finished, m_pObject, &QObject::deleteLater);
    m_thread.start();
}

FakeStatusNotifierWatcher::~FakeStatusNotifierWatcher()
{
    QDBusConnection::disconnectFromBus(m_sConnection);
    m_thread.quit();
    m_thread.wait();
}

bool FakeStatusNotifierWatcher::start(const QString& sAddress)
{
    QDBusConnection bus = QDBusConnection::connectToBus(sAddress, m_sConnection);
    if (!bus.isConnected())
        return false;
    return bus.registerObject("/StatusNotifierWatcher", m_pObject,
                              QDBusConnection::ExportAllSlots | QDBusConnection::ExportAllProperties) &&
           bus.registerService("org.kde.StatusNotifierWatcher");
}
