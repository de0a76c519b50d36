#include "ui/DeferredIconEngine.h"

#include <QPainter>

CDeferredIconEngine::CDeferredIconEngine(std::function<QIcon()> make)
    : m_made(std::make_shared<Made>(Made{std::move(make), std::nullopt})) {}

void CDeferredIconEngine::paint(QPainter* painter, const QRect& rect, QIcon::Mode mode,
                                QIcon::State state) {
    Icon().paint(painter, rect, Qt::AlignCenter, mode, state);
}

QPixmap CDeferredIconEngine::pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) {
    return Icon().pixmap(size, 1.0, mode, state);
}

QPixmap CDeferredIconEngine::scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state,
                                          qreal scale) {
    // Asked in device pixels; the icon is asked in its own, at the same scale.
    return Icon().pixmap(size / scale, scale, mode, state);
}

QSize CDeferredIconEngine::actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) {
    return Icon().actualSize(size, mode, state);
}

QList<QSize> CDeferredIconEngine::availableSizes(QIcon::Mode mode, QIcon::State state) {
    return Icon().availableSizes(mode, state);
}

bool CDeferredIconEngine::isNull() {
    return Icon().isNull();
}

QString CDeferredIconEngine::key() const {
    return QStringLiteral("deferred");
}

QIconEngine* CDeferredIconEngine::clone() const {
    return new CDeferredIconEngine(*this);
}

const QIcon& CDeferredIconEngine::Icon() {
    if (!m_made->icon) {
        m_made->icon = m_made->make();
    }
    return *m_made->icon;
}
