#pragma once

#include <QWidget>

// The signed-in page as the device boxes see it: a parent whose slotRegisterInfo() hears their
// registration button. Counts the calls.
class RegisterInfoParent : public QWidget
{
    Q_OBJECT

public:
    int m_nRegisterInfo = 0;

public slots:
    void slotRegisterInfo() { ++m_nRegisterInfo; }
};
