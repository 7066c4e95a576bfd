#include "ProcCountryXml.h"

#include "core/AgentFolders.h"
#include "core/DebugLog.h"
#include "core/WorkFile.h"
#include "platform/DeviceFileReader.h"

#include <QDomDocument>
#include <QFile>
#include <QFileInfo>

namespace
{
// Written byte for byte as the service's first table had it, blanks and the escaped "&" included: the
// group names are looked up in the map-language list under these very texts.
const char BUILT_IN[] =
    "China:China\n"
    "USA &amp; Canada:Alberta_Canada,Arizona_USA,British_Columbia_Canada,California_USA,Colorado_USA,"
    "Connecticut_USA,Delaware_USA, Florida_USA,Georgia_USA,Idaho_USA,Illinois_USA,Indiana_USA,Iowa_USA,"
    "Kentucky_USA,Maine_USA,Manitoba_Canada,Maryland_USA,Massachusetts_USA,Michigan_USA,Minnesota_USA,"
    "Montana_USA,Nevada_USA,Newfoundland_And_Labrador_Canada,New_Brunswick_Canada,New_Hampshire_USA,"
    "New_Jersey_USA,New_York_USA,Northwest_Territories_Canada,North_Carolina_USA,North_Dakota_USA,"
    "Nova_Scotia_Canada,Nunavut_Canada,Ohio_USA,Ontario_Canada,Oregon_USA,Pennsylvania_USA,"
    "Prince_Edward_Island_Canada,Quebec_Canada,Rhode_Island_USA,Saskatchewan_Canada,South_Carolina_USA,USA,"
    "Utah_USA,Vermont_USA,Virginia_USA,Washington_USA,West_Virginia_USA,Wisconsin_USA,"
    "Yukon_Territory_Canada\n"
    "Western Europe:United_Kingdom,Ireland,Sweden,Denmark,Finland,Norway,Italy,San_Marino,Vatican_City,"
    "Andorra,Gibraltar,Spain,Portugal,France,Monaco,Germany,Austria,Switzerland,Liechtenstein,Belgium,"
    "Luxembourg,Netherlands\n"
    "Central Europe:Austria,Bulgaria,Croatia,Czech_Republic,Denmark,Estonia,Germany,Greece,Hungary, Italy,"
    "Kosovo,Latvia,Lithuania,Poland,Romania,Serbia,Slovakia,Slovenia,Turkey,Ukraine,Vatican_City\n"
    "AUSNZL:Australia,New_Zealand\n"
    "USA:Alabama_USA,Alaska_USA,Arizona_USA,Arkansas_USA,California_USA,Colorado_USA,Connecticut_USA,"
    "Delaware_USA,Florida_USA,Georgia_USA,Hawaii_USA,Idaho_USA,Illinois_USA,Indiana_USA,Iowa_USA,Kansas_USA,"
    "Kentucky_USA,Louisiana_USAa,Maine_USA,Maryland_USA,Massachusetts_USA,Michigan_USA,Minnesota_USA,"
    "Mississippi_USA,Missouri_USA,Nebraska_USA,Montana_USA,Nevada_USA,New_Hampshire_USA,New_Jersey_USA,"
    "New_Mexico_USA,New_York_USA,North_Carolina_USA,North_Dakota_USA,Ohio_USA,Oklahoma_USA,Oregon_USA,"
    "Pennsylvania_USA,Rhode_Island_USA,South_Carolina_USA,South_Dakota_USA,Tennessee_USA,Texas_USA,Utah_USA,"
    "Vermont_USA,Virginia_USA,Washington_USA,West_Virginia_USA,Wisconsin_USA,Wyoming_USA\n";
} // namespace

QString ProcCountryXml::countryXmlPath()
{
    return AgentFolders::tempPath("country.xml");
}

QString ProcCountryXml::downloadPath()
{
    return AgentFolders::tempPath("country.xml.download");
}

bool ProcCountryXml::takeDownload(bool bSuccess)
{
    QByteArray bytes;
    bool bTaken = bSuccess &&
                  DeviceFileReader::readFile(downloadPath(), FILE_LIMIT, &bytes) == DeviceFileReader::READ_OK;
    if (bTaken)
        bTaken = WorkFile::writeBytes(countryXmlPath(), bytes);
    if (!bTaken)
        writeLog(1, "[ProcCountryXml][takeDownload] no new country.xml, the old copy stays");
    QFile::remove(downloadPath());
    return bTaken;
}

QString ProcCountryXml::countryScriptPath()
{
    return AgentFolders::tempPath("country.script");
}

QByteArray ProcCountryXml::builtInScript()
{
    return QByteArray(BUILT_IN);
}

bool ProcCountryXml::writeBuiltInScript()
{
    return WorkFile::writeBytes(countryScriptPath(), builtInScript());
}

