#pragma once

#include <QDialog>
#include <QString>
#include <memory>

namespace Ui {
class DlgHelp;
}

/// The help window: the program's help text, read-only, with a Close button. Modal and
/// without a parent, so it can be opened from any window of the program.
class CDlgHelp : public QDialog {
    Q_OBJECT
public:
    /// Shows the text resource resourceName.
    explicit CDlgHelp(QWidget* parent = nullptr,
                      const QString& resourceName = QStringLiteral("HELP"));
    ~CDlgHelp() override;

    /// The Help command: opens the help window and waits until it closes, unless one is
    /// open already (the help key pressed inside it must not open a second one).
    static void RunHelpCommand();

private:
    std::unique_ptr<Ui::DlgHelp> m_ui;
};
