#pragma once

#include <QFont>
#include <QString>

// The action buttons of the device pages: Arial, smaller for the languages whose captions run longer.
class ButtonFont
{
public:
    // 10 pt for "da", "de" and "nl", 9 pt for "fr", 12 pt for every other code (compared exactly).
    static QFont forLanguage(const QString& sLangCode);
};