bool ProcCountryXml::isUnusableName(const QString& sName)
{
    for (const QChar c : sName) {
        if (c == ':' || c == ',' || c == '|' || c == '\n' || c == '\r' || c == QChar(0x2028) ||
            c == QChar(0x2029))
            return true;
    }
    return false;
}

bool ProcCountryXml::parseCountryXml()
{
    return writeCountryScript(countryXmlPath());
}

QStringList ProcCountryXml::elementTexts(const QDomElement& group)
{
    QStringList texts;
    for (QDomElement child = group.firstChildElement(); !child.isNull(); child = child.nextSiblingElement())
        texts.append(child.text());
    return texts;
}

bool ProcCountryXml::readGroups(const QString& sPath, QList<QStringList>* pGroups)
{
    QByteArray bytes;
    QDomDocument doc("ZeqAgent");
    if (DeviceFileReader::readFile(sPath, FILE_LIMIT, &bytes) != DeviceFileReader::READ_OK ||
        !loadBytes(bytes, &doc))
        return false;
    const QDomElement list = doc.documentElement().firstChildElement("grouplist");
    if (list.isNull())
        return false;
    for (QDomElement group = list.firstChildElement(); !group.isNull(); group = group.nextSiblingElement())
        pGroups->append(elementTexts(group));
    return true;
}

bool ProcCountryXml::writeCountryScript(const QString& sXmlPath)
{
    QList<QStringList> groups;
    if (!readGroups(sXmlPath, &groups)) {
        writeLog(1, "[ProcCountryXml][writeCountryScript] %s is no group list", qUtf8Printable(sXmlPath));
        return false;
    }
    QString sText;
    for (const QStringList& group : groups) {
        if (group.isEmpty() || isUnusableName(group.first())) {
            writeLog(1, "[ProcCountryXml][writeCountryScript] group left out");
            continue;
        }
        QStringList countries;
        for (int i = 1; i < group.size(); ++i) {
            if (!isUnusableName(group.at(i)))
                countries.append(group.at(i));
        }
        sText += group.first() + ":" + countries.join(",") + "\n";
    }
    if (!WorkFile::writeBytes(countryScriptPath(), sText.toUtf8())) {
        writeLog(1, "[ProcCountryXml][writeCountryScript] cannot write country.script");
        return false;
    }
    return true;
}

QString ProcCountryXml::readCountryScript()
{
    QByteArray bytes;
    if (DeviceFileReader::readFile(countryScriptPath(), FILE_LIMIT, &bytes) != DeviceFileReader::READ_OK)
        return QString();
    QStringList entries = QString::fromUtf8(bytes.constData(), bytes.size()).split('\n');
    if (!entries.isEmpty() && entries.last().isEmpty())
        entries.removeLast();
    for (QString& sEntry : entries) {
        if (sEntry.endsWith('\r'))
            sEntry.chop(1);
        const int nNul = sEntry.indexOf(QChar(0));
        if (nNul >= 0)
            sEntry.truncate(nNul);
    }
    return entries.join("|");
}

bool ProcCountryXml::tryGroup(const QStringList& group)
{
    if (group.size() < 2)
        return false;
    QStringList names;
    bool bHit = false;
    for (int i = 1; i < group.size(); ++i) {
        const QString sName = QString(group.at(i)).replace('_', ' ');
        if (m_sLookup.contains(sName))
            bHit = true;
        names.append(sName);
    }
    if (bHit) {
        m_sGroupName = group.first();
        m_nCountryCount = group.size() - 1;
        m_sGroupCountries = names.join(",");
    }
    return bHit;
}

void ProcCountryXml::findCountryGroup(const QString& sCountries)
{
    m_sLookup = sCountries;
    const QString sScript = readCountryScript();
    const QStringList lines = sScript.isEmpty() ? QStringList() : sScript.split('|');
    for (const QString& sLine : lines) {
        const int nColon = sLine.indexOf(':');
        if (nColon < 0)
            continue;
        QStringList group = sLine.mid(nColon + 1).split(',', Qt::KeepEmptyParts);
        group.prepend(sLine.left(nColon));
        if (tryGroup(group))
            break;
    }
    const QStringList found = m_sGroupCountries.split(',', Qt::KeepEmptyParts);
    m_nMatchedCount = 0;
    for (const QString& sItem : sCountries.split(", ", Qt::KeepEmptyParts)) {
        if (found.contains(sItem))
            ++m_nMatchedCount;
    }
}

bool ProcCountryXml::open(const QString& sPath)
{
    QList<QStringList> groups;
    if (!readGroups(sPath, &groups))
        return false;
    for (const QStringList& group : groups) {
        if (tryGroup(group))
            break;
    }
    return true;
}
