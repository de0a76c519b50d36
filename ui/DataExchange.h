#pragma once

#include <QList>
#include <QString>
#include <QStringList>

class QComboBox;
class QLineEdit;
class QWidget;

/// The page exchange shared by every window: moves values between a window's fields and
/// its controls. Windows react only to what the user does (textEdited, activated), so
/// nothing written here raises a change report that starts a second computation.
namespace DataExchange {

/// The longest text a user may enter for a type, unit, number or coefficient.
inline constexpr int kMaxText = 32;

/// Writes text into an edit box only when it differs, so caret and selection stay.
void WriteText(QLineEdit* edit, const QString& text);

/// Selects the first entry that begins with value, letter case ignored. An empty value
/// clears the selection; a value that matches no entry leaves the selection as it was.
/// For an editable combo box with no match, its text is set to value instead.
void WriteListValue(QComboBox* list, const QString& value);

/// The selected entry's text, or empty when nothing is selected (editable boxes: the text).
QString ReadListValue(const QComboBox* list);

/// Index of the first entry that begins with text, letter case ignored; -1 when none or
/// when text is empty.
int FindPrefix(const QComboBox* list, const QString& text);

/// Replaces a list's entries, sorted without regard to letter case, in one step. The list
/// is left without a selection (an editable box keeps its text).
void FillSorted(QComboBox* list, QStringList entries);
/// The same for several lists that show the same entries, sorting them once.
void FillSorted(const QList<QComboBox*>& lists, QStringList entries);

/// Adds one entry in its sorted place (letter case ignored).
void AddSorted(QComboBox* list, const QString& entry);

/// The read-back length check: true when text holds at most max characters; otherwise
/// shows "Please enter no more than %1 characters.", moves the focus to control (an edit
/// box also gets all its text selected) and returns false.
bool CheckLength(QWidget* control, const QString& text, int max = kMaxText);

}  // namespace DataExchange
