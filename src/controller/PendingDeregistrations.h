#pragma once

#include <QList>
#include <QPair>
#include <QString>

// The deregistrations sent and not yet answered, oldest first, each with the user's choice to remove the
// device's backup as well. The account worker answers its requests in the order they were sent, so each
// answer belongs to the oldest one: deregistering a second device before the first is answered must not
// turn the first answer into a removal of the second device's backup.
class PendingDeregistrations
{
public:
    void add(const QString& sUUID, bool bRemoveBackup);
    // The answer to the oldest deregistration. A success with the remove choice removes that device's two
    // archives (when they exist) and empties its "backuptime". An answer with nothing pending does nothing.
    void answer(bool bDeregistered);
    int count() const { return m_lstPending.size(); }

private:
    static void removeBackup(const QString& sUUID);

    QList<QPair<QString, bool>> m_lstPending;
};
