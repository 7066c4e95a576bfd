#pragma once

#include "backup/BackupFiles.h"
#include "controller/ZeqAgentCtrlMgr.h"
#include "core/AgentSettings.h"
#include "core/Worker.h"
#include "support/BackupTestDevice.h"
#include "support/RecordingDialogOpener.h"
#include "ui/pages/BackupRestoreDailog.h"

#include <QApplication>
#include <QDir>
#include <QList>
#include <QPushButton>
#include <QStringList>
#include <QTimer>

#include <functional>
#include <memory>

// The backup dialog on a drive-family device made of temporary folders (BackupTestDevice), driven
// through the real controller and the real 7z. Use with a UiFixture (folders, notices).
class BackupDialogFixture
{
public:
    static QString uuid() { return "0123456789ABCDEF"; }
    static QString hardwareName() { return "Wendo 500"; }

    BackupDialogFixture() : m_pDevice(new BackupTestDevice) {}

    BackupTestDevice& device() { return *m_pDevice; }

    // The device arrives as the monitor reports it (after the one attached before, if any, left).
    static void plug(const QString& sUUID, const QStringList& lstDrive)
    {
        unplug();
        Worker::DEVINFOEX device;
        device.bArrival = true;
        device.type = Worker::FAMILY_DRIVE;
        device.devInfo.sUUID = sUUID;
        device.devInfo.sSkuID = "1";
        device.devInfo.sHWName = hardwareName();
        device.lstDrive = lstDrive;
        ZeqAgentCtrlMgr::getInstance()->notityWendoDev(device);
    }
    void plug() { plug(uuid(), m_pDevice->drives()); }
    static void unplug()
    {
        ZeqAgentCtrlMgr* pCtrl = ZeqAgentCtrlMgr::getInstance();
        if (!pCtrl->isDevicePresent())
            return;
        Worker::DEVINFOEX device = pCtrl->currentDevice();
        device.bArrival = false;
        pCtrl->notityWendoDev(device);
    }

    // Builds the dialog, runs inLoop once its exec runs, and returns what exec returned (-1 when only the
    // hang guard ended it).
    static int run(int nMode, bool bInstallAfterBackup = false, bool bRecover = false,
                   std::function<void(BackupRestoreDailog*)> inLoop = {})
    {
        BackupRestoreDailog dialog(nMode, bInstallAfterBackup, bRecover, nullptr);
        if (inLoop)
            QTimer::singleShot(0, &dialog, [&dialog, inLoop] { inLoop(&dialog); });
        QTimer::singleShot(120000, &dialog, [&dialog] { dialog.done(-1); }); // hang guard only
        return dialog.exec();
    }

    static QPushButton* cancelButton(BackupRestoreDailog* pDialog)
    {
        return pDialog->findChild<QPushButton*>("btn_cancel");
    }

    // Everything in the backup folder, hidden entries and folders too.
    static QStringList backupFolder()
    {
        return QDir(BackupFiles::backupDir())
            .entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
    }
    static QStringList committedArchives() { return {uuid() + "-data.7z", uuid() + "-sys.7z"}; }
    static QString backupTime() { return AgentSettings().getDeviceString(uuid(), "backuptime"); }

private:
    std::unique_ptr<BackupTestDevice> m_pDevice;
};
