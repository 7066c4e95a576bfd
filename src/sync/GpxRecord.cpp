#include "GpxRecord.h"

namespace
{
const char* const STATISTICS[] = {
    "fileid",          "profile",      "time",        "length",       "timelength",      "minlat",
    "minlon",          "maxlat",       "maxlon",      "avgspeed",     "maxspeed",        "minacceleration",
    "maxacceleration", "minaltitude",  "maxaltitude", "totalascent",  "totaldescent",    "calories",
    "avggrade",        "avgcadence",   "maxcadence",  "avgheartrate", "minheartrate",    "maxheartrate",
    "cumulativepower", "maximumpower", "tsspower",    "averagepower", "normalizedpower",
};
} // namespace

const char* const* GpxRecord::statisticNames()
{
    return STATISTICS;
}

QString* GpxRecord::statistic(int nIndex)
{
    QString* fields[] = {
        &fileid,          &profile,      &time,        &length,       &timelength,     &minlat,
        &minlon,          &maxlat,       &maxlon,      &avgspeed,     &maxspeed,       &minacceleration,
        &maxacceleration, &minaltitude,  &maxaltitude, &totalascent,  &totaldescent,   &calories,
        &avggrade,        &avgcadence,   &maxcadence,  &avgheartrate, &minheartrate,   &maxheartrate,
        &cumulativepower, &maximumpower, &tsspower,    &averagepower, &normalizedpower};
    return (nIndex >= 0 && nIndex < statisticCount()) ? fields[nIndex] : nullptr;
}

const QString* GpxRecord::statistic(int nIndex) const
{
    return const_cast<GpxRecord*>(this)->statistic(nIndex);
}
