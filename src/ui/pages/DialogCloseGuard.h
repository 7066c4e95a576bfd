#pragma once

#include <QObject>

class QDialog;

// Takes every way of closing a dialog by hand away while its job runs: the title bar's close button,
// Escape and the window system's close request (Alt+F4, a taskbar's Close). A backup or an install
// that is cut off half way leaves the device in a worse state than either end, so while the job runs
// only the dialog itself ends it, by done(), accept() or reject() (close() is a close request too).
// Once the job has ended all of them work again.
//
// The guard is a child of the dialog. It can be switched while the dialog runs modally: the title bar
// changes in place, without the hide that QWidget::setWindowFlags does (which would end exec()).
class DialogCloseGuard : public QObject
{
    Q_OBJECT

public:
    explicit DialogCloseGuard(QDialog* pDialog);

    void setJobRunning(bool bRunning);
    bool isJobRunning() const { return m_bJobRunning; }

protected:
    bool eventFilter(QObject* pWatched, QEvent* pEvent) override;

private:
    static bool isCloseRequest(QEvent* pEvent);
    void applyCloseButton(bool bShown);

    // The guard is the dialog's child and never outlives it. The filter compares with the QObject
    // pointer only: it also sees the events of the dialog's destruction, when it is no QDialog anymore.
    QDialog* const m_pDialog;
    QObject* const m_pWatched;
    bool m_bJobRunning = false;
    // The dialog's own hints before the job took them away, given back after it.
    bool m_bHadCloseButton = false;
    bool m_bHadCustomize = false;
};
