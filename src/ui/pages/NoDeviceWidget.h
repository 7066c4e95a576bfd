#pragma once

#include <QWidget>

class NoDeviceWidget : public QWidget
{
    Q_OBJECT

public:
    explicit NoDeviceWidget(QWidget* parent);
    void setDisplayStatus(int nStatus);

signals:
    void emitRegisterInfo();
};
