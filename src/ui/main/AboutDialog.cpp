#include "AboutDialog.h"

#include "AgentResources.h"
#include "core/AgentSettings.h"
#include "core/DebugLog.h"
#include "ui_AboutDialog.h"

AboutDialog::AboutDialog(QWidget* pParent) : QDialog(pParent), m_pUi(new Ui_AboutDialog)
{
    writeLog(1, "[AboutDialog][AboutDialog][Entry]");
    AgentResources::init();
    m_pUi->setupUi(this);
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);
    // Closing the box while the main window sits hidden in the tray must not end the program.
    setAttribute(Qt::WA_QuitOnClose, false);
    {
        AgentSettings settings;
        m_pUi->label_version->setText(settings.getString("AGENT", "version"));
        m_pUi->label_release->setText(settings.getString("AGENT", "release"));
    }
    setWindowTitle(QObject::tr("About WendoAgent"));
    connect(m_pUi->btn_ok, &QPushButton::clicked, this, &QDialog::accept);
    writeLog(1, "[AboutDialog][AboutDialog][End]");
}

AboutDialog::~AboutDialog()
{
    delete m_pUi;
}
