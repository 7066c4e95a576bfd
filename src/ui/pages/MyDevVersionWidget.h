#pragma once

#include "core/ActionStatus.h"
#include "core/Worker.h"

#include <QString>
#include <QWidget>

class Ui_MyDevVersionWidget;
class ZeqAgentCtrlMgr;

// The bottom box of the My Device page: the device's ROM and software versions, its update state with a
// link to the release notes, and the button that starts the update check. Once per page layout it also
// starts the check by itself: after the first sync end for a device registered here, some seconds after
// it is shown for any other device, unless a check was already started.
class MyDevVersionWidget : public QWidget
{
    Q_OBJECT

public:
    explicit MyDevVersionWidget(QWidget* parent);
    ~MyDevVersionWidget() override;

    // nStyle is the device page's style: 0 registered here, 1 not registered, 2 registered elsewhere.
    void refreshVersionInfo(int nStyle);
    // Reads the device's update state from the update list of the last check.
    void doProcUpdateCheck();

private slots:
    void slotCheckUpdate();
    void slotCheck();
    void slotReleaseNote(QString sUrl);
    void slotActionFinish(ACTION_STATUS status, QString sResult);

protected:
    void changeEvent(QEvent* event) override;

private:
    void showVersionLines();
    // After an install that ended well: the device's new versions, and no update state.
    void showInstalled();
    // The status line, the release-note link and the button's caption for what the last check found,
    // in the current language.
    void showUpdateState();
    // The release-note address of the last device package row of the update list; false when the list
    // offers no device package (or cannot be read).
    static bool readReleaseNote(QString* pAddress);
    static bool isWebAddress(const QString& sUrl);

    ZeqAgentCtrlMgr* m_pCtrl;
    Ui_MyDevVersionWidget* ui;
    int m_nDevType = 0;
    // The controller's current record (it lives as long as the controller): read afresh at each refresh.
    const Worker::DEVINFO* m_ppDevInfo = nullptr;
    int m_nStyle = 0;
    QString m_sCheckText;
    // What the last check found, kept so that a language change can say it again.
    enum UpdateState { NOT_CHECKED, UPDATE_AVAILABLE, UP_TO_DATE };
    UpdateState m_eUpdateState = NOT_CHECKED;
    QString m_sReleaseAddress;
};
