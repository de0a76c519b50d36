#include "ui/DlgRates.h"

#include <QDir>
#include <QFile>
#include <QHeaderView>
#include <QTableWidgetItem>
#include <new>

#include "catalogue/GuardedFile.h"
#include "catalogue/UnitMgr.h"
#include "formats/DoubleText.h"
#include "ui/FileChooser.h"
#include "ui_DlgRates.h"

namespace {

QTableWidgetItem* Cell(const QString& text) {
    return new QTableWidgetItem(text);
}

QString Number(double value) {
    return QString::fromStdString(DoubleText::Write(value));
}

}  // namespace

CDlgRates::CDlgRates(CUnitMgr& catalogue, const QUrl& source, QWidget* parent,
                     const CRatesTransfer::Factory* transfers)
    : QDialog(parent),
      m_catalogue(catalogue),
      m_source(source),
      m_ui(std::make_unique<Ui::DlgRates>()),
      m_download(transfers) {
    m_ui->setupUi(this);
    m_ui->addressLabel->setText(m_source.toDisplayString());
    QFont bold = m_ui->sourceLabel->font();
    bold.setBold(true);
    m_ui->sourceLabel->setFont(bold);
    m_ui->changesTable->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_ui->changesTable->verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    connect(m_ui->downloadButton, &QPushButton::clicked, this, &CDlgRates::OnDownload);
    connect(m_ui->fromFileButton, &QPushButton::clicked, this, &CDlgRates::OnFromFile);
    connect(m_ui->cancelButton, &QPushButton::clicked, this, &CDlgRates::OnCancel);
    connect(m_ui->applyButton, &QPushButton::clicked, this, &CDlgRates::OnApply);
    connect(&m_download, &CRatesDownload::Progress, this, &CDlgRates::OnProgress);
    connect(&m_download, &CRatesDownload::Finished, this, [this](const QByteArray& body) {
        ReadRates(std::string_view(body.constData(), static_cast<std::size_t>(body.size())),
                  m_source.toDisplayString());
    });
    connect(&m_download, &CRatesDownload::Failed, this, &CDlgRates::Fail);
    SetPhase(Phase::Choosing);
}

CDlgRates::~CDlgRates() = default;

void CDlgRates::reject() {
    if (m_download.IsRunning()) {
        m_download.Cancel();
    }
    QDialog::reject();
}

void CDlgRates::OnDownload() {
    SetPhase(Phase::Downloading);
    m_ui->messageLabel->setText(tr("Downloading the rates from %1...").arg(m_source.host()));
    m_download.Start(m_source);
}

void CDlgRates::OnFromFile() {
    const QString path =
        CFileChooser::ChooseFileToOpen(this, tr("Open Rates File"), QDir::currentPath(),
                                       tr("Rates files (*.xml *.csv);;All files (*)"));
    if (!path.isEmpty()) {
        ReadFile(path);
    }
}

void CDlgRates::ReadFile(const QString& path) {
    const QString name = QDir::toNativeSeparators(path);
    try {
        ReadRatesFile(path, name);
    } catch (const std::bad_alloc&) {
        FailForMemory(name);
    }
}

void CDlgRates::ReadRatesFile(const QString& path, const QString& name) {
    const CGuardedFile file(QFile::encodeName(path).toStdString(), CRatesFile::kMaxBytes);
    switch (file.GetFault()) {
        case CGuardedFile::Fault::kNone:
            ReadRates(file.Bytes(), name);
            return;
        case CGuardedFile::Fault::kFolder:
            Fail(tr("%1 is a folder, not a rates file.").arg(name));
            return;
        case CGuardedFile::Fault::kNotAFile:
            Fail(tr("%1 is a pipe or a device, not a rates file.").arg(name));
            return;
        case CGuardedFile::Fault::kTooLarge:
            Fail(tr("%1 is larger than %2 MiB, too large for a rates file.")
                     .arg(name)
                     .arg(CRatesFile::kMaxBytes >> 20));
            return;
        case CGuardedFile::Fault::kCannotOpen:
        case CGuardedFile::Fault::kCannotRead:
            break;
    }
    Fail(tr("%1 cannot be read: %2.").arg(name, QString::fromStdString(file.SystemReason())));
}

void CDlgRates::ReadRates(std::string_view text, const QString& origin) {
    try {
        UseRates(text, origin);
    } catch (const std::bad_alloc&) {
        FailForMemory(origin);
    }
}

