#pragma once

#include <QIcon>
#include <QPixmap>
#include <map>

#include "ui/DeferredIconEngine.h"

/// The program's icon. The sizes a window manager asks for are drawn from the SVG at build
/// time, so that showing a window reads a few small images instead of loading the SVG
/// engine; every other size, and every mode but the normal one, is drawn from the SVG, made
/// when first asked for, so the icon stays sharp at every size and scale.
class CAppIconEngine : public CDeferredIconEngine {
public:
    CAppIconEngine();

    /// The icon of the program's windows.
    static QIcon Icon();

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override;
    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state,
                         qreal scale) override;
    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override;
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override;
    bool isNull() override;
    QString key() const override;
    QIconEngine* clone() const override;

private:
    /// The image drawn in advance for size, or a null pixmap when there is none.
    QPixmap Drawn(const QSize& size);

    std::map<int, QPixmap> m_drawn;
};
