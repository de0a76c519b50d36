#pragma once

#include <QDialog>
#include <memory>

namespace Ui {
class DlgSolver;
}

/// The DAVORU Units Solver: from "a1 A = b1 B" and "b2 B = c2 C" it works out how many C
/// make a3 A, anew on every change the user makes to an amount. It works on numbers
/// alone and touches neither the catalogue nor the settings; a new dialog, with the
/// worked example filled in, is made on every opening.
class CDlgSolver : public QDialog {
    Q_OBJECT
public:
    explicit CDlgSolver(QWidget* parent = nullptr);
    ~CDlgSolver() override;

private:
    /// Reads the five amounts and writes the answer, five decimals at most.
    void Recompute();

    std::unique_ptr<Ui::DlgSolver> m_ui;
};
