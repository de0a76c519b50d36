#include "ui/DlgMain.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMenuBar>
#include <QStyle>
#include <QWindow>

#include "app/WorkspaceSettings.h"
#include "catalogue/NumberText.h"
#include "catalogue/UnitMgr.h"
#include "ui/AppContext.h"
#include "ui/AppIcon.h"
#include "ui/CalculatorLauncher.h"
#include "ui/ComboStringList.h"
#include "ui/DataExchange.h"
#include "ui/DlgOptions.h"
#include "ui/DlgOptionsGeneral.h"
#include "ui/DlgOptionsUnits.h"
#include "ui/DlgQuickConversion.h"
#include "ui/DlgRates.h"
#include "ui/DlgSolver.h"
#include "ui/LocalNumber.h"
#include "ui/StayOnTop.h"
#include "ui_DlgMain.h"

namespace {

// Width of the lists and boxes: 25 average characters of the dialog font.
constexpr int kControlChars = 25;
// Decimals of an amount that Quick Conversion puts into the From box: all a double has.
constexpr int kTypedDecimals = 15;

bool HasOnlyAlt(const QKeyEvent* key) {
    return (key->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier)) ==
           Qt::AltModifier;
}

bool HasNoModifier(const QKeyEvent* key) {
    return (key->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier)) ==
           Qt::NoModifier;
}

}  // namespace

CDlgMain::CDlgMain(CAppContext& app, QWidget* parent)
    : QDialog(parent), m_app(app), m_ui(std::make_unique<Ui::DlgMain>()) {
    m_ui->setupUi(this);
    layout()->setMenuBar(m_ui->menuBar);
    // A fixed frame with a minimize box but no maximize box, set before the first show.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    const int width = fontMetrics().averageCharWidth() * kControlChars;
    for (QWidget* control :
         {static_cast<QWidget*>(m_ui->typeList), static_cast<QWidget*>(m_ui->fromUnitList),
          static_cast<QWidget*>(m_ui->toUnitList), static_cast<QWidget*>(m_ui->fromNumberBox),
          static_cast<QWidget*>(m_ui->toNumberBox)}) {
        control->setFixedWidth(width);
    }
    m_ui->fromNumberBox->setMaxLength(DataExchange::kMaxText);
    m_ui->toNumberBox->setMaxLength(DataExchange::kMaxText);
    ConnectControls();
    qApp->installEventFilter(this);
    Initialise();
}

CDlgMain::~CDlgMain() {
    CWorkspaceSettings& settings = m_app.Settings();
    settings.m_type = m_type.toStdString();
    settings.m_fromUnit = m_fromUnit.toStdString();
    settings.m_toUnit = m_toUnit.toStdString();
    settings.SetModified();
}

void CDlgMain::accept() {
    if (ReadModel()) {
        QDialog::accept();
    }
}

