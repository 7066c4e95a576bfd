#include "CheckFreeUpdateDialog.h"

CheckFreeUpdateDialog::CheckFreeUpdateDialog(bool bRecover, QWidget* parent)
    : CheckUpdateDialog(VARIANT_FREE, bRecover, true, parent)
{
}
