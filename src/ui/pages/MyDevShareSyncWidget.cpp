#include "MyDevShareSyncWidget.h"

MyDevShareSyncWidget::MyDevShareSyncWidget(QWidget* parent) : QWidget(parent)
{
    setFixedSize(800, 150);
}
