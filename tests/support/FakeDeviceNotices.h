#pragma once

#include "platform/DeviceNotices.h"

#include <atomic>

// Notices for tests: the test says what arrived or went away.
class FakeDeviceNotices : public DeviceNotices
{
    Q_OBJECT

public:
    explicit FakeDeviceNotices(QObject* pParent = nullptr);

    bool startWatching() override;
    void stopWatching() override;
    bool isWatching() const { return m_bWatching; }

    // Emits one notice (only while watching, as a real source would).
    void send(const QString& sPath, bool bArrival);
    void sendSerial(bool bArrival) { send(QString::fromLatin1(SERIAL_PORT_PATH), bArrival); }

private:
    std::atomic<bool> m_bWatching{false};
};
