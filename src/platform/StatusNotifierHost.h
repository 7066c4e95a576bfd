#pragma once

// The desktop's StatusNotifierItem host (the panel of KDE Plasma, or of GNOME with the AppIndicator
// extension), known through the org.kde.StatusNotifierWatcher service of the session bus. Where one is
// registered when the first tray icon is made, Qt 5 puts its tray icons there for the rest of the process,
// and hands their balloons to the desktop's notification service.
class StatusNotifierHost
{
public:
    // Whether the session's watcher has a host registered now. Asks the bus synchronously (bounded); false
    // without a session bus or watcher.
    static bool isRegistered();
};
