#include "DevicePlace.h"

#include <QTextCodec>

#include <dirent.h>

#include "DevicePath.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>

#include <cerrno>
#include <sys/stat.h>
#include <sys/types.h>

namespace
{
enum Kind { KIND_MISSING, KIND_FOLDER, KIND_FILE, KIND_OTHER, KIND_REFUSED };

void setWhy(QString* pWhy, const QString& sWhy)
{
    if (pWhy)
        *pWhy = sWhy;
}

bool lookAt(const QString& sPath, struct stat* pInfo, int* pError)
{
    if (::lstat(QFile::encodeName(sPath).constData(), pInfo) == 0)
        return true;
    *pError = errno;
    return false;
}

// The canonical root with exactly one trailing "/", or "" when the root is not there.
QString canonicalRootSlash(const QString& sRoot)
{
    const QString sReal = QFileInfo(sRoot).canonicalFilePath();
    if (sReal.isEmpty())
        return QString();
    return sReal.endsWith('/') ? sReal : sReal + "/";
}

bool isBelowOrAt(const QString& sReal, const QString& sRootSlash)
{
    return sReal + "/" == sRootSlash || sReal.startsWith(sRootSlash);
}

// The drive root as given (one trailing "/"), its canonical path and its file system.
struct DriveRoot {
    QString sSlash;
    QString sReal;
    dev_t device = 0;
    bool bValid = false;

    explicit DriveRoot(const QString& sRoot)
    {
        if (sRoot.isEmpty())
            return;
        sSlash = DevicePath::normalizeRoot(sRoot);
        sReal = canonicalRootSlash(sSlash);
        struct stat info;
        bValid = !sReal.isEmpty() && ::stat(QFile::encodeName(sReal).constData(), &info) == 0 &&
                 S_ISDIR(info.st_mode);
        device = bValid ? info.st_dev : 0;
    }
};

Kind kindOf(const struct stat& info)
{
    return S_ISDIR(info.st_mode) ? KIND_FOLDER : S_ISREG(info.st_mode) ? KIND_FILE : KIND_OTHER;
}

// One entry, not followed: what it is, or KIND_REFUSED when it is a link or on another file system.
Kind lookAtPart(const DriveRoot& root, const QString& sPath, QString* pWhy)
{
    struct stat info;
    int nError = 0;
    if (!lookAt(sPath, &info, &nError)) {
        if (nError == ENOENT)
            return KIND_MISSING;
        setWhy(pWhy, sPath + " cannot be looked at");
        return KIND_REFUSED;
    }
    if (S_ISLNK(info.st_mode)) {
        setWhy(pWhy, sPath + " is a link");
        return KIND_REFUSED;
    }
    if (info.st_dev != root.device) {
        setWhy(pWhy, sPath + " lies on another file system");
        return KIND_REFUSED;
    }
    return kindOf(info);
}

// The walk from the root to sPath. Returns what the last part is; KIND_REFUSED with pWhy set when a part
// is a link, lies on another file system or is not a folder where the way goes on.
Kind walk(const DriveRoot& root, const QString& sPath, QString* pWhy)
{
    if (!root.bValid) {
        setWhy(pWhy, "the drive root is not there");
        return KIND_REFUSED;
    }
    const QString& sRootSlash = root.sSlash;
    const QString& sRealRoot = root.sReal;
    if (sPath + "/" == sRootSlash || sPath == sRootSlash)
        return KIND_FOLDER;
    const QString sRelative = sPath.mid(sRootSlash.size());
    if (!sPath.startsWith(sRootSlash) || !DevicePath::isSafeRelative(sRelative)) {
        setWhy(pWhy, sPath + " is not below the drive root");
        return KIND_REFUSED;
    }
    const QStringList parts = sRelative.split('/', Qt::SkipEmptyParts);
    QString sWay = sRootSlash;
    QString sDeepest = sRealRoot;
    Kind kind = KIND_FOLDER;
    for (int i = 0; i < parts.size(); ++i) {
        if (parts.at(i) == ".")
            continue;
        if (kind != KIND_FOLDER) {
            setWhy(pWhy, sWay + " is no folder");
            return KIND_REFUSED;
        }
        sWay += (sWay.endsWith('/') ? "" : "/") + parts.at(i);
        kind = lookAtPart(root, sWay, pWhy);
        if (kind == KIND_REFUSED || kind == KIND_MISSING)
            break;
        sDeepest = sWay;
    }
    if (kind == KIND_REFUSED)
        return KIND_REFUSED;
    // No link on the way, so this holds unless the root moved meanwhile; checked all the same.
    const QString sReal = QFileInfo(sDeepest).canonicalFilePath();
    if (sReal.isEmpty() || !isBelowOrAt(sReal, sRealRoot)) {
        setWhy(pWhy, sDeepest + " leads off the drive");
        return KIND_REFUSED;
    }
    return kind;
}

QString memberPath(const QString& sTarget, const QString& sMember)
{
    QString sRelative = sMember;
    sRelative.replace('\\', '/');
    return sTarget.endsWith('/') ? sTarget + sRelative : sTarget + "/" + sRelative;
}
} // namespace

