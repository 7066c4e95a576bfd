#pragma once

#include <QString>

// The agent's reversible scrambling of the remembered password and of the web launcher's query. It is
// not encryption: it keeps the password from being read at a glance in the settings file.
class PasswordScrambler
{
public:
    // Pairs (a, b) become (b - 1, a - 1) as Latin-1 codes, odd texts padded with "0", then Base64.
    // A text with characters outside Latin-1 cannot be scrambled and gives "".
    static QString scramble(const QString& sText);
    // The inverse; a padded text keeps its trailing "0" (the caller knows the clear length). A value that
    // is not a well-formed scrambled text (bad Base64, odd length) gives "": no stored password.
    static QString unscramble(const QString& sText);
};
