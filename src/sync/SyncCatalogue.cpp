#include "SyncCatalogue.h"

#include "ProcGpxXml.h"
#include "core/DebugLog.h"
#include "core/Escaping.h"
#include "core/SafeFile.h"
#include "core/Sha2.h"
#include "platform/DeviceFileReader.h"
#include "platform/DevicePlace.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTextCodec>
#include <QTextStream>
#include <QThread>
#include <QVector>

#include <memory>
#include <vector>

namespace
{
// bSystem also lists what is neither file nor folder (pipes, devices, dangling links, and names that
// decode to no file at all): a ride folder must account for each of them.
QFileInfoList entries(const QString& sDir, bool* pbExists, bool bSystem = false)
{
    const QDir dir(sDir);
    *pbExists = !sDir.isEmpty() && dir.exists();
    if (!*pbExists)
        return QFileInfoList();
    const QDir::Filters filters =
        QDir::AllEntries | QDir::NoDotAndDotDot | (bSystem ? QDir::System : QDir::Filters());
    return dir.entryInfoList(filters, QDir::DirsFirst | QDir::Name);
}

QString trackName(const QString& sFile)
{
    return sFile.left(sFile.size() - 4);
}

bool blank(const QString& sValue)
{
    return sValue.trimmed().isEmpty();
}
} // namespace

bool SyncCatalogue::isGpxName(const QString& sName)
{
    return sName.right(3).toUpper() == QLatin1String("GPX");
}

bool SyncCatalogue::listTempGpxFiles(const QString& sDir, QStringList& list)
{
    bool bExists = false;
    const QFileInfoList infos = entries(sDir, &bExists);
    for (const QFileInfo& info : infos) {
        if (!info.isDir() && isGpxName(info.fileName()))
            list.append(sDir + "/" + info.fileName());
    }
    return bExists;
}

bool SyncCatalogue::listGpxFiles(const QString& sDir, QStringList& list)
{
    bool bExists = false;
    const QFileInfoList infos = entries(sDir, &bExists);
    for (const QFileInfo& info : infos) {
        if (info.isDir() || !isGpxName(info.fileName()))
            continue;
        const QString sPath = sDir + "/" + info.fileName();
        if (info.size() == 0) {
            // An empty route is a failed earlier download; the device cannot use it.
            writeLog(1, "[SyncWorker][listGpxFiles]remove empty %s", qUtf8Printable(sPath));
            QFile::remove(sPath);
            continue;
        }
        list.append(sPath);
    }
    return bExists;
}

bool SyncCatalogue::scanGpxFilesRecursive(const QString& sDir, QStringList& list)
{
    return scanFolder(sDir, QString(), list);
}

bool SyncCatalogue::scanFolder(const QString& sRoot, const QString& sRelative, QStringList& list)
{
    const QString sDir = sRelative.isEmpty() ? sRoot : sRoot + "/" + sRelative;
    bool bExists = false;
    // Only the part below the tracks folder decides: a mount path may well contain "profile".
    const bool bRideFolder = sRelative.toLower().contains(QLatin1String("profile"));
    const QFileInfoList infos = entries(sDir, &bExists, bRideFolder);
    for (const QFileInfo& info : infos) {
        const QString sName = info.fileName();
        if (info.isDir()) {
            if (!info.isSymLink())
                scanFolder(sRoot, sRelative.isEmpty() ? sName : sRelative + "/" + sName, list);
            continue;
        }
        if (bRideFolder && isGpxName(sName) && sName.toLower() != QLatin1String("roamwise_route.gpx"))
            list.append(sDir + "/" + sName);
    }
    // A name that is not valid UTF-8 is not listed above; it is still a ride, and is named as one.
    if (bRideFolder) {
        for (const QString& sName : DevicePlace::undecodableNames(sDir)) {
            if (isGpxName(sName))
                list.append(sDir + "/" + sName);
        }
    }
    return bExists;
}

bool SyncCatalogue::doGenerateHash512(const QString& sPath, QString& sHash)
{
    // The hash covers the first HASH_CHARACTERS characters, at most four bytes each: only that head of the
    // ride file on the device is read.
    QByteArray head;
    const DeviceFileReader::Result result =
        DeviceFileReader::readHead(sPath, qint64(HASH_CHARACTERS) * 4, &head);
    if (result != DeviceFileReader::READ_OK) {
        writeLog(1, "[SyncCatalogue][doGenerateHash512] refused %s: %s", qUtf8Printable(sPath),
                 DeviceFileReader::resultName(result));
        return false;
    }
    QTextStream stream(head);
    stream.setCodec("UTF-8");
    QByteArray bytes = stream.read(HASH_CHARACTERS).toUtf8();
    if (bytes.size() > HASH_CHARACTERS)
        bytes.truncate(HASH_CHARACTERS);
    char digest[129] = {};
    // The digest covers the bytes up to the first zero byte, as the service computes it.
    Sha2().sha512Hex(bytes.constData(), digest);
    sHash += QString::fromLatin1(digest);
    return true;
}

