#include "TestFolders.h"

#include "core/AgentFolders.h"
#include "core/DebugLog.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

TestFolders::TestFolders(bool bLogOn)
{
    AgentFolders::setProgramDir(m_programDir.path());
    AgentFolders::setDataDir(m_dataDir.path());
    QDir().mkpath(tempDir());
    if (bLogOn)
        writeFile(dataPath("msg.ini"), "[DEBUG]\nLOG_LEVEL=2\n");
    DebugLog::init(m_dataDir.path());
}

TestFolders::~TestFolders()
{
    DebugLog::shutdown();
}

bool TestFolders::writeFile(const QString& sPath, const QByteArray& content)
{
    QDir().mkpath(QFileInfo(sPath).absolutePath());
    QFile file(sPath);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    return file.write(content) == content.size();
}

QByteArray TestFolders::readFile(const QString& sPath)
{
    QFile file(sPath);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}
