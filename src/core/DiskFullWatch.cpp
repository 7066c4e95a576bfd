#include "DiskFullWatch.h"

namespace
{
// Per thread: a thread's writes never count for another thread's work.
thread_local unsigned t_nFullDiskWrites = 0;
} // namespace

DiskFullWatch::DiskFullWatch() : m_nStart(t_nFullDiskWrites) {}

bool DiskFullWatch::seen() const
{
    return t_nFullDiskWrites != m_nStart;
}

void DiskFullWatch::noteFullDisk()
{
    ++t_nFullDiskWrites;
}
