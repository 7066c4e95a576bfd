#include "ChildProcess.h"

#include <csignal>
#include <sys/prctl.h>
#include <unistd.h>

ChildProcess::ChildProcess(QObject* pParent) : QProcess(pParent), m_nAgentPid(::getpid()) {}

// Runs in the child between fork and exec: only async-signal-safe calls.
void ChildProcess::setupChildProcess()
{
    if (::prctl(PR_SET_PDEATHSIG, SIGKILL) != 0 || ::getppid() != m_nAgentPid)
        ::_exit(127);
}
