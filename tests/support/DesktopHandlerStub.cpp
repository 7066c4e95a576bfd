#include "DesktopHandlerStub.h"

#include "SystemTools.h"
#include "TestFolders.h"

#include <QFile>
#include <QtTest>

DesktopHandlerStub::DesktopHandlerStub(const QStringList& lstPrograms, PathMode eMode, Ending eEnding)
    : m_oldPath(qgetenv("PATH"))
{
    if (!m_dir.isValid())
        return;
    const QString sBin = m_dir.filePath("bin");
    for (const QString& sProgram : lstPrograms) {
        const QString sRecord = recordPath(sProgram);
        // Written whole, then renamed: a reader never sees half a record. Only built-ins and full paths,
        // so the stub works with the system's programs off PATH.
        const QByteArray script = "#!/bin/sh\nprintf '%s\\n' \"$@\" > '" + sRecord.toUtf8() +
                                  ".tmp' && /bin/mv '" + sRecord.toUtf8() + ".tmp' '" + sRecord.toUtf8() +
                                  "' || exit 1\n" + ending(eEnding, sProgram);
        const QString sPath = sBin + "/" + sProgram;
        if (!TestFolders::writeFile(sPath, script) ||
            !QFile::setPermissions(sPath,
                                   QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner))
            return;
    }
    if (lstPrograms.isEmpty() && !TestFolders::writeFile(sBin + "/.keep", QByteArray()))
        return;
    const QByteArray path = eMode == ONLY_STUBS ? sBin.toUtf8() : sBin.toUtf8() + ":" + m_oldPath;
    m_bValid = qputenv("PATH", path);
}

DesktopHandlerStub::~DesktopHandlerStub()
{
    stopRunning();
    qputenv("PATH", m_oldPath);
}

QByteArray DesktopHandlerStub::ending(Ending eEnding, const QString& sProgram) const
{
    switch (eEnding) {
    case FAILS:
        return "printf \"" + sProgram.toUtf8() +
               ": no method available for opening '%s'\\n\" \"$*\" >&2\n"
               "exit 3\n";
    case KEEPS_RUNNING:
        // Until told to stop, or until the stub's folder is gone (a test that ended early).
        return "while [ -d '" + m_dir.path().toUtf8() + "' ] && [ ! -e '" + stopPath().toUtf8() +
               "' ]; do /bin/sleep 0.1; done\nexit 0\n";
    case ENDS_WELL:
        break;
    }
    return "exit 0\n";
}

void DesktopHandlerStub::stopRunning() const
{
    TestFolders::writeFile(stopPath(), QByteArray());
}

QString DesktopHandlerStub::stopPath() const
{
    return m_dir.filePath("stop");
}

QString DesktopHandlerStub::recordPath(const QString& sProgram) const
{
    return m_dir.filePath(sProgram + ".args");
}

QStringList DesktopHandlerStub::calls(const QString& sProgram) const
{
    QFile record(recordPath(sProgram));
    if (!record.open(QIODevice::ReadOnly))
        return {};
    QStringList lstArgs = QString::fromUtf8(record.readAll()).split('\n');
    if (!lstArgs.isEmpty() && lstArgs.last().isEmpty())
        lstArgs.removeLast();
    return lstArgs;
}

bool DesktopHandlerStub::waitForCall(const QString& sProgram, int nTimeoutMs) const
{
    const QString sRecord = recordPath(sProgram);
    return QTest::qWaitFor([&sRecord] { return QFile::exists(sRecord); }, nTimeoutMs);
}

bool DesktopHandlerStub::makeAgentDeb(const QString& sPath, const QString& sVersion, const QString& sWorkDir)
{
    const QString sTree = sWorkDir + "/debtree";
    const QString sControl = "Package: wendoagent\nVersion: " + sVersion +
                             "\nArchitecture: all\nMaintainer: Test <test@example.invalid>\n"
                             "Description: test package\n";
    if (!TestFolders::writeFile(sTree + "/DEBIAN/control", sControl.toUtf8()) ||
        !TestFolders::writeFile(sTree + "/usr/share/doc/wendoagent/readme", "test\n"))
        return false;
    QString sWhy;
    const bool bOk = SystemTools::run("dpkg-deb", {"--build", "--root-owner-group", sTree, sPath}, &sWhy);
    if (!bOk)
        qWarning("%s", qPrintable(sWhy));
    return bOk;
}
