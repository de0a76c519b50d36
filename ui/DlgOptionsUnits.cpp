#include "ui/DlgOptionsUnits.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <new>
#include <string>
#include <utility>

#include "catalogue/FileError.h"
#include "catalogue/NumberText.h"
#include "catalogue/UnitMgr.h"
#include "catalogue/UnitRules.h"
#include "ui/AppContext.h"
#include "ui/ComboStringList.h"
#include "ui/DataExchange.h"
#include "ui/DlgUnitSets.h"
#include "ui/FileChooser.h"
#include "ui/LocalNumber.h"
#include "ui/MessageBox.h"
#include "ui_DlgOptionsUnits.h"

namespace {

const char* const kTypeMissing =
    QT_TRANSLATE_NOOP("CDlgOptionsUnits", "A type must be selected or entered.");
const char* const kUnitMissing =
    QT_TRANSLATE_NOOP("CDlgOptionsUnits", "A unit must be selected or entered.");
const char* const kCoefficientMissing = QT_TRANSLATE_NOOP(
    "CDlgOptionsUnits",
    "A coeficient must be entered.  It should equal the number of units found in 1 base.  "
    "A base is established by entering a coeficient of 1.");
const char* const kAddMissingUnit = QT_TRANSLATE_NOOP(
    "CDlgOptionsUnits", "The specified unit doesn't exist.  Would you like to add it?");
const char* const kUpdateExistingUnit = QT_TRANSLATE_NOOP(
    "CDlgOptionsUnits",
    "The specified unit is already in the database.  Would you like to update it?");
const char* const kWipeOutEdits = QT_TRANSLATE_NOOP(
    "CDlgOptionsUnits", "This operation will wipe out all manual edits.  Do you wish to continue?");

std::string ToStd(const QString& text) {
    return text.toStdString();
}

QString CoefficientText(double coefficient) {
    return LocalNumber::Show(FormatCoefficient(coefficient));
}

// Typing makes the list's selection follow the text: the entry spelled exactly as typed,
// or none. Remove Type and Remove Unit delete the selected entry; this way it is always
// the entry of the name they removed from the catalogue, never one chosen before typing.
void SelectTypedEntry(QComboBox* box) {
    QLineEdit* edit = box->lineEdit();
    const QString text = edit->text();
    const int index = box->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (index == box->currentIndex()) {
        return;
    }
    const int cursor = edit->cursorPosition();
    box->setCurrentIndex(index);
    DataExchange::WriteText(edit, text);
    edit->setCursorPosition(cursor);
}

void ClearList(QComboBox* box) {
    box->clear();
    box->clearEditText();
}

void RemoveSelectedEntry(QComboBox* box) {
    if (const int selected = box->currentIndex(); selected >= 0) {
        box->removeItem(selected);
    }
}

void ListName(QComboBox* box, const QString& name) {
    if (DataExchange::FindPrefix(box, name) < 0) {
        DataExchange::AddSorted(box, name);
    }
}

QString TableFilter() {
    return CDlgOptionsUnits::tr("Unit tables (*.tsv *.txt)") + QStringLiteral(";;") +
           CDlgOptionsUnits::tr("All files (*)");
}

// Takes a box's text into its field; the field keeps an overlong text, as typed.
bool TakeText(QWidget* box, const QString& text, QString& field) {
    field = text;
    return DataExchange::CheckLength(box, text);
}

}  // namespace

