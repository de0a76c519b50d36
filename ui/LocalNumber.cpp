#include "ui/LocalNumber.h"

#include <QLocale>
#include <QRegularExpression>

#include "catalogue/NumberText.h"

namespace LocalNumber {

namespace {

// A leading number as ParseNumber reads it; only its length counts here.
const QRegularExpression& ProgramNumber() {
    static const QRegularExpression kNumber(
        QStringLiteral("^\\s*[+-]?(?:\\d+(?:\\.\\d*)?|\\.\\d+)(?:[eE][+-]?\\d+)?"));
    return kNumber;
}

// A leading number written with decimal and group: groups of three digits after the first,
// or no groups at all. A group separator that is a blank (Finnish writes U+00A0) may be
// typed as a plain space.
QRegularExpression LocalNumberPattern(const QString& decimal, const QString& group) {
    QString groups = QRegularExpression::escape(group);
    if (group.size() == 1 && group.front().isSpace()) {
        groups += QLatin1Char(' ');
    }
    return QRegularExpression(
        QStringLiteral("^\\s*([+-]?)(\\d{1,3}(?:[%1]\\d{3})+|\\d+)?(?:%2(\\d*))?([eE][+-]?\\d+)?")
            .arg(groups, QRegularExpression::escape(decimal)));
}

}  // namespace

double Read(const QString& text) {
    const QLocale locale;
    const QString decimal = locale.decimalPoint();
    const std::string program = text.toStdString();
    if (decimal == QLatin1String(".")) {
        return ParseNumber(program);
    }
    const QRegularExpressionMatch local =
        LocalNumberPattern(decimal, locale.groupSeparator()).match(text);
    const bool hasDigits = !local.captured(2).isEmpty() || !local.captured(3).isEmpty();
    const QRegularExpressionMatch own = ProgramNumber().match(text);
    if (!hasDigits || (own.hasMatch() && own.capturedLength() > local.capturedLength())) {
        return ParseNumber(program);
    }
    QString digits = local.captured(2);
    digits.remove(QRegularExpression(QStringLiteral("\\D")));
    const QString plain = local.captured(1) + (digits.isEmpty() ? QStringLiteral("0") : digits) +
                          QLatin1Char('.') + local.captured(3) + local.captured(4);
    return ParseNumber(plain.toStdString());
}

bool DecimalComma() {
    return QLocale().decimalPoint() == QLatin1String(",");
}

QString Show(const std::string& text) {
    QString shown = QString::fromStdString(text);
    return shown.replace(QLatin1Char('.'), QLocale().decimalPoint());
}

}  // namespace LocalNumber
