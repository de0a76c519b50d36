#include "ui/DeferredIconEngine.h"

#include <QPainter>

CDeferredIconEngine::CDeferredIconEngine(std::function<QIcon()> make)
    : m_made(std::make_shared<Made>(Made{std::move(make), std::nullopt})) {}

void CDeferredIconEngine::paint(QPainter* painter, const QRect& rect, QIcon::Mode mode,
                                QIcon::State state) {
    Loaded().paint(painter, rect, Qt::AlignCenter, mode, state);
}

QPixmap CDeferredIconEngine::pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) {
    return Loaded().pixmap(size, 1.0, mode, state);
}

QPixmap CDeferredIconEngine::scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state,
                                          qreal scale) {
    // Asked in device pixels; the icon is asked in its own, at the same scale.
    return Loaded().pixmap(size / scale, scale, mode, state);
}

QSize CDeferredIconEngine::actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) {
    return Loaded().actualSize(size, mode, state);
}

QList<QSize> CDeferredIconEngine::availableSizes(QIcon::Mode mode, QIcon::State state) {
    return Loaded().availableSizes(mode, state);
}

bool CDeferredIconEngine::isNull() {
    return Loaded().isNull();
}

QString CDeferredIconEngine::key() const {
    return QStringLiteral("deferred");
}

QIconEngine* CDeferredIconEngine::clone() const {
    return new CDeferredIconEngine(*this);
}

const QIcon& CDeferredIconEngine::Loaded() {
    if (!m_made->icon) {
        m_made->icon = m_made->make();
    }
    return *m_made->icon;
}
