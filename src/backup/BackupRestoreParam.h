#pragma once

#include <QString>
#include <QStringList>

// The parameter text of a backup or restore job: "syssrc,%1;sysdst,%2;datasrc,%3;datadst,%4". The
// "src" values are the archives; the "dst" values are what a backup reads (a 7z source pattern) and a
// restore writes (a 7z output switch "-o" + folder). The backup and restore dialog builds it from the
// current device (UUID, drive roots) and hands it to the controller, which hands it to the worker.
//
// The text cannot carry "," or ";" inside a value: building refuses such a value (with a log line)
// instead of producing a text that would be cut, and parsing refuses any part that is not exactly one
// known key and one value.
class BackupRestoreParam
{
public:
    struct Values {
        QString sSysSrc;
        QString sSysDst;
        QString sDataSrc;
        QString sDataDst;
    };

    // lstDrive: system drive root first, data drive root second, each a mount path ending in "/".
    // With a keep list the system source is the staging folder: stage it first (ProcKeepFileXml).
    static bool buildBackup(const QString& sUUID, const QStringList& lstDrive, QString* pParam);
    static bool buildRestore(const QString& sUUID, const QStringList& lstDrive, QString* pParam);

    static bool compose(const Values& values, QString* pParam);
    static bool parse(const QString& sParam, Values* pValues);

    // True when sPath holds "*" or "?", which 7z expands in archive names, sources and output folders.
    static bool hasPattern(const QString& sPath);

    // "HDD/APP/keepfile.xml" below the system drive root, matched without regard to case.
    static QString keepListPath(const QString& sSystemRoot);
    static bool hasKeepList(const QString& sSystemRoot);

private:
    static bool checkDevice(const char* szMethod, const QString& sUUID, const QStringList& lstDrive);
    static bool isCarried(const QString& sValue);
};
