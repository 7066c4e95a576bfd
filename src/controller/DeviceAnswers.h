#pragma once

#include "ActionFamily.h"

#include <QList>
#include <QString>

class DeviceState;

// The answers about one device: registration checks (11 to 14) and registrations (21, 22, and 12 for a
// device of another account). The account worker answers its requests in the order they were sent, so
// each answer belongs to the oldest request still on its way. An answer counts only while the device it
// was asked about is attached: one that arrives after that device left, or after another one came, would
// build a device page for a device that is not there.
class DeviceAnswers : public ActionFamily
{
public:
    enum Ask { ASK_CHECK, ASK_REGISTER };

    explicit DeviceAnswers(const DeviceState& device);

    // A check or registration request is being sent; the device it asks about is the one its "uuid"
    // names (the attached device when the text names none).
    void noteAsk(Ask eAsk, const QString& sRequest);
    // Requests sent and not yet answered.
    int inFlight() const { return m_lstInFlight.size(); }

    bool handleResult(const QObject* pSender, ACTION_STATUS status, const QString& sResult,
                      Route* pRoute) override;

private:
    struct Pending {
        Ask eAsk;
        QString sUUID;
    };
    static bool isDeviceAnswer(ACTION_STATUS status);
    bool concernsAttachedDevice(const QString& sUUID) const;

    const DeviceState& m_device;
    QList<Pending> m_lstInFlight;
};
