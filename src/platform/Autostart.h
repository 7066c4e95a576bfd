#pragma once

#include <QString>

// The desktop's start-up entry of the agent: while it exists the desktop starts the program at sign-in.
// The program writes or removes it to match its "Run at Startup" choice; Platform::autostart() is the
// one it uses.
class Autostart
{
public:
    virtual ~Autostart();

    // Makes the desktop start the program at sProgramPath at sign-in; false when the entry could not be
    // written.
    virtual bool setEntry(const QString& sProgramPath) = 0;
    // Removes the entry; true when none is left.
    virtual bool removeEntry() = 0;
    virtual bool hasEntry() const = 0;
};
