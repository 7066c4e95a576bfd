#include "UrlOpener.h"

#include "core/AgentTiming.h"
#include "core/DebugLog.h"
#include "core/Notifier.h"
#include "platform/Platform.h"
#include "platform/UrlLauncher.h"

#include <QCoreApplication>
#include <QUrl>

namespace
{
// GUI thread only: a page that fails while the box about another is open adds no second box.
bool g_bBoxShown = false;

// What the log may keep of an address: never its user, query or fragment.
QString loggedForm(const QUrl& url)
{
    return url.toString(QUrl::RemoveUserInfo | QUrl::RemoveQuery | QUrl::RemoveFragment | QUrl::FullyEncoded);
}
} // namespace

bool UrlOpener::open(const QString& sAddress)
{
    const QUrl url(sAddress, QUrl::StrictMode);
    if (!url.isValid()) {
        writeLog(1, "[UrlOpener][open] invalid address");
        return false;
    }
    const QString sTarget = url.toString(QUrl::FullyEncoded);
    const QString sLogged = loggedForm(url);
    HandoffWatch watch;
    watch.pContext = QCoreApplication::instance();
    watch.nHandOverMs = AgentTiming::ms(AgentTiming::HANDLER_HANDOVER);
    watch.outcome = [sTarget, sLogged](bool bOpened, QString sWhat) {
        sWhat.replace(sTarget, sLogged);
        if (bOpened) {
            writeLog(1, "[UrlOpener][open] the desktop took %s: %s", qUtf8Printable(sLogged),
                     qUtf8Printable(sWhat));
            return;
        }
        writeLog(1, "[UrlOpener][open] %s not opened: %s", qUtf8Printable(sLogged), qUtf8Printable(sWhat));
        tellNotOpened(sTarget);
    };
    watch.lateEnd = [sTarget, sLogged](QString sWhat) {
        writeLog(1, "[UrlOpener][open] the handler that took %s ended: %s", qUtf8Printable(sLogged),
                 qUtf8Printable(sWhat.replace(sTarget, sLogged)));
    };
    Platform::urlLauncher().open(sTarget, watch);
    return true;
}

QString UrlOpener::notOpenedTitle()
{
    return "WendoAgent";
}

QString UrlOpener::notOpenedText(const QString& sAddress)
{
    return QString("%1\n\n%2")
        .arg(QCoreApplication::translate(
                 "UrlOpener",
                 "The web page could not be opened. Please check that a web browser is installed."),
             sAddress);
}

void UrlOpener::tellNotOpened(const QString& sAddress)
{
    if (g_bBoxShown) {
        writeLog(1, "[UrlOpener][tellNotOpened] the box about a page is open already");
        return;
    }
    g_bBoxShown = true;
    Notifier::instance()->showMessage(notOpenedTitle(), notOpenedText(sAddress), Notifier::OK,
                                      Notifier::PLAIN_TEXT);
    g_bBoxShown = false;
}
