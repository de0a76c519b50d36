#include <QtTest>

#include "tests/support/WindowTestSupport.h"
#include "ui/AppIconEngine.h"

namespace {

/// The pixels as a window manager gets them.
QImage Straight(const QPixmap& pixmap) {
    return pixmap.toImage().convertToFormat(QImage::Format_ARGB32);
}

}  // namespace

class AppIconEngineTest : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { VerifyNoWindowLeft(); }

    void looksAsTheSvgAtEverySizeAndScale_data();
    void looksAsTheSvgAtEverySizeAndScale();
};

void AppIconEngineTest::looksAsTheSvgAtEverySizeAndScale_data() {
    QTest::addColumn<QSize>("size");
    QTest::addColumn<qreal>("scale");
    QTest::addColumn<QIcon::Mode>("mode");
    // Drawn in advance (16 to 128, also at scale 2), drawn from the SVG (24, 48, 20x40),
    // and a mode other than the normal one.
    for (const QSize size : {QSize(16, 16), QSize(24, 24), QSize(32, 32), QSize(48, 48),
                             QSize(64, 64), QSize(128, 128), QSize(20, 40)}) {
        for (const qreal scale : {1.0, 2.0}) {
            QTest::addRow("%dx%d, scale %g", size.width(), size.height(), scale)
                << size << scale << QIcon::Normal;
        }
    }
    QTest::addRow("disabled 32") << QSize(32, 32) << 1.0 << QIcon::Disabled;
}

void AppIconEngineTest::looksAsTheSvgAtEverySizeAndScale() {
    QFETCH(QSize, size);
    QFETCH(qreal, scale);
    QFETCH(QIcon::Mode, mode);
    const QIcon icon = CAppIconEngine::Icon();
    const QIcon svg(QStringLiteral(":/icon/tarvo.svg"));
    QCOMPARE(icon.isNull(), svg.isNull());
    QCOMPARE(icon.availableSizes(mode), svg.availableSizes(mode));
    QCOMPARE(icon.actualSize(size, mode), svg.actualSize(size, mode));
    const QPixmap got = icon.pixmap(size, scale, mode);
    const QPixmap expected = svg.pixmap(size, scale, mode);
    QCOMPARE(got.size(), expected.size());
    QCOMPARE(got.devicePixelRatio(), expected.devicePixelRatio());
    QCOMPARE(Straight(got), Straight(expected));
}

QTEST_MAIN(AppIconEngineTest)
#include "AppIconEngineTest.moc"
