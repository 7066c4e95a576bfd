#pragma once

#include "platform/Autostart.h"

#include <QStringList>

// A start-up entry for tests: remembers the program path and records every call ("set <path>",
// "remove") in order.
class FakeAutostart : public Autostart
{
public:
    bool setEntry(const QString& sProgramPath) override;
    bool removeEntry() override;
    bool hasEntry() const override { return m_bEntry; }

    QString programPath() const { return m_sProgramPath; }

    QStringList m_lstCalls;

private:
    bool m_bEntry = false;
    QString m_sProgramPath;
};
