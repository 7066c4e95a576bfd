#pragma once

#include "support/FakeShareService.h"

#include <QByteArray>
#include <QList>
#include <QSet>
#include <QString>

#include <functional>

// The sharing service's side of the demo: two accounts (the demo account, whose password is checked, and
// one that was never verified), the devices registered to the demo account, its sync choices, the rides
// it has received (each is asked for once, however often the device is plugged in or signed in) and one
// route track that a drive-family device is sent until it holds it. Answers are the service's SOAP
// answers, built with the sharing fake's answer shape.
class DemoAccount
{
public:
    static const char* const USER;
    static const char* const PASSWORD;
    static const char* const UNVERIFIED_USER;
    static const char* const SESSION;
    static const char* const SECOND_UUID;

    struct Device {
        QString sUuid;
        QString sSku;
        QString sModel;
        QString sAdded;
    };

    explicit DemoAccount(std::function<void(const QString&)> record);

    void addDevice(const Device& device) { m_devices.append(device); }
    // The route the service sends down: its title, address and the hash of its file.
    void setRoute(const QString& sTitle, const QString& sUrl, const QString& sHash);

    // The answer to one request body (gzip already undone).
    QByteArray answer(const QByteArray& body);

    int uploadCount() const { return m_nUploads; }
    int syncListCount() const { return m_nSyncLists; }
    QStringList deviceUuids() const;

private:
    QString answerFor(const FakeShareService::Call& call);
    QString signIn(const FakeShareService::Call& call);
    QString syncList(const FakeShareService::Call& call) const;
    QString deviceList() const;
    QString settings() const;
    int indexOf(const QString& sUuid) const;

    std::function<void(const QString&)> m_record;
    QList<Device> m_devices;
    QSet<QString> m_received; // hashes of the rides uploaded
    bool m_bKept = true;
    bool m_bAutoSync = true;
    int m_nUploads = 0;
    mutable int m_nSyncLists = 0;
    QString m_sRouteTitle;
    QString m_sRouteUrl;
    QString m_sRouteHash;
};
