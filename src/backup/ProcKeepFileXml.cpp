#include "ProcKeepFileXml.h"

#include "BackupFiles.h"
#include "BackupRestoreParam.h"
#include "core/DebugLog.h"
#include "core/FolderTools.h"
#include "platform/DeviceFileReader.h"
#include "platform/DevicePath.h"
#include "platform/DevicePlace.h"

#include <QDir>
#include <QDomDocument>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

namespace
{
const QString g_sSystemPseudoRoot = QStringLiteral("Zeq_system/");
} // namespace

bool ProcKeepFileXml::open(const QString& sPath)
{
    writeLog(1, "[ProcKeepFileXml][open][Entry]");
    QByteArray bytes;
    const DeviceFileReader::Result result =
        DeviceFileReader::readFile(sPath, DeviceFileReader::XML_LIMIT, &bytes);
    QDomDocument doc("ZeqAgent");
    if (result != DeviceFileReader::READ_OK || !loadBytes(bytes, &doc)) {
        writeLog(1, "[ProcKeepFileXml][open] cannot read %s: %s", qUtf8Printable(sPath),
                 result == DeviceFileReader::READ_OK ? "not XML" : DeviceFileReader::resultName(result));
        return false;
    }
    m_fileList.clear();
    m_folderList.clear();
    const QDomElement kept = doc.firstChildElement("kept");
    for (QDomNode node = kept.firstChild(); !node.isNull(); node = node.nextSibling()) {
        if (node.nodeName() == "folder")
            m_folderList.append(node.toElement().text());
        else if (node.nodeName() == "file")
            m_fileList.append(node.toElement().text());
    }
    writeLog(1, "[ProcKeepFileXml][open][End]");
    return true;
}

void ProcKeepFileXml::setSystemRoot(const QString& sRoot)
{
    m_sSystemRoot = sRoot.isEmpty() ? QString() : DevicePath::normalizeRoot(sRoot);
}

QString ProcKeepFileXml::systemRelative(const QString& sEntry)
{
    QString sPath = sEntry;
    sPath.replace('\\', '/');
    sPath.replace(QRegularExpression("/{2,}"), "/");
    if (!sPath.startsWith(g_sSystemPseudoRoot))
        return QString();
    const QString sRel = sPath.mid(g_sSystemPseudoRoot.size());
    if (!DevicePath::isSafeRelative(sRel)) {
        writeLog(1, "[ProcKeepFileXml][systemRelative] refused %s", qUtf8Printable(sEntry));
        return QString();
    }
    const QString sClean = QDir::cleanPath(sRel);
    return (sClean == "." || sClean == "/") ? QString() : sClean;
}

bool ProcKeepFileXml::backupKeepFile()
{
    writeLog(1, "[ProcKeepFileXml][backupKeepFile][Entry]");
    if (m_sSystemRoot.isEmpty() || !BackupRestoreParam::hasKeepList(m_sSystemRoot)) {
        writeLog(1, "[ProcKeepFileXml][backupKeepFile][Keepfile.xml not exit]");
        return false;
    }
    removeDir(BackupFiles::stagingDir());
    QDir().mkpath(BackupFiles::stagingDir());
    stageFiles();
    stageFolders();
    writeLog(1, "[ProcKeepFileXml][backupKeepFile][End]");
    return true;
}

void ProcKeepFileXml::stageFiles()
{
    for (const QString& sEntry : qAsConst(m_fileList)) {
        const QString sRel = systemRelative(sEntry);
        if (sRel.isEmpty())
            continue;
        const QString sSrc = DevicePath::resolve(m_sSystemRoot, sRel);
        const QString sDst = BackupFiles::stagingDir() + "/" + sRel;
        // Only a file of the device itself: a link, or a link on its way, may name any file of the computer.
        QString sWhy;
        if (!DevicePlace::isFile(m_sSystemRoot, sSrc, &sWhy)) {
            writeLog(1, "[ProcKeepFileXml][backupKeepFile] file left out: %s", qUtf8Printable(sWhy));
            continue;
        }
        // No folder for a file the device does not have: a restore would create it there.
        QDir().mkpath(QFileInfo(sDst).path());
        if (!copyFile(sDst, sSrc))
            writeLog(1, "[ProcKeepFileXml][backupKeepFile] file not staged %s", qUtf8Printable(sRel));
    }
}

void ProcKeepFileXml::stageFolders()
{
    for (const QString& sEntry : qAsConst(m_folderList)) {
        const QString sRel = systemRelative(sEntry);
        if (sRel.isEmpty())
            continue;
        const QString sSrc = DevicePath::resolve(m_sSystemRoot, sRel);
        QString sWhy;
        if (!DevicePlace::isFolder(m_sSystemRoot, sSrc, &sWhy)) {
            writeLog(1, "[ProcKeepFileXml][backupKeepFile] folder left out: %s", qUtf8Printable(sWhy));
            continue;
        }
        if (!copyFolder(BackupFiles::stagingDir(), sSrc, sRel))
            writeLog(1, "[ProcKeepFileXml][backupKeepFile] folder not staged %s", qUtf8Printable(sRel));
    }
}

bool ProcKeepFileXml::isInsideStaging(const QString& sPath)
{
    return FolderTools::isInside(sPath, BackupFiles::stagingDir());
}

bool ProcKeepFileXml::copyFile(const QString& sDst, const QString& sSrc)
{
    if (!QFileInfo(sSrc).isFile())
        return false;
    if (!isInsideStaging(sDst)) {
        writeLog(1, "[ProcKeepFileXml][copyFile] outside the staging folder: %s", qUtf8Printable(sDst));
        return false;
    }
    if (QFileInfo(sDst).isFile())
        QFile::remove(sDst);
    return QFile::copy(sSrc, sDst);
}

bool ProcKeepFileXml::copyFolder(const QString& sRoot, const QString& sSrc, const QString& sRel)
{
    const QFileInfo source(sSrc);
    if (!source.isDir() || source.isSymLink())
        return false;
    const QString sTarget = sRoot + "/" + sRel;
    if (!isInsideStaging(sTarget)) {
        writeLog(1, "[ProcKeepFileXml][copyFolder] outside the staging folder: %s", qUtf8Printable(sTarget));
        return false;
    }
    if (QFileInfo(sTarget).isDir())
        removeDir(sTarget);
    return cpDir(sSrc, sRoot, sRel);
}

bool ProcKeepFileXml::cpDir(const QString& sSrc, const QString& sRoot, const QString& sRel)
{
    const QString sTarget = sRoot + "/" + sRel;
    if (!QDir().mkpath(sTarget))
        return false;
    // Hidden entries are kept: a backup that drops them would not restore the device as it was.
    const QFileInfoList entries =
        QDir(sSrc).entryInfoList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    for (const QFileInfo& entry : entries) {
        const QString sSource = sSrc + "/" + entry.fileName();
        bool bOk = true;
        if (entry.isSymLink())
            writeLog(1, "[ProcKeepFileXml][cpDir] left out, a link: %s", qUtf8Printable(sSource));
        else if (entry.isDir())
            bOk = cpDir(sSource, sTarget, entry.fileName());
        else if (entry.isFile())
            bOk = QFile::copy(sSource, sTarget + "/" + entry.fileName());
        else
            qDebug("Unhandled item \"%s\" in cpDir", qUtf8Printable(sSource));
        if (!bOk)
            return false;
    }
    return true;
}

bool ProcKeepFileXml::removeDir(const QString& sPath)
{
    return FolderTools::removeInside(sPath, BackupFiles::stagingDir());
}
