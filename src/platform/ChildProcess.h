#pragma once

#include <QProcess>

// A program the agent runs for a job of its own (the archive program), which must end with the agent:
// killed agents leave no child behind that goes on writing onto a device. The child asks the system for
// SIGKILL when the thread that started it ends, and ends at once when the agent is already gone by the
// time it asks. Start it from the thread that waits for it.
class ChildProcess : public QProcess
{
    Q_OBJECT

public:
    explicit ChildProcess(QObject* pParent = nullptr);

protected:
    void setupChildProcess() override;

private:
    qint64 m_nAgentPid;
};
