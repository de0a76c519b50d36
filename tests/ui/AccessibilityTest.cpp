// Every control that takes the keyboard focus has a name for a screen reader: from its own
// text, from the label whose buddy it is, or from an accessible name of its own.
#include <QAccessible>
#include <QTabWidget>

#include "tests/support/WindowTestSupport.h"
#include "ui/DlgAbout.h"
#include "ui/DlgHelp.h"
#include "ui/DlgMain.h"
#include "ui/DlgOptions.h"
#include "ui/DlgRates.h"
#include "ui/DlgSolver.h"
#include "ui/DlgUnitSets.h"

namespace {

/// The focusable controls of the window without a spoken name, as "class objectName".
QStringList UnnamedControls(const QWidget& window) {
    QStringList unnamed;
    for (QWidget* widget : window.findChildren<QWidget*>()) {
        // A combo box's drop-down list lives in a pop-up window and speaks as its combo box.
        if (widget->focusPolicy() == Qt::NoFocus || widget->window() != &window) {
            continue;
        }
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(widget);
        if (accessible == nullptr || accessible->text(QAccessible::Name).trimmed().isEmpty()) {
            unnamed << QStringLiteral("%1 %2").arg(
                QString::fromLatin1(widget->metaObject()->className()), widget->objectName());
        }
    }
    return unnamed;
}

/// The name a screen reader speaks for the window's child control objectName.
QString SpokenName(const QWidget& window, const char* objectName) {
    QWidget* widget = NamedChild<QWidget>(window, objectName);
    return QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Name);
}

/// One of the program's windows by a short name: main, solver, help, about, rates, unit sets
/// or options.
std::unique_ptr<QDialog> MakeWindow(const QString& name, CFakeApp& app) {
    if (name == QLatin1String("main")) {
        return std::make_unique<CDlgMain>(app);
    }
    if (name == QLatin1String("solver")) {
        return std::make_unique<CDlgSolver>();
    }
    if (name == QLatin1String("help")) {
        return std::make_unique<CDlgHelp>();
    }
    if (name == QLatin1String("about")) {
        return std::make_unique<CDlgAbout>(nullptr, "Tarvo v1.6", "Notice", "Description");
    }
    if (name == QLatin1String("rates")) {
        return std::make_unique<CDlgRates>(app.m_catalogue, QUrl("http://127.0.0.1:1/"));
    }
    if (name == QLatin1String("unit sets")) {
        return std::make_unique<CDlgUnitSets>(app.m_catalogue, app.m_unitSetFolder);
    }
    return std::make_unique<CDlgOptions>(nullptr, app);
}

void AddEveryWindow() {
    QTest::addColumn<QString>("window");
    for (const char* name : {"main", "solver", "help", "about", "rates", "unit sets", "options"}) {
        QTest::newRow(name) << QString::fromLatin1(name);
    }
}

}  // namespace

class AccessibilityTest : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { VerifyNoWindowLeft(); }

    void everyFocusableControlHasAName_data() { AddEveryWindow(); }

    void everyFocusableControlHasAName() {
        QFETCH(QString, window);
        CFakeApp app;
        const std::unique_ptr<QDialog> dialog = MakeWindow(window, app);
        const QStringList unnamed = UnnamedControls(*dialog);
        QVERIFY2(unnamed.isEmpty(), qPrintable(unnamed.join(QStringLiteral(", "))));
    }

    void windowsDrawWithTheDesktopPalette_data() { AddEveryWindow(); }

    // A colour of its own, by palette or style sheet, would stay the same in a dark colour
    // scheme, where text drawn in it might no longer be readable.
    void windowsDrawWithTheDesktopPalette() {
        QFETCH(QString, window);
        CFakeApp app;
        const std::unique_ptr<QDialog> dialog = MakeWindow(window, app);
        QWidgetList widgets = dialog->findChildren<QWidget*>();
        widgets << dialog.get();
        for (const QWidget* widget : widgets) {
            QVERIFY2(!widget->testAttribute(Qt::WA_SetPalette) && widget->styleSheet().isEmpty(),
                     qPrintable(widget->objectName()));
        }
    }

    void unlabelledControlsAreNamedByTheirRole_data() {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("name");
        QTest::newRow("main to unit") << "toUnitList"
                                      << "To unit";
        QTest::newRow("main to number") << "toNumberBox"
                                        << "To number";
        QTest::newRow("solver 3020") << "editFirstB"
                                     << "B amount of the first relation";
        QTest::newRow("solver 3021") << "editSecondB"
                                     << "B amount of the second relation";
        QTest::newRow("solver 3023") << "editAskedA"
                                     << "A amount asked";
        QTest::newRow("solver 3024") << "editAnswerC"
                                     << "C amount answered";
        QTest::newRow("spin up") << "precisionUp"
                                 << "Increase decimal precision";
        QTest::newRow("spin down") << "precisionDown"
                                   << "Decrease decimal precision";
        QTest::newRow("base box") << "baseBox"
                                  << "Base (coefficient = 1):";
    }

    void unlabelledControlsAreNamedByTheirRole() {
        QFETCH(QString, control);
        QFETCH(QString, name);
        CFakeApp app;
        CDlgMain main(app);
        CDlgSolver solver;
        CDlgOptions sheet(nullptr, app);
        QString spoken;
        for (const QWidget* window : {static_cast<QWidget*>(&main), static_cast<QWidget*>(&solver),
                                      static_cast<QWidget*>(&sheet)}) {
            if (window->findChild<QWidget*>(control) != nullptr) {
                spoken = SpokenName(*window, control.toLatin1().constData());
            }
        }
        QCOMPARE(spoken, name);
    }
};

QTEST_MAIN(AccessibilityTest)
#include "AccessibilityTest.moc"
