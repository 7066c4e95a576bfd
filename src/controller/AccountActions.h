#pragma once

#include "ActionFamily.h"
#include "PendingDeregistrations.h"
#include "WorkerSlot.h"
#include "core/Worker.h"

#include <QList>
#include <QPair>
#include <QString>

// The account: sign-ins on their way and their answers, the current account, sign-out, and the list of
// devices registered to the account (read by its own worker).
class AccountActions : public ActionFamily
{
public:
    AccountActions();

    // A sign-in is being sent: remembers the account the request names (a missing field keeps the
    // previous pending value) as the owner of the next sign-in answer.
    void noteSignIn(const QString& sRequest);
    // Ends the session and forgets the stored password; the user name stays.
    void signOut();

    QString user() const { return m_sUser; }
    QString password() const { return m_sPassword; }
    QString session() const { return m_sSession; }
    QString pendingUser() const { return m_sPendingUser; }
    QString pendingPassword() const { return m_sPendingPassword; }
    bool isSignedIn() const { return !m_sUser.isEmpty() && !m_sPassword.isEmpty() && !m_sSession.isEmpty(); }

    // Asks the service for the account's devices; a list already on its way is superseded.
    void enumRegDevs(const QString& sRequest);
    void stopEnumRegDevs() { m_enumDevSlot.stop(); }
    // Rebuilds the list from "/temp/enumdev.xml"; false for an error answer.
    bool procEnumRegDev();
    // Rebuilds the list from an account device list answer text; false for an error answer.
    bool procEnumRegDevText(const QString& sAnswer);
    const QList<Worker::DEVINFO>& regDevList() const { return m_lstRegDev; }
    PendingDeregistrations& deregistrations() { return m_deregistrations; }

    bool handleResult(const QObject* pSender, ACTION_STATUS status, const QString& sResult,
                      Route* pRoute) override;

private:
    void takeSignInAnswer(ACTION_STATUS status, const QString& sSession);

    QString m_sUser;
    QString m_sPassword;
    QString m_sSession;
    QString m_sPendingUser;
    QString m_sPendingPassword;
    // The accounts of sign-ins still on their way, oldest first: each answer belongs to the oldest.
    QList<QPair<QString, QString>> m_lstSignInsInFlight;
    QList<Worker::DEVINFO> m_lstRegDev;
    PendingDeregistrations m_deregistrations;
    WorkerSlot m_enumDevSlot{this, "account device list", WorkerSlot::EXIT_DEVICELIST};
};