CDlgOptionsUnits::CDlgOptionsUnits(CAppContext& app, QWidget* parent)
    : QWidget(parent),
      m_app(app),
      m_ui(std::make_unique<Ui::DlgOptionsUnits>()),
      m_catalogue(app.Catalogue().Clone()) {
    // From here on the flag tells whether an edit on this page changed the catalogue.
    m_catalogue->SetModified(false);
    m_ui->setupUi(this);
    m_ui->baseBox->setMaxLength(DataExchange::kMaxText);
    m_ui->coefficientBox->setMaxLength(DataExchange::kMaxText);
    const std::pair<QComboBox*, const QLabel*> boxes[] = {{m_ui->typeBox, m_ui->typeLabel},
                                                          {m_ui->unitBox, m_ui->unitLabel}};
    for (const auto& [box, label] : boxes) {
        // A box shows what the user typed, not the entry the typing would complete to.
        box->setCompleter(nullptr);
        // A screen reader meets the text part as a control of its own; it has the box's name.
        box->lineEdit()->setAccessibleName(QString(label->text()).remove(QLatin1Char('&')));
    }
    // Only the user's typing and choosing count; the page's own writes start nothing.
    connect(m_ui->typeBox->lineEdit(), &QLineEdit::textEdited, this, [this] {
        SelectTypedEntry(m_ui->typeBox);
        ShowChosenType();
    });
    connect(m_ui->typeBox, &QComboBox::activated, this, &CDlgOptionsUnits::ShowChosenType);
    connect(m_ui->unitBox->lineEdit(), &QLineEdit::textEdited, this, [this] {
        SelectTypedEntry(m_ui->unitBox);
        ShowChosenUnit();
    });
    connect(m_ui->unitBox, &QComboBox::activated, this, &CDlgOptionsUnits::ShowChosenUnit);
    connect(m_ui->removeTypeButton, &QPushButton::clicked, this, &CDlgOptionsUnits::OnRemoveType);
    connect(m_ui->updateUnitButton, &QPushButton::clicked, this, &CDlgOptionsUnits::OnUpdateUnit);
    connect(m_ui->addUnitButton, &QPushButton::clicked, this, &CDlgOptionsUnits::OnAddUnit);
    connect(m_ui->removeUnitButton, &QPushButton::clicked, this, &CDlgOptionsUnits::OnRemoveUnit);
    connect(m_ui->defaultsButton, &QPushButton::clicked, this, &CDlgOptionsUnits::OnDefaults);
    connect(m_ui->importButton, &QPushButton::clicked, this, &CDlgOptionsUnits::OnImport);
    connect(m_ui->exportButton, &QPushButton::clicked, this, &CDlgOptionsUnits::OnExport);
    connect(m_ui->unitSetsButton, &QPushButton::clicked, this, &CDlgOptionsUnits::OnUnitSets);
}

CDlgOptionsUnits::~CDlgOptionsUnits() = default;

void CDlgOptionsUnits::Activate() {
    WriteOut();
    if (!m_setUp) {
        m_setUp = true;
        FillTypeList();
    }
}

bool CDlgOptionsUnits::ReadBack() {
    return TakeText(m_ui->baseBox, m_ui->baseBox->text(), m_baseText) &&
           TakeText(m_ui->typeBox, DataExchange::ReadListValue(m_ui->typeBox), m_typeText) &&
           TakeText(m_ui->unitBox, DataExchange::ReadListValue(m_ui->unitBox), m_unitText) &&
           TakeText(m_ui->coefficientBox, m_ui->coefficientBox->text(), m_coefficientText);
}

void CDlgOptionsUnits::WriteOut() {
    ShowBaseUnit();
    DataExchange::WriteListValue(m_ui->typeBox, m_typeText);
    DataExchange::WriteListValue(m_ui->unitBox, m_unitText);
    DataExchange::WriteText(m_ui->coefficientBox, m_coefficientText);
}

void CDlgOptionsUnits::ShowBaseUnit() {
    const int base = m_catalogue->FindBaseUnit(ToStd(m_typeText));
    m_baseText = base < 0 ? QString() : QString::fromStdString(m_catalogue->GetUnit(base).m_name);
    DataExchange::WriteText(m_ui->baseBox, m_baseText);
}

void CDlgOptionsUnits::ShowChosenType() {
    m_typeText = m_ui->typeBox->currentText();
    ShowBaseUnit();
    FillUnitList();
    m_ui->unitBox->clearEditText();
    m_unitText.clear();
}

void CDlgOptionsUnits::ShowChosenUnit() {
    m_unitText = m_ui->unitBox->currentText();
    const int index = m_catalogue->FindUnit(ToStd(m_typeText), ToStd(m_unitText));
    if (index >= 0) {
        m_coefficientText = CoefficientText(m_catalogue->GetUnit(index).m_coefficient);
        DataExchange::WriteText(m_ui->coefficientBox, m_coefficientText);
    }
}

void CDlgOptionsUnits::OnRemoveType() {
    if (!ReadBack() || !CheckNames(false)) {
        return;
    }
    m_catalogue->RemoveType(ToStd(m_typeText));
    RemoveSelectedEntry(m_ui->typeBox);
    ClearList(m_ui->unitBox);
    m_typeText.clear();
    m_baseText.clear();
    m_unitText.clear();
    m_coefficientText.clear();
    WriteOut();
}

