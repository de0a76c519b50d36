#pragma once

#include <QString>
#include <QWidget>
#include <memory>

#include "formats/UnitSet.h"
#include "formats/UnitTableFile.h"

class CAppContext;
class CUnitMgr;

namespace Ui {
class DlgOptionsUnits;
}

/// The Options sheet's "Units" page, the user's catalogue editor. It edits a working
/// catalogue cloned from the application's when the page is made, never the application's
/// own; the sheet's caller copies it back after OK when its modified flag is set.
class CDlgOptionsUnits : public QWidget {
    Q_OBJECT
public:
    explicit CDlgOptionsUnits(CAppContext& app, QWidget* parent = nullptr);
    ~CDlgOptionsUnits() override;

    /// The page is shown: the first time it fills the type list, every time it writes the
    /// fields to the controls.
    void Activate();
    /// Reads the four boxes back into the fields; false, with the message shown and the
    /// focus on the box, when one holds more than 32 characters.
    bool ReadBack();

    /// The catalogue the page edits; modified once any edit changed it.
    CUnitMgr& WorkingCatalogue() { return *m_catalogue; }

private:
    void WriteOut();
    /// Looks up the type's base unit afresh and shows its name, or nothing.
    void ShowBaseUnit();

    void OnRemoveType();
    void OnUpdateUnit();
    void OnAddUnit();
    void OnRemoveUnit();
    void OnDefaults();
    /// Adds the units of a table file the user chooses, or updates those it shares with
    /// the working catalogue, as tarvo-convert --import does; a bad file changes nothing.
    void OnImport();
    /// Writes the working catalogue to a table file the user chooses.
    void OnExport();
    /// Merges the unit sets the user checks in the Unit Sets dialog into the working
    /// catalogue; a set that cannot join is named in a warning, and the others still join.
    void OnUnitSets();
    /// Unit Sets...: the sets the user ticks join the working units; may throw bad_alloc.
    void AddUnitSets();
    /// Runs merge on a copy of the working units, which replaces them once it has
    /// finished: an exception leaves the units as they were.
    template <class Merge>
    CUnitTable::MergeCount MergeWhole(Merge merge);
    /// After the catalogue changed wholesale: empty boxes, the type list filled anew.
    void ShowFreshLists();
    void Warn(const QString& text);
    /// Why a unit set could not join the units, in the window's language.
    static QString RefusalText(const CUnitSet& set, CUnitSet::Refusal why);
    /// Why a file could not be imported, in a few lines.
    static QString ImportFaultText(const CUnitTableFile::Outcome& outcome);
    /// Why a line of a unit table was refused, in the window's language.
    static QString Describe(const CTableReason& reason);
    /// A column of a unit table as a reason names it, in the window's language.
    static QString ColumnName(const std::string& column);

    /// A type typed or chosen: takes the type box's text as the type, shows its base unit
    /// and lists its units; the unit box starts empty, the coefficient box stays.
    void ShowChosenType();
    /// A unit typed or chosen: takes the unit box's text as the unit and shows the unit's
    /// coefficient when the catalogue holds it.
    void ShowChosenUnit();
    /// Shows kTypeMissing and returns false when the type is empty; with needUnit, likewise
    /// kUnitMissing for an empty unit.
    bool CheckNames(bool needUnit);
    /// Shows kCoefficientMissing and returns false when the coefficient is empty or no
    /// usable number.
    bool CheckCoefficient();
    /// Lists the type and unit just stored, unless their lists already hold an entry that
    /// begins with them.
    void ListStoredNames();
    void FillTypeList();
    void FillUnitList();
    /// Asks a Yes/No question; true for Yes.
    bool Confirm(const QString& question);

    CAppContext& m_app;
    std::unique_ptr<Ui::DlgOptionsUnits> m_ui;
    QString m_baseText;
    QString m_typeText;
    QString m_unitText;
    QString m_coefficientText;
    std::unique_ptr<CUnitMgr> m_catalogue;
    bool m_setUp = false;
};
