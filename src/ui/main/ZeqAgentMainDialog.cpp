#include "ZeqAgentMainDialog.h"

#include "AboutDialog.h"
#include "AgentResources.h"
#include "Balloons.h"
#include "BottomBar.h"
#include "Login_fbWidget.h"
#include "TitleBar.h"
#include "TrayIcon.h"
#include "controller/DialogOpener.h"
#include "controller/RememberedSignIn.h"
#include "controller/ZeqAgentCtrlMgr.h"
#include "core/AgentFolders.h"
#include "core/AgentSettings.h"
#include "core/AgentTiming.h"
#include "core/ConnectionFailure.h"
#include "core/DebugLog.h"
#include "core/JsonHelper.h"
#include "core/Notifier.h"
#include "platform/Autostart.h"
#include "platform/Platform.h"
#include "ui/pages/PageLoops.h"
#include "ui/pages/ZeqAgentInfoWidget.h"
#include "ui/update/NewUpdateAvailableDialog.h"
#include "ui_ZeqAgentMainDialog.h"

#include <QAction>
#include <QApplication>
#include <QEventLoop>
#include <QIcon>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QTimer>
#include <QVBoxLayout>

ZeqAgentMainDialog::ZeqAgentMainDialog(QWidget* pParent)
    : QDialog(pParent), m_pUi(new Ui_ZeqAgentMainDialog), m_pCtrl(nullptr)
{
    writeLog(1, "[ZeqAgentMainDialog][ZeqAgentMainDialog][Entry]");
    AgentResources::init();
    m_pUi->setupUi(this);
    // No caption, system menu or frame buttons: the title strip is the caption (and the drag handle).
    // X11 window managers would still draw a border for the customize hint alone.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::FramelessWindowHint);

    m_pCtrl = ZeqAgentCtrlMgr::getInstance();
    connect(m_pCtrl, &ZeqAgentCtrlMgr::devRefresh, this, &ZeqAgentMainDialog::devRefresh);
    connect(m_pCtrl, &ZeqAgentCtrlMgr::actionFinish, this, &ZeqAgentMainDialog::slotActionFinish);

    m_pLayout = new QVBoxLayout(this);
    m_pLayout->setContentsMargins(0, 0, 0, 0);
    m_pLayout->setSpacing(0);
    // Outside the layout the strips stay hidden, so the welcome view shows only the welcome picture.
    m_pTitleBar = new TitleBar(this);
    m_pTitleBar->hide();
    connect(m_pTitleBar, &TitleBar::closeClicked, this, &ZeqAgentMainDialog::closeWindow);
    connect(m_pTitleBar, &TitleBar::menuAsked, this, &ZeqAgentMainDialog::titleMenuAsked);
    m_pBottomBar = new BottomBar(this);
    m_pBottomBar->hide();

    createTray();
    applyRunAtStartup();
    completeTrayMenu();
    connect(qApp, &QCoreApplication::aboutToQuit, this, &ZeqAgentMainDialog::doExitSequence);
    setWindowTitle(" WendoAgent ");

    welcomePause();
    startAutoLogin();

    setMouseTracking(true);
    QTimer::singleShot(AgentTiming::ms(AgentTiming::EXIT_ENABLE), this, &ZeqAgentMainDialog::setExitEnable);
    writeLog(1, "[ZeqAgentMainDialog][ZeqAgentMainDialog][End]");
}

ZeqAgentMainDialog::~ZeqAgentMainDialog()
{
    delete m_pUi;
}

// ---- tray icon and menu ----

