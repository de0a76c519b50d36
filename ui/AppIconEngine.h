#pragma once

#include <QIcon>
#include <QIconEngine>
#include <QPixmap>
#include <map>
#include <optional>

/// The program's icon. The sizes a window manager asks for are drawn from the SVG at build
/// time, so that showing a window reads a few small images instead of loading the SVG
/// engine; every other size, and every mode but the normal one, is drawn from the SVG when
/// first asked for, so the icon stays sharp at every size and scale.
class CAppIconEngine : public QIconEngine {
public:
    /// The icon of the program's windows.
    static QIcon Icon();

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override;
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override;
    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override;
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override;
    bool isNull() override;
    QString key() const override;
    QIconEngine* clone() const override;

private:
    /// The image drawn in advance for size, or a null pixmap when there is none.
    QPixmap Drawn(const QSize& size);
    const QIcon& Svg();

    std::map<int, QPixmap> m_drawn;
    std::optional<QIcon> m_svg;
};
