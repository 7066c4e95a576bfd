#pragma once

#include <QByteArray>

// What a helper program started by a test (Xvfb, dbus-daemon) writes into a pipe once it is ready.
namespace ChildOutput
{
// Reads one line (without its '\n') from the descriptor; empty when the writer closes the pipe, fails,
// or writes no whole line within nGuardMs of silence.
QByteArray readLine(int nFd, int nGuardMs);
} // namespace ChildOutput
