#include "DeviceUpdateWorker.h"

#include "PackageCheck.h"
#include "PackageName.h"
#include "ProcDevUpdateXml.h"
#include "core/AgentFolders.h"
#include "core/AgentSettings.h"
#include "core/AgentTiming.h"
#include "core/DebugLog.h"
#include "core/Escaping.h"
#include "core/JsonHelper.h"
#include "net/WorkerThread.h"
#include "platform/InstallerLauncher.h"
#include "platform/Platform.h"

#include <QFile>
#include <QFileInfo>

namespace
{
const char CHECK_TEMPLATE[] =
    "<device><skuid>%1</skuid><checkType>%8</checkType><os>WIN32</os><uuid>%2</uuid><model>%3</model>"
    "<acc>%4</acc><type name=\"IMAGE\" version=\"%5\"/><type name=\"APPLICATION\" version=\"%6\"/>"
    "<type name=\"AGENT\" version=\"%7\"/></device>";

QString asIs(const QString& sValue)
{
    return sValue;
}

QString devDownloadPath()
{
    return AgentFolders::tempPath("DevDownload.script");
}
} // namespace

const char* const DeviceUpdateWorker::DEFAULT_UPDATE_URL =
    "https://update.zeqshare.example/Korvo/UboCheckUpdateServlet";

DeviceUpdateWorker::DeviceUpdateWorker(bool bAutoCheck, QObject* pParent)
    : QObject(pParent), m_bAutoCheck(bAutoCheck)
{
    setObjectName("DeviceUpdateWorker");
    const QString sSetting = AgentSettings().getString("URL", "DevUpdate");
    m_sUpdateUrl = sSetting.isEmpty() ? QString::fromLatin1(DEFAULT_UPDATE_URL) : sSetting;
    m_sAnswerFile = AgentFolders::tempPath("devupdatework.xml");
    if (QFile::exists(devDownloadPath()) && !QFile::remove(devDownloadPath()))
        writeLog(1, "[DeviceUpdateWorker][DeviceUpdateWorker] cannot remove DevDownload.script");
}

DeviceUpdateWorker::~DeviceUpdateWorker()
{
    delete m_pCheck;
    m_pCheck = nullptr;
    dropThread();
}

// ---- the check ----

void DeviceUpdateWorker::checkDeviceUpdate(const QString& sRequest)
{
    writeLog(1, "[DeviceUpdateWorker][checkDeviceUpdate][Entry]");
    m_nStep = STEP_CHECK;
    m_sRequest = sRequest;
    doCheckDeviceUpdate(sRequest);
}

QString DeviceUpdateWorker::checkBody(const QVariantMap& request, bool bBeta)
{
    auto text = [&request](const char* szKey) { return request.value(szKey).toString(); };
    // Element values and attribute values each get their own escaping; the check type is ours.
    const QStringList values = {Escaping::xml(text("sku")),
                                Escaping::xml(text("uuid")),
                                Escaping::xml(text("model")),
                                Escaping::xml(text("acc")),
                                Escaping::xmlAttribute(text("image")),
                                Escaping::xmlAttribute(text("application")),
                                Escaping::xmlAttribute(text("agent")),
                                bBeta ? "Beta" : "Prod"};
    return Escaping::fill(QString::fromLatin1(CHECK_TEMPLATE), values, &asIs);
}

bool DeviceUpdateWorker::doCheckDeviceUpdate(const QString& sRequest)
{
    const QVariantMap request = JsonHelper().parse(sRequest);
    const bool bBeta = !AgentSettings().getString("URL", "DevUpdate").isEmpty();
    dropThread();
    m_pThread = new WorkerThread(this, 60000);
    m_pThread->setRequest(m_sUpdateUrl, checkBody(request, bBeta), m_sAnswerFile, false);
    m_pThread->start();
    return true;
}

bool DeviceUpdateWorker::procDevUpdateXml()
{
    ProcDevUpdateXml reader;
    reader.open(m_sAnswerFile);
    switch (reader.m_eOutcome) {
    case ProcDevUpdateXml::LISTED:
        finish(DEVICE_CHECKSUCCESS, m_bAutoCheck ? "AutoCheck" : "");
        return true;
    case ProcDevUpdateXml::NOTHING_OFFERED:
        // An old list must not offer what the service no longer does.
        if (QFile::exists(ProcDevUpdateXml::updateListPath()) &&
            !QFile::remove(ProcDevUpdateXml::updateListPath())) {
            writeLog(1, "[DeviceUpdateWorker][procDevUpdateXml] cannot remove the old Update.script");
            finish(DEVICE_CHECKERROR, "true");
            return false;
        }
        finish(DEVICE_CHECKSUCCESS, m_bAutoCheck ? "AutoCheck" : "");
        return true;
    case ProcDevUpdateXml::SERVICE_ERROR:
        noteError(reader.m_sCode, reader.m_sError);
        break;
    case ProcDevUpdateXml::UNREADABLE:
    case ProcDevUpdateXml::UNWRITABLE:
        break;
    }
    finish(DEVICE_CHECKERROR, "true");
    return false;
}

