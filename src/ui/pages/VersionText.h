#pragma once

#include <QString>

// The version texts of a drive-family device as the device pages and the update dialogs show them.
// Plain text functions, free of widgets, so every window that names a version shows it alike.
class VersionText
{
public:
    // The ROM line: the number before the first "." behind "R" ("V" for the Quorvane brand), at least
    // two digits. A leading letter is dropped when the number holds an "R" or "V"; what then is no
    // number shows as 00. "R05.12" gives R05, "V03" gives R03 (V03 for Quorvane).
    static QString romText(const QString& sFirmware, bool bQuorvane);
    // The software line: a dotted version as it stands; otherwise its first three characters joined by
    // dots ("1234" gives 1.2.3). A version of fewer than three characters stays as it is.
    static QString softwareText(const QString& sApplication);

private:
    // The decimal number of a text made only of ASCII digits; 0 for anything else (a sign, blanks,
    // letters, an empty text or a number too large to hold).
    static int plainNumber(const QString& sDigits);
};