void CDlgOptionsUnits::OnUpdateUnit() {
    if (!ReadBack() || !CheckNames(true) || !CheckCoefficient()) {
        return;
    }
    const std::string type = ToStd(m_typeText);
    const std::string name = ToStd(m_unitText);
    if (m_catalogue->FindUnit(type, name) < 0 && !Confirm(tr(kAddMissingUnit))) {
        return;
    }
    // A new unit, so an offset the stored one had is dropped with its old coefficient.
    m_catalogue->AddOrUpdateUnit(CUnit(type, name, LocalNumber::Read(m_coefficientText), 0.0));
    ListStoredNames();
    WriteOut();
}

void CDlgOptionsUnits::OnAddUnit() {
    if (!ReadBack() || !CheckNames(true) || !CheckCoefficient()) {
        return;
    }
    const std::string type = ToStd(m_typeText);
    const std::string name = ToStd(m_unitText);
    const double coefficient = LocalNumber::Read(m_coefficientText);
    if (const int index = m_catalogue->FindUnit(type, name); index >= 0) {
        if (!Confirm(tr(kUpdateExistingUnit))) {
            m_coefficientText = CoefficientText(m_catalogue->GetUnit(index).m_coefficient);
            WriteOut();
            return;
        }
        // Only the coefficient changes; an offset scale keeps its offset.
        m_catalogue->SetCoefficient(index, coefficient);
    } else {
        m_catalogue->AddOrUpdateUnit(CUnit(type, name, coefficient, 0.0));
    }
    ListStoredNames();
    WriteOut();
}

void CDlgOptionsUnits::OnRemoveUnit() {
    if (!ReadBack() || !CheckNames(true)) {
        return;
    }
    m_catalogue->RemoveUnit(ToStd(m_typeText), ToStd(m_unitText));
    RemoveSelectedEntry(m_ui->unitBox);
    m_unitText.clear();
    m_coefficientText.clear();
    WriteOut();
}

void CDlgOptionsUnits::OnDefaults() {
    if (!Confirm(tr(kWipeOutEdits))) {
        return;
    }
    m_catalogue->RemoveAllUnits();
    m_catalogue->AddFactoryUnits();
    ShowFreshLists();
}

void CDlgOptionsUnits::ShowFreshLists() {
    m_typeText.clear();
    m_unitText.clear();
    m_coefficientText.clear();
    m_baseText.clear();
    ClearList(m_ui->unitBox);
    FillTypeList();
    WriteOut();
}

void CDlgOptionsUnits::OnImport() {
    // Import starts in the unit sets' folder, or in the home folder when there is none.
    const QString sets = m_app.UnitSetFolder();
    const QString path = CFileChooser::ChooseFileToOpen(
        this, tr("Import Units"), sets.isEmpty() ? QDir::homePath() : sets, TableFilter());
    if (path.isEmpty()) {
        return;
    }
    const QString notImported =
        tr("The units in %1 could not be imported.\n\n%2\n\nYour units are unchanged.");
    CUnitTable::MergeCount count;
    try {
        CUnitTable table;
        const CUnitTableFile::Outcome outcome =
            CUnitTableFile::Read(QFile::encodeName(path).toStdString(), table);
        if (outcome.fault != CUnitTableFile::Fault::kNone) {
            Warn(notImported.arg(QDir::toNativeSeparators(path), ImportFaultText(outcome)));
            return;
        }
        count = MergeWhole([&table](CUnitMgr& catalogue) { return table.MergeInto(catalogue); });
    } catch (const std::bad_alloc&) {
        Warn(notImported.arg(QDir::toNativeSeparators(path),
                             tr("There is not enough memory to read it.")));
        return;
    }
    ShowFreshLists();
    CMessageBox::Show(this, CMessageBox::Icon::Information,
                      tr("Added %1 units and updated %2 units from %3.")
                          .arg(count.added)
                          .arg(count.updated)
                          .arg(QFileInfo(path).fileName()));
}

void CDlgOptionsUnits::OnExport() {
    const QString path = CFileChooser::ChooseFileToSave(
        this, tr("Export Units"), QDir::home().filePath(QStringLiteral("Tarvo units.tsv")),
        TableFilter());
    if (path.isEmpty()) {
        return;
    }
    try {
        CUnitTableFile::Write(QFile::encodeName(path).toStdString(), m_catalogue->Units());
    } catch (const CFileError& error) {
        Warn(tr("Your units could not be exported to %1.\n\n%2.")
                 .arg(QDir::toNativeSeparators(path), QString::fromLocal8Bit(error.Reason())));
    }
}

