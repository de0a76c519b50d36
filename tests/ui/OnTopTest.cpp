#include <QDialog>
#include <QTemporaryDir>
#include <QWindow>
#include <QtTest>

#include "app/WindowSettings.h"
#include "tests/support/WindowTestSupport.h"
#include "ui/StayOnTop.h"

namespace {

bool HasOnTopHint(const QWidget& widget) {
    const bool widgetHint = widget.windowFlags().testFlag(Qt::WindowStaysOnTopHint);
    const QWindow* handle = widget.windowHandle();
    return widgetHint && (!handle || handle->flags().testFlag(Qt::WindowStaysOnTopHint));
}

}  // namespace

class OnTopTest : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { VerifyNoWindowLeft(); }

    void runningDialogStaysShownAndInPlace();
    void windowNotShownYetTakesTheHint();
    void noWindowMeansTheOwnerOfTheActiveModalWindow();
    void setOnTopMarksModifiedOnlyOnChange();
    void desktopDecidesStackingOnlyUnderWayland_data();
    void desktopDecidesStackingOnlyUnderWayland();

private:
    QTemporaryDir m_dir;
    QString Root() const { return m_dir.filePath("Tarvo.db"); }
};

void OnTopTest::runningDialogStaysShownAndInPlace() {
    CWindowSettings settings(Root().toStdString());
    QDialog dialog;
    dialog.setGeometry(120, 80, 300, 200);
    bool shownOnTop = false, inPlaceOnTop = false, hintOn = false;
    bool shownBack = false, hintOff = true;
    const CModalGuard guard([&](QWidget&) {
        const QRect before = dialog.geometry();
        SetOnTop(settings, 1, &dialog);
        shownOnTop = dialog.isVisible();
        inPlaceOnTop = dialog.geometry() == before;
        hintOn = HasOnTopHint(dialog);
        SetOnTop(settings, 0, &dialog);
        shownBack = dialog.isVisible();
        hintOff = HasOnTopHint(dialog);
        dialog.done(42);
    });
    QCOMPARE(dialog.exec(), 42);
    QVERIFY(!guard.TimedOut());
    QVERIFY(shownOnTop);
    QVERIFY(inPlaceOnTop);
    QVERIFY(hintOn);
    QVERIFY(shownBack);
    QVERIFY(!hintOff);
}

void OnTopTest::windowNotShownYetTakesTheHint() {
    CWindowSettings settings(Root().toStdString());
    QDialog dialog;
    SetOnTop(settings, 1, &dialog);
    QVERIFY(HasOnTopHint(dialog));
    QVERIFY(!dialog.isVisible());
}

void OnTopTest::noWindowMeansTheOwnerOfTheActiveModalWindow() {
    CWindowSettings settings(Root().toStdString());
    SetOnTop(settings, 1);  // no window at all: nothing happens

    QDialog mainWindow;
    mainWindow.setModal(true);
    mainWindow.show();
    QDialog sheet(&mainWindow);
    sheet.setModal(true);
    sheet.show();
    QCOMPARE(QApplication::activeModalWidget(), &sheet);
    SetOnTop(settings, 1);
    QVERIFY(HasOnTopHint(mainWindow));
    QVERIFY(!HasOnTopHint(sheet));
    QVERIFY(mainWindow.isVisible());
    sheet.close();
    mainWindow.close();
}

void OnTopTest::setOnTopMarksModifiedOnlyOnChange() {
    CWindowSettings settings(Root().toStdString());
    SetOnTop(settings, 0);
    QVERIFY(!settings.IsModified());
    SetOnTop(settings, 1);
    QVERIFY(settings.IsModified());
    QCOMPARE(settings.m_alwaysOnTop, 1);
    QVERIFY(!QFile::exists(Root()));
}

void OnTopTest::desktopDecidesStackingOnlyUnderWayland_data() {
    QTest::addColumn<QString>("platform");
    QTest::addColumn<bool>("desktopDecides");
    QTest::newRow("wayland") << "wayland" << true;
    QTest::newRow("wayland-egl") << "wayland-egl" << true;
    QTest::newRow("xcb") << "xcb" << false;
    QTest::newRow("offscreen") << "offscreen" << false;
    QTest::newRow("none yet") << "" << false;
}

void OnTopTest::desktopDecidesStackingOnlyUnderWayland() {
    QFETCH(QString, platform);
    QFETCH(bool, desktopDecides);
    QCOMPARE(DesktopDecidesStacking(platform), desktopDecides);
}

QTEST_MAIN(OnTopTest)
#include "OnTopTest.moc"
