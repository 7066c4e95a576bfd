#include "BackupRestoreParam.h"

#include "BackupFiles.h"
#include "core/DebugLog.h"
#include "platform/DevicePath.h"

#include <QFileInfo>

namespace
{
const char* const g_szKeys[] = {"syssrc", "sysdst", "datasrc", "datadst"};

QString* valueOf(BackupRestoreParam::Values* pValues, int nKey)
{
    QString* fields[] = {&pValues->sSysSrc, &pValues->sSysDst, &pValues->sDataSrc, &pValues->sDataDst};
    return fields[nKey];
}
} // namespace

QString BackupRestoreParam::keepListPath(const QString& sSystemRoot)
{
    return DevicePath::resolve(sSystemRoot, "HDD/APP/keepfile.xml");
}

bool BackupRestoreParam::hasKeepList(const QString& sSystemRoot)
{
    return !sSystemRoot.isEmpty() && QFileInfo(keepListPath(sSystemRoot)).isFile();
}

bool BackupRestoreParam::isCarried(const QString& sValue)
{
    return !sValue.contains(',') && !sValue.contains(';');
}

bool BackupRestoreParam::hasPattern(const QString& sPath)
{
    return sPath.contains('*') || sPath.contains('?');
}

bool BackupRestoreParam::checkDevice(const char* szMethod, const QString& sUUID, const QStringList& lstDrive)
{
    if (!BackupFiles::isUsableUuid(sUUID)) {
        writeLog(1, "[BackupRestoreParam][%s] unusable UUID \"%s\"", szMethod, qUtf8Printable(sUUID));
        return false;
    }
    if (lstDrive.size() < 2 || lstDrive.at(0).isEmpty() || lstDrive.at(1).isEmpty()) {
        writeLog(1, "[BackupRestoreParam][%s] the device has no data drive", szMethod);
        return false;
    }
    // A pattern in a root would let 7z read or write the folders of whatever else the pattern matches; a
    // colon is read by 7z as a drive or stream separator on some systems, so the root would not name
    // the same folder for it as for us.
    for (int i = 0; i < 2; ++i) {
        if (hasPattern(lstDrive.at(i)) || lstDrive.at(i).contains(':')) {
            writeLog(
                1, "[BackupRestoreParam][%s] a drive root with \"*\", \"?\" or \":\" cannot be passed to 7z",
                szMethod);
            return false;
        }
    }
    return true;
}

bool BackupRestoreParam::buildBackup(const QString& sUUID, const QStringList& lstDrive, QString* pParam)
{
    writeLog(1, "[BackupRestoreParam][buildBackup][Entry]");
    if (!checkDevice("buildBackup", sUUID, lstDrive))
        return false;
    const QString sSysRoot = DevicePath::normalizeRoot(lstDrive.at(0));
    const QString sDataRoot = DevicePath::normalizeRoot(lstDrive.at(1));
    Values values;
    values.sSysSrc = BackupFiles::systemArchive(sUUID);
    values.sDataSrc = BackupFiles::dataArchive(sUUID);
    if (hasKeepList(sSysRoot)) {
        values.sSysDst = BackupFiles::stagingDir() + "/*";
        values.sDataDst = DevicePath::resolve(sDataRoot, "Korvo") + "/*";
    } else {
        values.sSysDst = DevicePath::resolve(sSysRoot, "Korvo/Settings") + "/*";
        values.sDataDst = DevicePath::resolve(sDataRoot, "Korvo/Tracks") + "/*";
    }
    return compose(values, pParam);
}

bool BackupRestoreParam::buildRestore(const QString& sUUID, const QStringList& lstDrive, QString* pParam)
{
    writeLog(1, "[BackupRestoreParam][buildRestore][Entry]");
    if (!checkDevice("buildRestore", sUUID, lstDrive))
        return false;
    const QString sSysRoot = DevicePath::normalizeRoot(lstDrive.at(0));
    const QString sDataRoot = DevicePath::normalizeRoot(lstDrive.at(1));
    Values values;
    values.sSysSrc = BackupFiles::systemArchive(sUUID);
    values.sDataSrc = BackupFiles::dataArchive(sUUID);
    if (hasKeepList(sSysRoot)) {
        values.sSysDst = "-o" + sSysRoot;
        values.sDataDst = "-o" + DevicePath::resolve(sDataRoot, "Korvo");
    } else {
        values.sSysDst = "-o" + DevicePath::resolve(sSysRoot, "Korvo/Settings");
        values.sDataDst = "-o" + DevicePath::resolve(sDataRoot, "Korvo/Tracks");
    }
    return compose(values, pParam);
}

bool BackupRestoreParam::compose(const Values& values, QString* pParam)
{
    Values copy = values;
    for (int nKey = 0; nKey < 4; ++nKey) {
        const QString& sValue = *valueOf(&copy, nKey);
        if (!isCarried(sValue)) {
            writeLog(1, "[BackupRestoreParam][compose] a path with \",\" or \";\" cannot be passed: %s",
                     qUtf8Printable(sValue));
            return false;
        }
    }
    *pParam = QString("syssrc,%1;sysdst,%2;datasrc,%3;datadst,%4")
                  .arg(values.sSysSrc, values.sSysDst, values.sDataSrc, values.sDataDst);
    return true;
}

bool BackupRestoreParam::parse(const QString& sParam, Values* pValues)
{
    Values values;
    bool bSeen[4] = {false, false, false, false};
    const QStringList parts = sParam.split(';');
    for (const QString& sPart : parts) {
        if (sPart.isEmpty())
            continue;
        const QStringList fields = sPart.split(',');
        int nKey = 0;
        while (nKey < 4 && fields.at(0) != QLatin1String(g_szKeys[nKey]))
            ++nKey;
        if (nKey == 4 || fields.size() != 2 || fields.at(1).isEmpty() || bSeen[nKey]) {
            writeLog(1, "[BackupRestoreParam][parse] unusable part \"%s\"", qUtf8Printable(sPart));
            return false;
        }
        bSeen[nKey] = true;
        *valueOf(&values, nKey) = fields.at(1);
    }
    for (int nKey = 0; nKey < 4; ++nKey) {
        if (!bSeen[nKey]) {
            writeLog(1, "[BackupRestoreParam][parse] no %s", g_szKeys[nKey]);
            return false;
        }
    }
    *pValues = values;
    return true;
}
