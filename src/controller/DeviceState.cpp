#include "DeviceState.h"

#include "core/AgentFolders.h"
#include "core/AgentSettings.h"
#include "core/DebugLog.h"
#include "core/WorkFile.h"
#include "device/DevMonitorThread.h"
#include "device/DriveIdentity.h"
#include "platform/Clock.h"
#include "platform/DevicePath.h"
#include "platform/Platform.h"
#include "update/DeviceOffer.h"

#include <QCryptographicHash>
#include <QFile>
#include <QFileInfo>

DeviceState::DeviceState(bool bQuorvane)
{
    m_current.type = Worker::FAMILY_DRIVE;
    m_current.devInfo.sSkuID = bQuorvane ? "2" : "1";
}

bool DeviceState::notice(const Worker::DEVINFOEX& devinfoex)
{
    const bool bOtherRemoved =
        !devinfoex.bArrival && m_bPresent &&
        (devinfoex.type != m_nFamily || devinfoex.devInfo.sUUID != m_current.devInfo.sUUID);
    if (devinfoex.bArrival == m_bPresent || bOtherRemoved)
        return false;
    m_bPresent = devinfoex.bArrival;
    m_nFamily = devinfoex.type;
    m_current = devinfoex;
    if (m_bPresent) {
        writeLog(1, "[ZeqAgentCtrlMgr][notityWendoDev][Plugin]");
        AgentSettings settings;
        settings.setDeviceValue(uuid(), "connect", Platform::clock().today().toString("yyyy/MM/dd"));
        // The daily check runs while no device is attached: the group tells it what the device can take.
        DeviceOffer::recordFamily(uuid(), m_nFamily);
    } else {
        writeLog(1, "[ZeqAgentCtrlMgr][notityWendoDev][Plugoff]");
    }
    return true;
}

QString DeviceState::currentDrive() const
{
    if (m_nFamily == Worker::FAMILY_SERIAL)
        return m_current.sComPort;
    return m_current.lstDrive.value(0);
}

void DeviceState::saveVersions(const QString& sUUID) const
{
    const Worker::DEVINFO& info = m_current.devInfo;
    AgentSettings settings;
    const QList<QPair<const char*, QString>> values = {
        {"sku", info.sSkuID},     {"hwname", info.sHWName},        {"fwver", info.sFirmware},
        {"swver", info.sAppVer},  {"bmver", info.sBmVer},          {"taver", info.sTaVer},
        {"osmver", info.sOsmVer}, {"countryver", info.sCountryVer}};
    for (const auto& value : values)
        settings.setDeviceValue(sUUID, QString::fromLatin1(value.first), value.second);
}

bool DeviceState::readVersionsAgain()
{
    const QString sRoot = systemDriveRoot();
    if (sRoot.isEmpty())
        return false;
    Worker::DEVINFO info;
    if (!DriveIdentity::read(sRoot, &info) || info.sUUID != uuid()) {
        writeLog(1, "[ZeqAgentCtrlMgr][readVersionsAgain] %s does not show the device %s now",
                 qUtf8Printable(sRoot), qUtf8Printable(uuid()));
        return false;
    }
    m_current.devInfo = info;
    writeLog(1, "[ZeqAgentCtrlMgr][readVersionsAgain] Firmware:%s App:%s BM:%s TA:%s OSM:%s Country:%s",
             qUtf8Printable(info.sFirmware), qUtf8Printable(info.sAppVer), qUtf8Printable(info.sBmVer),
             qUtf8Printable(info.sTaVer), qUtf8Printable(info.sOsmVer), qUtf8Printable(info.sCountryVer));
    saveVersions(uuid());
    return true;
}

