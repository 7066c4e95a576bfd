#include "MyDevVersionWidget.h"

MyDevVersionWidget::MyDevVersionWidget(QWidget* parent) : QWidget(parent)
{
    setFixedSize(800, 150);
}

void MyDevVersionWidget::refreshVersionInfo(int nStyle)
{
    Q_UNUSED(nStyle);
}
