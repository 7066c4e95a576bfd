#include "support/UpdateRoadFixture.h"

#include "backup/BackupFiles.h"
#include "controller/DialogOpener.h"
#include "controller/ZeqAgentCtrlMgr.h"
#include "core/AgentFolders.h"
#include "core/AgentTiming.h"
#include "platform/ArchiveTool.h"
#include "platform/DevicePath.h"
#include "support/BackupDialogFixture.h"
#include "support/ControllerTestDevices.h"
#include "support/NginxFixture.h"
#include "support/TestFolders.h"
#include "ui/main/ZeqAgentMainDialog.h"
#include "ui/update/UpdateDialogOpener.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QEvent>
#include <QMenu>
#include <QPair>

UpdateRoadFixture::UpdateRoadFixture() = default;

UpdateRoadFixture::~UpdateRoadFixture() = default;

QString UpdateRoadFixture::unavailableReason()
{
    if (ArchiveTool::findProgram(QString()).isEmpty())
        return "No 7-Zip program (7z, 7zz or 7za) is installed; the set-up scripts install Debian's 7zip.";
    if (!NginxFixture::isAvailable())
        return NginxFixture::skipReason();
    return QString();
}

bool UpdateRoadFixture::serve(const QStringList& lstArchives)
{
    for (const QString& sArchive : lstArchives) {
        if (!m_packages.build(sArchive)) {
            m_sError = m_packages.errorString();
            return false;
        }
    }
    if (m_packages.start())
        return true;
    m_sError = m_packages.errorString();
    return false;
}

bool UpdateRoadFixture::begin()
{
    m_ui.reset();
    QDir(BackupFiles::backupDir()).removeRecursively();
    QDir(AgentFolders::tempDir()).removeRecursively();
    if (!QDir().mkpath(AgentFolders::tempDir())) {
        m_sError = "cannot make " + AgentFolders::tempDir();
        return false;
    }
    m_pWorld.reset(new UpdateCheckFixture);
    if (!m_pWorld->isValid()) {
        m_sError = "the update and map services or the device drives did not start";
        return false;
    }
    m_pOpener.reset(new UpdateDialogOpener);
    DialogOpener::setInstance(m_pOpener.get());
    m_pBackup.reset(new BackupDialogFixture);
    AgentTiming::set(AgentTiming::BACKUP_PART_PAUSE, 0);
    AgentTiming::set(AgentTiming::BACKUP_DONE_PAUSE, 50);
    AgentTiming::set(AgentTiming::DOWNLOAD_PROGRESS, 0);
    return true;
}

void UpdateRoadFixture::end()
{
    m_pWindow.reset();
    UpdateCheckFixture::unplug();
    ZeqAgentCtrlMgr::getInstance()->terminateAllWorker();
    ControllerTestDevices::install()->m_volumes.clear();
    // Dialogs a case closed with deleteLater go before the opener and the backup fixture they came through.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    m_pBackup.reset();
    DialogOpener::setInstance(nullptr);
    m_pOpener.reset();
    m_pWorld.reset();
}

void UpdateRoadFixture::openMainWindow()
{
    m_pWindow.reset(new ZeqAgentMainDialog());
    m_pWindow->show();
    ZeqAgentCtrlMgr::getInstance()->m_nDevPageStyle = 0;
}

QAction* UpdateRoadFixture::checkItem() const
{
    return m_pWindow->findChild<QMenu*>("TrayMenu")->findChild<QAction*>("actionCheck");
}

bool UpdateRoadFixture::plugDriveWithBackup()
{
    if (!m_pWorld->m_system.writeVersion("osm", "1.0;old;1;") ||
        !m_pWorld->m_system.writeFile("KORVO/Settings/settings.xml", "<settings/>") ||
        !m_pWorld->m_data.writeFile("KORVO/Tracks/ride.fit", "ride")) {
        m_sError = "cannot write the device's drives";
        return false;
    }
    ControllerTestDevices::install()->m_volumes.addVolume(m_pWorld->m_system.root(), "ZEQ_SYSTEM");
    BackupDialogFixture::plug(BackupDialogFixture::uuid(),
                              {m_pWorld->m_system.root(), m_pWorld->m_data.root()});
    m_pWorld->answerMaps({servedMap("OSM-EU", "eu_OSM.zip")});
    return true;
}

FakeUpdateService::Package UpdateRoadFixture::served(const QString& sKind, const QString& sVersion,
                                                     const QString& sArchive) const
{
    FakeUpdateService::Package package = UpdateCheckFixture::package(sKind, sVersion);
    package.sUrl = m_packages.url(sArchive);
    package.sFileSize = m_packages.size(sArchive);
    return package;
}

FakeMapService::Package UpdateRoadFixture::servedMap(const QString& sNotes, const QString& sArchive) const
{
    FakeMapService::Package package = UpdateCheckFixture::mapPackage(sNotes);
    for (QPair<QString, QString>& field : package) {
        if (field.first == "size")
            field.second = m_packages.size(sArchive);
        else if (field.first == "file_url" || field.first == "downloadurl")
            field.second = m_packages.url(sArchive);
        else if (field.first == "checksum")
            field.second = m_packages.md5(sArchive);
    }
    return package;
}

QStringList UpdateRoadFixture::notices() const
{
    QStringList lst;
    for (const RecordingNotifier::Notice& notice : m_ui.m_notifier.m_notices)
        lst << notice.sTitle + "|" + notice.sText;
    return lst;
}

QByteArray UpdateRoadFixture::onDrive(const QString& sRelative) const
{
    return TestFolders::readFile(DevicePath::resolve(m_pWorld->m_system.root(), sRelative));
}
