#include "SerialAccessMessage.h"

#include "core/DebugLog.h"
#include "core/Notifier.h"

#include <QCoreApplication>

QString SerialAccessMessage::title()
{
    return QCoreApplication::translate("SerialAccessMessage", "Device access");
}

QString SerialAccessMessage::text(const QString& sPort)
{
    return QCoreApplication::translate(
               "SerialAccessMessage",
               "Your Wendo device is plugged in, but WendoAgent may not use its port %1, so the device "
               "cannot be shown.\n\n"
               "Installing the WendoAgent package gives the signed-in user this port. Or add your user to "
               "the group \"dialout\" (sudo adduser $USER dialout) and sign in to the desktop again.\n\n"
               "Then unplug the device and plug it in again.")
        .arg(sPort);
}

void SerialAccessMessage::show(const QString& sPort)
{
    writeLog(1, "[SerialAccessMessage][show] %s", qUtf8Printable(sPort));
    Notifier::instance()->showMessage(title(), text(sPort), Notifier::OK);
}
