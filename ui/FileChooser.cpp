#include "ui/FileChooser.h"

#include <QFileDialog>
#include <QQueue>
#include <utility>

namespace {

struct CRecord {
    QQueue<QString> choices;
    QStringList startPaths;
};

CRecord& Record() {
    static CRecord record;
    return record;
}

/// The choice a test set in advance, if there is one; records where the dialog starts.
bool TakeChoice(const QString& startPath, QString& choice) {
    CRecord& record = Record();
    record.startPaths.append(startPath);
    if (record.choices.isEmpty()) {
        return false;
    }
    choice = record.choices.dequeue();
    return true;
}

}  // namespace

QString CFileChooser::ChooseFileToOpen(QWidget* parent, const QString& caption,
                                       const QString& folder, const QString& filter) {
    QString choice;
    if (!TakeChoice(folder, choice)) {
        choice = QFileDialog::getOpenFileName(parent, caption, folder, filter);
    }
    return choice;
}

QString CFileChooser::ChooseFileToSave(QWidget* parent, const QString& caption, const QString& path,
                                       const QString& filter) {
    QString choice;
    if (!TakeChoice(path, choice)) {
        choice = QFileDialog::getSaveFileName(parent, caption, path, filter);
    }
    return choice;
}

void CFileChooser::SetNextChoice(const QString& path) {
    Record().choices.enqueue(path);
}

QStringList CFileChooser::TakeStartPaths() {
    return std::exchange(Record().startPaths, {});
}

void CFileChooser::Reset() {
    Record() = CRecord{};
}
