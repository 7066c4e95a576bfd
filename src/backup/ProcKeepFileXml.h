#pragma once

#include "net/XMLParserBase.h"

#include <QString>
#include <QStringList>

// The device's keep list "HDD/APP/keepfile.xml": top element "kept" with "folder" and "file" children,
// each naming a path under the pseudo-root "Zeq_system" (system drive) or "Zeq_data" (data drive).
// The entries of the system drive are copied into the staging folder, keeping their paths, and the
// backup then archives that folder. Runs synchronously in the caller's thread.
//
// The list comes from the device, so every entry is checked before it touches anything: it must start
// with "Zeq_system" followed by a separator ("\" and "/" alike), and its path below the drive root may
// hold no "..", no absolute part and no drive letter. Nothing is written or removed outside the
// staging folder.
class ProcKeepFileXml : public XMLParserBase
{
public:
    ProcKeepFileXml() = default;
    ~ProcKeepFileXml() = default;

    // Reads the keep list into the two lists; false only when the file cannot be read as XML. The list
    // is the device's: anything but a regular file of at most DeviceFileReader::XML_LIMIT bytes is
    // refused unread.
    bool open(const QString& sPath) override;
    // The system drive root (a mount path ending in "/") the entries are read from.
    void setSystemRoot(const QString& sRoot);

    // Empties the staging folder and copies the system drive's entries into it. False only when no
    // system root is set or the keep list does not exist on the device (then nothing is touched).
    bool backupKeepFile();

    // Copies one file, replacing sDst; sDst must lie in the staging folder.
    bool copyFile(const QString& sDst, const QString& sSrc);
    // Copies folder sSrc with its content to sRoot + "/" + sRel, replacing what is there (inside the
    // staging folder only).
    bool copyFolder(const QString& sRoot, const QString& sSrc, const QString& sRel);
    bool cpDir(const QString& sSrc, const QString& sRoot, const QString& sRel);
    // Removes a folder with everything in it (hidden entries too). Only the staging folder or a folder
    // inside it is removed, and never any folder above it.
    bool removeDir(const QString& sPath);

    // The entry's path below the drive root when it is a usable "Zeq_system" entry, else "".
    static QString systemRelative(const QString& sEntry);

    QStringList m_fileList;
    QStringList m_folderList;

private:
    static bool isInsideStaging(const QString& sPath);
    void stageFiles();
    void stageFolders();

    QString m_sSystemRoot;
};
