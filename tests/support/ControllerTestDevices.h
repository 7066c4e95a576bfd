#pragma once

#include "device/DevMonitorThread.h"
#include "device/UsbMonitor.h"
#include "platform/FakeDeviceNotices.h"
#include "platform/FakeSerialPorts.h"
#include "platform/FakeVolumeInfo.h"

#include <QPointer>

// Puts fake USB notices, volumes and serial ports behind the controller's device watch, so a controller
// test sees only the devices it makes (never a volume another test mounted meanwhile). Install before the
// first ZeqAgentCtrlMgr::getInstance(). Lives as long as the process, like the controller that uses it.
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
        UsbMonitor::installSourceFactory([this] {
            auto pNotices = std::make_unique<FakeDeviceNotices>();
            m_pNotices = pNotices.get();
            return std::unique_ptr<DeviceNotices>(std::move(pNotices));
        });
        // No serial port is listed, so no link is ever opened.
        DevMonitorThread::installSources(&m_volumes, &m_ports,
                                         [](const QString&) { return std::unique_ptr<SerialLink>(); });
    }
};
