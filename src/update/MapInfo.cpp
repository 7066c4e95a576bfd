#include "MapInfo.h"

#include "ProcCountryXml.h"
#include "core/DebugLog.h"
#include "platform/DeviceFileReader.h"

namespace
{
// What a map file name keeps of the text before its ".dat".
const int NAME_LENGTH = 40;
} // namespace

MapInfo::MapInfo(const QString& sDriveRoot) : m_sGroupList(ProcCountryXml::readCountryScript())
{
    readDevice(sDriveRoot);
}

MapInfo::MapInfo(const QString& sDriveRoot, const QString& sGroupList) : m_sGroupList(sGroupList)
{
    readDevice(sDriveRoot);
}

QString MapInfo::registerPath(const QString& sDriveRoot)
{
    return DeviceFileReader::drivePath(sDriveRoot, "HDD/Map/sigreg.dat");
}

void MapInfo::readDevice(const QString& sDriveRoot)
{
    if (sDriveRoot.isEmpty())
        return;
    const QString sPath = registerPath(sDriveRoot);
    if (!sPath.isEmpty() && DeviceFileReader::isRegularFile(sPath))
        open(sPath);
}

QStringList MapInfo::namesOfLine(const QString& sLine)
{
    QStringList names;
    for (int nAt = sLine.indexOf(".dat"); nAt >= 0; nAt = sLine.indexOf(".dat", nAt + 1))
        names.append(nAt < NAME_LENGTH ? sLine.left(nAt) : sLine.mid(nAt - NAME_LENGTH, NAME_LENGTH));
    return names;
}

QString MapInfo::displayName(const QString& sEntry)
{
    return QString(sEntry).remove("_USA").remove("_Canada").replace('_', ' ');
}

bool MapInfo::open(const QString& sPath)
{
    QByteArray bytes;
    const DeviceFileReader::Result result = DeviceFileReader::readFile(sPath, REGISTER_LIMIT, &bytes);
    if (result != DeviceFileReader::READ_OK) {
        writeLog(1, "[MapInfo][open] register not read: %s", DeviceFileReader::resultName(result));
        return false;
    }
    QStringList names;
    for (QString sLine : QString::fromUtf8(bytes.constData(), bytes.size()).split('\n')) {
        if (sLine.endsWith('\r'))
            sLine.chop(1);
        names += namesOfLine(sLine);
    }
    writeLog(1, "[MapInfo][open]sSigregCountryList %d", names.size());
    choose(names);
    return true;
}

void MapInfo::choose(const QStringList& names)
{
    QString sChosenName;
    QString sChosenList;
    int nChosenCount = 0;
    int nBestCount = 0;
    QString sBestList;
    bool bComplete = false;
    const QStringList groups = m_sGroupList.isEmpty() ? QStringList() : m_sGroupList.split('|');
    for (const QString& sGroup : groups) {
        const int nColon = sGroup.indexOf(':');
        if (nColon < 0)
            continue;
        const QString sName = sGroup.left(nColon);
        // An empty entry (",," or a "," at the end) names no country: it would be found in every name.
        QStringList entries = sGroup.mid(nColon + 1).split(',', Qt::SkipEmptyParts);
        QStringList found;
        for (const QString& sEntry : entries) {
            for (const QString& sFile : names) {
                if (sFile.contains(sEntry) && !found.contains(displayName(sEntry)))
                    found.append(displayName(sEntry));
            }
        }
        const int nFound = found.size();
        if (nFound == 0)
            continue;
        if (nFound > nBestCount) {
            nBestCount = nFound;
            sBestList = found.join(", ");
        }
        if (sChosenName.isEmpty()) {
            sChosenName = sName;
            sChosenList = found.join(", ");
            nChosenCount = entries.size();
            bComplete = nFound == entries.size();
        } else if (nFound == entries.size() && (!bComplete || nChosenCount < entries.size())) {
            writeLog(1, "[MapInfo][open]%d sCurGroupName %s", bComplete ? 1 : 2, qUtf8Printable(sName));
            sChosenName = sName;
            sChosenList = found.join(", ");
            nChosenCount = entries.size();
            bComplete = true;
        }
    }
    m_strCountryList = bComplete ? sChosenList : sBestList;
    m_strCurGroupName = sChosenName;
    m_nGroupCountryCount = nChosenCount;
    m_bGroupComplete = bComplete;
    writeLog(1, "[MapInfo][open]m_strCountryList %s", qUtf8Printable(m_strCountryList));
}
