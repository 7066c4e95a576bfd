#pragma once

#include "core/ActionStatus.h"

#include <QDialog>
#include <QHash>
#include <QString>

class DialogCloseGuard;
class QTimer;
class Ui_InstallUpdateDialog;
class ZeqAgentCtrlMgr;

// The modal window that carries out the update the user accepted. It lists what is installed (from
// "Update.script" and "map.script"), asks the controller for the device part and, once that is done,
// for the map part, shows download and unpack progress item by item, polls the device's free space
// while a package is unpacked onto it, removes superseded archives, and ends with exactly one result
// box, after which it closes itself. The opener builds it without parent, runs exec() and destroys it.
//
// The install starts once exec() runs: an install with nothing to do finishes at once, and its result
// box must be able to close a dialog that is already shown. While the packages download, Escape and the
// window's close cancel the install (nothing is on the device yet; no box follows); from the first unpack
// on, and while a result is on its way, only the dialog itself ends it (no close button, no Escape).
//
// bAgentOnly: the agent's own package alone. Its installer takes over when it starts (the dialog then
// closes without a box), no map part follows and device changes do not end it.
class InstallUpdateDialog : public QDialog
{
    Q_OBJECT

public:
    // The result boxes of showResultMsg.
    enum ResultKind { MSG_CONNECTION = 0, MSG_SUCCESS = 1, MSG_DEVICE = 2, MSG_SPACE = 3 };

    InstallUpdateDialog(bool bRecover, bool bAgentOnly = false, QWidget* parent = nullptr);
    ~InstallUpdateDialog() override;

    // The text of a download or unpack notice read as a byte count: a text that is no number counts 0.
    static qint64 byteCount(const QString& sText);
    // Megabytes a drive needs for an install of nBytes: the install's 2 MiB margin added, whole MiB
    // rounded up.
    static quint64 neededMegabytes(quint64 nBytes);

public slots:
    void slotActionFinish(ACTION_STATUS status, QString sResult);
    void slotdevRefresh(bool bArrival);
    // The free-space poll while a package is unpacked onto the device.
    void updateInstallUI();

private:
    void initUpdateList();
    void readDeviceRows();
    void readMapRows();
    void doInstallDeviceUpdate();
    void doInstallMapUpdate();
    // The one result: later statuses change nothing; its box follows from the event loop, then the
    // dialog closes.
    void showResultMsg(int kind);
    void runResultBox(const QString& sTitle, const QString& sText);
    void delRedundantFile(const QString& sFile);
    void cancelDownloads();

    void onDeviceDone(const QString& sResult);
    void showDownloadProgress(ACTION_STATUS status, const QString& sResult);
    void showUnpackProgress(ACTION_STATUS status, const QString& sResult);
    void startUnpack(ACTION_STATUS status, const QString& sFile);
    // The package kind word of a file name for a status ("" when none matches) and its row text.
    static QString kindWord(ACTION_STATUS status, const QString& sFile);
    // A device package is titled by its row's kind: "WendoAgent" for the agent's own ("AGENT"),
    // whatever its file is called. Only a file that no row names is told by its name.
    QString itemText(ACTION_STATUS status, const QString& sFile) const;
    // The archives the work lists still name: they wait to be unpacked and are never deleted.
    static QStringList pendingArchives();
    void resultText(int kind, QString* pTitle, QString* pText);
    QString driveName() const;
    static QString withTick(const QString& sText);

    Ui_InstallUpdateDialog* ui;
    ZeqAgentCtrlMgr* controller;
    bool m_bRecover;
    bool m_bMsgShowing = false;
    QString m_sTAMapText;
    QString m_sOSMMapText;
    // The package kind (field 0) of each file the device list names.
    QHash<QString, QString> m_packageKinds;
    int m_curStatus = DEVICE_DOWNLOADPROCESS;
    QString m_sItemType;
    qint64 m_nFileInstallSize = 0;
    quint64 m_nUnzipTotalSize = 0;
    qint64 m_nDiskOriginalSize = 0;
    qint64 m_nDiskCurrentSize = 0;

    bool m_bAgentOnly;
    // An unpack ended (a 78 or 87 end): without one, an install that ends well installed nothing.
    bool m_bUnpacked = false;
    // The one result was handled: nothing that arrives afterwards changes anything.
    bool m_bFinished = false;
    QTimer* m_pPollTimer;
    DialogCloseGuard* m_pCloseGuard;
};
