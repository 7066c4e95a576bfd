#pragma once

#include "core/ActionStatus.h"

#include <QString>
#include <QThread>

class NetInterface;

// Asks the sharing service for the devices registered to the account, on a thread of its own. The
// answer stays in "/temp/enumdev.xml" for the controller; success means the answer was read and is not
// an error text.
class EnumDevWorker : public QThread
{
    Q_OBJECT

public:
    explicit EnumDevWorker(QObject* pParent = nullptr);
    ~EnumDevWorker() override;

    void setRequest(const QString& sRequest) { m_sRequest = sRequest; }
    QString responseFile() const { return m_sResponseFile; }

signals:
    void emitStatus(ACTION_STATUS status, QString sResult);

public slots:
    void slotNetFinish(bool bSuccess);

protected:
    void run() override;

private:
    void doEnumDevList(const QString& sRequest);

    NetInterface* m_pNetInterface = nullptr;
    QString m_sRequest;
    QString m_sUrl;
    QString m_sResponseFile;
};
