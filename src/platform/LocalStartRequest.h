#pragma once

#include "StartSocketPlace.h"

#include <QByteArray>
#include <QDeadlineTimer>
#include <QString>

// A later start asking the running agent to show its window. It talks only to a socket of this user's in
// a private folder of this user, served by a process of this user; anything else is left alone and the
// reason kept. One deadline bounds the whole of it: waiting for the agent to listen, connecting, asking and
// reading the answer.
class LocalStartRequest
{
public:
    // A few seconds: a start must not hang at the desktop, but an agent just started may not listen yet.
    static const int DEADLINE_MS = 5000;

    explicit LocalStartRequest(const StartSocketPlace& place);

    // True once the running agent said it shows its window; otherwise errorString() says why.
    bool askToShow();
    QString errorString() const { return m_sError; }

private:
    // The connected socket, or -1 (m_sError says why).
    int connectInTime();
    // -1: keep trying; -2: give up (m_sError says why); else the connected socket.
    int tryConnect(QString& sWhy);
    bool servedByThisUser(int nFd);
    bool sendRequest(int nFd);
    bool readAnswer(int nFd, QByteArray& answer);
    // Waits for nEvents on nFd within the deadline; false when it passed.
    bool waitFor(int nFd, short nEvents);
    bool fail(const QString& sWhy);

    StartSocketPlace m_place;
    QDeadlineTimer m_deadline;
    QString m_sError;
};
