#pragma once

#include <QMetaType>
#include <QObject>
#include <QString>
#include <QStringList>

// Scope of the records the workers, the device monitor and the controller share. No object of it is made.
class Worker : public QObject
{
    Q_OBJECT

public:
    // Request kinds of the account worker, as the windows' WorkFinish(Worker::WORK_STATUS,int) sees them.
    enum WORK_STATUS {
        WORK_LOGIN = 1,
        WORK_CHECKDEVREG = 7,
        WORK_REGDEV = 11,
        WORK_DEREGDEV = 14,
        WORK_TERMINATE = 88,
        WORK_GETCUSTOMSETTING = 220,
    };
    Q_ENUM(WORK_STATUS)

    // The two families of devices, by the numbers the device-change records carry.
    enum DeviceFamily {
        FAMILY_SERIAL = 1,
        FAMILY_DRIVE = 2,
    };

    // The identity of one connected device, copied by value. The serial family fills only the UUID,
    // SKU id, hardware name and firmware.
    struct DEVINFO {
        QString sUUID;
        QString sSkuID;
        QString sModel;
        QString sHWName;
        QString sFirmware;
        QString sAppVer;
        QString sBmVer;
        QString sOsmVer;
        QString sTaVer;
        QString sCountryVer;
        QString sReserved;
        QString sTaDate;
        QString sOsmDate;
        bool bTaMap = false;
    };

    // One device change. The record travels by value with its family's extra: the serial family's port
    // name, or the drive family's roots (system drive first, data drive second when found), so nothing
    // keeps a pointer into a record the monitor rewrites on its next check.
    struct DEVINFOEX {
        bool bArrival = false;
        int type = 0; // a DeviceFamily
        DEVINFO devInfo;
        QString sComPort;
        QStringList lstDrive;
    };

    static void registerMetaTypes();

private:
    Worker() = delete;
};

Q_DECLARE_METATYPE(Worker::DEVINFO)
Q_DECLARE_METATYPE(Worker::DEVINFOEX)
