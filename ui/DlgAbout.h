#pragma once

#include <QDialog>
#include <QString>
#include <cstdint>
#include <memory>

namespace Ui {
class DlgAbout;
}

/// The About box: icon, name and version, a notice, the product description with its
/// build date, and the disclaimer in a small font of its own.
class CDlgAbout : public QDialog {
    Q_OBJECT
public:
    /// title, notice and description are shown as given, one label each.
    CDlgAbout(QWidget* parent, const QString& title, const QString& notice,
              const QString& description);
    ~CDlgAbout() override;

    /// The About command: opens the box for this version ("major.minor" from its high and
    /// low 16 bits) over the window in use, and waits until it closes.
    static void RunAboutCommand(std::uint32_t version);

private:
    std::unique_ptr<Ui::DlgAbout> m_ui;
};
