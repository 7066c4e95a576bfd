#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <atomic>

// The two catalogues a sync check sends: "RCF.txt", one node per ride the device recorded with its
// statistics, and "TCF.txt", one node per route track stored on the device. Each is a JSON array written
// without blanks, keys in the service's order, every value a JSON string escaped as JSON requires.
//
// Every node carries the file's hash "o_hash": SHA-512 of the file's first 1499 characters. It is how the
// service names a ride between the check and the queue, so rides that agree in those characters share it.
//
// Stateless; the check's preparation thread is the caller. pAbort, where given, is polled between files:
// once set, the operation stops and reports nothing written.
class SyncCatalogue
{
public:
    enum { HASH_CHARACTERS = 1499, MAX_THREADS = 8 };

    // A ride file that is not in the catalogue, and why.
    struct LeftOut {
        QString sPath;
        QString sReason;
    };

    // GPX files directly in sDir (the serial family's rides fetched into "/temp").
    static bool listTempGpxFiles(const QString& sDir, QStringList& list);
    // Ride files of the drive family: GPX files at any depth below sDir (the "Korvo/Tracks" folder) in a
    // folder whose path below sDir contains "profile" in any case; "roamwise_route.gpx" never counts.
    static bool scanGpxFilesRecursive(const QString& sDir, QStringList& list);
    // Route files of the drive family: GPX files directly in sDir; empty ones are deleted on the way.
    static bool listGpxFiles(const QString& sDir, QStringList& list);

    // Appends the file's hash (128 lowercase hex digits); false when the file cannot be opened.
    static bool doGenerateHash512(const QString& sPath, QString& sHash);

    static QString doAddTCFFileNode(const QString& sFile, const QString& sLocation, const QString& sSize,
                                    const QString& sTrackName, const QString& sHash);
    // "" when the file is missing, is no GPX track with "extensions", or carries no time, position and
    // average speed.
    static QString doAddRCFFileNode(const QString& sLocation, const QString& sFile, const QString& sSize,
                                    const QString& sTrackName, const QString& sHash);

    // The catalogue text, also written to sPath when the list is not empty. *pbWritten tells whether the
    // file was written (false for an empty list, a failed write or an abort).
    static QString doGenerateTCFFile(const QStringList& files, const QString& sPath,
                                     bool* pbWritten = nullptr, const std::atomic<bool>* pAbort = nullptr);
    // pLeft, where given, receives every ride file left out of the catalogue that is a ride the device
    // recorded (unreadable, its name not valid UTF-8, not a GPX track), each with its reason.
    static QString doGenerateRCFFile(const QStringList& files, const QString& sPath,
                                     bool* pbWritten = nullptr, const std::atomic<bool>* pAbort = nullptr,
                                     QList<LeftOut>* pLeft = nullptr);

    // Writes the text anew as UTF-8 (through a temporary file); false when it could not be written.
    static bool doDumpCF(const QString& sText, const QString& sPath);

    // A GPX file is one whose name ends in "gpx" in any case.
    static bool isGpxName(const QString& sName);
    // The ride node for one listed file, "" when the file is left out of the catalogue; *pReason then
    // says why when the file is a ride that stays behind (it stays empty for a GPX file that carries no
    // time, position or speed: no ride worth reporting).
    static QString rideNode(const QString& sPath, QString* pReason = nullptr);
    // The nodes of all files, in list order, built on several threads; pReasons as rideNode's, by index.
    static QStringList rideNodes(const QStringList& files, const std::atomic<bool>* pAbort,
                                 QStringList* pReasons = nullptr);
    // A listed name that names no file because it is not valid UTF-8 (decoding made it U+FFFD).
    static bool isUndecodableName(const QString& sPath);

private:
    enum NodeVerdict { NODE_OK, NODE_MISSING, NODE_NOT_GPX, NODE_BLANK };
    static QString rcfNode(const QString& sLocation, const QString& sFile, const QString& sSize,
                           const QString& sTrackName, const QString& sHash, NodeVerdict* pVerdict);
    static bool scanFolder(const QString& sRoot, const QString& sRelative, QStringList& list);
    static QString pair(const char* szKey, const QString& sValue);
    static bool aborted(const std::atomic<bool>* pAbort) { return pAbort && pAbort->load(); }
};
