#pragma once

#include "core/ActionStatus.h"

#include <QObject>
#include <QString>
#include <QStringList>
#include <QTimer>

#include <functional>

class WorkerThread;

// The daily check of the devices known to the signed-in account, without any window: one pass a while
// after the start and then one a day. A pass asks, device after device, the update service and then the
// map service, each device with its own values from its settings group, and reports each device that has
// something newer than it holds with UPDATE_AVAILABLE (113) and the device's "hwname". What counts is what
// the interactive check would offer the device's family (DeviceOffer). A pass checks only
// while no device is connected: a device plugged in, a failed request or the last device ends it.
class KorvoUpdateWorker : public QObject
{
    Q_OBJECT

public:
    // What the worker asks of its owner (the controller).
    struct Host {
        std::function<bool()> deviceConnected;
        std::function<QStringList()> knownDevices; // UUIDs of the account's devices, in its order
        std::function<QString()> user;             // the signed-in account ("acc")
        std::function<void(const QString& sCode, const QString& sText)> error;
    };

    enum Step { STEP_DEVICE = 0, STEP_MAP = 1, STEP_COUNTRY = 2 };

    static const char* const DEFAULT_MAP_UPDATE_URL;

    explicit KorvoUpdateWorker(QObject* pParent = nullptr);
    ~KorvoUpdateWorker() override;

    void setHost(Host host) { m_host = std::move(host); }
    void PrepairStartChkKorvoUpdate();
    bool isPassRunning() const { return m_bPassRunning; }
    QStringList deviceList() const { return m_lstDevices; }
    QString mapCheckUrl() const { return m_sMapUrl; }

    // The device check's request for a device's settings group.
    QString deviceRequest(const QString& sGroup) const;
    // True when a "freeupdate" row of "korvoupdate.script" is newer than the group's map version of its
    // kind.
    static bool hasNewerMap(const QString& sGroup);

    // The country step (started by nothing in the agent; kept with the country table's other writer).
    bool doDownloadCountryXml(const QString& sUrl);
    bool procCountryXml();
    void writeDefaultCountryScript();

signals:
    void emitStatus(ACTION_STATUS status, QString sResult);

public slots:
    void slotDownloadProcess(qint64 nRead, qint64 nTotal);
    void slotCheckDeviceUpdate(QString sRequest);
    void netFinish(bool bSuccess);
    void StartChkKorvoUpdate();

private:
    void loadDeviceList();
    void checkNextDeviceUpdate();
    void doCheckDeviceUpdate(const QString& sRequest);
    void checkMapUpdate();
    void doCheckMapFreeUpdate(const QString& sRequest);
    bool procCheckUpdate();
    bool isOffered(bool bAgentOffered) const;
    bool procFreeMap();
    void nextDevice();
    void endPass(const char* szWhy);
    bool isDeviceConnected() const;
    void post(const QString& sUrl, const QString& sBody);
    void removeWorkFiles();
    void clearError();
    QString currentGroup() const { return m_lstDevices.value(m_nDeviceIndex); }

    Host m_host;
    int m_nStep = STEP_DEVICE;
    QString m_sRequest;
    QString m_sDeviceUrl;
    QString m_sMapUrl;
    QString m_sCountryUrl;
    QString m_sAnswerFile;
    WorkerThread* m_pThread = nullptr;
    int m_nDeviceCount = 0;
    int m_nDeviceIndex = 0;
    QStringList m_lstDevices;
    QTimer m_timer;
    QTimer m_firstPass;
    bool m_bPassRunning = false;
};
