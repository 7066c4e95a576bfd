#include "NoDeviceWidget.h"

NoDeviceWidget::NoDeviceWidget(QWidget* parent) : QWidget(parent)
{
    setFixedSize(800, 433);
    if (parent)
        connect(this, SIGNAL(emitRegisterInfo()), parent, SLOT(slotRegisterInfo()));
}

void NoDeviceWidget::setDisplayStatus(int nStatus)
{
    Q_UNUSED(nStatus);
}
