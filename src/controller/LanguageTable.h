#pragma once

#include <QString>

// The interface languages and their translation files below the program folder.
class LanguageTable
{
public:
    // The table's code for sCode (compared lower-cased and whole), or "en" when no row matches.
    static QString codeFor(const QString& sCode);
    // "/lang/WendoAgent_<file code>.qm" for a table code ("zh-tw" becomes "zh_tw").
    static QString fileFor(const QString& sTableCode);
    // Every code of the table, English last.
    static QStringList codes();
};
