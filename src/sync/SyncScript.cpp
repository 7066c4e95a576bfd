#include "SyncScript.h"

#include "core/AgentFolders.h"

#include <QUrl>

QString SyncScript::path()
{
    return AgentFolders::tempPath("Sync.script");
}

bool SyncScript::isWebAddress(const QString& sUrl)
{
    const QUrl url(sUrl);
    const QString sScheme = url.scheme().toLower();
    return url.isValid() && !url.host().isEmpty() &&
           (sScheme == QLatin1String("http") || sScheme == QLatin1String("https"));
}
