#include "ui/MessageBox.h"

#include <QFontMetrics>
#include <QLabel>
#include <QQueue>
#include <QRegularExpression>
#include <QScreen>

#include <utility>

namespace {

const char* const kCaption = "Tarvo";

struct CRecord {
    QQueue<QMessageBox::StandardButton> answers;
    QStringList texts;
    QList<CMessageBox::Icon> icons;
};

CRecord& Record() {
    static CRecord record;
    return record;
}

QMessageBox::Icon ToQtIcon(CMessageBox::Icon icon) {
    switch (icon) {
        case CMessageBox::Icon::Stop:
            return QMessageBox::Critical;
        case CMessageBox::Icon::Exclamation:
            return QMessageBox::Warning;
        case CMessageBox::Icon::Question:
            return QMessageBox::Question;
        case CMessageBox::Icon::Information:
            return QMessageBox::Information;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::StandardButtons ToQtButtons(CMessageBox::Buttons buttons) {
    switch (buttons) {
        case CMessageBox::Buttons::Ok:
            return QMessageBox::Ok;
        case CMessageBox::Buttons::YesNo:
            return QMessageBox::Yes | QMessageBox::No;
        case CMessageBox::Buttons::RetryCancel:
            return QMessageBox::Retry | QMessageBox::Cancel;
    }
    return QMessageBox::Ok;
}

// A message may quote a whole line of a file or a long path. More than this many characters
// are never shown: the start and the end stay, as they say what and why.
constexpr qsizetype kMaxShown = 2000;
constexpr qsizetype kMaxRun = 200;
const QChar kEllipsis(0x2026);

QString CutMiddle(const QString& text, qsizetype max) {
    if (text.size() <= max) {
        return text;
    }
    const qsizetype head = max / 2;
    return text.left(head) + kEllipsis + text.right(max - head - 1);
}

// The text shortened so that, wrapped at its blanks, no line is wider than width pixels:
// each run of characters without a blank that is wider loses its middle.
QString FitWidth(const QString& text, const QFontMetrics& metrics, int width) {
    static const QRegularExpression kRun(QStringLiteral("\\S+"));
    QString fitted;
    qsizetype done = 0;
    for (const QRegularExpressionMatch& run : kRun.globalMatch(text)) {
        fitted += text.mid(done, run.capturedStart() - done);
        fitted += metrics.elidedText(CutMiddle(run.captured(), kMaxRun), Qt::ElideMiddle, width);
        done = run.capturedEnd();
    }
    return fitted + text.mid(done);
}

}  // namespace

QMessageBox::StandardButton CMessageBox::Show(QWidget* parent, Icon icon, const QString& text,
                                              Buttons buttons) {
    CRecord& record = Record();
    record.texts.append(text);
    record.icons.append(icon);
    if (!record.answers.isEmpty()) {
        return record.answers.dequeue();
    }
    QMessageBox box(ToQtIcon(icon), QString::fromLatin1(kCaption), QString(), ToQtButtons(buttons),
                    parent);
    // Messages quote file names, units and rates from outside: never markup.
    box.setTextFormat(Qt::PlainText);
    const QScreen* screen = parent != nullptr ? parent->screen() : box.screen();
    // Half the screen, as wide as the box lets its text grow before it wraps it.
    const int width = screen->availableGeometry().width() / 2;
    box.setText(FitWidth(CutMiddle(text, kMaxShown), box.fontMetrics(), width));
    if (auto* label = box.findChild<QLabel*>(QStringLiteral("qt_msgbox_label"))) {
        label->setWordWrap(true);
    }
    // The first button is the default, as in every box of the program: Ok, Yes or Retry.
    if (buttons == Buttons::YesNo) {
        box.setDefaultButton(QMessageBox::Yes);
    } else if (buttons == Buttons::RetryCancel) {
        box.setDefaultButton(QMessageBox::Retry);
    }
    return static_cast<QMessageBox::StandardButton>(box.exec());
}

void CMessageBox::SetNextAnswer(QMessageBox::StandardButton answer) {
    Record().answers.enqueue(answer);
}

QStringList CMessageBox::TakeShownTexts() {
    return std::exchange(Record().texts, {});
}

QList<CMessageBox::Icon> CMessageBox::TakeShownIcons() {
    return std::exchange(Record().icons, {});
}

void CMessageBox::Reset() {
    Record() = CRecord{};
}
