#include "DriveVersions.h"

#include "core/DebugLog.h"
#include "platform/DeviceFileReader.h"

#include <QFileInfo>

bool DriveVersions::readLine(const QString& sPath, QString* pVersion, QString* pDate)
{
    QByteArray head;
    // Only the head is read: the first line is all that counts, however large the file claims to be.
    const DeviceFileReader::Result result =
        DeviceFileReader::readHead(sPath, DeviceFileReader::LINE_LIMIT, &head);
    if (result != DeviceFileReader::READ_OK) {
        if (result != DeviceFileReader::READ_MISSING)
            writeLog(1, "[DriveVersions][readLine] refused %s: %s", qUtf8Printable(sPath),
                     DeviceFileReader::resultName(result));
        return false;
    }
    const int nEnd = head.indexOf('\n');
    if (nEnd < 0 && head.size() >= DeviceFileReader::LINE_LIMIT) {
        // No version line is that long: a file of zeros or noise, not a version.
        writeLog(1, "[DriveVersions][readLine] no line end in the head of %s", qUtf8Printable(sPath));
        return false;
    }
    QString sLine = QString::fromLatin1(nEnd < 0 ? head : head.left(nEnd));
    while (sLine.endsWith('\r'))
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
    if (!readLine(versionPath(sRoot, sFile), &sVersion, &sDate))
        return false;
    *pVersion = sVersion.isEmpty() ? QString("0") : sVersion;
    if (pDate)
        *pDate = sDate;
    return true;
}

QString DriveVersions::versionPath(const QString& sRoot, const QString& sFile)
{
    return DeviceFileReader::drivePath(sRoot, "KORVO/" + sFile);
}

void DriveVersions::read(const QString& sRoot, Worker::DEVINFO* pInfo)
{
    pInfo->sAppVer = versionOf(sRoot, "version.app");
    pInfo->sOsmVer = versionOf(sRoot, "version.osm", &pInfo->sOsmDate);
    pInfo->bTaMap = true;
    pInfo->sTaVer = "0";
    // A map file that exists but cannot be read leaves the map version as it was.
    if (QFileInfo::exists(versionPath(sRoot, "version.map")))
        readVersion(sRoot, "version.map", &pInfo->sTaVer, &pInfo->sTaDate);
    if (QFileInfo::exists(versionPath(sRoot, "version.nq"))) {
        readVersion(sRoot, "version.nq", &pInfo->sTaVer, &pInfo->sTaDate);
        pInfo->bTaMap = false;
    }
    pInfo->sCountryVer = versionOf(sRoot, "version.cnt");
    pInfo->sBmVer = versionOf(sRoot, "version.bm");
}
