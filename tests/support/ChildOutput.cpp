#include "ChildOutput.h"

#include <cerrno>
#include <poll.h>
#include <unistd.h>

QByteArray ChildOutput::readLine(int nFd, int nGuardMs)
{
    QByteArray line;
    for (;;) {
        pollfd pfd{nFd, POLLIN, 0};
        const int nReady = poll(&pfd, 1, nGuardMs);
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
