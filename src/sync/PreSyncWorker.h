#pragma once

#include <QString>
#include <QStringList>
#include <QThread>

#include <atomic>

// The preparation of a sync check, on a thread of its own because fetching a serial-family device's rides
// takes minutes: collects the ride and route files, writes the catalogues "RCF.txt" and "TCF.txt" (those of
// an earlier check are removed first), builds the getRouteSyncList envelope, keeps a copy in "Sync.xml"
// and hands it back by emitPreSync. Touches no member of the SyncWorker that owns it.
//
// Request: {"type","mount","session","user"}; "type" "100" is the serial family ("mount" the port), any
// other the drive family ("mount" the drive root ending in "/").
class PreSyncWorker : public QThread
{
    Q_OBJECT

public:
    explicit PreSyncWorker(const QString& sRequest, QObject* pParent = nullptr);
    // Asks the work to stop and waits for the thread.
    ~PreSyncWorker() override;

    // The serial download and the catalogues stop at their next frame or file; nothing is emitted then.
    void requestAbort() { m_bAbort = true; }
    // The work of the thread; emits emitPreSync once unless stopped. Returns 0.
    int doCheckSync();
    // True when the preparation failed because the computer's disk is full: a ride, the list of rides left
    // behind, a catalogue or the envelope copy could not be written. Set before emitPreSync.
    bool diskFull() const { return m_bDiskFull; }

signals:
    // bSuccess false: the catalogues or the envelope copy could not be written ("/temp" missing or not
    // writable); sSync is then empty.
    void emitPreSync(bool bSuccess, QString sSync);

protected:
    void run() override;

private:
    bool prepareTemp();
    void removeTempRides();
    void collectSerial(const QString& sPort, QStringList* pRides);
    void collectDrive(const QString& sMount, QStringList* pRides, QStringList* pRoutes);
    bool buildCatalogues(const QStringList& rides, const QStringList& routes, QString* pRcf, QString* pTcf);
    void finish(bool bSuccess, const QString& sSync);
    bool prepare(const QString& sRequest, QString* pEnvelope);

    QString m_sRequest;
    QString m_sTempPath;
    std::atomic<bool> m_bAbort{false};
    std::atomic<bool> m_bDiskFull{false};
};
