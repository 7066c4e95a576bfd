#include "PrivateSessionBus.h"

#include <QByteArray>

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <poll.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

namespace
{
const int START_GUARD_MS = 30000; // a hang guard only

// The address line the daemon prints once it accepts clients; empty on failure or timeout.
QByteArray readLine(int nFd)
{
    QByteArray line;
    for (;;) {
        pollfd pfd{nFd, POLLIN, 0};
        const int nReady = poll(&pfd, 1, START_GUARD_MS);
        if (nReady < 0 && errno == EINTR)
            continue;
        if (nReady <= 0)
            return QByteArray();
        char c = 0;
        const ssize_t nRead = read(nFd, &c, 1);
        if (nRead < 0 && errno == EINTR)
            continue;
        if (nRead <= 0)
            return QByteArray();
        if (c == '\n')
            return line;
        line.append(c);
    }
}
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
    const QByteArray address = readLine(fds[0]).trimmed();
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