bool DevicePlace::isSafe(const QString& sRoot, const QString& sPath, QString* pWhy)
{
    return walk(DriveRoot(sRoot), sPath, pWhy) != KIND_REFUSED;
}

bool DevicePlace::isFolder(const QString& sRoot, const QString& sPath, QString* pWhy)
{
    const Kind kind = walk(DriveRoot(sRoot), sPath, pWhy);
    if (kind == KIND_FOLDER)
        return true;
    if (kind != KIND_REFUSED)
        setWhy(pWhy, sPath + (kind == KIND_MISSING ? " is missing" : " is no folder"));
    return false;
}

bool DevicePlace::isFile(const QString& sRoot, const QString& sPath, QString* pWhy)
{
    const Kind kind = walk(DriveRoot(sRoot), sPath, pWhy);
    if (kind == KIND_FILE)
        return true;
    if (kind != KIND_REFUSED)
        setWhy(pWhy, sPath + (kind == KIND_MISSING ? " is missing" : " is no regular file"));
    return false;
}

bool DevicePlace::isFileSlot(const QString& sRoot, const QString& sPath, QString* pWhy)
{
    const Kind kind = walk(DriveRoot(sRoot), sPath, pWhy);
    if (kind == KIND_FILE || kind == KIND_MISSING)
        return true;
    if (kind != KIND_REFUSED)
        setWhy(pWhy, sPath + " is no regular file");
    return false;
}

bool DevicePlace::makeFolder(const QString& sRoot, const QString& sPath, QString* pWhy)
{
    // Each round creates the first missing part, then the walk checks the way again, the new part
    // included: something swapped in meanwhile is seen before anything is created below it.
    const QString sClean = sPath.endsWith('/') && sPath.size() > 1 ? sPath.left(sPath.size() - 1) : sPath;
    const DriveRoot root(sRoot);
    for (int nRound = 0; nRound < 1024; ++nRound) {
        const Kind kind = walk(root, sClean, pWhy);
        if (kind == KIND_FOLDER)
            return true;
        if (kind != KIND_MISSING) {
            if (kind != KIND_REFUSED)
                setWhy(pWhy, sClean + " is no folder");
            return false;
        }
        QString sMissing = sClean;
        while (!entryExists(QFileInfo(sMissing).path()))
            sMissing = QFileInfo(sMissing).path();
        if (::mkdir(QFile::encodeName(sMissing).constData(), 0755) != 0 && errno != EEXIST) {
            setWhy(pWhy, sMissing + " cannot be created");
            return false;
        }
    }
    setWhy(pWhy, sClean + " cannot be created");
    return false;
}

bool DevicePlace::membersAreSafe(const QString& sRoot, const QString& sTarget, const QStringList& lstMembers,
                                 QString* pWhy)
{
    const DriveRoot root(sRoot);
    if (walk(root, sTarget, pWhy) == KIND_REFUSED)
        return false;
    // Each folder on the members' ways is walked once; a member itself is then one look.
    QSet<QString> checkedFolders;
    for (const QString& sMember : lstMembers) {
        if (!DevicePath::isSafeRelative(sMember)) {
            setWhy(pWhy, sMember + " leaves the target");
            return false;
        }
        const QString sPath = QDir::cleanPath(memberPath(sTarget, sMember));
        const QString sFolder = QFileInfo(sPath).path();
        if (!checkedFolders.contains(sFolder)) {
            if (walk(root, sFolder, pWhy) == KIND_REFUSED)
                return false;
            checkedFolders.insert(sFolder);
        }
        if (lookAtPart(root, sPath, pWhy) == KIND_REFUSED)
            return false;
    }
    return true;
}

bool DevicePlace::entryExists(const QString& sPath)
{
    struct stat info;
    return !sPath.isEmpty() && ::lstat(QFile::encodeName(sPath).constData(), &info) == 0;
}

QStringList DevicePlace::undecodableNames(const QString& sDir)
{
    QStringList names;
    DIR* pDir = ::opendir(QFile::encodeName(sDir).constData());
    if (!pDir)
        return names;
    const QTextCodec* pUtf8 = QTextCodec::codecForName("UTF-8");
    while (const dirent* pEntry = ::readdir(pDir)) {
        const QByteArray name(pEntry->d_name);
        QTextCodec::ConverterState state;
        const QString sName = pUtf8->toUnicode(name.constData(), name.size(), &state);
        if (state.invalidChars > 0 || state.remainingChars > 0)
            names.append(sName);
    }
    ::closedir(pDir);
    return names;
}
