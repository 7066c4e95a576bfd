#pragma once

#include <QList>
#include <QPair>
#include <QString>

// Puts a restored tree in place so that a restore that fails or is stopped leaves the device as it was.
// The archive is extracted into a folder beside the destination, on the same drive; only a complete
// extraction is moved in, by renames that are undone when one of them fails.
//  - REPLACE: the destination folder as a whole is swapped for the extracted one.
//  - OVERLAY: the extracted entries are laid over the destination (a drive root): what the archive holds
//    replaces the same path, everything else stays. Names are matched without regard to case.
class RestoreSwap
{
public:
    enum Mode { REPLACE, OVERLAY };

    RestoreSwap(const QString& sDestination, Mode mode);

    QString destination() const { return m_sDestination; }
    QString extractDir() const { return m_sExtractDir; }

    // Clears what an interrupted earlier restore left beside the destination (putting back anything it
    // had moved aside) and creates the empty extraction folder.
    bool prepare();
    // Moves the extraction into place; on failure every move is undone and false returned.
    bool commit();
    // Undoes a successful commit (the other half of a two-drive restore failed).
    void rollback();
    // After a kept commit: removes what was replaced and what is left of the extraction.
    void finish();
    // Instead of a commit: removes the extraction. Nothing when prepare() never ran: the way to the
    // extraction folder was then never found safe, and may lead off the device.
    void discard();

private:
    bool move(const QString& sFrom, const QString& sTo);
    bool overlay(const QString& sNewDir, const QString& sTargetDir, const QString& sOldDir);
    bool putBack(const QString& sOldDir, const QString& sTargetDir);
    bool isReserved(const QString& sPath) const;
    static void removeTree(const QString& sPath);
    static bool present(const QString& sPath);

    Mode m_mode;
    QString m_sDestination;
    QString m_sExtractDir;
    QString m_sOldDir;
    QList<QPair<QString, QString>> m_journal; // (from, to) of each move, in order
    bool m_bPrepared = false;
};
