#pragma once

#include <QString>

// A D-Bus session bus of the test's own (dbus-daemon --session), ended with the object or the test
// process. Start it, and point DBUS_SESSION_BUS_ADDRESS at it, before the application object exists.
class PrivateSessionBus
{
public:
    PrivateSessionBus() = default;
    ~PrivateSessionBus();
    PrivateSessionBus(const PrivateSessionBus&) = delete;
    PrivateSessionBus& operator=(const PrivateSessionBus&) = delete;

    // Starts the bus and sets DBUS_SESSION_BUS_ADDRESS in this process's environment.
    bool start();
    void stop();
    QString address() const { return m_sAddress; }
    QString failure() const { return m_sFailure; }

private:
    int m_nPid = 0;
    QString m_sAddress;
    QString m_sFailure = "not started";
};
