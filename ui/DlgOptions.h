#pragma once

#include <QDialog>
#include <memory>

class CAppContext;
class CDlgOptionsGeneral;
class CDlgOptionsUnits;

namespace Ui {
class DlgOptions;
}

/// The modal Options sheet: the pages "View" and "Units", OK, Cancel and Help, no Apply.
/// Leaving a page or pressing OK runs that page's read-back; a failing read-back keeps the
/// page shown. A new sheet, with new copies, is made on every opening.
class CDlgOptions : public QDialog {
    Q_OBJECT
public:
    CDlgOptions(QWidget* parent, CAppContext& app);
    ~CDlgOptions() override;

    /// The View page with its decimal precision, always on top and reload last units.
    CDlgOptionsGeneral& General() const;
    /// The Units page with its working catalogue and that catalogue's modified flag.
    CDlgOptionsUnits& Units() const;

private:
    /// Runs after the tab bar switched: goes back to the page being left for its
    /// read-back, and on to the new page only when that succeeds.
    void OnPageChanged(int index);
    void OnOk();
    /// Puts the pages' controls between the tab bar and the buttons in the Tab order.
    void OrderTabChain();
    bool ReadBackPage(int index) const;
    void ActivatePage(int index) const;

    std::unique_ptr<Ui::DlgOptions> m_ui;
    CDlgOptionsGeneral* m_general;
    CDlgOptionsUnits* m_units;
    int m_shownPage = 0;
};
