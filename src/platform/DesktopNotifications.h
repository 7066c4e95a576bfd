#pragma once

#include <QObject>
#include <QString>

// The desktop's own notices (the notification service of the session), for a desktop whose tray cannot
// show a balloon. Platform::makeDesktopNotifications() makes the one the program uses; it lives in the
// thread that made it and never blocks it.
class DesktopNotifications : public QObject
{
    Q_OBJECT

public:
    explicit DesktopNotifications(QObject* pParent = nullptr) : QObject(pParent) {}

    // Shows a notice with the program's name, sTitle and sText for nTimeoutMs, clickable where the service
    // can tell of a click. Answers later: refused() when the notice could not be shown.
    virtual void notify(const QString& sTitle, const QString& sText, int nTimeoutMs) = 0;

signals:
    // The user clicked one of the notices this object showed; once per notice, whatever the service tells.
    void clicked();
    // A notice could not be shown; sWhy in plain words.
    void refused(const QString& sWhy);
};
