#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// The ";"-separated work lists and answer copies in the data folder's "/temp": one row per line ending
// "\n", the first field naming the kind of row. Always UTF-8 whatever the locale, and always rewritten
// through a temporary file and a rename so a crash never leaves half a list.
//
// A field may hold any text: "%", ";" and line breaks inside a field are written as %25, %3B, %0A and
// %0D and read back, so a title with a ";" never shifts the fields after it. Plain fields are unchanged.
class WorkFile
{
public:
    using Row = QStringList;

    static QString encodeField(const QString& sField);
    static QString decodeField(const QString& sField);
    static QString joinRow(const Row& fields);
    static Row splitRow(const QString& sLine);

    // Rows of the file, empty fields kept, empty lines skipped. A missing file gives false.
    static bool readRows(const QString& sPath, QList<Row>* pRows);
    static bool writeRows(const QString& sPath, const QList<Row>& rows);
    static bool appendRow(const QString& sPath, const Row& fields);
    // Removes the first row and hands it back; false when the file is missing, empty or not rewritable.
    static bool takeFirstRow(const QString& sPath, Row* pFirst);

    static bool readText(const QString& sPath, QString* pText);
    static bool writeText(const QString& sPath, const QString& sText);
    static bool writeBytes(const QString& sPath, const QByteArray& bytes);
};
