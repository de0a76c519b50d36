#include "ui/DlgQuickConversion.h"

#include <QKeyEvent>

#include "catalogue/NumberText.h"
#include "ui/DataExchange.h"
#include "ui/LocalNumber.h"
#include "ui_DlgQuickConversion.h"

namespace {

// As many conversions as the list shows without scrolling.
constexpr std::size_t kMaxMatches = 8;
// Width of the query box: room for "5 ft 3 in to cm" written out in full names.
constexpr int kQueryChars = 50;

}  // namespace

CDlgQuickConversion::CDlgQuickConversion(const CUnitMgr& catalogue, int precision, QWidget* parent)
    : QDialog(parent),
      m_ui(std::make_unique<Ui::DlgQuickConversion>()),
      m_reader(catalogue),
      m_precision(precision) {
    m_ui->setupUi(this);
    m_ui->queryBox->setMinimumWidth(fontMetrics().averageCharWidth() * kQueryChars);
    connect(m_ui->queryBox, &QLineEdit::textChanged, this, &CDlgQuickConversion::ShowMatches);
    connect(m_ui->matchList, &QListWidget::itemDoubleClicked, this,
            &CDlgQuickConversion::ChooseCurrent);
    m_ui->queryBox->setFocus();
}

CDlgQuickConversion::~CDlgQuickConversion() = default;

void CDlgQuickConversion::SetQuery(const QString& query) {
    m_ui->queryBox->setText(query);
}

const CQueryReader::Conversion& CDlgQuickConversion::Chosen() const {
    return m_chosen;
}

void CDlgQuickConversion::keyPressEvent(QKeyEvent* event) {
    // Without buttons, Enter would do nothing; here it chooses the current row.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        ChooseCurrent();
        return;
    }
    QDialog::keyPressEvent(event);
}

void CDlgQuickConversion::ShowMatches(const QString& query) {
    m_ui->matchList->clear();
    m_matches.clear();
    if (query.trimmed().isEmpty()) {
        return;
    }
    const std::string text = query.toStdString();
    const bool decimalComma = LocalNumber::DecimalComma();
    const CQueryReader::Answer answer = m_reader.Read(text, decimalComma);
    if (answer.outcome == CQueryReader::Outcome::kAmbiguous ||
        answer.outcome == CQueryReader::Outcome::kFailed) {
        auto* reason = new QListWidgetItem(QString::fromStdString(answer.message));
        reason->setFlags(reason->flags() & ~Qt::ItemIsEnabled);
        m_ui->matchList->addItem(reason);
        return;
    }
    m_matches = m_reader.Conversions(text, kMaxMatches, decimalComma);
    for (const CQueryReader::Conversion& conversion : m_matches) {
        m_ui->matchList->addItem(RowText(conversion));
    }
    m_ui->matchList->setCurrentRow(0);
}

void CDlgQuickConversion::ChooseCurrent() {
    const int row = m_ui->matchList->currentRow();
    if (row < 0 || static_cast<std::size_t>(row) >= m_matches.size()) {
        return;
    }
    m_chosen = m_matches[static_cast<std::size_t>(row)];
    accept();
}

QString CDlgQuickConversion::RowText(const CQueryReader::Conversion& conversion) const {
    const auto number = [this](double value) {
        return QString::fromStdString(FormatNumber(value, m_precision, DataExchange::kMaxText));
    };
    return QStringLiteral("%1 %2 = %3 %4 (%5)")
        .arg(number(conversion.amount), QString::fromStdString(conversion.from),
             number(conversion.result), QString::fromStdString(conversion.to),
             QString::fromStdString(conversion.type));
}
