#pragma once

#include "core/ActionStatus.h"

#include <QObject>
#include <QPair>
#include <QQueue>
#include <QString>

class NetInterface;

// The account's conversation with the sharing service: sign-in, the device registration check,
// registration, deregistration, and reading and writing the sync choices. Requests are carried one at a
// time, first in first out, so each answer is read by the handler of the request it answers. Every
// request but the saving of the sync choices ends in exactly one emitStatus.
class GeneralWorker : public QObject
{
    Q_OBJECT

public:
    // Request kinds (m_curStatus).
    enum Kind {
        KIND_NONE = 0,
        KIND_LOGIN = 1,
        KIND_CHECKREG = 2,
        KIND_REG = 3,
        KIND_DEREG = 4,
        KIND_SETSETTING = 5,
        KIND_GETSETTING = 6
    };

    explicit GeneralWorker(QObject* pParent = nullptr);
    ~GeneralWorker() override;

    QString serviceUrl() const { return m_sUrl; }

signals:
    void emitStatus(ACTION_STATUS status, QString sResult);

public slots:
    void slotNetFinish(bool bSuccess);
    void slotLogin(QString sRequest);
    void slotCheckRegDev(QString sRequest);
    void slotRegDev(QString sRequest);
    void slotDeRegDev(QString sRequest);
    void slotSetCustomSetting(QString sRequest);
    void slotGetCustomSetting(QString sRequest);

private:
    void doLogin(const QString& sRequest);
    void doCheckRegDev(const QString& sRequest);
    void registerDev(const QString& sRequest);
    void doDeRegDev(const QString& sRequest);
    void doSetCustomSetting(const QString& sRequest);
    void doGetCustomSetting(const QString& sRequest);

    void procLogin(bool bSuccess);
    void procCheckRegDev();
    void procRegDev();
    void procDeRegDev();
    void procSetCustomSetting();
    void procGetCustomSetting();

    void sendOrQueue(int nKind, const QString& sEnvelope);
    void sendNext();

    int m_curStatus = KIND_NONE;
    QString m_sResponseFile;
    QString m_sUrl;
    NetInterface* m_pNetInterface = nullptr;
    QQueue<QPair<int, QString>> m_pending;
    bool m_bInFlight = false;
};
