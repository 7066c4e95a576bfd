#include "Notifier.h"

#include "DebugLog.h"

#include <atomic>

namespace
{
class LogOnlyNotifier : public Notifier
{
public:
    int showMessage(const QString& sTitle, const QString& sText, int nButtons, Format) override
    {
        writeLog(1, "[Notifier][showMessage] %s: %s", qUtf8Printable(sTitle), qUtf8Printable(sText));
        return nButtons & OK ? int(OK) : nButtons;
    }
    void showBalloon(const QString& sTitle, const QString& sText) override
    {
        writeLog(1, "[Notifier][showBalloon] %s: %s", qUtf8Printable(sTitle), qUtf8Printable(sText));
    }
};

LogOnlyNotifier g_logOnly;
std::atomic<Notifier*> g_pNotifier{nullptr};
} // namespace

int Notifier::askWithCheckBox(const QString& sTitle, const QString& sText, const QString& sCheckText,
                              bool* pChecked)
{
    writeLog(1, "[Notifier][askWithCheckBox] %s: %s [%s]", qUtf8Printable(sTitle), qUtf8Printable(sText),
             qUtf8Printable(sCheckText));
    if (pChecked)
        *pChecked = false;
    return NO;
}

Notifier* Notifier::instance()
{
    Notifier* pNotifier = g_pNotifier;
    return pNotifier ? pNotifier : &g_logOnly;
}

void Notifier::setInstance(Notifier* pNotifier)
{
    g_pNotifier = pNotifier;
}
