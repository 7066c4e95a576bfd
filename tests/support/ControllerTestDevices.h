#pragma once

#include "platform/Platform.h"
#include "support/FakeDeviceNotices.h"
#include "support/FakeSerialPorts.h"
#include "support/FakeVolumeInfo.h"

#include <QPointer>

// Puts fake USB notices, volumes and serial ports behind the controller's device watch, so a controller
// test sees only the devices it makes (never a volume another test mounted meanwhile); the sync finds the
// same volumes. Install before the first ZeqAgentCtrlMgr::getInstance(). Lives as long as the process,
// like the controller that uses it, so its override never ends.
class ControllerTestDevices
{
public:
    static ControllerTestDevices* install()
    {
        static ControllerTestDevices* s_pDevices = new ControllerTestDevices();
        return s_pDevices;
    }

    FakeVolumeInfo m_volumes;
    FakeSerialPorts m_ports;
    QPointer<FakeDeviceNotices> m_pNotices;

private:
    ControllerTestDevices()
    {
        m_platform.setDeviceNotices([this] {
            auto pNotices = std::make_unique<FakeDeviceNotices>();
            m_pNotices = pNotices.get();
            return std::unique_ptr<DeviceNotices>(std::move(pNotices));
        });
        m_platform.setVolumes(&m_volumes);
        // No serial port is listed, so no link is ever opened.
        m_platform.setSerialPorts(&m_ports);
    }

    PlatformOverride m_platform;
};
