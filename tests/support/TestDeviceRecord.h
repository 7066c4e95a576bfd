#pragma once

#include "controller/ZeqAgentCtrlMgr.h"
#include "core/Worker.h"

// Puts a device with a record of the test's choosing in front of the controller, as the device monitor
// reports it: the device attached before (if any) leaves first.
class TestDeviceRecord
{
public:
    static Worker::DEVINFO record(const QString& sHWName, const QString& sFirmware = "R05.12",
                                  const QString& sAppVer = "1.2.3")
    {
        Worker::DEVINFO info;
        info.sUUID = "0123456789ABCDEF";
        info.sSkuID = "1";
        info.sHWName = sHWName;
        info.sFirmware = sFirmware;
        info.sAppVer = sAppVer;
        return info;
    }

    static void attach(int nFamily, const Worker::DEVINFO& info)
    {
        detach();
        Worker::DEVINFOEX device;
        device.bArrival = true;
        device.type = nFamily;
        device.devInfo = info;
        if (nFamily == Worker::FAMILY_SERIAL)
            device.sComPort = "/dev/ttyACM0";
        else
            device.lstDrive = QStringList{"/media/ZEQ_SYSTEM/", "/media/ZEQ_DATA/"};
        ZeqAgentCtrlMgr::getInstance()->notityWendoDev(device);
    }

    static void detach()
    {
        ZeqAgentCtrlMgr* pCtrl = ZeqAgentCtrlMgr::getInstance();
        if (!pCtrl->isDevicePresent())
            return;
        Worker::DEVINFOEX device = pCtrl->currentDevice();
        device.bArrival = false;
        pCtrl->notityWendoDev(device);
    }
};
