#include "net/HttpRatesTransfer.h"

#include <QNetworkProxyFactory>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QSslError>
#include <QStringList>

namespace {

/// The proxy the system's settings name for each address (on Linux the http_proxy,
/// https_proxy and no_proxy variables), for this download only.
class SystemProxyFactory : public QNetworkProxyFactory {
public:
    QList<QNetworkProxy> queryProxy(const QNetworkProxyQuery& query) override {
        return systemProxyForQuery(query);
    }
};

}  // namespace

CHttpRatesTransfer::CHttpRatesTransfer(Listener& listener) : m_listener(listener) {
    m_network.setProxyFactory(new SystemProxyFactory);
    m_network.setRedirectPolicy(QNetworkRequest::UserVerifiedRedirectPolicy);
    m_timer.setSingleShot(true);
    connect(&m_timer, &QTimer::timeout, this, [this] {
        const double seconds = static_cast<double>(m_timeout.count()) / 1000.0;
        // A server that sent something did answer; it was the download that was too slow.
        Abort(m_answered ? tr("The download did not finish within %1 seconds.").arg(seconds)
                         : tr("The server did not answer within %1 seconds.").arg(seconds));
    });
}

CHttpRatesTransfer::~CHttpRatesTransfer() {
    if (m_reply) {
        // Nobody is left to hear how it ended.
        m_reply->disconnect(this);
        m_reply->abort();
        m_reply->deleteLater();
    }
}

void CHttpRatesTransfer::Start(const QUrl& url, std::chrono::milliseconds timeout) {
    Q_ASSERT(!IsRunning());
    m_timeout = timeout;
    m_body.clear();
    m_abortMessage.clear();
    m_sslErrors.clear();
    m_answered = false;
    const QString scheme = url.scheme().toLower();
    if (!url.isValid() || (scheme != QLatin1String("https") && scheme != QLatin1String("http"))) {
        m_listener.OnFailed(
            tr("The address \"%1\" is not an http or https address.").arg(url.toDisplayString()));
        return;
    }
    QNetworkRequest request(url);
    request.setMaximumRedirectsAllowed(kMaxRedirects);
    request.setHeader(QNetworkRequest::UserAgentHeader, QStringLiteral("Tarvo"));
    m_reply = m_network.get(request);
    connect(m_reply, &QNetworkReply::readyRead, this, &CHttpRatesTransfer::OnReadyRead);
    connect(m_reply, &QNetworkReply::downloadProgress, this, [this](qint64 received, qint64 total) {
        m_answered = m_answered || received > 0;
        m_listener.OnProgress(received, total);
    });
    connect(m_reply, &QNetworkReply::redirected, this, &CHttpRatesTransfer::OnRedirected);
    connect(m_reply, &QNetworkReply::sslErrors, this, &CHttpRatesTransfer::OnSslErrors);
    connect(m_reply, &QNetworkReply::metaDataChanged, this, [this] {
        m_answered = true;
        const QVariant length = m_reply->header(QNetworkRequest::ContentLengthHeader);
        if (length.isValid()) {
            CheckSize(length.toLongLong());
        }
    });
    connect(m_reply, &QNetworkReply::finished, this, &CHttpRatesTransfer::OnFinished);
    m_timer.start(m_timeout);
}

void CHttpRatesTransfer::Cancel() {
    Abort(tr("The download was cancelled."));
}

void CHttpRatesTransfer::Abort(const QString& message) {
    if (!m_reply || !m_abortMessage.isEmpty()) {
        return;
    }
    m_abortMessage = message;
    m_reply->abort();
}

bool CHttpRatesTransfer::CheckSize(qint64 size) {
    if (size <= kMaxBytes) {
        return true;
    }
    Abort(
        tr("The answer is larger than %1 KiB, too large for a rates file.").arg(kMaxBytes / 1024));
    return false;
}

void CHttpRatesTransfer::OnReadyRead() {
    if (CheckSize(m_body.size() + m_reply->bytesAvailable())) {
        m_body += m_reply->readAll();
    }
}

void CHttpRatesTransfer::OnRedirected(const QUrl& target) {
    // Only the address the user chose may be plain http; where it leads must be secure.
    if (target.scheme().toLower() != QLatin1String("https")) {
        Abort(tr("The server sent the download on to %1, which is not a secure (https) "
                 "address.")
                  .arg(target.toDisplayString()));
        return;
    }
    emit m_reply->redirectAllowed();
}

void CHttpRatesTransfer::OnSslErrors(const QList<QSslError>& errors) {
    // Never ignored: the reply fails with a handshake error, and these say why.
    QStringList texts;
    for (const QSslError& error : errors) {
        texts << error.errorString();
    }
    m_sslErrors = texts.join(QStringLiteral("; "));
}

void CHttpRatesTransfer::OnFinished() {
    m_timer.stop();
    QNetworkReply* reply = m_reply;
    reply->deleteLater();
    const QString failure = !m_abortMessage.isEmpty() ? m_abortMessage : DescribeReplyError();
    m_reply.clear();
    if (!failure.isEmpty()) {
        m_body.clear();
        m_listener.OnFailed(failure);
        return;
    }
    m_listener.OnFinished(m_body);
}

QString CHttpRatesTransfer::DescribeReplyError() const {
    const QString host = m_reply->url().host();
    const QNetworkReply::NetworkError error = m_reply->error();
    // The status of the last answer counts only when the failure is that answer's; a
    // redirect followed to a server that cannot be reached fails with its own cause.
    const bool answered = error == QNetworkReply::NoError ||
                          (error >= QNetworkReply::ContentAccessDenied &&
                           error < QNetworkReply::ProtocolUnknownError) ||
                          error >= QNetworkReply::InternalServerError;
    const QVariant status = m_reply->attribute(QNetworkRequest::HttpStatusCodeAttribute);
    if (answered && status.isValid() && status.toInt() != 200) {
        return tr("The server %1 answered \"%2 %3\" instead of sending the rates.")
            .arg(host)
            .arg(status.toInt())
            .arg(m_reply->attribute(QNetworkRequest::HttpReasonPhraseAttribute).toString());
    }
    switch (error) {
        case QNetworkReply::NoError:
            return {};
        case QNetworkReply::HostNotFoundError:
            return tr("The server %1 could not be found: there is no network connection, or "
                      "its name does not resolve.")
                .arg(host);
        case QNetworkReply::ConnectionRefusedError:
            return tr("The server %1 refused the connection.").arg(host);
        case QNetworkReply::SslHandshakeFailedError:
            return tr("The secure connection to %1 failed: %2.")
                .arg(host, m_sslErrors.isEmpty() ? m_reply->errorString() : m_sslErrors);
        case QNetworkReply::TooManyRedirectsError:
            return tr("The server sent the download on more than %1 times.").arg(kMaxRedirects);
        case QNetworkReply::RemoteHostClosedError:
            return tr("The server %1 closed the connection before the answer was complete.")
                .arg(host);
        default:
            return tr("The download from %1 failed: %2.").arg(host, m_reply->errorString());
    }
}