void CDlgOptionsUnits::OnUnitSets() {
    try {
        AddUnitSets();
    } catch (const std::bad_alloc&) {
        Warn(
            tr("The unit sets could not be added: there is not enough memory.\n\nYour units "
               "are unchanged."));
    }
}

void CDlgOptionsUnits::AddUnitSets() {
    CDlgUnitSets dialog(*m_catalogue, m_app.UnitSetFolder(), this);
    if (dialog.exec() != QDialog::Accepted) {
        return;
    }
    CUnitTable::MergeCount total;
    int merged = 0;
    QStringList refusals;
    MergeWhole([&](CUnitMgr& catalogue) {
        for (const CUnitSet* set : dialog.Chosen()) {
            const CUnitSet::MergeResult result = set->MergeInto(catalogue);
            if (!result.refusal.empty()) {
                refusals << tr("The unit set %1 was not added: %2.")
                                .arg(CDlgUnitSets::Title(*set), RefusalText(*set, result.why));
                continue;
            }
            total.added += result.count.added;
            total.updated += result.count.updated;
            ++merged;
        }
        return total;
    });
    if (merged > 0) {
        ShowFreshLists();
        CMessageBox::Show(this, CMessageBox::Icon::Information,
                          tr("Added %1 units and updated %2 units from %3 unit sets.")
                              .arg(total.added)
                              .arg(total.updated)
                              .arg(merged));
    }
    if (!refusals.isEmpty()) {
        Warn(refusals.join(QStringLiteral("\n\n")));
    }
}

template <class Merge>
CUnitTable::MergeCount CDlgOptionsUnits::MergeWhole(Merge merge) {
    // Into a copy, so that running out of memory halfway leaves the units as they were.
    std::unique_ptr<CUnitMgr> merged = m_catalogue->Clone();
    merged->SetModified(m_catalogue->IsModified());
    const CUnitTable::MergeCount count = merge(*merged);
    m_catalogue = std::move(merged);
    return count;
}

QString CDlgOptionsUnits::RefusalText(const CUnitSet& set, CUnitSet::Refusal why) {
    switch (why) {
        case CUnitSet::Refusal::kNone:
            break;
        case CUnitSet::Refusal::kNotASet:
            return tr(
                "the file is not a unit set: units of one type, the first with "
                "coefficient 1 and offset 0");
        case CUnitSet::Refusal::kNoBaseUnit:
            return tr("the type '%1' has no unit '%2', which the set's units are measured "
                      "against")
                .arg(QString::fromStdString(set.Type()),
                     QString::fromStdString(set.Units().front().m_name));
    }
    return {};
}

void CDlgOptionsUnits::Warn(const QString& text) {
    CMessageBox::Show(this, CMessageBox::Icon::Exclamation, text);
}

QString CDlgOptionsUnits::ImportFaultText(const CUnitTableFile::Outcome& outcome) {
    using Fault = CUnitTableFile::Fault;
    switch (outcome.fault) {
        case Fault::kNone:
            break;
        case Fault::kFolder:
            return tr("It is a folder, not a file.");
        case Fault::kNotAFile:
            return tr("It is not a file but a pipe, a device or a socket.");
        case Fault::kCannotOpen:
            return tr("It cannot be opened: %1.").arg(QString::fromLocal8Bit(outcome.systemReason));
        case Fault::kCannotRead:
            return tr("It cannot be read: %1.").arg(QString::fromLocal8Bit(outcome.systemReason));
        case Fault::kTooLarge:
            return tr("It is larger than %1 MiB, too large for a unit table.")
                .arg(CUnitTableFile::kMaxBytes >> 20);
        case Fault::kEmpty:
            return tr("It is empty.");
        case Fault::kBinary:
            return tr("It is not a text file.");
        case Fault::kNotUtf8:
            return tr("Line %1 is not UTF-8 text.").arg(outcome.line);
        case Fault::kBadLines:
            break;
    }
    QStringList lines;
    for (const CUnitTable::Problem& problem : outcome.problems) {
        lines << tr("Line %1: %2.").arg(QString::number(problem.line), Describe(problem.reason));
    }
    const long more = outcome.badLines - static_cast<long>(outcome.problems.size());
    if (more > 0) {
        lines << tr("%1 more bad lines.").arg(more);
    }
    return lines.join(QLatin1Char('\n'));
}

