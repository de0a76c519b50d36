#include "ui/AppIconEngine.h"

#include <QFile>
#include <QImageReader>

#include "ui/TextResource.h"

CAppIconEngine::CAppIconEngine()
    : CDeferredIconEngine([] {
          InitResources();
          return QIcon(QStringLiteral(":/icon/tarvo.svg"));
      }) {}

QIcon CAppIconEngine::Icon() {
    return QIcon(new CAppIconEngine);
}

QPixmap CAppIconEngine::pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) {
    if (mode == QIcon::Normal) {
        if (QPixmap drawn = Drawn(size); !drawn.isNull()) {
            return drawn;
        }
    }
    return Loaded().pixmap(size, 1.0, mode, state);
}

QPixmap CAppIconEngine::scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state,
                                     qreal /*scale*/) {
    // Asked in device pixels, which the drawn images are in too.
    return pixmap(size, mode, state);
}

QSize CAppIconEngine::actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) {
    // The SVG is square: a square fills the size asked for.
    return size.width() == size.height() ? size : Loaded().actualSize(size, mode, state);
}

QList<QSize> CAppIconEngine::availableSizes(QIcon::Mode /*mode*/, QIcon::State /*state*/) {
    return {};  // any size, as for any scalable icon
}

bool CAppIconEngine::isNull() {
    return false;
}

QString CAppIconEngine::key() const {
    return QStringLiteral("tarvo");
}

QIconEngine* CAppIconEngine::clone() const {
    return new CAppIconEngine(*this);
}

QPixmap CAppIconEngine::Drawn(const QSize& size) {
    if (size.width() != size.height()) {
        return {};
    }
    const auto [known, added] = m_drawn.try_emplace(size.width());
    const QString path = QStringLiteral(":/icon/drawn/%1.png").arg(size.width());
    if (added && QFile::exists(path)) {
        // Named as what it is: guessing the format would load every image plugin first.
        QImageReader reader(path, "png");
        reader.setAutoDetectImageFormat(false);
        known->second = QPixmap::fromImage(reader.read());
    }
    return known->second;
}
