#include "MyDevRegWidget.h"

MyDevRegWidget::MyDevRegWidget(QWidget* parent) : QWidget(parent)
{
    setFixedSize(800, 150);
    if (parent)
        connect(this, SIGNAL(emitBtnRegInfoClicked()), parent, SLOT(slotRegisterInfo()));
}

void MyDevRegWidget::refreshDevInfo(int nStyle)
{
    Q_UNUSED(nStyle);
}
