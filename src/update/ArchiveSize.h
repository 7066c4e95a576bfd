#pragma once

#include "platform/ArchiveTool.h"

#include <QString>
#include <QStringList>

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
    // The room the archive takes when unpacked onto the volume at sDrive: each file rounded up to the
    // volume's allocation unit and each folder (also one only implied by a member's path) one unit. Where
    // the volume cannot be asked, the unpacked bytes and folders count one byte each. -1 where
    // unpackedSize() gives -1.
    static qint64 spaceOnDrive(const QString& sArchive, const QString& sDrive);

    // nSum + nValue, at most the largest count.
    static quint64 addCapped(quint64 nSum, quint64 nValue);
    // nBytes rounded up to whole units of nUnit (nUnit 0 counts as 1).
    static quint64 roundUp(quint64 nBytes, quint64 nUnit);
    // The folders unpacking the member makes, outermost first: "a", "a/b" for a file "a/b/c", and "a/b/c"
    // too for a folder (either slash, empty steps dropped).
    static QStringList foldersOf(const ArchiveTool::Entry& entry);
};
