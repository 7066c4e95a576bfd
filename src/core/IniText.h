#pragma once

#include <QByteArray>
#include <QMap>
#include <QString>
#include <QVariant>

// Writes settings as the INI text the settings library reads and writes (UTF-8): "[group]" sections
// with "key=value" lines, keys and values escaped exactly as that library escapes them, so a file
// written here reads back the same through it and an older file keeps reading. Sections and keys come
// in sorted order; "[General]" holds keys outside any group.
class IniText
{
public:
    // Keys are "group/key" as the settings library names them; values as it reads them back.
    using Values = QMap<QString, QVariant>;

    static QByteArray write(const Values& values);

    static QByteArray escapedKey(const QString& sKey);
    static QByteArray escapedValue(const QVariant& value);

private:
    static QByteArray sectionLine(const QString& sSection);
    static QString valueText(const QVariant& value);
    static void appendEscaped(const QString& sText, QByteArray* pOut);
};
