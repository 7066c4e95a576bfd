#pragma once

#include "controller/DialogOpener.h"

#include <QStringList>
#include <functional>

// Stands in for the window layer's update dialogs: records each request instead of opening a dialog and
// runs m_whileOpen where the real dialog's loop would run. Installs itself for its lifetime.
class CountingDialogOpener : public DialogOpener
{
public:
    CountingDialogOpener() { DialogOpener::setInstance(this); }
    ~CountingDialogOpener() override { DialogOpener::setInstance(nullptr); }

    bool isUpdateDialogShown() override { return m_bDialogShown; }
    void runCheckUpdate(bool bRecover, bool bOfferBackup) override
    {
        record(QString("checkUpdate %1 %2").arg(int(bRecover)).arg(int(bOfferBackup)));
    }
    void runInstall(bool bRecover, bool bAgentOnly) override
    {
        record(QString("install %1 %2").arg(int(bRecover)).arg(int(bAgentOnly)));
    }
    void runAgentUpdateCheck() override { record("agentUpdateCheck"); }
    QWidget* createMapPage(QWidget*) override { return nullptr; }

    int count(const QString& sCall) const { return m_lstCalls.count(sCall); }

    QStringList m_lstCalls;
    bool m_bDialogShown = false;
    std::function<void()> m_whileOpen;

private:
    void record(const QString& sCall)
    {
        m_lstCalls.append(sCall);
        if (m_whileOpen)
            m_whileOpen();
    }
};
