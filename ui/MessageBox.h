#pragma once

#include <QList>
#include <QMessageBox>
#include <QString>
#include <QStringList>

class QWidget;

/// Every message box of the program goes through here, so tests can answer the next
/// box in advance instead of a person clicking it.
class CMessageBox {
public:
    enum class Icon { Stop, Exclamation, Question, Information };
    enum class Buttons { Ok, YesNo, RetryCancel };

    /// Shows a modal box with the application's name as caption and returns the button
    /// pressed (QMessageBox::Ok, Yes, No, Retry or Cancel).
    static QMessageBox::StandardButton Show(QWidget* parent, Icon icon, const QString& text,
                                            Buttons buttons = Buttons::Ok);

    /// Tests: the next boxes are not shown but answered with answer, in order.
    static void SetNextAnswer(QMessageBox::StandardButton answer);
    /// Tests: the texts of the boxes shown or answered since the last call; cleared on read.
    static QStringList TakeShownTexts();
    /// Tests: the icons of the boxes shown or answered since the last call; cleared on read.
    static QList<Icon> TakeShownIcons();
    /// Tests: forget pending answers and recorded texts and icons.
    static void Reset();
};
