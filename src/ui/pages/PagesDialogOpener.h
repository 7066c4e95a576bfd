#pragma once

#include "controller/DialogOpener.h"

// The pages' way to the update dialogs and the map page until those exist: it knows an update dialog
// by its accessible name, logs what it would open, and gives the Map Management tab an empty page.
class PagesDialogOpener : public DialogOpener
{
public:
    bool isUpdateDialogShown() override;
    void runCheckUpdate(bool bRecover, bool bOfferBackup) override;
    void runInstall(bool bRecover, bool bAgentOnly) override;
    void runAgentUpdateCheck() override;
    QWidget* createMapPage(QWidget* pParent) override;
};
