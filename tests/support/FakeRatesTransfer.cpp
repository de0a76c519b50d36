#include "tests/support/FakeRatesTransfer.h"

#include <QTimer>

namespace {

class CFakeTransfer : public CRatesTransfer {
public:
    CFakeTransfer(const QHash<QUrl, QByteArray>& bodies, const QHash<QUrl, QString>& failures,
                  Listener& listener)
        : m_bodies(bodies), m_failures(failures), m_listener(listener) {
        m_answer.setSingleShot(true);
        m_answer.callOnTimeout([this] { Answer(); });
    }

    void Start(const QUrl& url, std::chrono::milliseconds /*timeout*/) override {
        m_url = url;
        m_running = true;
        if (m_bodies.contains(url) || m_failures.contains(url)) {
            m_answer.start(0);
        }
    }
    void Cancel() override {
        m_answer.stop();
        m_running = false;
        m_listener.OnFailed(QStringLiteral("The download was cancelled."));
    }
    bool IsRunning() const override { return m_running; }

private:
    void Answer() {
        m_running = false;
        if (m_bodies.contains(m_url)) {
            const QByteArray body = m_bodies.value(m_url);
            m_listener.OnProgress(body.size(), body.size());
            m_listener.OnFinished(body);
        } else {
            m_listener.OnFailed(m_failures.value(m_url));
        }
    }

    const QHash<QUrl, QByteArray>& m_bodies;
    const QHash<QUrl, QString>& m_failures;
    Listener& m_listener;
    QTimer m_answer;
    QUrl m_url;
    bool m_running = false;
};

}  // namespace

std::unique_ptr<CRatesTransfer> CFakeRatesTransfers::Create(
    CRatesTransfer::Listener& listener) const {
    return std::make_unique<CFakeTransfer>(m_bodies, m_failures, listener);
}
