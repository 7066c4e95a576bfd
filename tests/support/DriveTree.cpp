#include "DriveTree.h"

#include "SystemTools.h"

#include "TestFolders.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStorageInfo>

#include <sys/stat.h>

DriveTree::DriveTree()
{
    m_sImage = m_mountDir.path() + ".img";
}

DriveTree::DriveTree(const QString& sParent)
    : m_files(sParent + "/files-XXXXXX"), m_mountDir(sParent + "/drive-XXXXXX")
{
    m_sImage = m_mountDir.path() + ".img";
}

DriveTree::~DriveTree()
{
    unmountImage();
    QFile::remove(m_sImage);
}

QString DriveTree::root() const
{
    return (m_bMounted ? m_mountDir.path() : m_files.path()) + "/";
}

bool DriveTree::writeFile(const QString& sRelative, const QByteArray& content)
{
    return TestFolders::writeFile(root() + sRelative, content);
}

bool DriveTree::plantHostile(const QString& sRelative, Hostile kind)
{
    const QString sPath = root() + sRelative;
    if (!QDir().mkpath(QFileInfo(sPath).absolutePath()))
        return false;
    QFile::remove(sPath);
    switch (kind) {
    case HOSTILE_FIFO:
        return ::mkfifo(QFile::encodeName(sPath).constData(), 0644) == 0;
    case HOSTILE_ZERO_LINK:
        return QFile::link("/dev/zero", sPath);
    case HOSTILE_FOLDER:
        return QDir().mkpath(sPath);
    case HOSTILE_HUGE: {
        QFile file(sPath);
        return file.open(QIODevice::WriteOnly) && file.resize(HUGE_SIZE);
    }
    }
    return false;
}

QByteArray DriveTree::deviceXml(const QString& sUuid, const QString& sSkuId, const QString& sHwName,
                                const QString& sFirmware, const QString& sModel)
{
    QByteArray xml = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<device>\n";
    if (!sFirmware.isNull())
        xml += "  <kernel><version>" + sFirmware.toUtf8() + "</version></kernel>\n";
    xml += "  <hardware><type>" + sModel.toUtf8() + "</type><displayname>" + sHwName.toUtf8() +
           "</displayname><id>" + sUuid.toUtf8() + "</id></hardware>\n";
    if (!sSkuId.isNull())
        xml += "  <sku><skuid>" + sSkuId.toUtf8() + "</skuid></sku>\n";
    return xml + "</device>\n";
}

bool DriveTree::writeDeviceXml(const QString& sUuid, const QString& sSkuId, const QString& sHwName,
                               const QString& sFirmware, const QString& sModel)
{
    return writeFile("device.xml", deviceXml(sUuid, sSkuId, sHwName, sFirmware, sModel));
}

bool DriveTree::writeVersion(const QString& sExt, const QByteArray& content)
{
    return writeFile("KORVO/version." + sExt, content);
}

bool DriveTree::makeImage(QString* pWhy)
{
    QFile::remove(m_sImage);
    return SystemTools::run("mkfs.ext4", {"-q", "-F", "-L", m_sLabel, "-d", m_files.path(), m_sImage, "8M"},
                            pWhy);
}

bool DriveTree::mountImage(QString* pWhy)
{
    if (m_bMounted)
        return true;
    if (!SystemTools::run("mount", {"-o", "loop", m_sImage, m_mountDir.path()}, pWhy))
        return false;
    m_bMounted = true;
    return true;
}

bool DriveTree::unmountImage()
{
    if (!m_bMounted)
        return true;
    QString sWhy;
    // A test may have unmounted the volume behind the tree's back (a drive pulled mid-install).
    if (!SystemTools::run("umount", {m_mountDir.path()}, &sWhy) &&
        !SystemTools::run("umount", {"-l", m_mountDir.path()}, &sWhy) &&
        QStorageInfo(m_mountDir.path()).rootPath() == m_mountDir.path())
        return false;
    m_bMounted = false;
    return true;
}
