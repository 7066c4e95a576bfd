#pragma once

#include <QString>

// The box that tells a user why a plugged-in serial-family device does not appear: its port exists but
// this user may not open it. Says which port and what gives access.
class SerialAccessMessage
{
public:
    static QString title();
    static QString text(const QString& sPort);
    static void show(const QString& sPort);
};
