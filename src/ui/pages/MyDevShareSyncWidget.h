#pragma once

#include "core/ActionStatus.h"
#include "core/Worker.h"

#include <QString>
#include <QWidget>

class QTimer;
class ZeqAgentCtrlMgr;
class Ui_MyDevShareSyncWidget;

// The sync box of the device page: starts and stops the ride sync with the sharing service, shows its
// progress and result, opens the user's recordings on the web site, and starts a sync by itself a while
// after it is built. What a click does is kept in the button's text; the result shown is kept in
// m_nSyncStatus, so a language change can show it again in the new language. Until a sync of this box has
// ended it shows no result: busy while its automatic start is due, nothing at all without one.
//
// A sync and a backup or restore never run side by side: the other boxes hear 60 from the moment a check
// starts until the sync ends (59). The automatic start leaves a sync that is already running alone (the
// box follows its progress) and waits while a backup or restore runs.
class MyDevShareSyncWidget : public QWidget
{
    Q_OBJECT

public:
    explicit MyDevShareSyncWidget(QWidget* pParent = nullptr);
    ~MyDevShareSyncWidget() override;

    // The box's own value for a sync stopped by the user; no worker ever reports it.
    static const int SYNC_STOPPED = 69;
    // The box's own value before a sync of this box has ended: there is no result to show yet.
    static const int SYNC_NO_RESULT = 0;

protected:
    void changeEvent(QEvent* pEvent) override;

private slots:
    void slotSync();
    void slotActionFinish(ACTION_STATUS status, QString sResult);
    void sync();
    void syncBusySkin();

private:
    enum Message { MSG_MEMORY_FULL = 1, MSG_CORRUPTED = 2, MSG_DISK_FULL = 3 };

    // The box as built: no result; busy when it starts its sync by itself.
    void showNoResult(bool bAutoStart);
    void autoSync();
    void doSynclist(const QString& sResult);
    void skinSync(int status);
    void showProgress(const QString& sResult);
    void showQueueRunning();
    void stopSync();
    void showNoDrive();
    void showErrorMsg(int nMessage);
    void applyButtonFont();
    void applyTexts();
    void startBusyTimer();
    void dropBusyTimer();
    // The device's data drive (drive family) or serial port name (serial family); false, and nothing
    // sent, when the device or that path is missing.
    bool syncTarget(QString* pTarget) const;
    QString typeText() const;
    bool isDebugSync() const;

    QString titleText() const;
    QString doneText() const;
    QString partialText() const;
    QString offlineText() const;
    QString uploadText() const;
    QString downloadText() const;

    ZeqAgentCtrlMgr* m_pCtrl = nullptr;
    Ui_MyDevShareSyncWidget* ui = nullptr;
    int m_nType = Worker::FAMILY_DRIVE;
    const Worker::DEVINFOEX* m_pDevice = nullptr;
    QString m_sUser;
    QString m_sSession;
    int m_nBusyFrame = 1;
    QTimer* m_pBusyTimer = nullptr;
    int m_nSyncStatus = SYNC_NO_RESULT;
    QString m_sRecords;
    QString m_sTracks;
};
