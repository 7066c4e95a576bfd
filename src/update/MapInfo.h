#pragma once

#include "net/XMLParserBase.h"

#include <QString>
#include <QStringList>
#include <QStringView>
#include <QVector>

#include <functional>

// Which country group's maps the connected device holds: the map file names of the device's map register
// ("HDD/Map/sigreg.dat" on its first drive) against the groups of "country.script". The map page builds
// one at each refresh and copies the four results.
//
// A fully present group wins over a partly present one, a larger one over a smaller, the earlier one on
// a tie. Without a fully present group the name and count are those of the first group with a hit and
// the country list that of the group with the most hits.
class MapInfo : public XMLParserBase
{
public:
    // The most of the register read.
    static constexpr qint64 REGISTER_LIMIT = 16 * 1024 * 1024;

    // Reads the register below sDriveRoot, the first drive root of the connected drive-family device ("" for
    // none: the serial family and no device have no register), against the groups of "country.script".
    explicit MapInfo(const QString& sDriveRoot);
    // The same against a given group list text.
    MapInfo(const QString& sDriveRoot, const QString& sGroupList);
    ~MapInfo() = default;

    // False when the register cannot be read (the results stay empty).
    bool open(const QString& sPath) override;

    // The map file names of one register line: every ".dat" ends one, at most 40 characters long.
    static QStringList namesOfLine(const QString& sLine);
    static void forEachName(QStringView line, const std::function<void(QStringView)>& take);
    // "New_York_USA" -> "New York": "_USA" and "_Canada" go, "_" becomes a blank.
    static QString displayName(const QString& sEntry);
    static QString registerPath(const QString& sDriveRoot);

    QString m_strCountryList;
    QString m_strCurGroupName;
    int m_nGroupCountryCount = 0;
    bool m_bGroupComplete = false;

private:
    struct Group {
        QString sName;
        QStringList entries;
    };

    void parseGroups();
    void readDevice(const QString& sDriveRoot);
    // Picks the group by the entries found (one flag per entry of m_lstEntries).
    void choose(const QVector<bool>& present);

    QString m_sGroupList;
    QList<Group> m_groups;
    QStringList m_lstEntries; // every entry of every group, once
};
