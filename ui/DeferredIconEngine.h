#pragma once

#include <QIcon>
#include <QIconEngine>
#include <functional>
#include <memory>
#include <optional>

/// Stands in for an icon that is set up early but rarely shown: the icon is made the first
/// time it is drawn or measured, then answers every question as it would have.
class CDeferredIconEngine : public QIconEngine {
public:
    /// make gives the icon; it runs at most once, for this engine and its copies.
    explicit CDeferredIconEngine(std::function<QIcon()> make);

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override;
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override;
    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state,
                         qreal scale) override;
    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override;
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override;
    bool isNull() override;
    QString key() const override;
    QIconEngine* clone() const override;

protected:
    /// The icon, made on the first call.
    const QIcon& Loaded();

private:
    struct Made {
        std::function<QIcon()> make;
        std::optional<QIcon> icon;
    };

    std::shared_ptr<Made> m_made;
};
