#pragma once

#include <QString>

// Where the agent of one data folder listens for later starts, and whether what lies there may be trusted.
// The socket "WendoAgent-<hash of the data folder>.socket" lives in the desktop's runtime folder
// (XDG_RUNTIME_DIR) when that is a private folder of this user and short enough for a local socket's
// name, otherwise in "WendoAgent-<uid>" in the temporary folder. The agent and a later start judge the
// place alike, so both pick the same one.
class StartSocketPlace
{
public:
    enum Check {
        TRUSTED,  // this user's own, private, no link
        NOT_YET,  // missing, or something the listening agent replaces when it listens
        UNTRUSTED // someone else's, or open to others: never to be used
    };

    // The longest path a local socket takes (its address holds 108 bytes, the last one a zero).
    static const int SOCKET_PATH_LIMIT = 107;

    explicit StartSocketPlace(const QString& sLockDir);

    QString folder() const { return m_sFolder; }
    QString socketPath() const { return m_sSocketPath; }

    // Whether the folder is a private folder of this user, reached without a link; sWhy says why not.
    Check checkFolder(QString& sWhy) const;
    // Makes a missing folder (0700). False, sWhy saying why, when it cannot be made or may not be used.
    bool prepareFolder(QString& sWhy) const;
    // Whether the socket is a socket of this user's, not a link; sWhy says why not.
    Check checkSocket(QString& sWhy) const;
    // False, sWhy saying why, when the path is too long for a local socket.
    bool pathFits(QString& sWhy) const;

private:
    static QString chooseFolder(const QString& sSocketName);
    static bool fits(const QString& sPath);

    QString m_sFolder;
    QString m_sSocketPath;
};
