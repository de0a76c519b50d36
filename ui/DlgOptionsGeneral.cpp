#include "ui/DlgOptionsGeneral.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <algorithm>
#include <limits>
#include <optional>

#include "app/WorkspaceSettings.h"
#include "ui/AppContext.h"
#include "ui/DataExchange.h"
#include "ui/MessageBox.h"
#include "ui/StayOnTop.h"
#include "ui_DlgOptionsGeneral.h"

namespace {

constexpr int kMinPrecision = 0;
constexpr int kMaxPrecision = 10;

bool IsBlank(QChar c) {
    return c == QLatin1Char(' ') || c == QLatin1Char('\t');
}

bool IsDigit(QChar c) {
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

// Reads text the way the framework's integer exchange does: blanks or tabs, an optional
// sign, decimal digits, blanks or tabs, and nothing else. A zero must begin with the digit
// 0, so "-0" and "+0" are refused. Numbers too large for an int come back clamped, so that
// they fail the range check rather than wrap around into it.
std::optional<int> ReadInteger(const QString& text) {
    qsizetype first = 0;
    qsizetype end = text.size();
    while (first < end && IsBlank(text[first])) {
        ++first;
    }
    while (end > first && IsBlank(text[end - 1])) {
        --end;
    }
    const QStringView number = QStringView(text).sliced(first, end - first);
    const bool hasSign =
        !number.isEmpty() && (number[0] == QLatin1Char('-') || number[0] == QLatin1Char('+'));
    const QStringView digits = number.sliced(hasSign ? 1 : 0);
    if (digits.isEmpty() || !std::all_of(digits.begin(), digits.end(), IsDigit)) {
        return std::nullopt;
    }
    constexpr long long kClamp = static_cast<long long>(std::numeric_limits<int>::max()) + 1;
    long long value = 0;
    for (const QChar digit : digits) {
        value = std::min(value * 10 + (digit.unicode() - u'0'), kClamp);
    }
    if (value == 0 && number[0] != QLatin1Char('0')) {
        return std::nullopt;
    }
    if (number[0] == QLatin1Char('-')) {
        value = -value;
    }
    return static_cast<int>(std::clamp<long long>(value, std::numeric_limits<int>::min(),
                                                  std::numeric_limits<int>::max()));
}

}  // namespace

CDlgOptionsGeneral::CDlgOptionsGeneral(CAppContext& app, QWidget* parent)
    : QWidget(parent),
      m_decimalPrecision(app.Settings().m_decimalPrecision),
      m_alwaysOnTop(app.Settings().m_alwaysOnTop),
      m_reloadLastUnits(app.Settings().m_reloadLastUnits),
      m_ui(std::make_unique<Ui::DlgOptionsGeneral>()) {
    m_ui->setupUi(this);
    if (DesktopDecidesStacking(QGuiApplication::platformName())) {
        // The setting is kept for the X11 sessions where it acts; here it could do nothing.
        m_ui->alwaysOnTopCheck->setEnabled(false);
        m_ui->alwaysOnTopCheck->setToolTip(tr("This desktop decides which windows stay on top."));
    }
    connect(m_ui->precisionUp, &QToolButton::clicked, this, [this] { Spin(1); });
    connect(m_ui->precisionDown, &QToolButton::clicked, this, [this] { Spin(-1); });
    m_ui->precisionBox->installEventFilter(this);
}

CDlgOptionsGeneral::~CDlgOptionsGeneral() = default;

void CDlgOptionsGeneral::Activate() {
    DataExchange::WriteText(m_ui->precisionBox, QString::number(m_decimalPrecision));
    m_ui->alwaysOnTopCheck->setChecked(m_alwaysOnTop != 0);
    m_ui->reloadLastUnitsCheck->setChecked(m_reloadLastUnits != 0);
}

bool CDlgOptionsGeneral::ReadBack() {
    const std::optional<int> precision = ReadInteger(m_ui->precisionBox->text());
    if (!precision) {
        RefusePrecision(tr("Please enter an integer."));
        return false;
    }
    if (*precision < kMinPrecision || *precision > kMaxPrecision) {
        RefusePrecision(
            tr("Please enter an integer between %1 and %2.").arg(kMinPrecision).arg(kMaxPrecision));
        return false;
    }
    m_decimalPrecision = *precision;
    m_alwaysOnTop = m_ui->alwaysOnTopCheck->isChecked() ? 1 : 0;
    m_reloadLastUnits = m_ui->reloadLastUnitsCheck->isChecked() ? 1 : 0;
    return true;
}

bool CDlgOptionsGeneral::eventFilter(QObject* watched, QEvent* event) {
    // The arrow keys in the precision box work the spin arrows, as with a spin box.
    if (watched == m_ui->precisionBox && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->modifiers() == Qt::NoModifier &&
            (key->key() == Qt::Key_Up || key->key() == Qt::Key_Down)) {
            Spin(key->key() == Qt::Key_Up ? 1 : -1);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void CDlgOptionsGeneral::Spin(int step) {
    // The spin starts from the number in the box; from the last precision read back when
    // the box holds no integer.
    const int position =
        std::clamp(ReadInteger(m_ui->precisionBox->text()).value_or(m_decimalPrecision),
                   kMinPrecision, kMaxPrecision);
    int next = position + step;
    if (next > kMaxPrecision) {
        next = kMinPrecision;
    } else if (next < kMinPrecision) {
        next = kMaxPrecision;
    }
    m_ui->precisionBox->setText(QString::number(next));
}

void CDlgOptionsGeneral::RefusePrecision(const QString& message) {
    CMessageBox::Show(this, CMessageBox::Icon::Exclamation, message);
    m_ui->precisionBox->setFocus();
    m_ui->precisionBox->selectAll();
}
