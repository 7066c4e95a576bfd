#include "BackupTestDevice.h"

#include "support/TestFolders.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

namespace
{
QByteArray pattern(int nSize, char chSeed)
{
    QByteArray bytes(nSize, Qt::Uninitialized);
    for (int i = 0; i < nSize; ++i)
        bytes[i] = static_cast<char>(chSeed + i * 7);
    return bytes;
}
} // namespace

BackupTestDevice::BackupTestDevice()
{
    const QString sSys = systemRoot();
    const QString sData = dataRoot();
    TestFolders::writeFile(sSys + "device.xml", "<device><uuid>U1</uuid></device>");
    TestFolders::writeFile(sSys + "Korvo/version.app", "1.2.3;2024/01/01\n");
    TestFolders::writeFile(sSys + "Korvo/Settings/settings.xml", "<settings lang=\"de\"/>");
    TestFolders::writeFile(sSys + "Korvo/Settings/.hidden.cfg", "hidden");
    TestFolders::writeFile(sSys + "Korvo/Settings/Profiles/rider 1.xml", pattern(70000, 'a'));
    TestFolders::writeFile(sSys + "Korvo/Settings/Profiles/.cache/x.bin", pattern(333, 'z'));
    QDir().mkpath(sSys + "Korvo/Settings/Empty");
    TestFolders::writeFile(sSys + "HDD/APP/app.bin", pattern(5000, 'q'));
    TestFolders::writeFile(sData + "user.xml", "<user/>");
    TestFolders::writeFile(sData + "Korvo/Tracks/roamwise_route.gpx", "<gpx/>");
    TestFolders::writeFile(sData + "Korvo/Tracks/route 2.gpx", pattern(12000, 'r'));
    TestFolders::writeFile(sData + "Korvo/Tracks/profile1/20240101120000.gpx", pattern(250000, 'g'));
    TestFolders::writeFile(sData + "Korvo/Tracks/profile1/20240101120000.fit", pattern(9000, 'f'));
    TestFolders::writeFile(sData + "Korvo/Tracks/profile1/20240101120000.bin", QByteArray());
    TestFolders::writeFile(sData + "Korvo/Tracks/.trash/old.gpx", "old");
    TestFolders::writeFile(sData + "Korvo/Settings/user.cfg", "u=1");
}

bool BackupTestDevice::addKeepList(const QString& sEntriesXml)
{
    const QString sSys = systemRoot();
    bool bOk = TestFolders::writeFile(sSys + "HDD/APP/keepfile.xml",
                                      "<?xml version=\"1.0\"?>\n<kept>" + sEntriesXml.toUtf8() + "</kept>\n");
    bOk = bOk && TestFolders::writeFile(sSys + "HDD/APP/user.dat", pattern(4096, 'u'));
    bOk = bOk && TestFolders::writeFile(sSys + "HDD/APP/Favorites/home.xml", "<home/>");
    bOk = bOk && TestFolders::writeFile(sSys + "HDD/APP/Favorites/.order", "1,2");
    bOk = bOk && TestFolders::writeFile(sSys + "HDD/APP/Favorites/Sub/work.xml", "<work/>");
    return bOk && QDir().mkpath(sSys + "HDD/APP/Favorites/Blank");
}

bool BackupTestDevice::damage(bool bSettings)
{
    const QString sSys = systemRoot();
    const QString sData = dataRoot();
    bool bOk = true;
    if (bSettings) {
        bOk = TestFolders::writeFile(sSys + "Korvo/Settings/settings.xml", "<settings lang=\"xx\"/>");
        bOk = bOk && QFile::remove(sSys + "Korvo/Settings/.hidden.cfg");
        bOk = bOk && TestFolders::writeFile(sSys + "Korvo/Settings/new.xml", "new");
    }
    bOk = bOk && QDir(sData + "Korvo/Tracks/profile1").removeRecursively();
    bOk = bOk && TestFolders::writeFile(sData + "Korvo/Tracks/stray.gpx", "stray");
    if (QFileInfo::exists(sSys + "HDD/APP/user.dat")) {
        bOk = bOk && TestFolders::writeFile(sSys + "HDD/APP/user.dat", "lost");
        bOk = bOk && QFile::remove(sSys + "HDD/APP/Favorites/.order");
        bOk = bOk && QDir(sSys + "HDD/APP/Favorites/Sub").removeRecursively();
    }
    return bOk;
}

QMap<QString, QByteArray> BackupTestDevice::snapshot(const QString& sRoot)
{
    QMap<QString, QByteArray> entries;
    const QDir root(sRoot);
    QDirIterator it(sRoot, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        it.next();
        const QString sRel = root.relativeFilePath(it.filePath());
        entries.insert(sRel,
                       it.fileInfo().isDir() ? QByteArray("d") : "f" + TestFolders::readFile(it.filePath()));
    }
    return entries;
}

QMap<QString, QByteArray> BackupTestDevice::snapshot() const
{
    QMap<QString, QByteArray> entries;
    for (const QString& sDrive : {QStringLiteral("sys"), QStringLiteral("data")}) {
        const QMap<QString, QByteArray> drive = snapshot(path() + "/" + sDrive);
        for (auto it = drive.cbegin(); it != drive.cend(); ++it)
            entries.insert(sDrive + "/" + it.key(), it.value());
    }
    return entries;
}
