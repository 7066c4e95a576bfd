#pragma once

#include "platform/ArchiveTool.h"

#include <QString>

// How many bytes an archive unpacks to, from the archive program's table listing. Runs the program
// directly (no shell, no batch or listing file) and waits for it without an event loop, so no queued
// call of the caller's thread runs meanwhile and nothing the caller holds can be deleted under it. On a
// helper thread, QThread::requestInterruption ends a running listing within SLICE_MS, as a failure.
class ArchiveSize
{
public:
    static constexpr int LIMIT_MS = 30000;
    static constexpr int SLICE_MS = 100;
    // The most listing output read; a larger listing counts as a failure.
    static constexpr qint64 OUTPUT_LIMIT = 64 * 1024 * 1024;

    // The unpacked size in bytes, or -1 when the archive cannot be listed whole: no program, no start, a
    // run over LIMIT_MS, an exit code other than 0, a listing with errors or without its summary.
    static qint64 unpackedSize(const QString& sArchive);
    // The archive's members and total from the same listing; false where unpackedSize() gives -1.
    static bool readListing(const QString& sArchive, ArchiveTool::Listing* pListing);
};
