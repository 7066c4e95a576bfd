#pragma once

#include "CheckUpdateDialog.h"

// The update check without the agent's own update: a drive-family device goes from the device check
// straight to the map check, and the offer always proposes a backup first. Nothing opens it today.
class CheckFreeUpdateDialog : public CheckUpdateDialog
{
    Q_OBJECT

public:
    explicit CheckFreeUpdateDialog(bool bRecover, QWidget* parent = nullptr);
};
