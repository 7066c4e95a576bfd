#pragma once

#include <QDate>
#include <QDateTime>

// Today's date and the present moment as the agent sees them: the dates it writes ("connect",
// "backuptime") and the days it counts (the daily check, premium expiry) come from here, so a test can
// set the day.
class Clock
{
public:
    virtual ~Clock();

    // In local time.
    virtual QDateTime now() const = 0;
    QDate today() const { return now().date(); }
};
