#pragma once

#include "platform/UrlLauncher.h"

#include <QList>
#include <QUrl>

// Records the addresses handed to the desktop instead of starting a browser, and answers from the event
// loop, as the desktop does: opened, or not with the given reason.
class FakeUrlLauncher : public UrlLauncher
{
public:
    void open(const QString& sAddress, const HandoffWatch& watch) override;

    // A non-empty reason makes every later address fail to open with it.
    void setFailure(const QString& sWhy) { m_sFailure = sWhy; }

    // Every address asked for, in order, opened or not.
    QList<QUrl> m_lstUrls;

private:
    QString m_sFailure;
};
