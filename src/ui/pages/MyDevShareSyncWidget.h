#pragma once

#include <QWidget>

class MyDevShareSyncWidget : public QWidget
{
    Q_OBJECT

public:
    explicit MyDevShareSyncWidget(QWidget* parent = nullptr);
};
