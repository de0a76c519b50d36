#include <QMenuBar>
#include <QStyleFactory>
#include <QToolButton>
#include <QtTest>
#include <memory>

#include "tests/support/WindowTestSupport.h"
#include "ui/AppStyle.h"

namespace {

// The platform style the application style stands on, made as the application makes it.
std::unique_ptr<QStyle> PlatformStyle() {
    return std::unique_ptr<QStyle>(QStyleFactory::create(QApplication::style()->name()));
}

/// A menu bar too narrow for its entries, so that its overflow button shows, as drawn.
QImage NarrowMenuBar(QStyle& style) {
    QMenuBar bar;
    bar.setStyle(&style);
    for (const char* title : {"E&xit!", "&Tools", "&Help", "&More"}) {
        bar.addMenu(QString::fromLatin1(title));
    }
    bar.resize(60, bar.sizeHint().height());
    bar.show();
    const auto* overflow = bar.findChild<QToolButton*>(QStringLiteral("qt_menubar_ext_button"));
    if (!QTest::qWaitForWindowExposed(&bar) || overflow == nullptr || !overflow->isVisible()) {
        return {};
    }
    return bar.grab().toImage();
}

}  // namespace

class AppStyleTest : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { VerifyNoWindowLeft(); }

    void overflowButtonLooksAsInThePlatformStyle();
    void overflowIconMatchesAtEverySizeAndScale_data();
    void overflowIconMatchesAtEverySizeAndScale();
};

void AppStyleTest::overflowButtonLooksAsInThePlatformStyle() {
    CAppStyle appStyle;
    const std::unique_ptr<QStyle> platform = PlatformStyle();
    const QImage shown = NarrowMenuBar(appStyle);
    QVERIFY(!shown.isNull());
    QCOMPARE(shown, NarrowMenuBar(*platform));
}

void AppStyleTest::overflowIconMatchesAtEverySizeAndScale_data() {
    QTest::addColumn<int>("size");
    QTest::addColumn<qreal>("scale");
    QTest::addColumn<QIcon::Mode>("mode");
    for (const int size : {8, 15, 16, 24, 32}) {
        for (const qreal scale : {1.0, 2.0}) {
            for (const QIcon::Mode mode : {QIcon::Normal, QIcon::Disabled, QIcon::Active}) {
                QTest::addRow("%d px, scale %g, mode %d", size, scale, int(mode))
                    << size << scale << mode;
            }
        }
    }
}

void AppStyleTest::overflowIconMatchesAtEverySizeAndScale() {
    QFETCH(int, size);
    QFETCH(qreal, scale);
    QFETCH(QIcon::Mode, mode);
    CAppStyle appStyle;
    const std::unique_ptr<QStyle> platform = PlatformStyle();
    const QIcon deferred = appStyle.standardIcon(QStyle::SP_ToolBarHorizontalExtensionButton);
    const QIcon loaded = platform->standardIcon(QStyle::SP_ToolBarHorizontalExtensionButton);
    QCOMPARE(deferred.isNull(), loaded.isNull());
    QCOMPARE(deferred.availableSizes(mode), loaded.availableSizes(mode));
    QCOMPARE(deferred.actualSize(QSize(size, size), mode),
             loaded.actualSize(QSize(size, size), mode));
    const QPixmap got = deferred.pixmap(QSize(size, size), scale, mode);
    const QPixmap expected = loaded.pixmap(QSize(size, size), scale, mode);
    QCOMPARE(got.devicePixelRatio(), expected.devicePixelRatio());
    QCOMPARE(got.toImage(), expected.toImage());
}

QTEST_MAIN(AppStyleTest)
#include "AppStyleTest.moc"
