#pragma once

// Tells whether a file the agent wrote in this thread, while the watch stood, could not be written because
// its disk was full. A piece of work puts a watch around the writes whose failure it reports, and then says
// "the disk is full" instead of a vaguer failure. Watches of one thread may nest; each sees what happened
// after it was made. The writers (SafeFile and the transfers' own files) call noteFullDisk.
class DiskFullWatch
{
public:
    DiskFullWatch();
    bool seen() const;

    // A write in this thread met a full disk.
    static void noteFullDisk();

private:
    unsigned m_nStart;
};
