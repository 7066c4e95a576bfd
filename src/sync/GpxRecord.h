#pragma once

#include <QString>

// What the ride catalogue takes from a ride's GPX file: the track's type and the statistics under the
// track's "extensions", each exactly the text that stood in the file.
struct GpxRecord {
    QString type;
    QString fileid;
    QString profile;
    QString time;
    QString length;
    QString timelength;
    QString minlat;
    QString minlon;
    QString maxlat;
    QString maxlon;
    QString avgspeed;
    QString maxspeed;
    QString minacceleration;
    QString maxacceleration;
    QString minaltitude;
    QString maxaltitude;
    QString totalascent;
    QString totaldescent;
    QString calories;
    QString avggrade;
    QString avgcadence;
    QString maxcadence;
    QString avgheartrate;
    QString minheartrate;
    QString maxheartrate;
    QString cumulativepower;
    QString maximumpower;
    QString tsspower;
    QString averagepower;
    QString normalizedpower;

    // The 29 statistics' element names in record order, and the matching fields.
    static const char* const* statisticNames();
    static int statisticCount() { return 29; }
    QString* statistic(int nIndex);
    const QString* statistic(int nIndex) const;
};
