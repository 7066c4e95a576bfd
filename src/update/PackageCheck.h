#pragma once

#include "platform/ArchiveTool.h"

#include <QObject>
#include <QProcess>
#include <QString>

// Checks a downloaded package before anything of it is recorded or unpacked: the archive program must
// test it whole ("t", exit code 0) and its detailed listing must name no member that could land outside
// the target folder (absolute path, "..", link). Runs the program asynchronously in the caller's thread
// and reports exactly one finished(), never from inside start(). The listing of an archive of many
// thousand members is read on a helper thread, so the caller's event loop goes on meanwhile. Deleting the
// check kills a running program, waits for the helper and reports nothing.
class QThread;

class PackageCheck : public QObject
{
    Q_OBJECT

public:
    enum Result {
        PASSED,
        NO_PROGRAM, // no archive program installed
        FAILED,     // the test or the listing did not end with exit code 0 (nExitCode, -1 for a crash)
        REFUSED,    // the archive is incomplete or names a member outside the target
    };

    // LIST_ONLY leaves out the test pass, for an archive whose bytes a matching MD5 already vouches for.
    enum Mode { TEST_AND_LIST, LIST_ONLY };

    // The most listing output read; a larger listing is refused.
    static constexpr qint64 LISTING_LIMIT = 64 * 1024 * 1024;

    explicit PackageCheck(QObject* pParent = nullptr);
    ~PackageCheck() override;

    void start(const QString& sArchive, Mode eMode = TEST_AND_LIST);
    // After PASSED: the paths of the archive's members, as the listing names them.
    QStringList members() const { return m_lstMembers; }

signals:
    void finished(int eResult, int nExitCode);

private slots:
    void slotTestDone(int nExitCode, QProcess::ExitStatus eStatus);
    void startListing();
    void slotListingOutput();
    void slotListingDone(int nExitCode, QProcess::ExitStatus eStatus);
    void slotError(QProcess::ProcessError eError);

private:
    void run(const QStringList& lstArgs, const char* szDoneSlot);
    void finish(Result eResult, int nExitCode);
    static Result judgeListing(const QByteArray& listing, const QString& sArchive, QStringList* pMembers);
    void dropProcess();

    QString m_sArchive;
    QString m_sProgram;
    QProcess* m_pProcess = nullptr;
    QThread* m_pJudge = nullptr;
    QByteArray m_listing;
    QStringList m_lstMembers;
    bool m_bListing = false;
    bool m_bDone = false;
};
