#pragma once

#include "controller/DialogOpener.h"

#include <QList>
#include <QString>

#include <functional>

// Stands in for the update dialogs: records each dialog a window asks for instead of opening it, and runs
// m_whileOpen where the dialog's loop would run (a device leaving, a page taken down meanwhile).
// Installs itself for its lifetime.
class RecordingDialogOpener : public DialogOpener
{
public:
    struct Call {
        QString sDialog;
        bool bFirst = false;
        bool bSecond = false;
    };

    RecordingDialogOpener() { DialogOpener::setInstance(this); }
    ~RecordingDialogOpener() override { DialogOpener::setInstance(nullptr); }

    bool isUpdateDialogShown() override { return m_bShown; }
    void runCheckUpdate(bool bRecover, bool bOfferBackup) override
    {
        record("CheckUpdateDialog", bRecover, bOfferBackup);
    }
    void runInstall(bool bRecover, bool bAgentOnly) override
    {
        record("InstallUpdateDialog", bRecover, bAgentOnly);
    }
    void runAgentUpdateCheck() override { record("CheckWendoAgentUpdateDialog", false, false); }
    QWidget* createMapPage(QWidget*) override { return nullptr; }

    // How often the dialog of that name was asked for.
    int count(const QString& sDialog) const
    {
        int nCount = 0;
        for (const Call& call : m_calls)
            nCount += call.sDialog == sDialog ? 1 : 0;
        return nCount;
    }

    QList<Call> m_calls;
    // Answer of isUpdateDialogShown: another update dialog is open.
    bool m_bShown = false;
    std::function<void()> m_whileOpen;

private:
    void record(const QString& sDialog, bool bFirst, bool bSecond)
    {
        m_calls.append({sDialog, bFirst, bSecond});
        if (m_whileOpen)
            m_whileOpen();
    }
};
