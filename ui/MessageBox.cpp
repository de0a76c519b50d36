#include "ui/MessageBox.h"

#include <QQueue>

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

}  // namespace

QMessageBox::StandardButton CMessageBox::Show(QWidget* parent, Icon icon, const QString& text,
                                              Buttons buttons) {
    CRecord& record = Record();
    record.texts.append(text);
    record.icons.append(icon);
    if (!record.answers.isEmpty()) {
        return record.answers.dequeue();
    }
    QMessageBox box(ToQtIcon(icon), QString::fromLatin1(kCaption), text, ToQtButtons(buttons),
                    parent);
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
