#include "ui/DlgOptions.h"

#include <QPushButton>
#include <QSignalBlocker>
#include <QTabBar>

#include "ui/AppContext.h"
#include "ui/DlgOptionsGeneral.h"
#include "ui/DlgOptionsUnits.h"
#include "ui_DlgOptions.h"

CDlgOptions::CDlgOptions(QWidget* parent, CAppContext& app)
    : QDialog(parent),
      m_ui(std::make_unique<Ui::DlgOptions>()),
      m_general(new CDlgOptionsGeneral(app, this)),
      m_units(new CDlgOptionsUnits(app, this)) {
    m_ui->setupUi(this);
    // Each page's caption is its tab's label.
    m_ui->pages->addTab(m_general, m_general->windowTitle());
    m_ui->pages->addTab(m_units, m_units->windowTitle());
    OrderTabChain();
    m_ui->pages->setCurrentIndex(m_shownPage);
    ActivatePage(m_shownPage);
    connect(m_ui->pages, &QTabWidget::currentChanged, this, &CDlgOptions::OnPageChanged);
    connect(m_ui->buttons, &QDialogButtonBox::accepted, this, &CDlgOptions::OnOk);
    connect(m_ui->buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    // Help leaves the sheet open beneath the help window.
    connect(m_ui->buttons, &QDialogButtonBox::helpRequested, this, [&app] { app.OnHelp(); });
}

CDlgOptions::~CDlgOptions() = default;

void CDlgOptions::OrderTabChain() {
    // Tab goes tab bar, page, buttons, as in any tabbed dialog. The pages were made before
    // the tab widget, so their controls are moved behind the tab bar one by one.
    QWidgetList pageControls;
    for (QWidget* control = nextInFocusChain(); control != this;
         control = control->nextInFocusChain()) {
        const bool onPage = m_general->isAncestorOf(control) || m_units->isAncestorOf(control);
        if (onPage && (control->focusPolicy() & Qt::TabFocus) && control->focusProxy() == nullptr) {
            pageControls << control;
        }
    }
    QWidget* previous = m_ui->pages->tabBar();
    for (QWidget* control : pageControls) {
        setTabOrder(previous, control);
        previous = control;
    }
}

CDlgOptionsGeneral& CDlgOptions::General() const {
    return *m_general;
}

CDlgOptionsUnits& CDlgOptions::Units() const {
    return *m_units;
}

void CDlgOptions::OnPageChanged(int index) {
    if (index == m_shownPage) {
        return;
    }
    // The tab bar has switched already, whether by mouse, Ctrl+Tab or a mnemonic. The page
    // being left comes back for its read-back, so that a refusal shows over that page and
    // its focus lands on a visible control; nothing is painted in between.
    {
        const QSignalBlocker blocker(m_ui->pages);
        m_ui->pages->setCurrentIndex(m_shownPage);
    }
    if (!ReadBackPage(m_shownPage)) {
        return;
    }
    {
        const QSignalBlocker blocker(m_ui->pages);
        m_ui->pages->setCurrentIndex(index);
    }
    m_shownPage = index;
    ActivatePage(index);
}

void CDlgOptions::OnOk() {
    if (ReadBackPage(m_shownPage)) {
        accept();
    }
}

bool CDlgOptions::ReadBackPage(int index) const {
    return m_ui->pages->widget(index) == m_units ? m_units->ReadBack() : m_general->ReadBack();
}

void CDlgOptions::ActivatePage(int index) const {
    if (m_ui->pages->widget(index) == m_units) {
        m_units->Activate();
    } else {
        m_general->Activate();
    }
}
