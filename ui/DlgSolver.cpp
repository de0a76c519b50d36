#include "ui/DlgSolver.h"

#include "catalogue/NumberText.h"
#include "ui/DataExchange.h"
#include "ui/LocalNumber.h"
#include "ui_DlgSolver.h"

namespace {

/// The answer always shows five decimals at most, whatever the main window's precision.
constexpr int kAnswerPrecision = 5;

double Amount(const QLineEdit* edit) {
    return LocalNumber::Read(edit->text());
}

}  // namespace

CDlgSolver::CDlgSolver(QWidget* parent) : QDialog(parent), m_ui(std::make_unique<Ui::DlgSolver>()) {
    m_ui->setupUi(this);
    const QList<QLineEdit*> inputs = {m_ui->editFirstA, m_ui->editFirstB, m_ui->editSecondB,
                                      m_ui->editSecondC, m_ui->editAskedA};
    for (QLineEdit* input : inputs) {
        input->setMaxLength(DataExchange::kMaxText);
        // Only the user's edits count: the dialog's own writes must not recompute.
        connect(input, &QLineEdit::textEdited, this, &CDlgSolver::Recompute);
    }
    // The dialog opens on its own example: 1 yard = 3 feet, 1 foot = 12 inches, 2 yards are
    // 72 inches. The answer is that text as it stands, not a computation.
    m_ui->editFirstA->setText(QStringLiteral("1"));
    m_ui->editFirstB->setText(QStringLiteral("3"));
    m_ui->editSecondB->setText(QStringLiteral("1"));
    m_ui->editSecondC->setText(QStringLiteral("12"));
    m_ui->editAskedA->setText(QStringLiteral("2"));
    m_ui->editAnswerC->setText(QStringLiteral("72"));
    m_ui->editFirstA->setFocus();
}

CDlgSolver::~CDlgSolver() = default;

void CDlgSolver::Recompute() {
    const double a1 = Amount(m_ui->editFirstA);
    const double b1 = Amount(m_ui->editFirstB);
    const double b2 = Amount(m_ui->editSecondB);
    const double c2 = Amount(m_ui->editSecondC);
    const double a3 = Amount(m_ui->editAskedA);
    // Evaluated in this order on purpose, so rounding and the IEEE results of a zero
    // divisor (infinity, NaN) are always the same; no division is guarded.
    const double t = (b2 * a1) / b1;
    const double r = (c2 * a3) / t;
    DataExchange::WriteText(m_ui->editAnswerC,
                            LocalNumber::Show(FormatNumber(r, kAnswerPrecision)));
}