void ZeqAgentMainDialog::createTray()
{
    m_pTrayMenu = new QMenu(this);
    m_pTrayMenu->setObjectName("TrayMenu");
    const auto addItem = [this](const char* szName, void (ZeqAgentMainDialog::*slot)()) {
        QAction* pAction = new QAction(m_pTrayMenu);
        pAction->setObjectName(szName);
        connect(pAction, &QAction::triggered, this, slot);
        return pAction;
    };
    m_pOpenAction = addItem("actionOpen", &ZeqAgentMainDialog::showWindow);
    m_pAboutAction = addItem("actionAbout", &ZeqAgentMainDialog::about);
    m_pCheckAction = addItem("actionCheck", &ZeqAgentMainDialog::checkupdate);
    m_pWebAction = addItem("actionWebsite", &ZeqAgentMainDialog::zeqshareweb);
    m_pSignAction = addItem("actionSignIn", &ZeqAgentMainDialog::login);
    m_pExitAction = addItem("actionExit", &ZeqAgentMainDialog::exit);
    m_pRunAction = addItem("actionRunAtStartup", &ZeqAgentMainDialog::RunAtStartup);
    m_pRunAction->setCheckable(true);
    m_pExitAction->setEnabled(false);
    retranslateTray();

    m_pTray = TrayIcon::create(this);
    m_pTray->setIcon(QIcon(":res/zeqwendo16.png"));
    m_pTray->setContextMenu(m_pTrayMenu);
    m_pTray->setVisible(true);
    m_pBalloons = new Balloons(m_pTray, this);
    if (trayHostPresent())
        writeLog(1, "[ZeqAgentMainDialog][createTray] tray icon shown");
    else
        writeLog(1, "[ZeqAgentMainDialog][createTray] no tray host: the window keeps the tray's menu");
}

void ZeqAgentMainDialog::completeTrayMenu()
{
    m_pTrayMenu->addAction(m_pOpenAction);
    m_pTrayMenu->addSeparator();
    m_pTrayMenu->addAction(m_pAboutAction);
    m_pTrayMenu->addAction(m_pCheckAction);
    m_pTrayMenu->addSeparator();
    m_pTrayMenu->addAction(m_pWebAction);
    m_pTrayMenu->addAction(m_pSignAction);
    m_pTrayMenu->addAction(m_pRunAction);
    m_pTrayMenu->addSeparator();
    m_pTrayMenu->addAction(m_pExitAction);
    connect(m_pBalloons, &Balloons::clicked, this, &ZeqAgentMainDialog::slotMessageClicked);
    connect(m_pTray, &TrayIcon::activated, this, &ZeqAgentMainDialog::iconActivated);
}

void ZeqAgentMainDialog::retranslateTray()
{
    if (!m_pTrayMenu)
        return;
    if (m_pOpenAction)
        m_pOpenAction->setText(QObject::tr("Open WendoAgent"));
    if (m_pAboutAction)
        m_pAboutAction->setText(QObject::tr("About WendoAgent"));
    if (m_pCheckAction)
        m_pCheckAction->setText(QObject::tr("Check for Updates"));
    if (m_pWebAction)
        m_pWebAction->setText(m_pCtrl->isQuorvane() ? QObject::tr("Launch QuorvaneShare website")
                                                    : QObject::tr("Launch ZeqShare website"));
    if (m_pSignAction)
        m_pSignAction->setText(m_pCtrl->currentSession().isEmpty() ? QObject::tr("Sign in")
                                                                   : QObject::tr("Sign out"));
    if (m_pExitAction)
        m_pExitAction->setText(QObject::tr("Exit WendoAgent"));
    if (m_pRunAction)
        m_pRunAction->setText(QObject::tr("Run at Startup"));
}

void ZeqAgentMainDialog::setExitEnable()
{
    if (m_pExitAction)
        m_pExitAction->setEnabled(true);
}

void ZeqAgentMainDialog::iconActivated(QSystemTrayIcon::ActivationReason active)
{
    if (active == QSystemTrayIcon::DoubleClick)
        writeLog(1, "[ZeqAgentMainDialog][iconActivated] double click");
}

