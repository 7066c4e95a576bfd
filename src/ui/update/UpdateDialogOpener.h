#pragma once

#include "ui/pages/PagesDialogOpener.h"

// The window layer's way to the update dialogs and the Map Management page: the controller and the pages
// open them through this, so neither links the dialogs. Each method builds its dialog without parent, runs
// it modally and destroys it when it closes.
class UpdateDialogOpener : public PagesDialogOpener
{
public:
    void runCheckUpdate(bool bRecover, bool bOfferBackup) override;
    void runAgentUpdateCheck() override;

    void runInstall(bool bRecover, bool bAgentOnly) override;

    QWidget* createMapPage(QWidget* pParent) override;
};