QString CDlgOptionsUnits::Describe(const CTableReason& reason) {
    const auto value = [&reason](std::size_t i) { return QString::fromStdString(reason.Value(i)); };
    const QString column = ColumnName(reason.Value(0));
    using Code = CTableReason::Code;
    switch (reason.GetCode()) {
        case Code::kNone:
            break;
        case Code::kBadHeader:
            return tr(
                "the first line must be the header 'type<TAB>unit<TAB>coefficient<TAB>offset'");
        case Code::kLineTooLong:
            return tr("the line is longer than %1 KiB").arg(value(0));
        case Code::kLoneBackslash:
            return tr("the %1 ends in a lone backslash (write \\\\)").arg(column);
        case Code::kBadEscape:
            return tr("the %1 holds the bad escape '\\%2' (use \\t, \\n, \\r or \\\\)")
                .arg(column, value(1));
        case Code::kNameNotUtf8:
            return tr("the %1 is not valid UTF-8").arg(column);
        case Code::kNameEmpty:
            return tr("the %1 is empty").arg(column);
        case Code::kNameTooLong:
            return tr("the %1 %2 is longer than %3 characters (%4)")
                .arg(column, value(1), value(2), value(3));
        case Code::kBadName:
            return tr("the %1 %2 starts or ends with a space, is only spaces or holds a NUL byte")
                .arg(column, value(1));
        case Code::kOutOfRange:
            return tr("the %1 %2 is out of range").arg(column, value(1));
        case Code::kNotANumber:
            return tr("the %1 %2 is not a number").arg(column, value(1));
        case Code::kBadCoefficient:
            return tr("the coefficient %1 is not a positive number of normal size (zero, "
                      "negative, infinite, NaN and denormal coefficients break conversions)")
                .arg(value(0));
        case Code::kBadOffset:
            return tr("the offset %1 is not a finite number").arg(value(0));
        case Code::kMissingColumn:
            return tr("missing column '%1'").arg(column);
        case Code::kTooManyColumns:
            return tr("too many columns (%1, expected %2)").arg(value(0), value(1));
        case Code::kRepeatedUnit:
            return tr("the unit %1 of type %2 is already on line %3")
                .arg(value(0), value(1), value(2));
    }
    return {};
}

QString CDlgOptionsUnits::ColumnName(const std::string& column) {
    if (column == "type") {
        return tr("type");
    }
    if (column == "unit name") {
        return tr("unit name");
    }
    if (column == "coefficient") {
        return tr("coefficient");
    }
    return column == "offset" ? tr("offset") : QString::fromStdString(column);
}

bool CDlgOptionsUnits::CheckNames(bool needUnit) {
    // The same rule as for the names of an imported table: no NUL byte, no outer blanks.
    if (!CUnitRules::IsName(ToStd(m_typeText))) {
        CMessageBox::Show(this, CMessageBox::Icon::Exclamation, tr(kTypeMissing));
        return false;
    }
    if (needUnit && !CUnitRules::IsName(ToStd(m_unitText))) {
        CMessageBox::Show(this, CMessageBox::Icon::Exclamation, tr(kUnitMissing));
        return false;
    }
    return true;
}

bool CDlgOptionsUnits::CheckCoefficient() {
    if (m_coefficientText.isEmpty()) {
        CMessageBox::Show(this, CMessageBox::Icon::Exclamation, tr(kCoefficientMissing));
        return false;
    }
    // A text that holds no number, or reads as 0, a negative, denormal or infinite value,
    // would store a unit that turns conversions through it into 0, infinity or NaN.
    if (!CUnitRules::IsCoefficient(LocalNumber::Read(m_coefficientText))) {
        CMessageBox::Show(this, CMessageBox::Icon::Exclamation, tr(kCoefficientMissing));
        m_ui->coefficientBox->setFocus();
        m_ui->coefficientBox->selectAll();
        return false;
    }
    return true;
}

void CDlgOptionsUnits::ListStoredNames() {
    ListName(m_ui->typeBox, m_typeText);
    ListName(m_ui->unitBox, m_unitText);
}

void CDlgOptionsUnits::FillTypeList() {
    CComboStringList types({m_ui->typeBox});
    m_catalogue->FillTypeList(types);
}

void CDlgOptionsUnits::FillUnitList() {
    CComboStringList units({m_ui->unitBox});
    m_catalogue->FillUnitList(ToStd(m_typeText), units);
}

bool CDlgOptionsUnits::Confirm(const QString& question) {
    return CMessageBox::Show(this, CMessageBox::Icon::Question, question,
                             CMessageBox::Buttons::YesNo) == QMessageBox::Yes;
}
