#pragma once

// The delays and periods the agent waits for. Production uses the defaults; tests shorten them so they
// run in well under a second. Values are milliseconds.
class AgentTiming
{
public:
    enum Delay {
        NET_WATCHDOG,      // no byte moved for this long aborts a transfer (30000)
        DOWNLOAD_PROGRESS, // at most one download progress report per period (2000)
        WELCOME_PAUSE,     // the welcome picture at start (3000)
        EXIT_ENABLE,       // "Exit" becomes available after start (30000)
        MONITOR_START,     // the device monitor's first scan after start (50)
        DRIVE_PASS_PAUSE,  // pause between passes over the drives while the data drive is searched (50)
        DRIVE_PASSES,      // how many passes (a count, not ms) (50)
        SERIAL_SILENCE,    // a serial data frame that does not arrive in this time is given up (5000)
        DAILY_CHECK,       // the daily check of every known device (24 h)
        BALLOON,           // how long a tray balloon is shown (10000)
        SYNC_AUTOSTART, // a new sync box starts a sync by itself; also its retry while a backup runs (5000)
        VERSION_CHECK,  // a device page not registered here starts the update check after this (10000)
        BACKUP_PART_PAUSE, // pause between the system part and the data part of a backup or restore (1000)
        BACKUP_DONE_PAUSE, // the full progress bar stays this long before the backup dialog's result (1000)
        REGCHECK_RETRY,    // a registration check that found no answer is asked again after (5000)
        SETTINGS_FETCH,    // the account's sync choices are fetched this long after a Settings page is made
                           // (3000)
        FIRST_DAILY_PASS,  // the daily check's first pass after sign-in (60000)
        ADDON_REFRESH,     // the map page asks the shop again this long after "refresh" (5000)
        SERIAL_BUSY,       // a serial port another program holds is tried again for this long (5000)
        FREE_SPACE_POLL,   // the install dialog asks the device's free space this often while it unpacks
                           // (1000)
        DOWNLOAD_FLOOR_WINDOW, // a download must reach the floor rate over each window this long (60000)
        DOWNLOAD_FLOOR_RATE,   // the floor rate in bytes per second (a rate, not ms) (1024)
        HANDLER_HANDOVER,      // a desktop handler (xdg-open) still running this long after its start has
                               // taken over the page or package it was given (5000)
        DELAY_COUNT
    };

    static int ms(Delay delay);
    static void set(Delay delay, int nValue);
    static void resetDefaults();
};
