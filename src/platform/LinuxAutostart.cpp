#include "LinuxAutostart.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

LinuxAutostart::LinuxAutostart(const QString& sConfigDir) : m_sConfigDir(sConfigDir) {}

QString LinuxAutostart::entryPath() const
{
    const QString sConfigDir = m_sConfigDir.isEmpty()
                                   ? QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
                                   : m_sConfigDir;
    return sConfigDir + "/autostart/WendoAgent.desktop";
}

QString LinuxAutostart::execArgument(const QString& sProgramPath)
{
    // Inside a quoted Exec argument '"', '`', '$' and '\' take a backslash; '%' is doubled because
    // it would start a field code. The string escape of desktop files then doubles every backslash.
    QString sQuoted;
    for (const QChar ch : sProgramPath) {
        if (ch == '"' || ch == '`' || ch == '$' || ch == '\\')
            sQuoted += '\\';
        if (ch == '%')
            sQuoted += '%';
        sQuoted += ch;
    }
    sQuoted = '"' + sQuoted + '"';
    sQuoted.replace('\\', "\\\\");
    // Line breaks cannot stand in a value; the string escapes keep them.
    sQuoted.replace('\n', "\\n").replace('\r', "\\r").replace('\t', "\\t");
    return sQuoted;
}

QByteArray LinuxAutostart::entryText(const QString& sProgramPath)
{
    QString sText;
    sText += "[Desktop Entry]\n";
    sText += "Type=Application\n";
    sText += "Name=WendoAgent\n";
    // As the installed entry has them: the desktop's start-up list shows the agent with its icon and
    // words, and ties the window (class "WendoAgent", the application's name) to this entry.
    sText += "Comment=Sync your rides and keep your Wendo GPS cycling computer up to date\n";
    sText += "Icon=wendoagent\n";
    sText += "Exec=" + execArgument(sProgramPath) + "\n";
    sText += "Terminal=false\n";
    sText += "StartupWMClass=WendoAgent\n";
    sText += "X-GNOME-Autostart-enabled=true\n";
    return sText.toUtf8();
}

bool LinuxAutostart::setEntry(const QString& sProgramPath)
{
    const QString sPath = entryPath();
    if (!QDir().mkpath(QFileInfo(sPath).absolutePath()))
        return false;
    QSaveFile file(sPath);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    const QByteArray text = entryText(sProgramPath);
    if (file.write(text) != text.size()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

bool LinuxAutostart::removeEntry()
{
    const QString sPath = entryPath();
    return !QFileInfo::exists(sPath) || QFile::remove(sPath);
}

bool LinuxAutostart::hasEntry() const
{
    return QFileInfo::exists(entryPath());
}
