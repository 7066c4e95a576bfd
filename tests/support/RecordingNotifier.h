#pragma once

#include "core/Notifier.h"

#include <QList>

#include <QStringList>
#include <functional>

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
        Format format = PLAIN_TEXT;
        QString sCheckText; // the check box of a question that has one
    };

    RecordingNotifier() { Notifier::setInstance(this); }
    ~RecordingNotifier() override { Notifier::setInstance(nullptr); }

    int showMessage(const QString& sTitle, const QString& sText, int nButtons, Format format) override
    {
        m_notices.append({sTitle, sText, nButtons, false, format, QString()});
        // What happens while a real box is open (a device leaving, a result arriving) runs here.
        if (m_whileOpen)
            m_whileOpen();
        return m_nAnswer;
    }
    // Answered with m_nAnswer; the box counts as ticked at the answer when m_bTick is set.
    int askWithCheckBox(const QString& sTitle, const QString& sText, const QString& sCheckText,
                        bool* pChecked) override
    {
        m_notices.append({sTitle, sText, YES | NO, false, PLAIN_TEXT, sCheckText});
        if (m_whileOpen)
            m_whileOpen();
        if (pChecked)
            *pChecked = m_bTick;
        return m_nAnswer;
    }
    void showBalloon(const QString& sTitle, const QString& sText) override
    {
        m_notices.append({sTitle, sText, 0, true, PLAIN_TEXT, QString()});
    }

    QList<Notice> m_notices;
    int m_nAnswer = OK;
    bool m_bTick = false;
    std::function<void()> m_whileOpen;
};