void CDlgMain::keyPressEvent(QKeyEvent* event) {
    // Enter anywhere in the window is the OK command, as "E&xit!".
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && HasNoModifier(event)) {
        accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void CDlgMain::ConnectControls() {
    connect(m_ui->typeList, &QComboBox::activated, this, &CDlgMain::OnTypeChosen);
    connect(m_ui->fromUnitList, &QComboBox::activated, this,
            [this] { OnUnitChosen(m_ui->fromUnitList, m_fromUnit); });
    connect(m_ui->toUnitList, &QComboBox::activated, this,
            [this] { OnUnitChosen(m_ui->toUnitList, m_toUnit); });
    connect(m_ui->fromNumberBox, &QLineEdit::textEdited, this, &CDlgMain::Recompute);
    connect(m_ui->toNumberBox, &QLineEdit::textEdited, this, &CDlgMain::Recompute);
    connect(m_ui->actionExit, &QAction::triggered, this, &CDlgMain::accept);
    connect(m_ui->actionOptions, &QAction::triggered, this, &CDlgMain::OnOptions);
    connect(m_ui->actionRates, &QAction::triggered, this, &CDlgMain::OnRates);
    connect(m_ui->actionQuickConversion, &QAction::triggered, this,
            [this] { OnQuickConversion({}); });
    connect(m_ui->actionSolver, &QAction::triggered, this, &CDlgMain::OnSolver);
    connect(m_ui->actionCalculator, &QAction::triggered, this, &CDlgMain::OnCalculator);
    connect(m_ui->actionContents, &QAction::triggered, this, [this] { m_app.OnHelp(); });
    connect(m_ui->actionAbout, &QAction::triggered, this, [this] { m_app.OnAbout(); });
}

void CDlgMain::Initialise() {
    WriteModel();
    setWindowIcon(AppIcon());
    CWorkspaceSettings& settings = m_app.Settings();
    ApplyOnTop(settings, this);
    FillTypeList();
    if (settings.m_reloadLastUnits != 0 && !settings.m_type.empty()) {
        ReloadLastUnits();
        if (!m_fromUnit.isEmpty()) {
            m_ui->fromNumberBox->setFocus();
            return;
        }
    }
    if (settings.m_storedVersion != settings.m_currentVersion) {
        // The first run of a new version shows the About box once the window runs.
        QMetaObject::invokeMethod(
            this, [this] { m_app.OnAbout(); }, Qt::QueuedConnection);
    }
}

void CDlgMain::ReloadLastUnits() {
    const CWorkspaceSettings& settings = m_app.Settings();
    m_type = QString::fromStdString(settings.m_type);
    // Reading back gives the entry actually selected: empty when the type is gone.
    WriteModel();
    if (!ReadModel()) {
        return;
    }
    FillUnitLists();
    m_fromUnit.clear();
    m_toUnit.clear();
    m_fromNumber.clear();
    m_toNumber.clear();
    WriteModel();
    m_fromUnit = QString::fromStdString(settings.m_fromUnit);
    m_toUnit = QString::fromStdString(settings.m_toUnit);
    WriteModel();
    Recompute();
}

void CDlgMain::WriteModel() {
    DataExchange::WriteListValue(m_ui->typeList, m_type);
    DataExchange::WriteListValue(m_ui->fromUnitList, m_fromUnit);
    DataExchange::WriteText(m_ui->fromNumberBox, m_fromNumber);
    DataExchange::WriteListValue(m_ui->toUnitList, m_toUnit);
    DataExchange::WriteText(m_ui->toNumberBox, m_toNumber);
    UpdateEnabledStates();
}

bool CDlgMain::ReadModel() {
    const struct {
        QWidget* control;
        QString text;
        QString* field;
    } exchange[] = {
        {m_ui->typeList, DataExchange::ReadListValue(m_ui->typeList), &m_type},
        {m_ui->fromUnitList, DataExchange::ReadListValue(m_ui->fromUnitList), &m_fromUnit},
        {m_ui->fromNumberBox, m_ui->fromNumberBox->text(), &m_fromNumber},
        {m_ui->toUnitList, DataExchange::ReadListValue(m_ui->toUnitList), &m_toUnit},
        {m_ui->toNumberBox, m_ui->toNumberBox->text(), &m_toNumber},
    };
    for (const auto& item : exchange) {
        if (!DataExchange::CheckLength(item.control, item.text)) {
            return false;
        }
        *item.field = item.text;
    }
    return true;
}

void CDlgMain::UpdateEnabledStates() {
    m_ui->fromUnitList->setEnabled(!m_type.isEmpty());
    m_ui->toUnitList->setEnabled(!m_type.isEmpty());
    m_ui->fromNumberBox->setEnabled(!m_fromUnit.isEmpty());
    m_ui->toNumberBox->setEnabled(!m_toUnit.isEmpty());
}

void CDlgMain::Recompute() {
    if (!ReadModel()) {
        return;
    }
    if (!m_type.isEmpty() && !m_fromUnit.isEmpty() && !m_toUnit.isEmpty()) {
        // Typing in a box converts out of it; choosing the To unit keeps the From number,
        // choosing the From unit keeps the To number.
        const QWidget* focus = focusWidget();
        const bool forward = focus == m_ui->toUnitList || focus == m_ui->fromNumberBox;
        const QString& source = forward ? m_fromNumber : m_toNumber;
        const QString& sourceUnit = forward ? m_fromUnit : m_toUnit;
        const QString& targetUnit = forward ? m_toUnit : m_fromUnit;
        QString& result = forward ? m_toNumber : m_fromNumber;
        if (source.isEmpty()) {
            result.clear();
        } else {
            const double value =
                m_app.Catalogue().Convert(LocalNumber::Read(source), m_type.toStdString(),
                                          sourceUnit.toStdString(), targetUnit.toStdString());
            // The result must fit its box whole: Qt would cut a longer text.
            result = LocalNumber::Show(
                FormatNumber(value, m_app.Settings().m_decimalPrecision, DataExchange::kMaxText));
        }
    }
    WriteModel();
}

void CDlgMain::OnTypeChosen() {
    if (DataExchange::ReadListValue(m_ui->typeList) == m_type || !ReadModel()) {
        return;
    }
    FillUnitLists();
    m_toNumber.clear();
    m_fromNumber.clear();
    m_toUnit.clear();
    m_fromUnit.clear();
    WriteModel();
}

void CDlgMain::OnUnitChosen(const QComboBox* list, const QString& field) {
    if (DataExchange::ReadListValue(list) != field) {
        Recompute();
    }
}

void CDlgMain::OnOptions() {
    CDlgOptions sheet(this, m_app);
    if (sheet.exec() != QDialog::Accepted) {
        return;
    }
    CWorkspaceSettings& settings = m_app.Settings();
    const CDlgOptionsGeneral& view = sheet.General();
    settings.m_decimalPrecision = view.m_decimalPrecision;
    settings.SetModified();
    SetOnTop(settings, view.m_alwaysOnTop, this);
    settings.m_reloadLastUnits = view.m_reloadLastUnits;
    settings.SetModified();
    const CUnitMgr& working = sheet.Units().WorkingCatalogue();
    if (working.IsModified()) {
        working.CopyUnitsTo(m_app.Catalogue());
        m_app.Catalogue().SetModified(true);
        FillTypeList();
        FillUnitLists();
    }
    KeepWhatStillExists();
}

void CDlgMain::OnRates() {
    CDlgRates dialog(m_app.Catalogue(), CRatesDownload::SourceUrl(), this);
    if (dialog.exec() != QDialog::Accepted) {
        return;
    }
    FillTypeList();
    FillUnitLists();
    KeepWhatStillExists();
}

void CDlgMain::Convert(const QString& query) {
    const CWorkspaceSettings& settings = m_app.Settings();
    const std::vector<CQueryReader::Conversion> conversions =
        CQueryReader(m_app.Catalogue())
            .Conversions(query.toStdString(), 1, LocalNumber::DecimalComma(),
                         {settings.m_type, settings.m_toUnit});
    if (!conversions.empty()) {
        ApplyConversion(conversions.front());
        return;
    }
    // Over the window, once it runs, so that the user can correct the query.
    QMetaObject::invokeMethod(
        this, [this, query] { OnQuickConversion(query); }, Qt::QueuedConnection);
}

void CDlgMain::OnQuickConversion(const QString& query) {
    CDlgQuickConversion dialog(m_app.Catalogue(), m_app.Settings().m_decimalPrecision, this);
    dialog.SetQuery(query);
    if (dialog.exec() == QDialog::Accepted) {
        ApplyConversion(dialog.Chosen());
    }
}

void CDlgMain::ApplyConversion(const CQueryReader::Conversion& chosen) {
    // The steps of a user who picks the type, then each unit (by exact name), then types
    // the amount, with all its decimals.
    m_ui->typeList->setCurrentIndex(m_ui->typeList->findText(QString::fromStdString(chosen.type)));
    OnTypeChosen();
    m_ui->fromUnitList->setFocus();
    m_ui->fromUnitList->setCurrentIndex(
        m_ui->fromUnitList->findText(QString::fromStdString(chosen.from)));
    OnUnitChosen(m_ui->fromUnitList, m_fromUnit);
    m_ui->toUnitList->setFocus();
    m_ui->toUnitList->setCurrentIndex(
        m_ui->toUnitList->findText(QString::fromStdString(chosen.to)));
    OnUnitChosen(m_ui->toUnitList, m_toUnit);
    m_ui->fromNumberBox->setFocus();
    m_ui->fromNumberBox->setText(
        LocalNumber::Show(FormatNumber(chosen.amount, kTypedDecimals, DataExchange::kMaxText)));
    Recompute();
}

void CDlgMain::KeepWhatStillExists() {
    WriteModel();
    if (!ReadModel()) {
        return;
    }
    if (m_fromUnit.isEmpty()) {
        m_fromNumber.clear();
    }
    if (m_toUnit.isEmpty()) {
        m_toNumber.clear();
    }
    WriteModel();
    Recompute();
}

void CDlgMain::OnSolver() {
    CDlgSolver solver(this);
    solver.exec();
}

void CDlgMain::OnCalculator() {
    CCalculatorLauncher().Launch(QString::fromStdString(m_app.Settings().m_calculator));
}

void CDlgMain::FillTypeList() {
    CComboStringList list({m_ui->typeList});
    m_app.Catalogue().FillTypeList(list);
}

void CDlgMain::FillUnitLists() {
    CComboStringList lists({m_ui->fromUnitList, m_ui->toUnitList});
    m_app.Catalogue().FillUnitList(m_type.toStdString(), lists);
}

bool CDlgMain::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    const bool isKey =
        type == QEvent::KeyPress || type == QEvent::KeyRelease || type == QEvent::ShortcutOverride;
    if (isKey && IsOwnEvent(watched) && KeyboardAccess(event)) {
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

bool CDlgMain::IsOwnEvent(const QObject* watched) const {
    if (watched == windowHandle()) {
        return true;
    }
    const auto* widget = qobject_cast<const QWidget*>(watched);
    return widget != nullptr && widget->window() == this;
}

bool CDlgMain::KeyboardAccess(QEvent* event) {
    const QEvent::Type type = event->type();
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() == Qt::Key_T && HasOnlyAlt(key)) {
        // The label "&Type:" and the menu "&Tools" share Alt+T; the window's own wins.
        // Claiming the shortcut check keeps both mnemonics from firing.
        m_altAlone = false;
        event->accept();
        if (type == QEvent::KeyPress) {
            m_ui->typeList->setFocus(Qt::ShortcutFocusReason);
        }
        return true;
    }
    if (type == QEvent::KeyPress && key->key() == Qt::Key_F10 && HasNoModifier(key)) {
        OpenToolsMenu();
        return true;
    }
    // Alt pressed and released with nothing in between opens the menu, unless the style
    // already gives the menu bar that key.
    if (style()->styleHint(QStyle::SH_MenuBar_AltKeyNavigation, nullptr, m_ui->menuBar)) {
        return false;
    }
    if (type == QEvent::KeyPress) {
        m_altAlone = key->key() == Qt::Key_Alt && !key->isAutoRepeat();
    } else if (type == QEvent::KeyRelease && key->key() == Qt::Key_Alt && m_altAlone) {
        m_altAlone = false;
        OpenToolsMenu();
        return true;
    }
    return false;
}

void CDlgMain::OpenToolsMenu() {
    m_ui->menuBar->setActiveAction(m_ui->menuTools->menuAction());
}