QString CDlgRates::Describe(const CRatesReason& reason) {
    const auto value = [&reason](std::size_t i) { return QString::fromStdString(reason.Value(i)); };
    using Code = CRatesReason::Code;
    QString text;
    switch (reason.GetCode()) {
        case Code::kNone:
            break;
        case Code::kEmpty:
            text = tr("the rates file is empty");
            break;
        case Code::kNoDate:
            text = tr("the rates file gives no date for its rates");
            break;
        case Code::kNotDateHeader:
            text = tr("not a reference-rate file: the first field must be 'Date'");
            break;
        case Code::kBadCode:
            text = tr("the currency code '%1' is empty or repeated").arg(value(0));
            break;
        case Code::kNoRatesLine:
            text = tr("the rates file has a header but no line of rates");
            break;
        case Code::kFieldCount:
            text = tr("%1 fields for %2 columns of the header").arg(value(0), value(1));
            break;
        case Code::kBadRate:
            text = tr("the rate of %1 '%2' is not a positive number").arg(value(0), value(1));
            break;
        case Code::kXmlMalformed:
            // The parser's own description stays as the parser words it.
            text = tr("the XML is not well-formed: %1 at byte %2").arg(value(0), value(1));
            break;
        case Code::kXmlNotEnvelope:
            text = tr("not a reference-rate file: the XML holds <%1>, not an <Envelope> of rates")
                       .arg(value(0));
            break;
        case Code::kXmlNoDay:
            text = tr("not a reference-rate file: the XML holds no <Cube> of a day's rates");
            break;
        case Code::kNoDollarUnit:
            text = tr("the catalogue has no unit '%1' of type '%2' to base the rates on")
                       .arg(value(0), value(1));
            break;
        case Code::kNoDollarRate:
            text = tr("the rates file has no rate for %1").arg(value(0));
            break;
        case Code::kLineTooLong:
            text = tr("the line is longer than %1 KiB").arg(value(0));
            break;
        case Code::kRateOutOfRange:
            text = tr("the rate of %1 per %2 is %3, too large or too small for a unit")
                       .arg(value(0), value(1), value(2));
            break;
    }
    return reason.Line() > 0 ? tr("line %1: %2").arg(QString::number(reason.Line()), text) : text;
}

void CDlgRates::FailForMemory(const QString& origin) {
    Fail(tr("%1 could not be read: there is not enough memory.").arg(origin));
}

void CDlgRates::UseRates(std::string_view text, const QString& origin) {
    CRatesFile rates;
    std::string error;
    if (!rates.Read(text, error)) {
        Fail(tr("%1 holds no rates that can be used: %2.").arg(origin, Describe(rates.Reason())));
        return;
    }
    // The rates go into a copy; the catalogue itself changes only on Apply.
    std::unique_ptr<CUnitMgr> updated = m_catalogue.Clone();
    CRatesUpdate::Outcome outcome;
    if (!CRatesUpdate::Apply(rates.Rates(), *updated, outcome, error)) {
        Fail(tr("The rates of %1 cannot be used: %2.")
                 .arg(QString::fromStdString(rates.Date()), Describe(outcome.refusal)));
        return;
    }
    m_updated = std::move(updated);
    ShowChanges(rates, outcome);
}

void CDlgRates::ShowChanges(const CRatesFile& rates, const CRatesUpdate::Outcome& outcome) {
    m_ui->dateLabel->setText(tr("Rates of %1").arg(QString::fromStdString(rates.Date())));
    QTableWidget* table = m_ui->changesTable;
    table->setRowCount(static_cast<int>(outcome.changes.size()));
    int row = 0;
    for (const CRatesUpdate::Change& change : outcome.changes) {
        table->setItem(row, 0, Cell(QString::fromStdString(change.unit)));
        table->setItem(row, 1,
                       Cell(change.oldCoefficient ? Number(*change.oldCoefficient) : tr("new")));
        table->setItem(row, 2, Cell(Number(change.newCoefficient)));
        ++row;
    }
    QString message = outcome.changes.empty()
                          ? tr("The catalogue has these rates already; nothing would change.")
                          : tr("Apply changes the currencies listed; units without a rate "
                               "stay as they are.");
    if (!outcome.unknownCodes.empty()) {
        QStringList codes;
        for (const std::string& code : outcome.unknownCodes) {
            codes << QString::fromStdString(code);
        }
        message +=
            QLatin1Char(' ') +
            tr("No unit name is known for %1; left out.").arg(codes.join(QStringLiteral(", ")));
    }
    m_ui->messageLabel->setText(message);
    SetPhase(Phase::Reviewing);
    m_ui->applyButton->setEnabled(!outcome.changes.empty());
}

void CDlgRates::OnCancel() {
    if (m_download.IsRunning()) {
        m_download.Cancel();
        return;
    }
    QDialog::reject();
}

void CDlgRates::OnApply() {
    // All the rates go in at once, and the catalogue is saved at exit.
    m_updated->CopyUnitsTo(m_catalogue);
    m_catalogue.SetModified(true);
    accept();
}

void CDlgRates::OnProgress(qint64 received, qint64 total) {
    if (total > 0) {
        m_ui->progressBar->setRange(0, 100);
        m_ui->progressBar->setValue(static_cast<int>(received * 100 / total));
    }
}

void CDlgRates::Fail(const QString& message) {
    m_updated.reset();
    m_ui->dateLabel->clear();
    m_ui->changesTable->setRowCount(0);
    m_ui->messageLabel->setText(message + QLatin1Char(' ') + tr("Nothing was changed."));
    SetPhase(Phase::Choosing);
}

void CDlgRates::SetPhase(Phase phase) {
    const bool downloading = phase == Phase::Downloading;
    const bool reviewing = phase == Phase::Reviewing;
    m_ui->downloadButton->setVisible(!reviewing);
    m_ui->fromFileButton->setVisible(!reviewing);
    m_ui->downloadButton->setEnabled(!downloading);
    m_ui->fromFileButton->setEnabled(!downloading);
    m_ui->applyButton->setVisible(reviewing);
    m_ui->progressBar->setVisible(downloading);
    // Busy until the server says how much it sends.
    m_ui->progressBar->setRange(0, 0);
    m_ui->dateLabel->setVisible(reviewing);
}
