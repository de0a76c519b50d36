#pragma once

#include <QByteArray>
#include <QString>
#include <QUrl>
#include <QtPlugin>
#include <chrono>
#include <memory>

/// One download of a rates file at a time, made by the download module (net/), which the
/// program loads only when the user asks for a download, so that a start-up never loads
/// Qt Network. Each download ends in exactly one OnFinished or OnFailed of its listener.
class CRatesTransfer {
public:
    /// What a download reports, as it happens.
    class Listener {
    public:
        virtual ~Listener() = default;
        /// Bytes received so far, and the total when the server said it (otherwise -1).
        virtual void OnProgress(qint64 received, qint64 total) = 0;
        /// The whole answer arrived.
        virtual void OnFinished(const QByteArray& body) = 0;
        /// message names the cause, in a sentence for the user.
        virtual void OnFailed(const QString& message) = 0;
    };

    /// The module's entry, implemented by its plugin object.
    class Factory {
    public:
        virtual ~Factory() = default;
        /// A new download that reports to listener, which must outlive it.
        virtual std::unique_ptr<CRatesTransfer> Create(Listener& listener) const = 0;
    };

    virtual ~CRatesTransfer() = default;
    /// Starts fetching url, which must be an http or https address, within timeout.
    virtual void Start(const QUrl& url, std::chrono::milliseconds timeout) = 0;
    /// Stops the download in progress; it fails with a message that says so.
    virtual void Cancel() = 0;
    /// Whether a download is under way.
    virtual bool IsRunning() const = 0;
};

// The version changes with any change of the classes above, so that a stale module is refused.
#define TARVO_RATES_TRANSFER_IID "net.kolpa.tarvo.RatesTransfer/1.0"
Q_DECLARE_INTERFACE(CRatesTransfer::Factory, TARVO_RATES_TRANSFER_IID)