// ---- the install ----

void DeviceUpdateWorker::installDeviceUpdate(const QString& sRequest, bool bFlag)
{
    writeLog(1, "[DeviceUpdateWorker][installDeviceUpdate][Entry]");
    m_nStep = STEP_DEVICE;
    m_sRequest = sRequest;
    m_bInstallFlag = bFlag;
    m_sDrive = JsonHelper().parse(sRequest).value("drive").toString();
    doDownloadUpdate();
}

bool DeviceUpdateWorker::readUpdateList(QList<WorkFile::Row>* pRows)
{
    const QString sList = ProcDevUpdateXml::updateListPath();
    pRows->clear();
    // No list is an empty list; one that exists but cannot be read is a failure.
    if (!QFileInfo::exists(sList))
        return true;
    if (!WorkFile::readRows(sList, pRows)) {
        writeLog(1, "[DeviceUpdateWorker][readUpdateList] cannot read Update.script");
        return false;
    }
    return true;
}

QString DeviceUpdateWorker::packageFileName(const QString& sUrl)
{
    return PackageName::fromUrl(sUrl);
}

QString DeviceUpdateWorker::downloadAddress(const QString& sUrl)
{
    const int nZip = sUrl.lastIndexOf(".zip");
    return nZip < 0 ? sUrl : sUrl.left(nZip + 4);
}

QString DeviceUpdateWorker::installerName(const QString& sPackageName, const QString& sSuffix)
{
    const int nZip = sPackageName.lastIndexOf(".zip");
    if (nZip <= 0)
        return QString();
    return sPackageName.left(nZip) + sSuffix;
}

QString DeviceUpdateWorker::packagePath() const
{
    return AgentFolders::tempPath(m_sFileName);
}

void DeviceUpdateWorker::doDownloadUpdate()
{
    QList<WorkFile::Row> rows;
    if (!readUpdateList(&rows)) {
        finish(DEVICE_REQUESTERROR, "true");
        return;
    }
    if (rows.isEmpty()) {
        finish(INSTALLUPDATE_SUCCESS, "true");
        return;
    }
    m_currentRow = rows.first();
    const QString sUrl = m_currentRow.value(4);
    m_sFileName = packageFileName(sUrl);
    if (m_sFileName.isEmpty()) {
        writeLog(1, "[DeviceUpdateWorker][doDownloadUpdate] no file name in %s", qUtf8Printable(sUrl));
        finish(DEVICE_REQUESTERROR, "true");
        return;
    }
    m_nStep = m_currentRow.value(0) == "AGENT" ? STEP_AGENT : STEP_DEVICE;
    dropThread();
    m_pThread = new WorkerThread(this, 60000);
    m_pThread->setDownload(downloadAddress(sUrl), packagePath(), m_currentRow.value(3));
    m_pThread->start();
}

void DeviceUpdateWorker::slotDownloadProcess(qint64 nRead, qint64 nTotal)
{
    writeLog(1, "[DeviceUpdateWorker][slotDownloadProcess] read:%lld ,total:%lld", nRead, nTotal);
    emit emitStatus(DEVICE_DOWNLOADPROCESS,
                    JsonHelper::fill(R"({"file":"%1","read":"%2","total":"%3"})",
                                     {m_sFileName, QString::number(nRead), QString::number(nTotal)}));
}

void DeviceUpdateWorker::netFinish(bool bSuccess)
{
    dropThread();
    if (!bSuccess) {
        writeLog(1, "[DeviceUpdateWorker][netFinish] step %d failed", m_nStep);
        finish(DEVICE_REQUESTERROR, "true");
        return;
    }
    if (m_nStep == STEP_CHECK) {
        DebugLog::exportFile(m_sAnswerFile);
        procDevUpdateXml();
        return;
    }
    downloadDone();
}

