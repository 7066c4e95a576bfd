#include "LanguageTable.h"

#include <QStringList>

namespace
{
const char* const CODES[] = {"bg", "ca", "cs", "da", "de", "et", "es",    "el",   "fr", "hr",
                             "it", "lv", "lt", "hu", "nl", "no", "pl",    "pt",   "ru", "ro",
                             "sl", "sk", "sr", "fi", "sv", "tr", "zh-tw", "zh-cn"};
} // namespace

QString LanguageTable::codeFor(const QString& sCode)
{
    const QString sLower = sCode.toLower();
    for (const char* szCode : CODES) {
        if (sLower == QLatin1String(szCode))
            return sLower;
    }
    return "en";
}

QString LanguageTable::fileFor(const QString& sTableCode)
{
    return "/lang/WendoAgent_" + QString(sTableCode).replace('-', '_') + ".qm";
}

QStringList LanguageTable::codes()
{
    QStringList codes;
    for (const char* szCode : CODES)
        codes.append(QString::fromLatin1(szCode));
    codes.append("en");
    return codes;
}
