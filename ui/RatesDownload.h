#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>
#include <QUrl>
#include <chrono>
#include <memory>

#include "ui/RatesTransfer.h"

/// Fetches a rates file over the network, only when asked, through the download module,
/// which it loads on the first Start: a program that never downloads never loads Qt
/// Network. One download at a time; each ends in exactly one Finished or Failed.
class CRatesDownload : public QObject, private CRatesTransfer::Listener {
    Q_OBJECT
public:
    /// The European Central Bank's daily reference rates.
    static constexpr const char* kBankUrl =
        "https://www.ecb.europa.eu/stats/eurofxref/eurofxref-daily.xml";
    static constexpr std::chrono::milliseconds kTimeout{20000};

    /// Downloads through transfers, or through the download module when it is null.
    explicit CRatesDownload(const CRatesTransfer::Factory* transfers = nullptr,
                            QObject* parent = nullptr);
    ~CRatesDownload() override;

    /// The address to fetch: the environment's TARVO_RATES_URL when set (for mirrors and
    /// tests, plain http allowed), otherwise the bank's own.
    static QUrl SourceUrl();

    /// Starts fetching url, which must be an http or https address.
    void Start(const QUrl& url);
    /// Stops the download in progress; it fails with a message that says so.
    void Cancel();
    /// Whether a download is under way.
    bool IsRunning() const { return m_transfer && m_transfer->IsRunning(); }
    /// Tests: a shorter time limit than kTimeout.
    void SetTimeout(std::chrono::milliseconds timeout) { m_timeout = timeout; }
    /// Tests: the download module's file, instead of the one that belongs to the program.
    void SetModuleFile(const QString& path) { m_moduleFile = path; }

signals:
    /// Bytes received so far, and the total when the server said it (otherwise -1).
    void Progress(qint64 received, qint64 total);
    void Finished(const QByteArray& body);
    /// message names the cause, in a sentence for the user.
    void Failed(const QString& message);

private:
    void OnProgress(qint64 received, qint64 total) override { emit Progress(received, total); }
    void OnFinished(const QByteArray& body) override { emit Finished(body); }
    void OnFailed(const QString& message) override { emit Failed(message); }
    /// Makes m_transfer from the module unless it is there; false after Failed said why not.
    bool LoadTransfer();

    QString m_moduleFile;
    const CRatesTransfer::Factory* m_transfers;
    std::unique_ptr<CRatesTransfer> m_transfer;
    std::chrono::milliseconds m_timeout = kTimeout;
};
