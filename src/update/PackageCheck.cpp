#include "PackageCheck.h"

#include "core/AgentFolders.h"
#include "core/DebugLog.h"
#include "platform/ChildProcess.h"
#include "platform/Platform.h"

#include <QFileInfo>
#include <QThread>
#include <QTimer>

PackageCheck::PackageCheck(QObject* pParent) : QObject(pParent) {}

PackageCheck::~PackageCheck()
{
    m_bDone = true;
    dropProcess();
    if (m_pJudge) {
        // Bounded: the listing it reads is at most LISTING_LIMIT bytes.
        m_pJudge->wait();
        delete m_pJudge;
    }
}

void PackageCheck::start(const QString& sArchive, Mode eMode)
{
    m_sArchive = sArchive;
    m_sProgram = Platform::archiveProgram(AgentFolders::programDir());
    if (m_sProgram.isEmpty() || !QFileInfo(m_sProgram).isFile()) {
        // Reported from the event loop, like every other outcome.
        QTimer::singleShot(0, this, [this] { finish(NO_PROGRAM, -1); });
        return;
    }
    if (eMode == LIST_ONLY)
        startListing();
    else
        run(ArchiveTool::testArgs(m_sArchive), SLOT(slotTestDone(int, QProcess::ExitStatus)));
}

void PackageCheck::run(const QStringList& lstArgs, const char* szDoneSlot)
{
    // The previous run's process may be the sender of the call that got here.
    if (m_pProcess) {
        m_pProcess->disconnect(this);
        m_pProcess->deleteLater();
    }
    m_pProcess = new ChildProcess(this);
    m_pProcess->setStandardInputFile(QProcess::nullDevice());
    m_pProcess->setStandardErrorFile(QProcess::nullDevice());
    connect(m_pProcess, SIGNAL(finished(int, QProcess::ExitStatus)), this, szDoneSlot);
    connect(m_pProcess, &QProcess::errorOccurred, this, &PackageCheck::slotError);
    connect(m_pProcess, &QProcess::readyReadStandardOutput, this, &PackageCheck::slotListingOutput);
    writeLog(1, "[PackageCheck][run] %s %s", qUtf8Printable(m_sProgram), qUtf8Printable(lstArgs.join(' ')));
    m_pProcess->start(m_sProgram, lstArgs, QIODevice::ReadOnly);
}

void PackageCheck::slotTestDone(int nExitCode, QProcess::ExitStatus eStatus)
{
    if (eStatus != QProcess::NormalExit || nExitCode != 0) {
        finish(FAILED, eStatus == QProcess::NormalExit ? nExitCode : -1);
        return;
    }
    startListing();
}

void PackageCheck::startListing()
{
    m_listing.clear();
    m_bListing = true;
    run(ArchiveTool::detailedListArgs(m_sArchive), SLOT(slotListingDone(int, QProcess::ExitStatus)));
}

void PackageCheck::slotListingOutput()
{
    // The test's output is read and dropped; only the listing's is kept, up to the limit.
    const QByteArray chunk = m_pProcess->readAllStandardOutput();
    if (!m_bListing)
        return;
    m_listing += chunk;
    if (m_listing.size() > LISTING_LIMIT) {
        writeLog(1, "[PackageCheck][slotListingOutput] listing over %lld bytes", LISTING_LIMIT);
        finish(REFUSED, 0);
    }
}

void PackageCheck::slotListingDone(int nExitCode, QProcess::ExitStatus eStatus)
{
    slotListingOutput();
    if (m_bDone)
        return;
    if (eStatus != QProcess::NormalExit || nExitCode != 0) {
        finish(FAILED, eStatus == QProcess::NormalExit ? nExitCode : -1);
        return;
    }
    const QByteArray listing = m_listing;
    m_listing.clear();
    const QString sArchive = m_sArchive;
    m_pJudge = QThread::create([this, listing, sArchive] {
        // Read by the caller only after finished(), which the posted call below emits.
        const Result eResult = judgeListing(listing, sArchive, &m_lstMembers);
        // Posted to this check: dropped unread when it is deleted first.
        QMetaObject::invokeMethod(
            this, [this, eResult] { finish(eResult, 0); }, Qt::QueuedConnection);
    });
    m_pJudge->start();
}

PackageCheck::Result PackageCheck::judgeListing(const QByteArray& listing, const QString& sArchive,
                                                QStringList* pMembers)
{
    pMembers->clear();
    ArchiveTool::Listing parsed;
    if (!ArchiveTool::parseListing(listing, &parsed)) {
        writeLog(1, "[PackageCheck][slotListingDone] no complete listing of %s", qUtf8Printable(sArchive));
        return REFUSED;
    }
    for (const ArchiveTool::Entry& entry : parsed.entries) {
        if (ArchiveTool::leavesTarget(entry)) {
            writeLog(1, "[PackageCheck][slotListingDone] refused member %s", qUtf8Printable(entry.sPath));
            return REFUSED;
        }
        pMembers->append(entry.sPath);
    }
    return PASSED;
}

void PackageCheck::slotError(QProcess::ProcessError eError)
{
    // Only a failed start is never followed by finished().
    if (eError == QProcess::FailedToStart)
        finish(FAILED, -1);
}

void PackageCheck::finish(Result eResult, int nExitCode)
{
    if (m_bDone)
        return;
    m_bDone = true;
    writeLog(1, "[PackageCheck][finish] %s: result %d, exit code %d", qUtf8Printable(m_sArchive),
             int(eResult), nExitCode);
    // The process may be the sender: it goes once control is back in the event loop.
    if (m_pProcess) {
        m_pProcess->disconnect(this);
        if (m_pProcess->state() != QProcess::NotRunning)
            m_pProcess->kill();
        m_pProcess->deleteLater();
        m_pProcess = nullptr;
    }
    emit finished(eResult, nExitCode);
}

void PackageCheck::dropProcess()
{
    if (!m_pProcess)
        return;
    m_pProcess->disconnect(this);
    if (m_pProcess->state() != QProcess::NotRunning) {
        m_pProcess->kill();
        m_pProcess->waitForFinished(30000);
    }
    delete m_pProcess;
    m_pProcess = nullptr;
}