void ZeqAgentMainDialog::showBalloon(TRAY_MESSAGE eKind, const QString& sTitle, const QString& sText)
{
    m_eTrayState = eKind;
    if (m_pBalloons)
        m_pBalloons->show(sTitle, sText);
}

void ZeqAgentMainDialog::showWindow()
{
    if (m_bExitDone)
        return;
    setWindowState((windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
    show();
    raise();
    activateWindow();
}

// Hidden into the tray, or minimised where there is none.
bool ZeqAgentMainDialog::isOutOfSight() const
{
    return !isVisible() || isMinimized();
}

// Asked at each use: a tray host can start or end at any time.
bool ZeqAgentMainDialog::trayHostPresent() const
{
    return m_pTray && m_pTray->isHostPresent();
}

void ZeqAgentMainDialog::closeWindow()
{
    if (trayHostPresent()) {
        hide();
        return;
    }
    writeLog(1, "[ZeqAgentMainDialog][closeWindow] no tray host: minimised");
    showMinimized();
}

// The dialog's own reject would only hide the window: without a tray nothing would bring it back but a
// second start.
void ZeqAgentMainDialog::reject()
{
    closeWindow();
}

void ZeqAgentMainDialog::titleMenuAsked(const QPoint& globalPos)
{
    if (trayHostPresent() || !m_pTrayMenu)
        return;
    m_pTrayMenu->popup(globalPos);
}

// ---- run at start-up ----

QString ZeqAgentMainDialog::runAtStartupSetting()
{
    AgentSettings settings;
    QString sValue = settings.getString("SETTING", "RunAtStartup");
    if (sValue.isEmpty()) {
        sValue = "false";
        settings.setValue("SETTING", "RunAtStartup", sValue);
    }
    return sValue;
}

// Brings the start-up entry in line with the setting at every start.
void ZeqAgentMainDialog::applyRunAtStartup()
{
    const bool bOn = runAtStartupSetting() != "false";
    SetRunAtStartup(bOn);
    m_pRunAction->setChecked(bOn);
}

// The stored value, not the item's own tick, decides the toggle.
void ZeqAgentMainDialog::RunAtStartup()
{
    const bool bOn = runAtStartupSetting() != "false";
    SetRunAtStartup(!bOn);
    m_pRunAction->setChecked(!bOn);
}

void ZeqAgentMainDialog::SetRunAtStartup(bool bStat)
{
    writeLog(1, "[ZeqAgentMainDialog][SetRunAtStartup] %d", int(bStat));
    {
        AgentSettings settings;
        settings.setValue("SETTING", "RunAtStartup", bStat ? "true" : "false");
    }
    // A failed write leaves setting and entry out of step until the next start or toggle.
    if (bStat)
        Platform::autostart().setEntry(AgentFolders::programPath("/WendoAgent"));
    else
        Platform::autostart().removeEntry();
}

// ---- start ----

void ZeqAgentMainDialog::welcomePause()
{
    QEventLoop loop;
    QTimer::singleShot(AgentTiming::ms(AgentTiming::WELCOME_PAUSE), &loop, &QEventLoop::quit);
    loop.exec();
}

void ZeqAgentMainDialog::startAutoLogin()
{
    const RememberedSignIn remembered = RememberedSignIn::read();
    if (remembered.canSignInByItself()) {
        writeLog(1, "[ZeqAgentMainDialog][startAutoLogin] automatic sign-in");
        m_pCtrl->login(
            JsonHelper::object({{"user", remembered.user()}, {"password", remembered.password()}}));
        return;
    }
    showSignInView();
}

// ---- views ----

bool ZeqAgentMainDialog::hasView() const
{
    return m_pLayout && m_pTitleBar && m_pLayout->indexOf(m_pTitleBar) >= 0;
}

QList<QWidget*> ZeqAgentMainDialog::viewWidgets() const
{
    QList<QWidget*> widgets;
    for (QWidget* pWidget : {static_cast<QWidget*>(m_pTitleBar), static_cast<QWidget*>(m_pLoginWidget),
                             static_cast<QWidget*>(m_pInfoWidget), static_cast<QWidget*>(m_pBottomBar)}) {
        if (pWidget)
            widgets.append(pWidget);
    }
    return widgets;
}

void ZeqAgentMainDialog::placeView(QWidget* pPage)
{
    const QList<QWidget*> widgets = viewWidgets();
    for (QWidget* pWidget : widgets) {
        m_pLayout->removeWidget(pWidget);
        if (pWidget != pPage)
            pWidget->hide();
    }
    m_pLayout->addWidget(m_pTitleBar);
    m_pLayout->addWidget(pPage);
    m_pLayout->addWidget(m_pBottomBar);
    m_pTitleBar->show();
    pPage->show();
    m_pBottomBar->show();
    // The sign-in page is taller than the room between the strips; the strip stays on top of its margin.
    m_pBottomBar->raise();
}

void ZeqAgentMainDialog::showSignInView()
{
    if (!m_pLoginWidget)
        m_pLoginWidget = new Login_fbWidget(this);
    placeView(m_pLoginWidget);
}

void ZeqAgentMainDialog::skinLogin(int nStatus)
{
    writeLog(1, "[ZeqAgentMainDialog][skinLogin] status %d", nStatus);
    switch (nStatus) {
    case LOGIN_SUCCESS:
        if (!m_pInfoWidget)
            m_pInfoWidget = new ZeqAgentInfoWidget(this);
        placeView(m_pInfoWidget);
        m_pSignAction->setText(QObject::tr("Sign out"));
        break;
    case LOGIN_INTERNETERROR:
        Notifier::instance()->showMessage(ConnectionFailure::title(),
                                          ConnectionFailure::text(m_pCtrl->isQuorvane()));
        if (!m_pLoginWidget)
            showSignInView();
        break;
    case LOGIN_ERROR:
    case LOGIN_REJECTED:
        // A failed sign-in from the page leaves the page to show its own error. One at start had no page
        // to hear the result: the page made now is told what it missed, so the user sees why.
        if (!m_pLoginWidget) {
            showSignInView();
            m_pLoginWidget->showMissedResult(ACTION_STATUS(nStatus));
        }
        break;
    default:
        break;
    }
}

void ZeqAgentMainDialog::skinLogout()
{
    writeLog(1, "[ZeqAgentMainDialog][skinLogout][Entry]");
    if (m_pInfoWidget) {
        m_pLayout->removeWidget(m_pInfoWidget);
        // Not now: the sign-out may come from inside that page, or from the tray while one of its pages
        // runs a loop (a backup dialog, a box); retired, it goes once none of its own loops runs.
        PageLoops::retire(m_pInfoWidget);
        m_pInfoWidget = nullptr;
    }
    if (!m_pLoginWidget)
        m_pLoginWidget = new Login_fbWidget(this);
    m_pLoginWidget->clearInputs();
    placeView(m_pLoginWidget);
    m_pSignAction->setText(QObject::tr("Sign in"));
    writeLog(1, "[ZeqAgentMainDialog][skinLogout][End]");
}

// ---- results and device changes ----

void ZeqAgentMainDialog::slotActionFinish(ACTION_STATUS status, QString sResult)
{
    if (m_bExitDone)
        return;
    switch (status) {
    case LOGIN_SUCCESS:
        m_pCheckAction->setEnabled(true);
        skinLogin(LOGIN_SUCCESS);
        m_pCtrl->GetCountryGroup(false);
        m_pCtrl->checkKorvoUpdate();
        break;
    case LOGIN_ERROR:
    case LOGIN_INTERNETERROR:
        m_pCheckAction->setEnabled(false);
        skinLogin(status);
        break;
    case LOGIN_REJECTED:
        // The sign-in page opens the verification page; a refusal of the automatic sign-in at start
        // would otherwise leave the user on the welcome picture with no way to sign in.
        if (!hasView())
            skinLogin(LOGIN_REJECTED);
        break;
    case LOGOUT_SUCCESS:
        m_pCheckAction->setEnabled(false);
        skinLogout();
        break;
    case SYNC_SUCCESS:
        if (isOutOfSight())
            showBalloon(TRAY_SYNC, QString(),
                        QString("%1\n%2").arg(
                            m_pCtrl->isQuorvane()
                                ? QObject::tr("All data has been uploaded to QuorvaneShare successfully.")
                                : QObject::tr("All data has been uploaded to ZeqShare successfully."),
                            QObject::tr("Click here to check")));
        break;
    case MAP_CHECKSUCCESS:
        doProcUpdateCheck(sResult == "AutoCheck");
        break;
    case UPDATE_AVAILABLE:
        showBalloon(TRAY_UPDATE, sResult, QObject::tr("Update available"));
        break;
    default:
        break;
    }
}

void ZeqAgentMainDialog::devRefresh(bool bArrival)
{
    writeLog(1, "[ZeqAgentMainDialog][devRefresh] arrival %d", int(bArrival));
    if (bArrival) {
        showWindow();
        return;
    }
    // While the window is visible its pages show the removal themselves.
    if (isOutOfSight())
        showBalloon(TRAY_DISCONNECT, QString(),
                    QString("%1 disconnected").arg(m_pCtrl->currentDevice().devInfo.sHWName));
}

// After an update check of the current device: tells of an update when the check recorded one.
void ZeqAgentMainDialog::doProcUpdateCheck(bool bAuto)
{
    bool bUpdate = false;
    {
        AgentSettings settings;
        bUpdate = AgentSettings::textToBool(
            settings.getDeviceString(m_pCtrl->currentDevice().devInfo.sUUID, "update"));
    }
    writeLog(1, "[ZeqAgentMainDialog][doProcUpdateCheck] auto %d update %d", int(bAuto), int(bUpdate));
    if (!bUpdate)
        return;
    if (isOutOfSight()) {
        showBalloon(TRAY_UPDATE, QString(),
                    QObject::tr("New update available. Click here for more information."));
        return;
    }
    // The user's own check offers the update itself; an open update dialog is never joined by a second.
    if (!bAuto || m_pCtrl->isUpdateDialogShown())
        return;
    {
        PageLoops::Scope scope(this);
        NewUpdateAvailableDialog dialog(false, true, nullptr);
        dialog.exec();
    }
    m_pCheckAction->setEnabled(true);
}

void ZeqAgentMainDialog::slotMessageClicked()
{
    switch (m_eTrayState) {
    case TRAY_SYNC:
        if (isOutOfSight())
            m_pCtrl->openShareWeb(false, false);
        break;
    case TRAY_UPDATE:
        if (isOutOfSight())
            showWindow();
        m_pCtrl->requestMyDeviceTab();
        break;
    default:
        break;
    }
}

// ---- menu items ----

void ZeqAgentMainDialog::about()
{
    AboutDialog dialog(this);
    dialog.setAttribute(Qt::WA_QuitOnClose, false);
    dialog.exec();
}

void ZeqAgentMainDialog::login()
{
    showWindow();
    if (m_pSignAction->text() == QObject::tr("Sign in"))
        return; // the sign-in page on show takes over
    // An open update dialog works for this account (and may be writing to the device): the sign-out
    // waits, silently, until it has closed.
    if (m_pCtrl->isUpdateDialogShown()) {
        writeLog(1, "[ZeqAgentMainDialog][login] an update dialog is open: no sign-out");
        return;
    }
    m_pCtrl->logout();
}

void ZeqAgentMainDialog::checkupdate()
{
    writeLog(1, "[ZeqAgentMainDialog][checkupdate]");
    if (m_pCtrl->isUpdateDialogShown())
        return;
    if (!m_pCtrl->isDevicePresent()) {
        m_pCtrl->checkWendoAgentupdate();
        return;
    }
    // A backup is offered first for a device registered to this account.
    PageLoops::Scope scope(this);
    DialogOpener::instance()->runCheckUpdate(false, m_pCtrl->m_nDevPageStyle == 0);
}

void ZeqAgentMainDialog::zeqshareweb()
{
    m_pCtrl->openShareWeb(true, false);
}

// ---- exit ----

void ZeqAgentMainDialog::closeModalWindows()
{
    if (QWidget* pPopup = QApplication::activePopupWidget())
        pPopup->close();
    // Each closed box ends its own nested loop once control gets back to it; the bound keeps a box that
    // refuses to close from holding the exit up.
    for (int nTries = 0; nTries < 32; ++nTries) {
        QWidget* pModal = QApplication::activeModalWidget();
        if (!pModal)
            break;
        if (QDialog* pDialog = qobject_cast<QDialog*>(pModal))
            pDialog->reject();
        else
            pModal->close();
        if (pModal->isVisible())
            pModal->hide();
    }
}

void ZeqAgentMainDialog::exit()
{
    writeLog(1, "[ZeqAgentMainDialog][exit][Entry]");
    if (m_pExitAction)
        m_pExitAction->setEnabled(false);
    closeModalWindows();
    // Ends every running loop, nested ones first; doExitSequence follows when the last has ended.
    QCoreApplication::exit(0);
    writeLog(1, "[ZeqAgentMainDialog][exit][End]");
}

void ZeqAgentMainDialog::doExitSequence()
{
    if (m_bExitDone)
        return;
    m_bExitDone = true;
    writeLog(1, "[ZeqAgentMainDialog][doExitSequence][Entry]");
    removeAndDelete(m_pTitleBar);
    removeAndDelete(m_pLoginWidget);
    removeAndDelete(m_pBottomBar);
    removeAndDelete(m_pInfoWidget);
    delete m_pLayout;
    m_pLayout = nullptr;
    for (QAction** ppAction :
         {&m_pOpenAction, &m_pAboutAction, &m_pCheckAction, &m_pWebAction, &m_pSignAction, &m_pExitAction}) {
        delete *ppAction;
        *ppAction = nullptr;
    }
    delete m_pBalloons;
    m_pBalloons = nullptr;
    delete m_pTray;
    m_pTray = nullptr;
    delete m_pTrayMenu; // takes the "Run at Startup" item with it
    m_pTrayMenu = nullptr;
    m_pRunAction = nullptr;
    m_pCtrl->terminateAllWorker();
    writeLog(1, "[ZeqAgentMainDialog][doExitSequence][End]");
}

// ---- window drag and language ----

void ZeqAgentMainDialog::mousePressEvent(QMouseEvent* pEvent)
{
    m_pressOffset = pEvent->pos();
    if (pEvent->button() == Qt::LeftButton) {
        m_bDragging = true;
        // Where the press lies in the window, as the window system reports it: pos() can still be the
        // place before a window manager put the window elsewhere, and the first drag would jump.
        m_pressOffset = pEvent->windowPos().toPoint();
    }
    QDialog::mousePressEvent(pEvent);
}

void ZeqAgentMainDialog::mouseMoveEvent(QMouseEvent* pEvent)
{
    if (m_bDragging)
        move(pEvent->globalPos() - m_pressOffset);
    QDialog::mouseMoveEvent(pEvent);
}

void ZeqAgentMainDialog::mouseReleaseEvent(QMouseEvent* pEvent)
{
    m_bDragging = false;
    QDialog::mouseReleaseEvent(pEvent);
}

void ZeqAgentMainDialog::changeEvent(QEvent* pEvent)
{
    QDialog::changeEvent(pEvent);
    if (pEvent->type() == QEvent::LanguageChange) {
        m_pUi->retranslateUi(this);
        retranslateTray();
    }
}
