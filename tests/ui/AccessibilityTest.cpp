// Every control that takes the keyboard focus has a name for a screen reader: from its own
// text, from the label whose buddy it is, or from an accessible name of its own.
#include <QAccessible>
#include <QTabWidget>

#include "tests/support/EveryWindow.h"
#include "tests/support/WindowTestSupport.h"
#include "ui/DlgMain.h"
#include "ui/DlgOptions.h"
#include "ui/DlgSolver.h"

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

}  // namespace

class AccessibilityTest : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { VerifyNoWindowLeft(); }

    void everyWindowIsVisited() {
        CFakeApp app;
        QStringList visited;
        CEveryWindow::Visit(app, [&visited](QWidget& window) {
            QList<QWidget*> widgets = window.findChildren<QWidget*>();
            widgets << &window;
            for (const QWidget* widget : widgets) {
                visited << QString::fromLatin1(widget->metaObject()->className());
            }
        });
        for (const QString& room : QStringLiteral(TARVO_WINDOWS).split(QLatin1Char(','))) {
            QVERIFY2(visited.contains(QLatin1Char('C') + room), qPrintable(room));
        }
    }

    void everyFocusableControlHasAName() {
        CFakeApp app;
        QStringList unnamed;
        CEveryWindow::Visit(app,
                            [&unnamed](QWidget& window) { unnamed << UnnamedControls(window); });
        QVERIFY2(unnamed.isEmpty(), qPrintable(unnamed.join(QStringLiteral(", "))));
    }

    // A colour of its own, by palette or style sheet, would stay the same in a dark colour
    // scheme, where text drawn in it might no longer be readable.
    void windowsDrawWithTheDesktopPalette() {
        CFakeApp app;
        QStringList coloured;
        CEveryWindow::Visit(app, [&coloured](QWidget& window) {
            QWidgetList widgets = window.findChildren<QWidget*>();
            widgets << &window;
            for (const QWidget* widget : widgets) {
                if (widget->testAttribute(Qt::WA_SetPalette) || !widget->styleSheet().isEmpty()) {
                    coloured << widget->objectName();
                }
            }
        });
        QVERIFY2(coloured.isEmpty(), qPrintable(coloured.join(QStringLiteral(", "))));
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