void DeviceState::doUpdateSetting() const
{
    writeLog(1, "[ZeqAgentCtrlMgr][doUpdateSetting][Entry]");
    const QString sUUID = uuid();
    AgentSettings settings;
    bool bAny = false;
    QList<WorkFile::Row> rows;
    if (WorkFile::readRows(AgentFolders::tempPath("Update.script"), &rows) && !rows.isEmpty()) {
        settings.setDeviceValue(sUUID, "releaseurl", rows.first().value(5));
        settings.setDeviceValue(sUUID, "update", "true");
        bAny = true;
        writeLog(1, "[ZeqAgentCtrlMgr][doUpdateSetting] process update.script end!");
    }
    if (WorkFile::readRows(AgentFolders::tempPath("map.script"), &rows) && !rows.isEmpty()) {
        const WorkFile::Row& first = rows.first();
        const bool bCredits = m_nFamily == Worker::FAMILY_DRIVE && first.value(0).contains("SellMapCredits");
        // value() reads a missing field of a short line as "".
        settings.setDeviceValue(sUUID, "releaseurl", first.value(bCredits ? 9 : 8));
        settings.setDeviceValue(sUUID, "update", "true");
        bAny = true;
        writeLog(1, "[ZeqAgentCtrlMgr][doUpdateSetting] process map.script end!");
    }
    if (!bAny)
        settings.setDeviceValue(sUUID, "update", "false");
}

bool DeviceState::checkSmartRecover() const
{
    writeLog(1, "[ZeqAgentCtrlMgr][checkSmartRecover][Entry]");
    if (AgentSettings().getBool("DEBUG", "SmartRecovery"))
        return false;
    if (m_nFamily != Worker::FAMILY_DRIVE)
        return true;
    const QString sDrive = currentDrive();
    const bool bExists = !sDrive.isEmpty() && QFileInfo(DevicePath::resolve(sDrive, "Korvo")).isDir();
    if (bExists)
        writeLog(1, "[ZeqAgentCtrlMgr][checkSmartRecover][End]");
    return bExists;
}

quint64 DeviceState::diskFreeSpace() const
{
    quint64 nFree = 0;
    return queryDiskFreeSpace(&nFree) ? nFree : 0;
}

bool DeviceState::queryDiskFreeSpace(quint64* pnBytes) const
{
    writeLog(1, "[ZeqAgentCtrlMgr][getDiskFreeSpace]");
    quint64 nFree = 0;
    // The record is left as it is: the query only reads the drive root.
    if (m_nFamily == Worker::FAMILY_DRIVE && m_pMonitor &&
        m_pMonitor->getDiskFreeSpace(currentDrive(), &nFree)) {
        writeLog(1, "[ZeqAgentCtrlMgr][getDiskFreeSpace] size %llu", static_cast<unsigned long long>(nFree));
        *pnBytes = nFree;
        return true;
    }
    writeLog(1, "[ZeqAgentCtrlMgr][getDiskFreeSpace] size %d", 0);
    *pnBytes = 0;
    return false;
}

QString DeviceState::systemDriveRoot() const
{
    if (!m_bPresent || m_nFamily != Worker::FAMILY_DRIVE)
        return QString();
    return m_current.lstDrive.value(0);
}

QString DeviceState::systemDriveLabel() const
{
    const QString sRoot = m_nFamily == Worker::FAMILY_DRIVE ? m_current.lstDrive.value(0) : QString();
    if (sRoot.isEmpty() || !m_pMonitor)
        return QString();
    return m_pMonitor->getVolumeLabel(sRoot);
}

bool DeviceState::checkFileChecksum(const QString& sFile, const QString& sServerChecksum)
{
    writeLog(1, "[ZeqAgentCtrlMgr][ChkFileCheckSume][Entry]");
    if (sServerChecksum.compare(QString(32, 'F'), Qt::CaseInsensitive) == 0)
        return true;
    QFile file(sFile);
    QString sOwn;
    bool bMatch = false;
    if (file.open(QIODevice::ReadOnly)) {
        QCryptographicHash md5(QCryptographicHash::Md5);
        while (!file.atEnd())
            md5.addData(file.read(2048));
        sOwn = QString::fromLatin1(md5.result().toHex());
        bMatch = sOwn.compare(sServerChecksum, Qt::CaseInsensitive) == 0;
        file.close();
    }
    writeLog(1, "[ZeqAgentCtrlMgr][ChkFileCheckSume]file %s filechecksume %s serverchecksume %s ",
             qUtf8Printable(sFile), qUtf8Printable(sOwn), qUtf8Printable(sServerChecksum));
    if (!bMatch)
        QFile::remove(sFile);
    return bMatch;
}
