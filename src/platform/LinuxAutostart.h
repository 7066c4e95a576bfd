#pragma once

#include "Autostart.h"

// The XDG autostart entry "autostart/WendoAgent.desktop" below the user's configuration folder
// ($XDG_CONFIG_HOME, by default ~/.config). Its Exec line names the program as one quoted argument.
class LinuxAutostart : public Autostart
{
public:
    // An empty sConfigDir means the user's configuration folder, looked up at each call.
    explicit LinuxAutostart(const QString& sConfigDir = QString());

    bool setEntry(const QString& sProgramPath) override;
    bool removeEntry() override;
    bool hasEntry() const override;

    QString entryPath() const;
    // The whole file for a program path; the path is quoted and escaped for the Exec key, so blanks,
    // quotes, "$", "%" and backslashes reach the desktop as the path itself.
    static QByteArray entryText(const QString& sProgramPath);
    static QString execArgument(const QString& sProgramPath);

private:
    QString m_sConfigDir;
};
