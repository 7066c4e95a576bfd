#pragma once

#include "platform/DesktopNotifications.h"

#include <QList>

// The desktop's notices for tests: records them, and lets the test click one or have the service refuse.
class FakeDesktopNotifications : public DesktopNotifications
{
    Q_OBJECT

public:
    struct Notice {
        QString sTitle;
        QString sText;
        int nTimeoutMs;
    };

    using DesktopNotifications::DesktopNotifications;

    void notify(const QString& sTitle, const QString& sText, int nTimeoutMs) override;
    void click() { emit clicked(); }

    QList<Notice> m_notices;
    // Set: every notice is refused with this reason.
    QString m_sRefusal;
};
