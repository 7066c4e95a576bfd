#pragma once

#include "support/FakeMapService.h"
#include "support/FakeUpdateService.h"
#include "support/ServedPackages.h"
#include "support/UiFixture.h"
#include "support/UpdateCheckFixture.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <memory>

class BackupDialogFixture;
class QAction;
class UpdateDialogOpener;
class ZeqAgentMainDialog;

// The whole update road as a person walks it, from the tray's "Check for Updates" to the end of the
// install: packages made by the real 7-Zip and served by nginx for the whole test program, and per case
// the update check's world (UpdateCheckFixture), the real update dialogs, the backup dialog's device and
// the main window. Once, in initTestCase: stage into m_packages, then serve(); per case: begin() in init,
// end() in cleanup.
class UpdateRoadFixture
{
public:
    UpdateRoadFixture();
    ~UpdateRoadFixture();

    // Why the road cannot be walked on this machine (no 7-Zip, no nginx); empty when it can.
    static QString unavailableReason();
    QString errorString() const { return m_sError; }

    // Builds each archive from what was staged for it and starts serving them all.
    bool serve(const QStringList& lstArchives);

    // Between cases: no settings, notices, backups or work files; a fresh world, the real update dialogs,
    // the backup dialog's device and no pauses worth waiting for.
    bool begin();
    // Closes the window, lets the device go and ends every worker before the world goes.
    void end();

    void openMainWindow();
    QAction* checkItem() const;

    // A drive-family device with an OSM map on offer ("OSM-EU" in "eu_OSM.zip") and something the backup
    // keeps, so the offer ticks its backup box. The device update on offer is the test's.
    bool plugDriveWithBackup();

    // A package of the update service's list, served from the nginx folder.
    FakeUpdateService::Package served(const QString& sKind, const QString& sVersion,
                                      const QString& sArchive) const;
    // A map of the map service's list likewise, with the archive's size and MD5.
    FakeMapService::Package servedMap(const QString& sNotes, const QString& sArchive) const;
    // The boxes shown so far, each as "title|text".
    QStringList notices() const;
    // A file on the device's system drive, spelled as the device spells it.
    QByteArray onDrive(const QString& sRelative) const;

    UiFixture m_ui;
    ServedPackages m_packages;
    std::unique_ptr<UpdateCheckFixture> m_pWorld;

private:
    std::unique_ptr<UpdateDialogOpener> m_pOpener;
    std::unique_ptr<BackupDialogFixture> m_pBackup;
    std::unique_ptr<ZeqAgentMainDialog> m_pWindow;
    QString m_sError;
};
