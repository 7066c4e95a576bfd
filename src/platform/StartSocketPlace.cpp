#include "StartSocketPlace.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>

#include <cerrno>
#include <sys/stat.h>
#include <unistd.h>

namespace
{
QString modeText(mode_t nMode)
{
    return QString("0%1").arg(nMode & 07777, 3, 8, QChar('0'));
}

// Why a folder is no private folder of this user, or "" when it is one.
QString folderFault(const struct stat& info)
{
    if (S_ISLNK(info.st_mode))
        return "it is a link";
    if (!S_ISDIR(info.st_mode))
        return "it is not a folder";
    if (info.st_uid != ::getuid())
        return QString("it belongs to the user with id %1").arg(info.st_uid);
    if (info.st_mode & 077)
        return QString("it is open to others: mode %1").arg(modeText(info.st_mode));
    return QString();
}

bool isPrivateFolder(const QString& sPath)
{
    struct stat info;
    return ::lstat(QFile::encodeName(sPath).constData(), &info) == 0 && folderFault(info).isEmpty();
}
} // namespace

StartSocketPlace::StartSocketPlace(const QString& sLockDir)
{
    // One socket per data folder, so agents (and tests) with folders of their own never meet.
    const QByteArray folderHash =
        QCryptographicHash::hash(QFile::encodeName(sLockDir), QCryptographicHash::Sha256).toHex().left(16);
    const QString sName = "WendoAgent-" + QString::fromLatin1(folderHash) + ".socket";
    m_sFolder = chooseFolder(sName);
    m_sSocketPath = m_sFolder + "/" + sName;
}

// A runtime folder that is not private (or not a full path), or whose path leaves no room for the socket's
// name, is passed over for one of this user's own in the temporary folder.
QString StartSocketPlace::chooseFolder(const QString& sSocketName)
{
    const QString sRuntime = QDir::cleanPath(QFile::decodeName(qgetenv("XDG_RUNTIME_DIR")));
    if (sRuntime.startsWith('/') && fits(sRuntime + "/" + sSocketName) && isPrivateFolder(sRuntime))
        return sRuntime;
    return QDir::tempPath() + "/WendoAgent-" + QString::number(::getuid());
}

bool StartSocketPlace::fits(const QString& sPath)
{
    return QFile::encodeName(sPath).size() <= SOCKET_PATH_LIMIT;
}

bool StartSocketPlace::pathFits(QString& sWhy) const
{
    if (fits(m_sSocketPath))
        return true;
    sWhy = QString("the socket path \"%1\" is longer than a local socket takes (%2 bytes)")
               .arg(m_sSocketPath)
               .arg(SOCKET_PATH_LIMIT);
    return false;
}

StartSocketPlace::Check StartSocketPlace::checkFolder(QString& sWhy) const
{
    struct stat info;
    if (::lstat(QFile::encodeName(m_sFolder).constData(), &info) != 0) {
        const int nErrno = errno;
        sWhy = QString("the socket folder \"%1\" cannot be looked at (%2)")
                   .arg(m_sFolder, qt_error_string(nErrno));
        return nErrno == ENOENT ? NOT_YET : UNTRUSTED;
    }
    const QString sFault = folderFault(info);
    if (sFault.isEmpty())
        return TRUSTED;
    sWhy =
        QString("the socket folder \"%1\" is not a private folder of this user (%2)").arg(m_sFolder, sFault);
    return UNTRUSTED;
}

bool StartSocketPlace::prepareFolder(QString& sWhy) const
{
    if (::mkdir(QFile::encodeName(m_sFolder).constData(), 0700) != 0 && errno != EEXIST) {
        sWhy =
            QString("the socket folder \"%1\" cannot be created (%2)").arg(m_sFolder, qt_error_string(errno));
        return false;
    }
    return checkFolder(sWhy) == TRUSTED;
}

StartSocketPlace::Check StartSocketPlace::checkSocket(QString& sWhy) const
{
    struct stat info;
    if (::lstat(QFile::encodeName(m_sSocketPath).constData(), &info) != 0) {
        const int nErrno = errno;
        sWhy =
            QString("the socket \"%1\" cannot be looked at (%2)").arg(m_sSocketPath, qt_error_string(nErrno));
        return nErrno == ENOENT ? NOT_YET : UNTRUSTED;
    }
    // Only this user (or the system's administrator) can put anything into the private folder: a link or
    // a file there is what an ended agent left, and the running one replaces it when it listens.
    if (S_ISLNK(info.st_mode) || !S_ISSOCK(info.st_mode)) {
        sWhy = QString("the socket \"%1\" is %2")
                   .arg(m_sSocketPath, S_ISLNK(info.st_mode) ? "a link" : "not a socket");
        return NOT_YET;
    }
    if (info.st_uid != ::getuid()) {
        sWhy =
            QString("the socket \"%1\" belongs to the user with id %2").arg(m_sSocketPath).arg(info.st_uid);
        return UNTRUSTED;
    }
    return TRUSTED;
}
