#pragma once

#include <QByteArray>
#include <QHash>
#include <QString>
#include <QUrl>
#include <memory>

#include "ui/RatesTransfer.h"

/// Downloads inside the test process, without the download module or a network: each
/// address gets the body or the failure set for it, on the next turn of the event loop,
/// as a real download ends after Start returns. An address with neither never answers.
class CFakeRatesTransfers : public CRatesTransfer::Factory {
public:
    /// Downloads of url deliver body.
    void Serve(const QUrl& url, const QByteArray& body) { m_bodies.insert(url, body); }
    /// Downloads of url fail with message.
    void Refuse(const QUrl& url, const QString& message) { m_failures.insert(url, message); }

    std::unique_ptr<CRatesTransfer> Create(CRatesTransfer::Listener& listener) const override;

private:
    QHash<QUrl, QByteArray> m_bodies;
    QHash<QUrl, QString> m_failures;
};
