#pragma once

#include "core/ActionStatus.h"
#include "core/WorkFile.h"

#include <QObject>
#include <QProcess>
#include <QString>
#include <QVariantMap>

#include <functional>

class PackageCheck;
class WorkerThread;

// Asks the update service which device software ("APPLICATION"), firmware ("IMAGE") and agent ("AGENT")
// packages a device may take, and later downloads the chosen ones. Lives in the GUI thread; requests,
// downloads and unpacking run on a WorkerThread, the package check on the archive program.
//
// checkDeviceUpdate({"sku","uuid","model","acc","image","application","agent"}): the check. The answer
// becomes "Update.script". Ends with 71 ("" or "AutoCheck"; also when nothing is offered, and the old
// list is then removed), 73 "true" (a service error code, an unusable answer or an unwritable list;
// nothing is written) or 74 "true" (the request failed).
//
// installDeviceUpdate({"drive"}, bFlag): works "Update.script" from its head. Each package is
// downloaded (77 progress, resumed when a part is there), must have the row's size, must pass the
// archive program's test, and may hold no member outside its folder. A device package is then recorded
// in "DevDownload.script" (before it leaves "Update.script") and the next row follows; 72 "" after the
// last, 72 "true" for an empty list. An agent package is unpacked in the work folder (78 "0", 78 "100")
// and its installer (named by installerName) handed to the desktop: 72 "agent" once the desktop's handler
// ended well or still runs after AgentTiming::HANDLER_HANDOVER (it took over). Failures: 74 "true"
// (list unreadable, bad row, download failed or of the wrong size, list not writable; the row stays) and
// 76 "true" (no archive program "E01", a failed test or unpack "E02-<code>", a refused archive "E03"; a
// refused package is removed and nothing of it is unpacked). The agent's update has nothing to do with a
// device, so every failure of its package ends as 74 with its code (also "E03" for a package without
// its installer, "E06" for an installer the desktop did not take), never as an unpack onto a device.
//
// Every action ends with exactly one final status, which is the last thing the worker does. Deleting
// the worker stops it: a transfer is abandoned (a partial download stays for resuming), the archive
// program is killed; a handler already given the agent's installer is the desktop's and goes on, unheard.
class DeviceUpdateWorker : public QObject
{
    Q_OBJECT

public:
    // Where the service's error codes and the package errors go (the controller's error slot).
    using ErrorSink = std::function<void(const QString& sCode, const QString& sText)>;

    static const char* const DEFAULT_UPDATE_URL;

    DeviceUpdateWorker(bool bAutoCheck, QObject* pParent = nullptr);
    ~DeviceUpdateWorker() override;

    void setErrorSink(ErrorSink sink) { m_errorSink = std::move(sink); }

    void checkDeviceUpdate(const QString& sRequest);
    void installDeviceUpdate(const QString& sRequest, bool bFlag);

    // The check's body for the parsed request: plain values give the fixed template's bytes.
    static QString checkBody(const QVariantMap& request, bool bBeta);
    // The local name of a row's package (PackageName: the address's last segment, query included); ""
    // when that is no usable file name.
    static QString packageFileName(const QString& sUrl);
    // What is fetched for a row: up to and including the last ".zip", or the whole address without one.
    static QString downloadAddress(const QString& sUrl);
    // The installer in an agent package: the package's name up to its last ".zip", with the platform's
    // installer suffix ("WendoAgent_1.1.0.zip?sig=1" holds "WendoAgent_1.1.0.deb"); "" without ".zip".
    static QString installerName(const QString& sPackageName, const QString& sSuffix);

signals:
    void emitStatus(ACTION_STATUS status, QString sResult);

public slots:
    void slotProcFinish(int nExitCode, QProcess::ExitStatus eExitStatus);
    void netFinish(bool bSuccess);
    void slotDownloadProcess(qint64 nRead, qint64 nTotal);
    void slotUnzipProcess(int nValue);

private slots:
    void slotPackageChecked(int eResult, int nExitCode);

private:
    enum Step { STEP_CHECK = 0, STEP_AGENT = 1, STEP_DEVICE = 2 };

    bool doCheckDeviceUpdate(const QString& sRequest);
    bool procDevUpdateXml();
    void doDownloadUpdate();
    void downloadDone();
    void doInstallUpdate();
    bool doUnzipUpdate(const QString& sArchive, const QString& sTarget);
    void doWriteVerAndReDownload();
    void startInstaller();
    void installerHandedOver(const QString& sInstaller, bool bHandedOver, const QString& sWhat);
    void recordDevicePackage();

    bool readUpdateList(QList<WorkFile::Row>* pRows);
    QString packagePath() const;
    void refusePackage(const QString& sCode, const QString& sText);
    void noteError(const QString& sCode, const QString& sText);
    void failUnpack();
    void finish(ACTION_STATUS status, const QString& sResult);
    void dropThread();

    int m_nStep = STEP_CHECK;
    QString m_sRequest;
    QString m_sUpdateUrl;
    QString m_sAnswerFile;
    bool m_bInstallFlag = false;
    QString m_sDrive;
    QString m_sFileName;
    WorkFile::Row m_currentRow;
    WorkerThread* m_pThread = nullptr;
    PackageCheck* m_pCheck = nullptr;
    bool m_bAutoCheck;
    ErrorSink m_errorSink;
};
