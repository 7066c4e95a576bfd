#pragma once

#include <QObject>
#include <QString>

// The one controller of the agent: every window reaches it through getInstance() and every action
// starts and ends here. Created on first use, never destroyed.
class ZeqAgentCtrlMgr : public QObject
{
    Q_OBJECT

public:
    static ZeqAgentCtrlMgr* getInstance();

    // Copies a service answer file into the debug log, one line per log line.
    void exportToDebugLog(const QString& sPath);

    bool isQuorvane() const { return m_bQuorvane; }

private:
    explicit ZeqAgentCtrlMgr(QObject* pParent = nullptr);
    void pairSettingsFiles();

    bool m_bQuorvane = false;
};
