#pragma once

#include "WorkListQueue.h"
#include "core/ActionStatus.h"
#include "core/WorkFile.h"

#include <QHash>
#include <QMap>
#include <QObject>
#include <QProcess>
#include <QString>

#include <functional>

class PackageCheck;
class RoomCheck;
class WorkerThread;

// The agent's side of the map service. One worker carries one action, started by one entry:
//   checkMapFreeUpdate   map data, then the download history; "map.script" keeps only the newer maps,
//                        one per kind, in install order: 81 ("success" or "AutoCheck"), 82 "proc map
//                        error" / "proc history map error"
//   chkBuyMapAvailData   the shop's offers: 89, or 90
//   checkQueryMapCredit  the download history (its own files), then the credit: 91, or 92
//   queryAddMapUpdate    add-on maps, and their history when none is offered: 94
//   GetCountryString     the map languages: 93
//   installMapFreeUpdate download and verify every listed archive, check the room, unpack the device
//                        packages and then the maps, record the versions: 84; 83, 86, 76 or 99 on failure
//   GetCountryGroup      the country groups, then the map languages: 93 (also when the file failed)
// A failed request or download ends with 83 "true". Every action ends with exactly one final status.
// Nothing that reads a whole archive runs in the GUI thread: the MD5 is worked out while the bytes arrive
// (on the download's thread), the room check's listings run on a helper thread, and the archive program
// tests and unpacks in processes of its own.
// Deleting the worker stops it: a transfer is abandoned and the archive program killed.
// The install's bookkeeping: an archive left in the work folder is resumed or only verified, never fetched
// whole again; the rows stay in "map.script" and "DevDownload.script" until each is installed, and then
// leave one by one in place (WorkListQueue), so a broken-off install leaves exactly the rest listed. An
// installed archive leaves the work folder, and so do archives of earlier lists that no list names.
class MapFreeUpdateWorker : public QObject
{
    Q_OBJECT

public:
    enum RequestState {
        NONE = 0,
        CHECKMAP = 1,
        CHECKMAPHISTORY = 2,
        DOWNLOADMAP = 6,
        UNZIPMAP = 7,
        QUERYMAPCREDIT = 13,
        QUERYADDMAP = 14,
        QUERYADDMAPHISTORY = 15,
        GETESHOPURL = 16,
        GETMAPLANGUAGE = 21,
        QUERYCREDITHISTORY = 24,
        GETCOUNTRYXML = 25,
    };

    // What the worker asks of its owner (the controller); unset members do nothing or give defaults.
    struct Host {
        std::function<void(const QString& sCode, const QString& sText)> error;
        std::function<void(const QString& sText)> queryAddMapResult;
        std::function<void()> creditRead;    // after a credit list was written
        std::function<void()> shopRead;      // after a shop list was written
        std::function<void()> languagesRead; // after a language list was written
        std::function<quint64()> freeSpace;  // of the device's system drive
        std::function<QString()> driveRoot;  // the device's system drive root, "" without one
        std::function<QString()> langCode;   // the interface language the map languages are asked in
    };

    static const char* const DEFAULT_MAP_UPDATE_URL;
    static const char* const DEFAULT_ESHOP_URL;
    static const char* const DEFAULT_LANGUAGE_URL;
    static const char* const DEFAULT_COUNTRY_URL;
    // Room kept free beyond what the archives unpack to.
    static constexpr quint64 SPACE_MARGIN = 2097152;
    // Downloads of one archive whose checksum does not match before the install gives up.
    static constexpr int CHECKSUM_TRIES = 3;

    explicit MapFreeUpdateWorker(bool bAutoCheck, QObject* pParent = nullptr);
    ~MapFreeUpdateWorker() override;

    void setHost(Host host) { m_host = std::move(host); }
    RequestState requestState() const { return m_eState; }

    void checkMapFreeUpdate(const QString& sRequest);
    void chkBuyMapAvailData(const QString& sRequest);
    void checkQueryMapCredit(const QString& sRequest);
    void queryAddMapUpdate(const QString& sRequest);
    void GetCountryString(const QString& sLang);
    void installMapFreeUpdate(const QString& sRequest);
    // The country groups: "country.xml" fetched afresh into "country.script" (the built-in table when
    // no usable file is there), then the map languages: 93.
    bool GetCountryGroup();

