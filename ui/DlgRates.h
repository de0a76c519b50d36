#pragma once

#include <QDialog>
#include <QString>
#include <QUrl>
#include <memory>
#include <string>
#include <string_view>

#include "formats/RatesFile.h"
#include "formats/RatesUpdate.h"
#include "ui/RatesDownload.h"

class CUnitMgr;

namespace Ui {
class DlgRates;
}

/// "Currency Rates": brings the catalogue's currencies up to date from the European
/// Central Bank's reference rates, downloaded or read from a file. It shows what would
/// change, and changes the catalogue only on Apply, all at once; every failure is told
/// in the dialog and changes nothing.
class CDlgRates : public QDialog {
    Q_OBJECT
public:
    /// catalogue is the application's; source is the address Download fetches, through
    /// transfers, or through the download module when it is null.
    CDlgRates(CUnitMgr& catalogue, const QUrl& source, QWidget* parent = nullptr,
              const CRatesTransfer::Factory* transfers = nullptr);
    ~CDlgRates() override;

    /// Reads the rates file at path, as "From File..." does once a file is chosen.
    void ReadFile(const QString& path);
    /// Escape and the close box; stops a download first.
    void reject() override;

private:
    enum class Phase { Choosing, Downloading, Reviewing };

    void OnDownload();
    void OnFromFile();
    void OnCancel();
    void OnApply();
    void OnProgress(qint64 received, qint64 total);
    /// ReadFile's work; may throw bad_alloc. name is the path as the user reads it.
    void ReadRatesFile(const QString& path, const QString& name);
    /// Reads the rates out of text and shows what applying them would change; running out
    /// of memory on the way is a message like any other bad input.
    void ReadRates(std::string_view text, const QString& origin);
    /// ReadRates's work; may throw bad_alloc.
    void UseRates(std::string_view text, const QString& origin);
    /// The reason in the window's language.
    static QString Describe(const CRatesReason& reason);
    /// Says that origin could not be read for want of memory.
    void FailForMemory(const QString& origin);
    void ShowChanges(const CRatesFile& rates, const CRatesUpdate::Outcome& outcome);
    void Fail(const QString& message);
    void SetPhase(Phase phase);

    CUnitMgr& m_catalogue;
    QUrl m_source;
    std::unique_ptr<Ui::DlgRates> m_ui;
    CRatesDownload m_download;
    /// The catalogue as Apply would leave it; empty until rates have been read.
    std::unique_ptr<CUnitMgr> m_updated;
};
