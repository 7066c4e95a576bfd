#include "MapInfo.h"

#include "ProcCountryXml.h"
#include "SubstringSet.h"
#include "core/DebugLog.h"
#include "platform/DeviceFileReader.h"

namespace
{
// What a map file name keeps of the text before its ".dat".
const int NAME_LENGTH = 40;
} // namespace

MapInfo::MapInfo(const QString& sDriveRoot) : m_sGroupList(ProcCountryXml::readCountryScript())
{
    parseGroups();
    readDevice(sDriveRoot);
}

MapInfo::MapInfo(const QString& sDriveRoot, const QString& sGroupList) : m_sGroupList(sGroupList)
{
    parseGroups();
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

void MapInfo::forEachName(QStringView line, const std::function<void(QStringView)>& take)
{
    const QStringView dat(u".dat");
    for (qsizetype nAt = line.indexOf(dat); nAt >= 0; nAt = line.indexOf(dat, nAt + 1))
        take(nAt < NAME_LENGTH ? line.left(nAt) : line.mid(nAt - NAME_LENGTH, NAME_LENGTH));
}

QStringList MapInfo::namesOfLine(const QString& sLine)
{
    QStringList names;
    forEachName(sLine, [&names](QStringView name) { names.append(name.toString()); });
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
    const QString sText = QString::fromUtf8(bytes.constData(), bytes.size());
    // Every entry against every name in one pass over the names: a register holds tens of thousands, so
    // the names are looked at where they stand, never copied.
    const SubstringSet entries(m_lstEntries);
    QVector<bool> present(entries.patternCount(), false);
    int nNames = 0;
    const auto take = [&](QStringView name) {
        entries.scan(name, &present);
        ++nNames;
    };
    for (qsizetype nStart = 0; nStart <= sText.size();) {
        qsizetype nEnd = sText.indexOf('\n', nStart);
        if (nEnd < 0)
            nEnd = sText.size();
        QStringView line = QStringView(sText).mid(nStart, nEnd - nStart);
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
        forEachName(line, take);
        nStart = nEnd + 1;
    }
    writeLog(1, "[MapInfo][open]sSigregCountryList %d", nNames);
    choose(present);
    return true;
}

void MapInfo::parseGroups()
{
    for (const QString& sGroup : m_sGroupList.isEmpty() ? QStringList() : m_sGroupList.split('|')) {
        const int nColon = sGroup.indexOf(':');
        if (nColon < 0)
            continue;
        // An empty entry (",," or a "," at the end) names no country: it would be found in every name.
        m_groups.append({sGroup.left(nColon), sGroup.mid(nColon + 1).split(',', Qt::SkipEmptyParts)});
        m_lstEntries += m_groups.last().entries;
    }
    m_lstEntries.removeDuplicates();
}

void MapInfo::choose(const QVector<bool>& present)
{
    QString sChosenName;
    QString sChosenList;
    int nChosenCount = 0;
    int nBestCount = 0;
    QString sBestList;
    bool bComplete = false;
    for (const Group& group : qAsConst(m_groups)) {
        QStringList found;
        for (const QString& sEntry : group.entries) {
            if (present.at(m_lstEntries.indexOf(sEntry)) && !found.contains(displayName(sEntry)))
                found.append(displayName(sEntry));
        }
        const int nFound = found.size();
        const int nEntries = group.entries.size();
        if (nFound == 0)
            continue;
        if (nFound > nBestCount) {
            nBestCount = nFound;
            sBestList = found.join(", ");
        }
        if (sChosenName.isEmpty()) {
            sChosenName = group.sName;
            sChosenList = found.join(", ");
            nChosenCount = nEntries;
            bComplete = nFound == nEntries;
        } else if (nFound == nEntries && (!bComplete || nChosenCount < nEntries)) {
            writeLog(1, "[MapInfo][open]%d sCurGroupName %s", bComplete ? 1 : 2, qUtf8Printable(group.sName));
            sChosenName = group.sName;
            sChosenList = found.join(", ");
            nChosenCount = nEntries;
            bComplete = true;
        }
    }
    m_strCountryList = bComplete ? sChosenList : sBestList;
    m_strCurGroupName = sChosenName;
    m_nGroupCountryCount = nChosenCount;
    m_bGroupComplete = bComplete;
    writeLog(1, "[MapInfo][open]m_strCountryList %s", qUtf8Printable(m_strCountryList));
}
