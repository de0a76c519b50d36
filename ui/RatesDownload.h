#pragma once

#include <QByteArray>
#include <QList>
#include <QNetworkAccessManager>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QTimer>
#include <QUrl>
#include <chrono>

class QNetworkReply;
class QSslError;

/// Fetches a rates file over the network, only when asked: HTTPS with the system's
/// certificates and proxy settings, redirects followed only to HTTPS and at most three
/// times, a time limit for the whole download and a cap on its size. One download at a
/// time; each ends in exactly one Finished or Failed.
class CRatesDownload : public QObject {
    Q_OBJECT
public:
    /// The European Central Bank's daily reference rates.
    static constexpr const char* kBankUrl =
        "https://www.ecb.europa.eu/stats/eurofxref/eurofxref-daily.xml";
    static constexpr qint64 kMaxBytes = 1024 * 1024;
    static constexpr int kMaxRedirects = 3;
    static constexpr std::chrono::milliseconds kTimeout{20000};

    explicit CRatesDownload(QObject* parent = nullptr);
    ~CRatesDownload() override;

    /// The address to fetch: the environment's TARVO_RATES_URL when set (for mirrors and
    /// tests, plain http allowed), otherwise the bank's own.
    static QUrl SourceUrl();

    /// Starts fetching url, which must be an http or https address.
    void Start(const QUrl& url);
    /// Stops the download in progress; it fails with a message that says so.
    void Cancel();
    /// Whether a download is under way.
    bool IsRunning() const { return !m_reply.isNull(); }
    /// Tests: a shorter time limit than kTimeout.
    void SetTimeout(std::chrono::milliseconds timeout) { m_timeout = timeout; }

signals:
    /// Bytes received so far, and the total when the server said it (otherwise -1).
    void Progress(qint64 received, qint64 total);
    void Finished(const QByteArray& body);
    /// message names the cause, in a sentence for the user.
    void Failed(const QString& message);

private:
    void OnReadyRead();
    void OnRedirected(const QUrl& target);
    void OnSslErrors(const QList<QSslError>& errors);
    void OnFinished();
    /// Ends the download as failed with message, whatever the reply says afterwards.
    void Abort(const QString& message);
    /// Whether an answer of size bytes is within kMaxBytes; otherwise aborts the download.
    bool CheckSize(qint64 size);
    QString DescribeReplyError() const;

    QNetworkAccessManager m_network;
    QTimer m_timer;
    QPointer<QNetworkReply> m_reply;
    QByteArray m_body;
    QString m_abortMessage;
    QString m_sslErrors;
    std::chrono::milliseconds m_timeout = kTimeout;
};
