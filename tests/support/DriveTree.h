#pragma once

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

// A drive of the device as a folder tree, for tests. Its label is only a value that the test hands to the
// fake volume source, unless the tree is turned into a real volume: an ext4 image with that label,
// loop-mounted into a temporary folder (root only; the mount is always undone by the destructor).
class DriveTree
{
public:
    DriveTree();
    // The tree, its image and its mount point in the folder sParent (which must exist) instead of the
    // temporary folder.
    explicit DriveTree(const QString& sParent);
    ~DriveTree();
    DriveTree(const DriveTree&) = delete;
    DriveTree& operator=(const DriveTree&) = delete;

    bool isValid() const { return m_files.isValid() && m_mountDir.isValid(); }
    // The drive's root ending in "/": the folder, or the mount point while the image is mounted.
    QString root() const;
    QString label() const { return m_sLabel; }
    void setLabel(const QString& sLabel) { m_sLabel = sLabel; }

    // What a hostile drive may show under a harmless name.
    enum Hostile {
        HOSTILE_FIFO,      // a named pipe nobody writes to
        HOSTILE_ZERO_LINK, // a link to /dev/zero
        HOSTILE_FOLDER,    // a folder
        HOSTILE_HUGE,      // a sparse file of HUGE_SIZE bytes (zeros, no line end)
    };
    static const qint64 HUGE_SIZE = 200LL * 1024 * 1024;

    bool writeFile(const QString& sRelative, const QByteArray& content);
    // Puts such an entry at sRelative (parent folders created), replacing a file there.
    bool plantHostile(const QString& sRelative, Hostile kind);
    bool writeDeviceXml(const QString& sUuid, const QString& sSkuId, const QString& sHwName,
                        const QString& sFirmware = "2.1.0", const QString& sModel = "Z500");
    // "KORVO/version.<sExt>" with the given content.
    bool writeVersion(const QString& sExt, const QByteArray& content);
    static QByteArray deviceXml(const QString& sUuid, const QString& sSkuId, const QString& sHwName,
                                const QString& sFirmware, const QString& sModel);

    // Builds an ext4 image labelled label() holding the files written so far. pWhy says why it failed.
    bool makeImage(QString* pWhy);
    // Loop-mounts the image; false with the system's refusal in pWhy (e.g. not root, no loop devices).
    bool mountImage(QString* pWhy);
    bool unmountImage();
    bool isMounted() const { return m_bMounted; }
    // The mount point without a trailing "/" (valid before the mount too).
    QString mountPoint() const { return m_mountDir.path(); }

private:
    QTemporaryDir m_files;
    QTemporaryDir m_mountDir;
    QString m_sLabel;
    QString m_sImage;
    bool m_bMounted = false;
};
