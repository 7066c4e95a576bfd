#include "DeviceOffer.h"

#include "core/AgentSettings.h"
#include "core/Worker.h"

namespace
{
const char FAMILY_KEY[] = "family";
}

QString DeviceOffer::requestVersion(int nFamily, const QString& sVersion)
{
    return nFamily == Worker::FAMILY_SERIAL ? QString("0") : sVersion;
}

bool DeviceOffer::isOffered(int nFamily, const QString& sPackageKind)
{
    return nFamily != Worker::FAMILY_SERIAL || sPackageKind == QLatin1String("AGENT");
}

QList<WorkFile::Row> DeviceOffer::offeredRows(int nFamily, const QList<WorkFile::Row>& rows)
{
    QList<WorkFile::Row> offered;
    for (const WorkFile::Row& row : rows) {
        if (isOffered(nFamily, row.value(0)))
            offered.append(row);
    }
    return offered;
}

bool DeviceOffer::hasMapCheck(int nFamily)
{
    return nFamily != Worker::FAMILY_SERIAL;
}

int DeviceOffer::recordedFamily(const QString& sUUID)
{
    const QString sFamily = AgentSettings().getDeviceString(sUUID, FAMILY_KEY);
    return sFamily == QString::number(Worker::FAMILY_SERIAL) ? Worker::FAMILY_SERIAL : Worker::FAMILY_DRIVE;
}

void DeviceOffer::recordFamily(const QString& sUUID, int nFamily)
{
    AgentSettings settings;
    settings.setDeviceValue(sUUID, FAMILY_KEY, QString::number(nFamily));
}
