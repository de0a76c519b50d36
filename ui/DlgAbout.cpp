#include "ui/DlgAbout.h"

#include <QApplication>
#include <QFont>

#include "ui/AppIcon.h"
#include "ui/TextResource.h"
#include "ui_DlgAbout.h"

namespace {

constexpr int kIconSize = 32;
/// The disclaimer is fine print: 9 pixels high, whatever the screen's resolution.
constexpr int kDisclaimerPixelSize = 9;

const char* const kDescription = "Dov32 Evaru Dozozavud";
/// The product's fixed build date: shown as it stands, never the compiler's date.
const char* const kBuildDate = QT_TRANSLATE_NOOP("CDlgAbout", "Nov 30 1996");

QString VersionText(std::uint32_t version) {
    return QStringLiteral("%1.%2").arg(version >> 16).arg(version & 0xFFFFu);
}

QFont DisclaimerFont() {
    QFont font(QStringLiteral("Arial"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(kDisclaimerPixelSize);
    return font;
}

/// The window the user is working in: the modal dialog on top, else the active window.
QWidget* WindowInUse() {
    if (QWidget* modal = QApplication::activeModalWidget()) {
        return modal;
    }
    return QApplication::activeWindow();
}

}  // namespace

CDlgAbout::CDlgAbout(QWidget* parent, const QString& title, const QString& notice,
                     const QString& description)
    : QDialog(parent), m_ui(std::make_unique<Ui::DlgAbout>()) {
    m_ui->setupUi(this);
    InitResources();
    setWindowTitle(tr("About %1").arg(QApplication::applicationName()));
    m_ui->labelIcon->setPixmap(AppIcon().pixmap(kIconSize, kIconSize));
    m_ui->labelTitle->setText(title);
    m_ui->labelNotice->setText(notice);
    m_ui->labelDescription->setText(description);
    m_ui->labelDisclaimer->setFont(DisclaimerFont());
    // Without its disclaimer the box is still worth showing.
    m_ui->labelDisclaimer->setText(
        LoadTextResource(QStringLiteral("AboutDis")).value_or(QString()));
    m_ui->buttonOk->setFocus();
}

CDlgAbout::~CDlgAbout() = default;

void CDlgAbout::RunAboutCommand(std::uint32_t version) {
    const QString title =
        QStringLiteral("%1 v%2").arg(QApplication::applicationName(), VersionText(version));
    const QString notice =
        tr("Copyright © 2026 the Tarvo developers.\nFree software; see the disclaimer below.");
    const QString description =
        tr("%1\nBuilt on %2").arg(QLatin1String(kDescription), tr(kBuildDate));
    CDlgAbout dialog(WindowInUse(), title, notice, description);
    dialog.exec();
}