void DeviceUpdateWorker::downloadDone()
{
    bool bOk = false;
    const qint64 nExpected = m_currentRow.value(3).trimmed().toLongLong(&bOk, 10);
    const qint64 nActual = QFileInfo(packagePath()).size();
    if (!bOk || nExpected < 0 || nActual != nExpected) {
        writeLog(1, "[DeviceUpdateWorker][netFinish] %s has %lld bytes, the list says %s",
                 qUtf8Printable(m_sFileName), nActual, qUtf8Printable(m_currentRow.value(3)));
        QFile::remove(packagePath());
        finish(DEVICE_REQUESTERROR, "true");
        return;
    }
    m_pCheck = new PackageCheck(this);
    connect(m_pCheck, &PackageCheck::finished, this, &DeviceUpdateWorker::slotPackageChecked);
    m_pCheck->start(packagePath());
}

void DeviceUpdateWorker::slotPackageChecked(int eResult, int nExitCode)
{
    m_pCheck->deleteLater();
    m_pCheck = nullptr;
    switch (eResult) {
    case PackageCheck::PASSED:
        if (m_nStep == STEP_AGENT)
            doInstallUpdate();
        else
            doWriteVerAndReDownload();
        return;
    case PackageCheck::NO_PROGRAM:
        noteError("E01", "7z.exe/7za not exist");
        failUnpack();
        return;
    case PackageCheck::FAILED:
        refusePackage(QString("E02-%1").arg(nExitCode), "unzip issue");
        return;
    default:
        refusePackage("E03", "archive refused");
        return;
    }
}

void DeviceUpdateWorker::refusePackage(const QString& sCode, const QString& sText)
{
    writeLog(1, "[DeviceUpdateWorker][refusePackage] %s: %s %s", qUtf8Printable(m_sFileName),
             qUtf8Printable(sCode), qUtf8Printable(sText));
    // A complete but bad download would otherwise pass for done at the next try.
    QFile::remove(packagePath());
    noteError(sCode, sText);
    failUnpack();
}

void DeviceUpdateWorker::doInstallUpdate()
{
    // An installer left by an earlier package must not pass for this package's own.
    const QString sName = installerName(m_sFileName, Platform::installerLauncher().installerSuffix());
    const QFileInfo stale(sName.isEmpty() ? QString() : AgentFolders::tempPath(sName));
    if (!sName.isEmpty() && (stale.exists() || stale.isSymLink()) && !QFile::remove(stale.filePath()))
        writeLog(1, "[DeviceUpdateWorker][doInstallUpdate] cannot remove the earlier %s",
                 qUtf8Printable(sName));
    doUnzipUpdate(packagePath(), AgentFolders::tempDir());
}

bool DeviceUpdateWorker::doUnzipUpdate(const QString& sArchive, const QString& sTarget)
{
    emit emitStatus(DEVICE_INSTALLPROCESS,
                    JsonHelper::fill(R"({"file":"%1","unzip":"%2"})", {m_sFileName, "0"}));
    if (!QFileInfo(Platform::archiveProgram(AgentFolders::programDir())).isFile()) {
        noteError("E01", "7z.exe/7za not exist");
        failUnpack();
        return false;
    }
    dropThread();
    m_pThread = new WorkerThread(this, 0);
    m_pThread->setUnzip(sArchive, sTarget);
    m_pThread->start();
    return true;
}

void DeviceUpdateWorker::slotProcFinish(int nExitCode, QProcess::ExitStatus eExitStatus)
{
    writeLog(1, "[DeviceUpdateWorker][slotProcFinish][Entry] nExitCode :%d", nExitCode);
    dropThread();
    if (eExitStatus != QProcess::NormalExit || nExitCode != 0) {
        noteError(QString("E02-%1").arg(nExitCode), "unzip issue");
        failUnpack();
        return;
    }
    emit emitStatus(DEVICE_INSTALLPROCESS,
                    JsonHelper::fill(R"({"file":"%1","unzip":"%2"})", {m_sFileName, "100"}));
    doWriteVerAndReDownload();
}

void DeviceUpdateWorker::slotUnzipProcess(int nValue)
{
    Q_UNUSED(nValue);
}

void DeviceUpdateWorker::doWriteVerAndReDownload()
{
    QList<WorkFile::Row> rows;
    if (!readUpdateList(&rows)) {
        finish(DEVICE_REQUESTERROR, "true");
        return;
    }
    if (rows.isEmpty()) {
        finish(INSTALLUPDATE_SUCCESS, "");
        return;
    }
    if (rows.first().value(0) == "AGENT")
        startInstaller();
    else
        recordDevicePackage();
}