    // The request body of a type for its values; plain values keep the fixed template's bytes.
    static QString requestBody(const QString& sType, const QStringList& values);
    // The local name of a row's archive, named as the device packages are (PackageName).
    static QString itemName(const QString& sUrl);
    // Whether a download's MD5 (hexadecimal) is the service's checksum, case ignored; 32 "F" waive it.
    static bool checksumMatches(const QByteArray& digest, const QString& sChecksum);
    static bool isChecksumWaived(const QString& sChecksum);

signals:
    void emitStatus(ACTION_STATUS status, QString sResult);

public slots:
    void slotProcFinish(int nExitCode, QProcess::ExitStatus eExitStatus);
    void terminateMapFreeUpdate();
    void netFinish(bool bSuccess);
    void slotDownloadProcess(qint64 nRead, qint64 nTotal);
    void slotUnzipProcess(int nValue);

private slots:
    void slotPackageChecked(int eResult, int nExitCode);
    void slotRoomChecked();

private:
    // Requests.
    void parseRequest(const QString& sRequest);
    void post(RequestState eState, const QString& sUrl, const QString& sBody, const QString& sAnswer);
    void doCheckMapFreeUpdate();
    void doCheckMapHistoryUpdate();
    void doChkBuyMapAvailData();
    void doQueryCreditHistoryMapUpdate();
    void doQueryMapCredit();
    void doQueryAddMap();
    void doQueryAddMapHistoryUpdate();
    void doGetMapLanguage(const QString& sLang);
    QString creditNotes() const;
    bool addMapListHasRows() const;
    // Answers.
    void dispatch();
    void procFreeMap();
    void procHistoryMap();
    void procCreditHistory();
    void procQueryMapCredit();
    void procAddMap();
    void procAvailableAddMap();
    void procMapLanguage();
    // Country groups.
    bool doGetCountryXml(const QString& sUrl);
    void countryFileDone(bool bSuccess);
    bool procCountryXml();
    void genCountryScript();

    // Install.
    bool checkVersions();
    void countPendingArchives();
    void removeStaleParts();
    void doDownloadUpdate();
    void downloadDone();
    void startRoomCheck();
    void doInstallUpdate();
    void startUnzip(const QString& sDestination);
    void doWriteVerAndReDownload();
    void dropInstalledArchive();
    bool writeVersionFile(const QString& sRelative, const QString& sText);
    bool unzipTargetIsSafe();
    QString versionFile() const;
    bool versionSlotIsSafe(QString* pWhy) const;
    QString deviceTopFolder() const;
    bool isDeviceItem() const;
    static QString deviceItemName(const WorkFile::Row& row);
    void failItem(const QString& sCode, const QString& sText);

    void noteError(const QString& sCode, const QString& sText);
    void finish(ACTION_STATUS status, const QString& sResult = QString());
    void dropThread();

    bool m_bAutoCheck;
    Host m_host;
    RequestState m_eState = NONE;
    bool m_bRunning = true;
    WorkerThread* m_pThread = nullptr;
    PackageCheck* m_pCheck = nullptr;
    RoomCheck* m_pRoomCheck = nullptr;
    QString m_sRequest;
    QString m_sMapUpdateUrl;
    QString m_sEshopUrl;
    QString m_sLanguageUrl;
    QMap<QString, QString> m_device; // model, sku, uuid, bm, ta, osm, country

    // Install.
    QString m_sDrive;
    QString m_sFileName;
    QString m_sDownloadFile;
    QString m_sDownloadChecksum;
    QByteArray m_downloadDigest; // MD5 of the last download, worked out while its bytes arrived
    int m_nTries = 0;
    int m_nDownload = 0; // the map row being downloaded; rows stay listed until installed
    WorkListQueue m_maps;
    WorkListQueue m_devices;
    QHash<QString, int> m_pendingArchives; // item name: rows still to install that name it
    bool m_bDeviceRow = false;
    int m_nDeviceArchives = 0; // of the room check's archives, the device packages come first
    WorkFile::Row m_currentRow;
    QString m_sUnzipTarget;
    QStringList m_lstMembers; // of the archive being unpacked, as its check listed them
};
