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

#include "ui/RatesTransfer.h"

class QNetworkReply;
class QSslError;

/// Fetches a rates file over the network: HTTPS with the system's certificates and proxy
/// settings, redirects followed only to HTTPS and at most three times, a time limit for
/// the whole download and a cap on its size.
class CHttpRatesTransfer : public QObject, public CRatesTransfer {
    Q_OBJECT
public:
    static constexpr qint64 kMaxBytes = 1024 * 1024;
    static constexpr int kMaxRedirects = 3;

    explicit CHttpRatesTransfer(Listener& listener);
    ~CHttpRatesTransfer() override;

    void Start(const QUrl& url, std::chrono::milliseconds timeout) override;
    void Cancel() override;
    bool IsRunning() const override { return !m_reply.isNull(); }

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

    Listener& m_listener;
    QNetworkAccessManager m_network;
    QTimer m_timer;
    QPointer<QNetworkReply> m_reply;
    QByteArray m_body;
    QString m_abortMessage;
    QString m_sslErrors;
    /// Whether the server has sent anything yet (at least the head of its answer).
    bool m_answered = false;
    std::chrono::milliseconds m_timeout{};
};
