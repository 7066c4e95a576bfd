#pragma once

#include "support/RealInput.h"

#include <QPushButton>
#include <QString>
#include <QStringList>
#include <QWidget>

// What a person does with an update offer in the demo: waits until it is the active window, then clicks
// Update. The steps go into lstSteps, which the tests compare ("offered", "update clicked true"); an offer
// that never becomes active is closed and noted as such.
inline void clickUpdateOnOffer(RealInput& input, QWidget* pOffer, QStringList& lstSteps)
{
    if (!input.showWindow(pOffer)) {
        lstSteps << "offer never active";
        pOffer->close();
        return;
    }
    lstSteps << "offered";
    lstSteps << QString("update clicked %1").arg(input.click(pOffer->findChild<QPushButton*>("btn_install")));
}