QString SyncCatalogue::pair(const char* szKey, const QString& sValue)
{
    return QString("\"%1\":\"%2\"").arg(QLatin1String(szKey), Escaping::jsonString(sValue));
}

QString SyncCatalogue::doAddTCFFileNode(const QString& sFile, const QString& sLocation, const QString& sSize,
                                        const QString& sTrackName, const QString& sHash)
{
    return "{" + pair("o_file", sFile) + "," + pair("o_file_location", sLocation) + "," +
           pair("o_filesize", sSize) + "," + pair("o_track_name", sTrackName) + "," + pair("o_hash", sHash) +
           "}";
}

QString SyncCatalogue::doAddRCFFileNode(const QString& sLocation, const QString& sFile, const QString& sSize,
                                        const QString& sTrackName, const QString& sHash)
{
    NodeVerdict eVerdict = NODE_OK;
    return rcfNode(sLocation, sFile, sSize, sTrackName, sHash, &eVerdict);
}

QString SyncCatalogue::rcfNode(const QString& sLocation, const QString& sFile, const QString& sSize,
                               const QString& sTrackName, const QString& sHash, NodeVerdict* pVerdict)
{
    *pVerdict = NODE_MISSING;
    if (!QFile::exists(sLocation))
        return QString();
    *pVerdict = NODE_NOT_GPX;
    ProcGpxXml gpx;
    if (!gpx.open(sLocation))
        return QString();
    *pVerdict = NODE_BLANK;
    const GpxRecord& r = gpx.m_record;
    if (blank(r.time) && blank(r.minlat) && blank(r.minlon) && blank(r.avgspeed))
        return QString();
    *pVerdict = NODE_OK;
    QStringList pairs = {pair("o_file", sFile), pair("o_file_location", sLocation), pair("o_filesize", sSize),
                         pair("o_track_name", sTrackName), pair("o_type", r.type)};
    // The service's key order: profile before fileid, then the record's order, the heart-rate group only
    // when it holds a value.
    const int nHeartFirst = 21; // avgheartrate, minheartrate, maxheartrate
    const int nHeartEnd = 24;
    const bool bHeart = !blank(r.avgheartrate) || !blank(r.minheartrate) || !blank(r.maxheartrate);
    QList<int> order = {1, 0};
    for (int i = 2; i < GpxRecord::statisticCount(); ++i) {
        if (bHeart || i < nHeartFirst || i >= nHeartEnd)
            order.append(i);
    }
    for (const int i : order) {
        const QByteArray key = QByteArray("o_") + GpxRecord::statisticNames()[i];
        pairs.append(pair(key.constData(), *r.statistic(i)));
    }
    pairs.append(pair("o_hash", sHash));
    return "{" + pairs.join(',') + "}";
}

bool SyncCatalogue::isUndecodableName(const QString& sPath)
{
    // Decoded by a UTF-8 locale, the bad bytes became U+FFFD and the name no longer finds the file;
    // decoded byte for byte, the bytes are back when the name is encoded again.
    const QString sName = QFileInfo(sPath).fileName();
    if (sName.contains(QChar(QChar::ReplacementCharacter)) && !QFileInfo::exists(sPath))
        return true;
    const QByteArray bytes = QFile::encodeName(sName);
    QTextCodec::ConverterState state;
    QTextCodec::codecForName("UTF-8")->toUnicode(bytes.constData(), bytes.size(), &state);
    return state.invalidChars > 0 || state.remainingChars > 0;
}

QString SyncCatalogue::rideNode(const QString& sPath, QString* pReason)
{
    QString sReason;
    QString sNode;
    QString sHash;
    const QFileInfo info(sPath);
    const QString sFile = info.fileName();
    NodeVerdict eVerdict = NODE_OK;
    if (isUndecodableName(sPath))
        sReason = "its file name is not valid UTF-8";
    else if (!doGenerateHash512(sPath, sHash))
        sReason = "it cannot be read";
    else
        sNode = rcfNode(sPath, sFile, QString::number(info.size()), trackName(sFile), sHash, &eVerdict);
    if (eVerdict == NODE_MISSING)
        sReason = "it is gone from the drive";
    else if (eVerdict == NODE_NOT_GPX)
        sReason = "it is not a GPX track with statistics";
    else if (eVerdict == NODE_BLANK)
        writeLog(1, "[SyncCatalogue][rideNode] %s carries no time, position or speed", qUtf8Printable(sPath));
    if (pReason)
        *pReason = sReason;
    return sNode;
}

