#include "ButtonFont.h"

QFont ButtonFont::forLanguage(const QString& sLangCode)
{
    QFont font("Arial");
    if (sLangCode == "da" || sLangCode == "de" || sLangCode == "nl")
        font.setPointSize(10);
    else if (sLangCode == "fr")
        font.setPointSize(9);
    else
        font.setPointSize(12);
    return font;
}
