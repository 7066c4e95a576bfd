#pragma once

#include "DeviceNotice.h"

#include <QObject>

// A source of device notices. startWatching() and stopWatching() are called in the thread the object
// lives in; notices are emitted there (the fake emits wherever its caller runs).
class DeviceNotices : public QObject
{
    Q_OBJECT

public:
    explicit DeviceNotices(QObject* pParent = nullptr);
    ~DeviceNotices() override;

    // Takes the current state as the base line: what is already attached gives no notice.
    virtual bool startWatching() = 0;
    virtual void stopWatching() = 0;

signals:
    void noticeArrived(DeviceNotice notice);
};