QStringList SyncCatalogue::rideNodes(const QStringList& files, const std::atomic<bool>* pAbort,
                                     QStringList* pReasons)
{
    // Every ride file is read whole to check it is well-formed: spread the files over the cores. Each
    // thread reads one file at a time, so memory stays that of a few files whatever their number.
    QVector<QString> nodes(files.size());
    QVector<QString> reasons(files.size());
    std::atomic<int> nNext{0};
    auto work = [&files, &nodes, &reasons, &nNext, pAbort] {
        for (int i = nNext++; i < files.size() && !aborted(pAbort); i = nNext++)
            nodes[i] = rideNode(files.at(i), &reasons[i]);
    };
    const int nThreads = qBound(1, QThread::idealThreadCount(), int(MAX_THREADS));
    std::vector<std::unique_ptr<QThread>> threads;
    for (int i = 1; i < qMin(nThreads, int(files.size())); ++i) {
        threads.emplace_back(QThread::create(work));
        threads.back()->start();
    }
    work();
    for (const std::unique_ptr<QThread>& pThread : threads)
        pThread->wait();
    if (pReasons)
        *pReasons = QStringList(reasons.begin(), reasons.end());
    return QStringList(nodes.begin(), nodes.end());
}

QString SyncCatalogue::doGenerateTCFFile(const QStringList& files, const QString& sPath, bool* pbWritten,
                                         const std::atomic<bool>* pAbort)
{
    writeLog(1, "[SyncWorker][doGenerateTCFFile][Entry]");
    if (pbWritten)
        *pbWritten = false;
    if (files.isEmpty()) {
        writeLog(1, "[SyncWorker][doGenerateTCFFile]can't be found");
        return QString();
    }
    QStringList nodes;
    for (const QString& sLocation : files) {
        if (aborted(pAbort))
            return QString();
        QString sHash;
        doGenerateHash512(sLocation, sHash); // an unreadable route still gets a node, without a hash
        const QFileInfo info(sLocation);
        const QString sFile = info.fileName();
        nodes.append(
            doAddTCFFileNode(sFile, sLocation, QString::number(info.size()), trackName(sFile), sHash));
    }
    const QString sText = "[" + nodes.join(',') + "]";
    const bool bWritten = doDumpCF(sText, sPath);
    if (pbWritten)
        *pbWritten = bWritten;
    writeLog(1, "[SyncWorker][doGenerateTCFFile][End]");
    return sText;
}

QString SyncCatalogue::doGenerateRCFFile(const QStringList& files, const QString& sPath, bool* pbWritten,
                                         const std::atomic<bool>* pAbort, QList<LeftOut>* pLeft)
{
    if (pbWritten)
        *pbWritten = false;
    if (files.isEmpty()) {
        writeLog(1, "[SyncWorker][doGenerateRCFFile]can't be found");
        return QString();
    }
    QStringList reasons;
    const QStringList nodes = rideNodes(files, pAbort, &reasons);
    if (aborted(pAbort))
        return QString();
    for (int i = 0; pLeft && i < files.size(); ++i) {
        if (!reasons.at(i).isEmpty())
            pLeft->append({files.at(i), reasons.at(i)});
    }
    QString sText;
    for (const QString& sNode : nodes) {
        if (sNode.isEmpty())
            continue;
        sText += sText.isEmpty() ? "[" : ",";
        sText += sNode;
    }
    if (!sText.isEmpty())
        sText += "]";
    const bool bWritten = doDumpCF(sText, sPath);
    if (pbWritten)
        *pbWritten = bWritten;
    return sText;
}

bool SyncCatalogue::doDumpCF(const QString& sText, const QString& sPath)
{
    writeLog(1, "[PreSyncWorker][doDumpCF][Entry]");
    // The envelope copy holds the session and the e-mail, the catalogues the user's rides: the owner's only.
    const bool bOk = SafeFile::writePrivate(sPath, sText.toUtf8());
    if (!bOk)
        writeLog(1, "[PreSyncWorker][doDumpCF] cannot write %s", qUtf8Printable(sPath));
    writeLog(1, "[PreSyncWorker][doDumpCF][End]");
    return bOk;
}