void DeviceUpdateWorker::startInstaller()
{
    InstallerLauncher& launcher = Platform::installerLauncher();
    const QString sName = installerName(m_sFileName, launcher.installerSuffix());
    const QString sInstaller = sName.isEmpty() ? QString() : AgentFolders::tempPath(sName);
    const QFileInfo installer(sInstaller);
    if (sInstaller.isEmpty() || installer.isSymLink() || !installer.isFile()) {
        writeLog(1, "[DeviceUpdateWorker][startInstaller] no installer %s in %s", qUtf8Printable(sName),
                 qUtf8Printable(m_sFileName));
        // Not the package it should be: the next try fetches it anew.
        QFile::remove(packagePath());
        noteError("E03", "no installer in the package");
        finish(DEVICE_REQUESTERROR, "true");
        return;
    }
    HandoffWatch watch;
    watch.pContext = this;
    watch.nHandOverMs = AgentTiming::ms(AgentTiming::HANDLER_HANDOVER);
    watch.outcome = [this, sInstaller](bool bHandedOver, const QString& sWhat) {
        installerHandedOver(sInstaller, bHandedOver, sWhat);
    };
    watch.lateEnd = [](const QString& sWhat) {
        writeLog(1, "[DeviceUpdateWorker][startInstaller] the handler that took the installer ended: %s",
                 qUtf8Printable(sWhat));
    };
    launcher.launch(sInstaller, watch);
}

// The desktop's handler ended or took over: only then is the agent's installer known to have started.
void DeviceUpdateWorker::installerHandedOver(const QString& sInstaller, bool bHandedOver,
                                             const QString& sWhat)
{
    if (!bHandedOver) {
        writeLog(1, "[DeviceUpdateWorker][startInstaller] %s not opened: %s", qUtf8Printable(sInstaller),
                 qUtf8Printable(sWhat));
        noteError("E06", "installer not opened");
        finish(DEVICE_REQUESTERROR, "true");
        return;
    }
    writeLog(1, "[DeviceUpdateWorker][startInstaller] the desktop took %s: %s", qUtf8Printable(sInstaller),
             qUtf8Printable(sWhat));
    finish(INSTALLUPDATE_SUCCESS, "agent");
}

void DeviceUpdateWorker::recordDevicePackage()
{
    QList<WorkFile::Row> rows;
    QList<WorkFile::Row> done;
    if (!readUpdateList(&rows) || rows.isEmpty() ||
        (QFileInfo::exists(devDownloadPath()) && !WorkFile::readRows(devDownloadPath(), &done))) {
        finish(DEVICE_REQUESTERROR, "true");
        return;
    }
    // Recorded first: a row that cannot be recorded stays in the list to be done.
    done.append(rows.takeFirst());
    if (!WorkFile::writeRows(devDownloadPath(), done) ||
        !WorkFile::writeRows(ProcDevUpdateXml::updateListPath(), rows)) {
        writeLog(1, "[DeviceUpdateWorker][doWriteVerAndReDownload] cannot write the work lists");
        finish(DEVICE_REQUESTERROR, "true");
        return;
    }
    if (!rows.isEmpty()) {
        doDownloadUpdate();
        return;
    }
    writeLog(1, "[DeviceUpdateThread][doWriteVerAndReDownload]emit INSTALLUPDATE_SUCCESS.");
    finish(INSTALLUPDATE_SUCCESS, "");
}

// ---- common ----

void DeviceUpdateWorker::noteError(const QString& sCode, const QString& sText)
{
    if (m_errorSink)
        m_errorSink(sCode, sText);
}

// A device package that cannot be checked or unpacked ends as an unpack failure. The agent's own package
// has nothing to do with a device: its failure ends as a failed update (74), never as a box about the
// device's connection.
void DeviceUpdateWorker::failUnpack()
{
    finish(m_nStep == STEP_AGENT ? DEVICE_REQUESTERROR : DEVICE_UNZIPERROR, "true");
}

void DeviceUpdateWorker::finish(ACTION_STATUS status, const QString& sResult)
{
    writeLog(1, "[DeviceUpdateWorker][finish] status %d %s", int(status), qUtf8Printable(sResult));
    emit emitStatus(status, sResult);
}

void DeviceUpdateWorker::dropThread()
{
    delete m_pThread;
    m_pThread = nullptr;
}
