#include "LinuxUrlLauncher.h"

#include "DesktopHandoff.h"

UrlLauncher::~UrlLauncher() = default;

void LinuxUrlLauncher::open(const QString& sAddress, const HandoffWatch& watch)
{
    // An address begins with its scheme; anything else could be read by the handler as an option.
    if (sAddress.isEmpty() || !sAddress.at(0).isLetter()) {
        watch.reportOutcome(false, QString("\"%1\" is no address").arg(sAddress));
        return;
    }
    DesktopHandoff::start(sAddress, QString(), watch);
}
