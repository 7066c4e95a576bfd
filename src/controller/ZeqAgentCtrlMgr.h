#pragma once

#include "core/ActionStatus.h"
#include "core/Worker.h"

#include <QList>
#include <QObject>
#include <QString>

class QTranslator;

// The one controller of the agent: every window reaches it through getInstance() and every action
// starts and ends here. Workers report to slotHandleResults; the windows hear actionFinish (and the map
// page emitMapStatus) exactly once per result. Created on first use, never destroyed.
class ZeqAgentCtrlMgr : public QObject
{
    Q_OBJECT

public:
    static ZeqAgentCtrlMgr* getInstance();

    // Copies a service answer file into the debug log, one line per log line.
    void exportToDebugLog(const QString& sPath);

    // Account operations: each forwards the page's JSON request text to the account worker.
    bool login(QString sRequest);
    bool isRegisterDev(QString sRequest);
    bool registerDev(QString sRequest);
    bool deRegDev(QString sRequest);
    bool getCustomSetting(QString sRequest);
    bool setCustomSetting(QString sRequest);
    void logout();
    void setMyDeviceRegWidgetButton(bool bEnable);
    void emitSyncSuccess();

    // Interface language.
    void setLang(QString sCode);
    QString langCode() const { return m_sLangCode; }

    // Stored password and the sharing web site.
    static QString scramblePassword(QString sText);
    static QString unscramblePassword(QString sText);
    void openShareWeb(bool bDashboard, bool bCorrupt);

    // Error details that the update and map readers leave for the next failure report.
    void setErrorInfo(QString sCode, QString sText);
    QString takeErrorCode();
    QString takeErrorString();

    // The current account: signed in when all three are non-empty.
    QString currentUser() const { return m_sUser; }
    QString currentPassword() const { return m_sPassword; }
    QString currentSession() const { return m_sSession; }
    QString pendingUser() const { return m_sPendingUser; }
    QString pendingPassword() const { return m_sPendingPassword; }
    bool isSignedIn() const { return !m_sUser.isEmpty() && !m_sPassword.isEmpty() && !m_sSession.isEmpty(); }

    // The devices registered to the account, in the service's order.
    const QList<Worker::DEVINFO>& regDevList() const { return m_lstRegDev; }
    // Rebuilds the list from an account device list answer text; false for an error answer.
    bool procEnumRegDevText(const QString& sAnswer);

    bool isQuorvane() const { return m_bQuorvane; }

    // Page flags.
    void setShowMapTab(bool bShow) { m_bShowMapTab = bShow; }
    void setSettingNotSave(bool bNotSaved) { m_bSettingNotSave = bNotSaved; }
    void setCheckStarted(bool bStarted) { m_bCheckStarted = bStarted; }
    void setCustomSettingLoaded(bool bLoaded) { m_bCustomSettingLoaded = bLoaded; }
    bool isShowMapTab() const { return m_bShowMapTab; }
    bool isSettingNotSave() const { return m_bSettingNotSave; }
    bool isCheckStarted() const { return m_bCheckStarted; }
    bool isCustomSettingLoaded() const { return m_bCustomSettingLoaded; }
    int m_nDevPageStyle = 0;

signals:
    void emitMapStatus(ACTION_STATUS status, QString sResult);
    void devRefresh(bool bArrival);
    void actionFinish(ACTION_STATUS status, QString sResult);
    void tabMyDevice();
    void emitLogin(QString sRequest);
    void emitCheckRegDev(QString sRequest);
    void emitRegDev(QString sRequest);
    void emitDeRegDev(QString sRequest);
    void emitSetCustomSetting(QString sRequest);
    void emitGetCustomSetting(QString sRequest);

public slots:
    void slotHandleResults(ACTION_STATUS status, QString sResult);

private:
    explicit ZeqAgentCtrlMgr(QObject* pParent = nullptr);
    void pairSettingsFiles();
    void handleAccountResult(ACTION_STATUS status, const QString& sResult);
    void showConnectionMessage();

    // The current account and the one the last sign-in asked for.
    QString m_sUser;
    QString m_sPassword;
    QString m_sSession;
    QString m_sPendingUser;
    QString m_sPendingPassword;

    QList<Worker::DEVINFO> m_lstRegDev;
    QTranslator* m_pTranslator = nullptr;
    QString m_sLangCode;
    bool m_bQuorvane = false;
    QString m_sErrorCode;
    QString m_sErrorString;

    bool m_bShowMapTab = false;
    bool m_bSettingNotSave = false;
    bool m_bCheckStarted = false;
    bool m_bCustomSettingLoaded = false;
};
