#pragma once

#include <QStringList>

class QWidget;

// The controller's way to the update dialogs, which live in the window layer above it: the program
// installs the widget implementation at start. Until then no dialog is ever shown and none is opened
// (only logged), so the controller and its tests run without widgets.
class DialogOpener
{
public:
    virtual ~DialogOpener() = default;

    // True while any widget, visible or not, carries one of updateDialogNames() as its accessible name.
    virtual bool isUpdateDialogShown() = 0;
    // Each builds its dialog without parent, runs it modally and destroys it when it closes.
    virtual void runCheckUpdate(bool bRecover, bool bOfferBackup) = 0;
    virtual void runInstall(bool bRecover, bool bAgentOnly) = 0;
    virtual void runAgentUpdateCheck() = 0;
    // The Map Management page, made with that parent by the window layer; nullptr where none can be made.
    virtual QWidget* createMapPage(QWidget* pParent) = 0;

    // The accessible names of the dialogs that count as an update dialog being open.
    static QStringList updateDialogNames();

    static DialogOpener* instance();
    // Takes no ownership; nullptr restores the default that shows nothing.
    static void setInstance(DialogOpener* pOpener);
};
