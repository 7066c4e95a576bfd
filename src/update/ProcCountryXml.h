#pragma once

#include "net/XMLParserBase.h"

#include <QDomElement>
#include <QString>
#include <QStringList>

// The country groups: "country.xml" (a "grouplist" below the document element, one element per group
// whose first child element is the group's name and whose further child elements are its countries,
// whatever their tag names) becomes "country.script", one line per group: the name, ":", the countries
// joined by ",". Only elements count, so a comment or a processing instruction never makes a group or a
// country; a name holding ":", ",", "|" or a line break would break the lines and is left out.
//
// The built-in table of six groups stands in when the downloaded file cannot be read; it is kept here
// once, for the map worker and the daily check alike.
class ProcCountryXml : public XMLParserBase
{
public:
    // The largest "country.xml" and "country.script" read.
    static constexpr qint64 FILE_LIMIT = 4 * 1024 * 1024;

    ProcCountryXml() = default;
    ~ProcCountryXml() = default;

    // "country.xml" of the data folder into "country.script".
    bool parseCountryXml();
    // False when the file is missing, no XML or has no "grouplist" child ("country.script" unchanged).
    bool writeCountryScript(const QString& sXmlPath);
    // The lines of "country.script" joined by "|"; "" when it is missing or unreadable.
    static QString readCountryScript();
    // The six built-in lines, each ended by "\n".
    static QByteArray builtInScript();
    // Replaces "country.script" by the built-in table; false when it could not be written.
    static bool writeBuiltInScript();
    static QString countryXmlPath();
    // Where a fresh "country.xml" is downloaded to before it replaces the old copy.
    static QString downloadPath();
    // Replaces "country.xml" by a finished download (bSuccess) and removes the download; a failed one
    // leaves the old copy. False when nothing was replaced.
    static bool takeDownload(bool bSuccess);
    static QString countryScriptPath();
    // True for a name that cannot stand in a line of "country.script".
    static bool isUnusableName(const QString& sName);

    // The group of the ", "-separated countries in "country.script" (the first line naming any of them,
    // with "_" read as a blank): fills the fields below.
    void findCountryGroup(const QString& sCountries);
    // The same search over a country-group file, with the looked-up text the reader holds.
    bool open(const QString& sPath) override;

    QString m_sLookup;
    int m_nCountryCount = 0;
    int m_nMatchedCount = 0;
    QString m_sGroupName;
    QString m_sGroupCountries;

private:
    // The group elements of the file's "grouplist"; false without one.
    static bool readGroups(const QString& sPath, QList<QStringList>* pGroups);
    static QStringList elementTexts(const QDomElement& group);
    // One group (name first): a hit when one of its countries, "_" read as a blank, is in the lookup.
    bool tryGroup(const QStringList& group);
};
