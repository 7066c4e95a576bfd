#include "DriveVersions.h"

#include "platform/DevicePath.h"

#include <QFile>

bool DriveVersions::readLine(const QString& sPath, QString* pVersion, QString* pDate)
{
    QFile file(sPath);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return false;
    QString sLine = QString::fromLatin1(file.readLine());
    while (sLine.endsWith('\n') || sLine.endsWith('\r'))
        sLine.chop(1);
    *pVersion = sLine.section(';', 0, 0);
    *pDate = sLine.contains(';') ? sLine.section(';', 1, 1) : QString();
    return true;
}

QString DriveVersions::versionOf(const QString& sRoot, const QString& sFile, QString* pDate)
{
    QString sVersion = "0";
    readVersion(sRoot, sFile, &sVersion, pDate);
    return sVersion;
}

bool DriveVersions::readVersion(const QString& sRoot, const QString& sFile, QString* pVersion, QString* pDate)
{
    QString sVersion;
    QString sDate;
    if (!readLine(DevicePath::resolve(sRoot, "KORVO/" + sFile), &sVersion, &sDate))
        return false;
    *pVersion = sVersion.isEmpty() ? QString("0") : sVersion;
    if (pDate)
        *pDate = sDate;
    return true;
}

void DriveVersions::read(const QString& sRoot, Worker::DEVINFO* pInfo)
{
    pInfo->sAppVer = versionOf(sRoot, "version.app");
    pInfo->sOsmVer = versionOf(sRoot, "version.osm", &pInfo->sOsmDate);
    pInfo->bTaMap = true;
    pInfo->sTaVer = "0";
    // A map file that exists but cannot be read leaves the map version as it was.
    if (QFile::exists(DevicePath::resolve(sRoot, "KORVO/version.map")))
        readVersion(sRoot, "version.map", &pInfo->sTaVer, &pInfo->sTaDate);
    if (QFile::exists(DevicePath::resolve(sRoot, "KORVO/version.nq"))) {
        readVersion(sRoot, "version.nq", &pInfo->sTaVer, &pInfo->sTaDate);
        pInfo->bTaMap = false;
    }
    pInfo->sCountryVer = versionOf(sRoot, "version.cnt");
    pInfo->sBmVer = versionOf(sRoot, "version.bm");
}
