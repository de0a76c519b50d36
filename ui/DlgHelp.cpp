#include "ui/DlgHelp.h"

#include <QCoreApplication>

#include "ui/TextResource.h"
#include "ui_DlgHelp.h"

namespace {

/// Set only while a help window runs; there is one help window in the whole program.
bool g_helpOpen = false;

}  // namespace

CDlgHelp::CDlgHelp(QWidget* parent, const QString& resourceName)
    : QDialog(parent), m_ui(std::make_unique<Ui::DlgHelp>()) {
    m_ui->setupUi(this);
    setWindowTitle(tr("%1 Help").arg(QCoreApplication::applicationName()));
    // The text is compiled into the program, so it is always there; were it missing, an
    // empty window is the kindest thing to show.
    m_ui->editText->setPlainText(LoadTextResource(resourceName).value_or(QString()));
    m_ui->buttonClose->setFocus();
}

CDlgHelp::~CDlgHelp() = default;

void CDlgHelp::RunHelpCommand() {
    if (g_helpOpen) {
        return;
    }
    g_helpOpen = true;
    CDlgHelp dialog;
    dialog.exec();
    g_helpOpen = false;
}
