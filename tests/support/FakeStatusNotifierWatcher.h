#pragma once

#include <QMutex>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QThread>

// The object behind FakeStatusNotifierWatcher, living in the watcher's own thread. It tells nothing
// (no signals): the tray icon needs only its answers.
class StatusNotifierWatcherObject : public QObject
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.kde.StatusNotifierWatcher")
    Q_PROPERTY(bool IsStatusNotifierHostRegistered READ isHostRegistered)
    Q_PROPERTY(QStringList RegisteredStatusNotifierItems READ items)
    Q_PROPERTY(int ProtocolVersion READ protocolVersion)

public:
    bool isHostRegistered() const { return true; }
    QStringList items() const;
    int protocolVersion() const { return 0; }

public slots:
    void RegisterStatusNotifierItem(const QString& sService);
    void RegisterStatusNotifierHost(const QString& sService);

private:
    mutable QMutex m_mutex;
    QStringList m_lstItems;
};

// A StatusNotifierWatcher with a host registered on a session bus of the test's own, as a desktop whose
// panel shows StatusNotifierItems (KDE Plasma, GNOME with the AppIndicator extension) has one. Qt puts
// its tray icons there then, and hands their balloons to the desktop's notification service. The
// toolkit asks the watcher synchronously from the GUI thread, so it answers from a thread of its own.
// Start it before the first tray icon: Qt looks for a host only once.
class FakeStatusNotifierWatcher
{
public:
    FakeStatusNotifierWatcher();
    ~FakeStatusNotifierWatcher();
    FakeStatusNotifierWatcher(const FakeStatusNotifierWatcher&) = delete;
    FakeStatusNotifierWatcher& operator=(const FakeStatusNotifierWatcher&) = delete;

    // Connects to the bus at sAddress and takes the watcher's name there.
    bool start(const QString& sAddress);
    // The items (tray icons) registered so far.
    QStringList items() const { return m_pObject->items(); }

private:
    QString m_sConnection;
    QThread m_thread;
    StatusNotifierWatcherObject* m_pObject;
};
