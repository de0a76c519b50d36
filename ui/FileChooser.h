#pragma once

#include <QString>
#include <QStringList>

class QWidget;

/// Every file dialog of the program goes through here, so tests can choose the next file
/// in advance instead of a person picking it.
class CFileChooser {
public:
    /// The platform's dialog for an existing file, opened on folder; empty when cancelled.
    static QString ChooseFileToOpen(QWidget* parent, const QString& caption, const QString& folder,
                                    const QString& filter);
    /// The platform's dialog for a file to write, proposing path; empty when cancelled.
    static QString ChooseFileToSave(QWidget* parent, const QString& caption, const QString& path,
                                    const QString& filter);

    /// Tests: the next dialogs are not shown but answered with path, in order (an empty
    /// path is a cancelled dialog).
    static void SetNextChoice(const QString& path);
    /// Tests: the folders and proposed paths of the dialogs since the last call; cleared
    /// on read.
    static QStringList TakeStartPaths();
    /// Tests: forget pending choices and recorded paths.
    static void Reset();
};
