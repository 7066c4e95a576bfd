#pragma once

#include <QWidget>

class MyDevVersionWidget : public QWidget
{
    Q_OBJECT

public:
    explicit MyDevVersionWidget(QWidget* parent = nullptr);
    void refreshVersionInfo(int nStyle);
};
