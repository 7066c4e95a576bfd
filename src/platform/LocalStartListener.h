#pragma once

#include "StartSocketPlace.h"

#include <QObject>
#include <QString>
#include <QTimer>

#include <functional>
#include <sys/types.h>

class QLocalSocket;
class QSocketNotifier;

// The running agent's ear for later starts: a local socket (0600) in the place StartSocketPlace names.
// Each start that sends "show\n" gets "shown\n" and runs onShowAsked; anything else, too long or too slow,
// is dropped. It lasts as long as the agent does:
// - at most OPEN_LIMIT starts are talked to at once, each for EXCHANGE_GUARD_MS at most; the rest wait in
//   the kernel's queue (bounded by its backlog), so a burst of connections cannot use up the files;
// - when no file can be opened for a start (the process or the system is out of them) it waits a moment
//   and takes starts again, instead of giving up its socket;
// - when its socket file is removed or replaced (a cleaner of the temporary folder, a person), it listens
//   there again.
// What befalls it after listen() goes to onTrouble in plain words for the log, once per trouble.
class LocalStartListener : public QObject
{
public:
    static const int OPEN_LIMIT = 32;
    static const int EXCHANGE_GUARD_MS = 3000;
    // How often the socket file is looked at.
    static const int WATCH_PERIOD_MS = 2000;
    // How long accepting rests when no file could be opened.
    static const int REST_MS = 200;

    LocalStartListener(const StartSocketPlace& place, std::function<void()> onShowAsked,
                       std::function<void(const QString&)> onTrouble);
    ~LocalStartListener() override;

    // Makes the socket, taking the place of whatever lies there (the caller holds the agent's lock, so no
    // other agent uses it). False, errorString() saying why, when nobody could reach this agent.
    bool listen();
    QString errorString() const { return m_sError; }

private:
    bool openSocket(QString& sWhy);
    void closeSocket();
    bool socketFileIsOurs() const;
    void acceptStarts();
    void restAfter(int nErrno);
    void watchSocketFile();
    void answerStart(int nFd);
    void updateNotifier();
    void tellTrouble(const QString& sWhat);
    void troubleOver();

    StartSocketPlace m_place;
    std::function<void()> m_onShowAsked;
    std::function<void(const QString&)> m_onTrouble;
    QString m_sError;
    int m_nFd = -1;
    dev_t m_nDevice = 0;
    ino_t m_nInode = 0;
    QSocketNotifier* m_pNotifier = nullptr;
    QTimer m_watch;
    QTimer m_rest;
    int m_nOpen = 0;
    // The trouble told last, so a lasting one is told once; empty while all is well.
    QString m_sTrouble;
};
