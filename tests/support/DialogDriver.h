#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>

#include <functional>

class QTimer;
class QWidget;

// Walks nested modal dialogs as a person does. A dialog that opens another runs it inside its own slot,
// so the test's call (a menu item, a button) returns only once the whole road has ended: the steps are
// set up first and run from the event loops of the dialogs themselves. Each step waits for a top-level
// window with an accessible name to show and then acts on it, typically by clicking a named button.
//
// Every window with an accessible name that shows is recorded, in order, so a test can say what opened.
// A guard ends every dialog still open (done(-1)) when the road has not ended after the limit, so a
// missing step fails the test instead of hanging it; the limit is no measure of speed.
class DialogDriver : public QObject
{
    Q_OBJECT

public:
    using Action = std::function<void(QWidget*)>;

    explicit DialogDriver(int nGuardMs = 60000);
    ~DialogDriver() override;

    // When the next window of that accessible name shows, runs the action on it (once the window's own
    // loop runs).
    DialogDriver& then(const QString& sName, const Action& action);
    // ... clicks its button of that object name (a real mouse click, on a visible and enabled button).
    DialogDriver& click(const QString& sName, const QString& sButton);

    // The accessible names of the windows shown so far, in order.
    QStringList shown() const { return m_lstShown; }
    // Every step ran.
    bool isDone() const { return m_lstSteps.isEmpty(); }
    // What went wrong: a button missing or disabled, the guard's end.
    QStringList failures() const { return m_lstFailures; }

    // A visible top-level window with that accessible name, or null.
    static QWidget* window(const QString& sName);
    // Clicks the visible and enabled button of that object name in the window; false when there is none.
    static bool clickButton(QWidget* pWindow, const QString& sButton);

protected:
    bool eventFilter(QObject* pWatched, QEvent* pEvent) override;

private:
    struct Step {
        QString sName;
        Action action;
    };
    void shownWindow(QWidget* pWindow);
    void guardFired();

    QList<Step> m_lstSteps;
    QStringList m_lstShown;
    QStringList m_lstFailures;
    QTimer* m_pGuard;
};
