#include "DeviceAnswers.h"

#include "DeviceState.h"
#include "core/DebugLog.h"
#include "core/JsonHelper.h"

DeviceAnswers::DeviceAnswers(const DeviceState& device) : m_device(device) {}

void DeviceAnswers::noteAsk(Ask eAsk, const QString& sRequest)
{
    QString sUUID = JsonHelper().parse(sRequest).value("uuid").toString();
    if (sUUID.isEmpty())
        sUUID = m_device.uuid();
    m_lstInFlight.append({eAsk, sUUID});
}

bool DeviceAnswers::isDeviceAnswer(ACTION_STATUS status)
{
    switch (status) {
    case DEVICE_REGISTERED:
    case DEVICE_REGREFUSED:
    case DEVICE_CHECKREGERROR:
    case DEVICE_NOTREGISTERED:
    case DEVICE_REGSUCCESS:
    case DEVICE_REGERROR:
        return true;
    default:
        return false;
    }
}

bool DeviceAnswers::concernsAttachedDevice(const QString& sUUID) const
{
    return m_device.isPresent() && m_device.uuid() == sUUID;
}

bool DeviceAnswers::handleResult(const QObject* pSender, ACTION_STATUS status, const QString& sResult,
                                 Route* pRoute)
{
    Q_UNUSED(pSender);
    Q_UNUSED(sResult);
    if (!isDeviceAnswer(status))
        return false;
    // An answer handed over with nothing on its way (no request was sent through here) has nothing to be
    // compared with and passes on.
    if (m_lstInFlight.isEmpty())
        return true;
    if (!concernsAttachedDevice(m_lstInFlight.takeFirst().sUUID)) {
        writeLog(1,
                 "[ZeqAgentCtrlMgr][slotHandleResults] answer %d about a device no longer attached dropped",
                 int(status));
        pRoute->bWindows = false;
    }
    return true;
}
