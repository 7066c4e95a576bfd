#pragma once

#include <QWidget>

class MyDevRegWidget : public QWidget
{
    Q_OBJECT

public:
    explicit MyDevRegWidget(QWidget* parent);
    void refreshDevInfo(int nStyle);

signals:
    void emitBtnRegInfoClicked();
};
