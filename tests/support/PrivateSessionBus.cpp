#include "PrivateSessionBus.h"

#include "ChildOutput.h"

#include <QByteArray>

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

namespace
{
const int START_GUARD_MS = 30000; // a hang guard only
} // namespace

PrivateSessionBus::~PrivateSessionBus()
{
    stop();
}

bool PrivateSessionBus::start()
{
    int fds[2];
    if (pipe2(fds, O_CLOEXEC) != 0) {
        m_sFailure = "no pipe";
        return false;
    }
    const pid_t pid = fork();
    if (pid == 0) {
        // The daemon ends with the test process, whatever ends it.
        prctl(PR_SET_PDEATHSIG, SIGKILL);
        dup2(fds[1], STDOUT_FILENO);
        execlp("dbus-daemon", "dbus-daemon", "--session", "--nofork", "--nopidfile", "--print-address=1",
               static_cast<char*>(nullptr));
        _exit(127);
    }
    close(fds[1]);
    if (pid < 0) {
        close(fds[0]);
        m_sFailure = "cannot fork";
        return false;
    }
    m_nPid = pid;
    // The address line the daemon prints once it accepts clients.
    const QByteArray address = ChildOutput::readLine(fds[0], START_GUARD_MS).trimmed();
    close(fds[0]);
    if (address.isEmpty()) {
        stop();
        m_sFailure = "dbus-daemon did not start (is it installed?)";
        return false;
    }
    m_sAddress = QString::fromLatin1(address);
    qputenv("DBUS_SESSION_BUS_ADDRESS", address);
    m_sFailure.clear();
    return true;
}

void PrivateSessionBus::stop()
{
    if (m_nPid <= 0)
        return;
    kill(m_nPid, SIGTERM);
    while (waitpid(m_nPid, nullptr, 0) < 0 && errno == EINTR) {
    }
    m_nPid = 0;
}
