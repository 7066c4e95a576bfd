#pragma once

#include <QString>

// The error code and text that the update and map answer readers leave for the next failure report.
// Each is taken once: taking empties it.
class ErrorInfo
{
public:
    void set(const QString& sCode, const QString& sText);
    QString takeCode();
    QString takeText();

private:
    QString m_sCode;
    QString m_sText;
};
