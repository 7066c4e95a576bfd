#pragma once

#include "platform/ArchiveTool.h"
#include "support/NginxFixture.h"
#include "support/SystemTools.h"
#include "support/TestFolders.h"

#include <QByteArray>
#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

// Update packages as the services hand them out: zip archives made by the real 7-Zip from files staged in
// a folder of their own, served by a real nginx on 127.0.0.1. Stage the files, build the archives, then
// start serving.
class ServedPackages
{
public:
    bool isValid() const { return m_root.isValid(); }
    QString errorString() const { return m_sError; }

    // Random content, the same for the same seed.
    static QByteArray noise(int nSize, quint32 nSeed)
    {
        QRandomGenerator random(nSeed);
        QByteArray data(nSize, Qt::Uninitialized);
        for (char& c : data)
            c = char(random.bounded(256));
        return data;
    }

    // Puts a file into what sArchive will hold, at sRelative inside the archive.
    bool stage(const QString& sArchive, const QString& sRelative, const QByteArray& content)
    {
        return TestFolders::writeFile(stageDir(sArchive) + "/" + sRelative, content);
    }
    QByteArray staged(const QString& sArchive, const QString& sRelative) const
    {
        return TestFolders::readFile(stageDir(sArchive) + "/" + sRelative);
    }

    // Zips what was staged for sArchive with the real 7-Zip.
    bool build(const QString& sArchive)
    {
        const QString sProgram = ArchiveTool::findProgram(QString());
        if (sProgram.isEmpty()) {
            m_sError = "no 7-Zip installed";
            return false;
        }
        const QString sDir = stageDir(sArchive);
        QStringList args = {"a", "-tzip", m_root.filePath(sArchive)};
        for (const QString& sMember : QDir(sDir).entryList(QDir::AllEntries | QDir::NoDotAndDotDot))
            args << sDir + "/" + sMember;
        return SystemTools::run(sProgram, args, &m_sError);
    }

    bool start()
    {
        if (m_nginx.start(m_root.path()))
            return true;
        m_sError = m_nginx.errorString();
        return false;
    }

    QString url(const QString& sArchive) const { return m_nginx.url("/" + sArchive); }
    QString size(const QString& sArchive) const
    {
        return QString::number(QFileInfo(m_root.filePath(sArchive)).size());
    }
    QString md5(const QString& sArchive) const
    {
        QCryptographicHash hash(QCryptographicHash::Md5);
        hash.addData(TestFolders::readFile(m_root.filePath(sArchive)));
        return QString::fromLatin1(hash.result().toHex());
    }

private:
    QString stageDir(const QString& sArchive) const { return m_root.filePath("stage/" + sArchive); }

    QTemporaryDir m_root;
    NginxFixture m_nginx;
    QString m_sError;
};
