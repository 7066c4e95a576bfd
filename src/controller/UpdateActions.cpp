#include "UpdateActions.h"

#include "DeviceState.h"
#include "DialogOpener.h"
#include "ErrorInfo.h"
#include "core/AgentFolders.h"
#include "core/AgentSettings.h"
#include "core/DebugLog.h"
#include "core/WorkFile.h"
#include "platform/Clock.h"
#include "platform/Platform.h"
#include "update/DeviceOffer.h"
#include "update/DeviceUpdateWorker.h"

#include <QFile>
#include <QFileInfo>

UpdateActions::UpdateActions(const DeviceState& device, ErrorInfo& errorInfo)
    : m_device(device), m_errorInfo(errorInfo)
{
}

void UpdateActions::checkDeviceUpdate(const QString& sRequest, bool bAutoCheck)
{
    auto* pWorker = new DeviceUpdateWorker(bAutoCheck);
    pWorker->setErrorSink(
        [this](const QString& sCode, const QString& sText) { m_errorInfo.set(sCode, sText); });
    // One device update at a time: a check or install still held is stopped rather than left running.
    m_deviceUpdateSlot.start(pWorker)->checkDeviceUpdate(sRequest);
}

void UpdateActions::installDeviceUpdate(const QString& sRequest, bool bFlag)
{
    auto* pWorker = new DeviceUpdateWorker(false);
    pWorker->setErrorSink(
        [this](const QString& sCode, const QString& sText) { m_errorInfo.set(sCode, sText); });
    m_deviceUpdateSlot.start(pWorker)->installDeviceUpdate(sRequest, bFlag);
}

void UpdateActions::checkKorvoUpdate(const KorvoUpdateWorker::Host& host)
{
    writeLog(1, "[ZeqAgentCtrlMgr][checkKorvoUpdate][Entry]");
    auto* pWorker = new KorvoUpdateWorker();
    pWorker->setHost(host);
    m_korvoUpdateSlot.start(pWorker)->PrepairStartChkKorvoUpdate();
}

bool UpdateActions::checkWendoAgentUpdateAvailable()
{
    writeLog(1, "[ZeqAgentCtrlMgr][checkWendoAgentUpdateAvailable][Entry]");
    const QString sPath = AgentFolders::tempPath("Update.script");
    QList<WorkFile::Row> rows;
    if (WorkFile::readRows(sPath, &rows) && !rows.isEmpty() && rows.first().value(0) == "AGENT") {
        if (WorkFile::writeRows(sPath, {rows.first()})) {
            writeLog(1, "[ZeqAgentCtrlMgr][checkWendoAgentUpdateAvailable]Have device update");
            return true;
        }
    }
    writeLog(1, "[ZeqAgentCtrlMgr][checkWendoAgentUpdateAvailable][End]");
    return false;
}

bool UpdateActions::isUpdateDialogShown() const
{
    return DialogOpener::instance()->isUpdateDialogShown();
}

void UpdateActions::checkWendoAgentupdate()
{
    writeLog(1, "[ZeqAgentCtrlMgr][checkWendoAgentupdate]");
    if (isUpdateDialogShown())
        return;
    DialogOpener::instance()->runAgentUpdateCheck();
}

bool UpdateActions::handleResult(const QObject* pSender, ACTION_STATUS status, const QString& sResult,
                                 Route* pRoute)
{
    Q_UNUSED(sResult);
    switch (status) {
    case DEVICE_CHECKSUCCESS:
        noteCheckDone(pRoute);
        m_deviceUpdateSlot.release(pSender);
        return true;
    case INSTALLUPDATE_SUCCESS:
    case DEVICE_CHECKERROR:
    case DEVICE_REQUESTERROR:
        m_deviceUpdateSlot.release(pSender);
        return true;
    case DEVICE_UNZIPERROR:
    case DEVICE_INSTALLPROCESS:
        // The map worker sends these too: its own are the map family's to handle.
        if (!m_deviceUpdateSlot.holds(pSender))
            return false;
        if (status == DEVICE_UNZIPERROR)
            m_deviceUpdateSlot.release(pSender);
        return true;
    case DEVICE_DOWNLOADPROCESS:
        return true;
    default:
        return false;
    }
}

// A present device's update state follows the lists and it notes the day of its check; for the serial
// family the check counts as the whole check (there is no map check). Without a device the lists are
// the agent's own check: the record still names the device last removed, whose state they do not tell.
void UpdateActions::noteCheckDone(Route* pRoute)
{
    if (!m_device.isPresent())
        return;
    if (m_device.family() == Worker::FAMILY_SERIAL)
        dropUnreachablePackages();
    m_device.doUpdateSetting();
    AgentSettings settings;
    settings.setDeviceValue(m_device.uuid(), "autocheck", Platform::clock().today().toString("yyyy/MM/dd"));
    if (m_device.family() == Worker::FAMILY_SERIAL)
        pRoute->status = MAP_CHECKSUCCESS;
}

// The install puts device software and firmware on the device's drive, which a serial-family device does
// not have: such packages are not offered (downloading them could only end in a failure that sends the
// rider to check a cable that is fine). The agent's own package stays on offer.
void UpdateActions::dropUnreachablePackages()
{
    const QString sPath = AgentFolders::tempPath("Update.script");
    QList<WorkFile::Row> rows;
    if (!QFileInfo::exists(sPath) || !WorkFile::readRows(sPath, &rows))
        return;
    const QList<WorkFile::Row> kept = DeviceOffer::offeredRows(m_device.family(), rows);
    if (kept.size() == rows.size())
        return;
    writeLog(1,
             "[ZeqAgentCtrlMgr][dropUnreachablePackages] %d device package(s) not offered to a serial device",
             rows.size() - kept.size());
    // A list that cannot be trimmed must not offer them either.
    if (!WorkFile::writeRows(sPath, kept) && !QFile::remove(sPath))
        writeLog(1, "[ZeqAgentCtrlMgr][dropUnreachablePackages] cannot rewrite or remove Update.script");
}
