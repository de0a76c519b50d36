#include "ui/DataExchange.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QLineEdit>
#include <QListView>
#include <QStringListModel>
#include <algorithm>
#include <vector>

#include "ui/MessageBox.h"

namespace DataExchange {

namespace {

// Every list orders and matches its entries by their case-folded text, so sorting,
// searching and inserting agree with each other.
QString Key(const QString& text) {
    return text.toCaseFolded();
}

// Lists filled here keep their entries in a string model of their own, in key order;
// those are searched by halving. Any other list is searched entry by entry.
QStringListModel* SortedModel(const QComboBox* list) {
    auto* model = qobject_cast<QStringListModel*>(list->model());
    return model != nullptr && model->parent() == list ? model : nullptr;
}

// Index of the first entry whose key is not less than key (upper: greater than key).
qsizetype Bound(const QStringList& entries, const QString& key, bool upper) {
    const auto found =
        upper ? std::upper_bound(
                    entries.cbegin(), entries.cend(), key,
                    [](const QString& k, const QString& entry) { return k < Key(entry); })
              : std::lower_bound(
                    entries.cbegin(), entries.cend(), key,
                    [](const QString& entry, const QString& k) { return Key(entry) < k; });
    return found - entries.cbegin();
}

void SortNoCase(QStringList& entries) {
    struct Keyed {
        QString key;
        qsizetype index;
    };
    std::vector<Keyed> keyed;
    keyed.reserve(static_cast<std::size_t>(entries.size()));
    for (qsizetype i = 0; i < entries.size(); ++i) {
        keyed.push_back({Key(entries[i]), i});
    }
    // Entries equal but for letter case keep their catalogue order.
    std::stable_sort(keyed.begin(), keyed.end(),
                     [](const Keyed& a, const Keyed& b) { return a.key < b.key; });
    QStringList sorted;
    sorted.reserve(entries.size());
    for (const Keyed& entry : keyed) {
        sorted.append(entries[entry.index]);
    }
    entries = std::move(sorted);
}

void SetEditText(QComboBox* list, const QString& text) {
    if (list->currentText() != text) {
        list->setEditText(text);
    }
}

// Leaves list without a selection; an editable box shows text.
void Deselect(QComboBox* list, const QString& text) {
    if (list->currentIndex() != -1) {
        list->setCurrentIndex(-1);
    }
    if (list->isEditable()) {
        SetEditText(list, text);
    }
}

}  // namespace

void WriteText(QLineEdit* edit, const QString& text) {
    if (edit->text() != text) {
        edit->setText(text);
    }
}

void WriteListValue(QComboBox* list, const QString& value) {
    if (value.isEmpty()) {
        Deselect(list, QString());
        return;
    }
    const int index = FindPrefix(list, value);
    if (index >= 0) {
        if (list->currentIndex() != index) {
            list->setCurrentIndex(index);
        }
        if (list->isEditable()) {
            SetEditText(list, list->itemText(index));
        }
    } else if (list->isEditable()) {
        Deselect(list, value);
    }
}

QString ReadListValue(const QComboBox* list) {
    if (list->isEditable()) {
        return list->currentText();
    }
    const int index = list->currentIndex();
    return index < 0 ? QString() : list->itemText(index);
}

int FindPrefix(const QComboBox* list, const QString& text) {
    if (text.isEmpty()) {
        return -1;
    }
    const QString key = Key(text);
    if (const QStringListModel* model = SortedModel(list)) {
        const QStringList entries = model->stringList();
        const qsizetype first = Bound(entries, key, false);
        return first < entries.size() && Key(entries[first]).startsWith(key)
                   ? static_cast<int>(first)
                   : -1;
    }
    for (int i = 0; i < list->count(); ++i) {
        if (Key(list->itemText(i)).startsWith(key)) {
            return i;
        }
    }
    return -1;
}

void FillSorted(QComboBox* list, QStringList entries) {
    FillSorted(QList<QComboBox*>{list}, std::move(entries));
}

void FillSorted(const QList<QComboBox*>& lists, QStringList entries) {
    SortNoCase(entries);
    for (QComboBox* list : lists) {
        const QString text = list->isEditable() ? list->currentText() : QString();
        const bool updates = list->updatesEnabled();
        list->setUpdatesEnabled(false);
        if (QStringListModel* model = SortedModel(list)) {
            model->setStringList(entries);
        } else {
            list->setModel(new QStringListModel(entries, list));
        }
        if (auto* view = qobject_cast<QListView*>(list->view())) {
            view->setUniformItemSizes(true);
        }
        // A refilled list has no selection, whatever the control picked while filling.
        Deselect(list, text);
        list->setUpdatesEnabled(updates);
    }
}

void AddSorted(QComboBox* list, const QString& entry) {
    const int selected = list->currentIndex();
    const QString text = list->isEditable() ? list->currentText() : QString();
    int position = list->count();
    if (const QStringListModel* model = SortedModel(list)) {
        position = static_cast<int>(Bound(model->stringList(), Key(entry), true));
    } else {
        const QString key = Key(entry);
        for (int i = 0; i < list->count(); ++i) {
            if (key < Key(list->itemText(i))) {
                position = i;
                break;
            }
        }
    }
    list->insertItem(position, entry);
    // Adding an entry never selects it, not even in a list that was empty.
    if (selected < 0) {
        Deselect(list, text);
    }
}

bool CheckLength(QWidget* control, const QString& text, int max) {
    if (text.size() <= max) {
        return true;
    }
    CMessageBox::Show(
        control->window(), CMessageBox::Icon::Exclamation,
        QCoreApplication::translate("DataExchange", "Please enter no more than %1 characters.")
            .arg(max));
    control->setFocus();
    if (auto* edit = qobject_cast<QLineEdit*>(control)) {
        edit->selectAll();
    } else if (auto* combo = qobject_cast<QComboBox*>(control); combo && combo->lineEdit()) {
        combo->lineEdit()->selectAll();
    }
    return false;
}

}  // namespace DataExchange
