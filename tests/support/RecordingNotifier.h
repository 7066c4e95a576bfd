#pragma once

#include "core/Notifier.h"

#include <QList>
#include <QStringList>

// Records every message box and balloon instead of showing it, and answers message boxes with a
// scripted button (OK by default). Installs itself for its lifetime.
class RecordingNotifier : public Notifier
{
public:
    struct Notice {
        QString sTitle;
        QString sText;
        int nButtons = 0;
        bool bBalloon = false;
    };

    RecordingNotifier() { Notifier::setInstance(this); }
    ~RecordingNotifier() override { Notifier::setInstance(nullptr); }

    int showMessage(const QString& sTitle, const QString& sText, int nButtons) override
    {
        m_notices.append({sTitle, sText, nButtons, false});
        return m_nAnswer;
    }
    void showBalloon(const QString& sTitle, const QString& sText) override
    {
        m_notices.append({sTitle, sText, 0, true});
    }

    QList<Notice> m_notices;
    int m_nAnswer = OK;
};
