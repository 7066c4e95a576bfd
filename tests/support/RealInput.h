#pragma once

#include <QPoint>
#include <QString>
#include <Qt>

class QWidget;
class RealInputSyncFilter;
struct _XDisplay;

// Real input for widget tests. The test process gets an X display of its own (Xvfb on a free display
// number), its Qt runs there on the xcb platform, and mouse and keyboard events are injected with XTest
// through a second X connection. The events take the same road as a person's: the X server, Qt's event
// queue, focus changes, selection and enabled state, so faults that pressing buttons by code never
// meets show here.
//
// Use WENDO_REAL_INPUT_MAIN(TestClass) instead of QTEST_MAIN (the display must exist before the
// application object), QSKIP in initTestCase when !RealInput::isAvailable(), then per case:
//     RealInput input;
//     QVERIFY(input.showWindow(pWindow));
//     QVERIFY(input.click(pEdit));
//     QVERIFY(input.type("Rider@Example.com"));
//     QVERIFY(input.key(Qt::Key_Tab));
// Every call returns only after Qt has handled the events it caused (a round trip through the
// display), and false with a warning when something cannot be done (no key for a character, a window
// that never shows).
class RealInput
{
public:
    // Before the application object: starts Xvfb on a free display and points this process's Qt at it
    // (DISPLAY, QT_QPA_PLATFORM=xcb). On failure the process keeps its platform and the reason is kept.
    // With bWindowManager, openbox manages the display's windows as on a desktop (placement, focus,
    // frames) where it is installed; without it the display has no window manager.
    static bool startDisplay(bool bWindowManager = false);
    // After the application object is gone: ends the window manager and the display.
    static void stopDisplay();
    static bool isAvailable();
    static QString unavailableReason();
    // True while a window manager runs on the display.
    static bool hasWindowManager();
    // The display's name (":N") for a child process that should run on it too.
    static QString displayName();

    RealInput();
    ~RealInput();
    RealInput(const RealInput&) = delete;
    RealInput& operator=(const RealInput&) = delete;

    bool isOpen() const { return m_pDisplay != nullptr; }

    // Shows a top-level window and waits until it is exposed and active (it holds the keyboard focus).
    bool showWindow(QWidget* pWindow);
    // Shows a top-level window as a program does, without raising or activating it, and waits until it
    // is exposed and, under a window manager, taken in by it (WM_STATE set). The window gets the focus
    // only from a click, as on a desktop.
    bool showPlainly(QWidget* pWindow);
    // A point of the widget (its centre by default) in screen coordinates.
    static QPoint globalPoint(QWidget* pWidget, const QPoint& local = QPoint(-1, -1));

    // Where the X server has the window's top-left corner on the screen (not what Qt believes).
    static QPoint screenPosition(QWidget* pWindow);

    bool moveTo(const QPoint& globalPos);
    // Presses the left button at a point, moves the pointer by the distance in a few steps, releases.
    bool drag(const QPoint& fromGlobal, const QPoint& distance);
    bool click(QWidget* pWidget, const QPoint& local = QPoint(-1, -1),
               Qt::MouseButton button = Qt::LeftButton);
    bool doubleClick(QWidget* pWidget, const QPoint& local = QPoint(-1, -1));
    // Types the text key by key as the keyboard layout produces it (Shift where needed). Printable
    // Latin-1 characters that the layout holds; anything else fails before a key is pressed.
    bool type(const QString& sText);
    // One key with modifiers held: Tab, Backtab, Space, Return, Enter, Escape, Backspace, Delete, Home,
    // End, the arrows, or a letter or digit (for shortcuts such as Ctrl+A).
    bool key(Qt::Key eKey, Qt::KeyboardModifiers modifiers = Qt::NoModifier);

    // Waits (as a hang guard) until the widget holds the keyboard focus.
    static bool waitForFocus(QWidget* pWidget);
    // Waits until Qt has handled every event injected so far.
    bool sync();

private:
    bool pressKeysym(unsigned long nKeysym, Qt::KeyboardModifiers modifiers);
    bool button(Qt::MouseButton button, bool bPress);
    unsigned char keycodeOf(unsigned long nKeysym, int* pLevel) const;
    bool modifierKeys(Qt::KeyboardModifiers modifiers, bool bPress);

    _XDisplay* m_pDisplay = nullptr;
    RealInputSyncFilter* m_pFilter = nullptr;
    QWidget* m_pSyncWindow = nullptr;
    long m_nSyncSerial = 0;
};

#define WENDO_REAL_INPUT_MAIN(TestObject) WENDO_REAL_INPUT_MAIN_WITH(TestObject, false)
// The same under a window manager (openbox where installed), as on a desktop.
#define WENDO_REAL_INPUT_MAIN_WITH_WINDOW_MANAGER(TestObject) WENDO_REAL_INPUT_MAIN_WITH(TestObject, true)

#define WENDO_REAL_INPUT_MAIN_WITH(TestObject, bWindowManager)                                               \
    int main(int argc, char* argv[])                                                                         \
    {                                                                                                        \
        RealInput::startDisplay(bWindowManager);                                                             \
        int nResult = 0;                                                                                     \
        {                                                                                                    \
            QApplication app(argc, argv);                                                                    \
            app.setAttribute(Qt::AA_Use96Dpi, true);                                                         \
            TestObject tc;                                                                                   \
            QTEST_SET_MAIN_SOURCE_PATH                                                                       \
            nResult = QTest::qExec(&tc, argc, argv);                                                         \
        }                                                                                                    \
        RealInput::stopDisplay();                                                                            \
        return nResult;                                                                                      \
    }
