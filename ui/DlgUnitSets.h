#pragma once

#include <QDialog>
#include <QString>
#include <memory>
#include <vector>

#include "formats/UnitSet.h"

class CUnitMgr;
class QCheckBox;
class QPushButton;

namespace Ui {
class DlgUnitSets;
}

/// "Unit Sets", opened from the Units page: a check box for every unit set of a folder with
/// its title and unit count, sorted by title. A set the catalogue already holds whole is marked so
/// and cannot be checked. The dialog only chooses; the page merges the sets chosen.
class CDlgUnitSets : public QDialog {
    Q_OBJECT
public:
    /// Lists the readable sets of folder, each marked against catalogue.
    CDlgUnitSets(const CUnitMgr& catalogue, const QString& folder, QWidget* parent = nullptr);
    ~CDlgUnitSets() override;

    /// The sets whose boxes are checked, in the order listed.
    std::vector<const CUnitSet*> Chosen() const;
    /// The set's title in the program's language: the translated name of its file, or its
    /// type's name when the file is not one of the sets the program comes with.
    static QString Title(const CUnitSet& set);

private:
    void AddBox(const CUnitSet& set, bool added);
    void EnableAdd();

    std::unique_ptr<Ui::DlgUnitSets> m_ui;
    QPushButton* m_addButton;
    std::vector<CUnitSet> m_sets;
    /// One per set of m_sets, in the same order.
    std::vector<QCheckBox*> m_boxes;
};
