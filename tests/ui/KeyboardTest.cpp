// Keyboard-only use of every window: the Tab chain in the order of the controls, every
// mnemonic moving the focus to its control (and pressing a button), Enter and Escape.
#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QMenu>
#include <QPushButton>
#include <QSignalSpy>
#include <QTabBar>
#include <QTabWidget>
#include <algorithm>
#include <functional>

#include "tests/support/WindowTestSupport.h"
#include "ui/DlgAbout.h"
#include "ui/DlgHelp.h"
#include "ui/DlgMain.h"
#include "ui/DlgOptions.h"
#include "ui/DlgSolver.h"
#include "ui/DlgUnitSets.h"
#include "ui/FileChooser.h"

namespace {

/// How a control is named in the expected chains: its object name, or for a button without
/// one (the sheet's OK, Cancel and Help) its text without the mnemonic marker.
QString ControlName(const QWidget* widget) {
    if (widget == nullptr) {
        return QStringLiteral("<none>");
    }
    if (widget->objectName().isEmpty()) {
        if (const auto* button = qobject_cast<const QAbstractButton*>(widget)) {
            return QString(button->text()).remove(QLatin1Char('&'));
        }
    }
    return widget->objectName();
}

QString FocusName() {
    return ControlName(QApplication::focusWidget());
}

/// Presses Tab (Shift+Tab when backwards) once per step and records where the focus lands.
QStringList WalkTabChain(qsizetype steps, bool backwards) {
    QStringList visited;
    for (qsizetype i = 0; i < steps; ++i) {
        QTest::keyClick(QApplication::focusWidget(), backwards ? Qt::Key_Backtab : Qt::Key_Tab,
                        backwards ? Qt::ShiftModifier : Qt::NoModifier);
        visited << FocusName();
    }
    return visited;
}

/// Checks that Tab goes round the chain in order, starting from the control that has the
/// focus (the chain's first entry), and that Shift+Tab goes round it the other way.
void CheckTabChain(const QStringList& chain) {
    QCOMPARE(FocusName(), chain.first());
    QStringList forward = chain.mid(1);
    forward << chain.first();
    QCOMPARE(WalkTabChain(chain.size(), false), forward);
    QStringList backward = chain;
    std::reverse(backward.begin(), backward.end());
    QCOMPARE(WalkTabChain(chain.size(), true), backward);
}

/// Presses Alt+letter in the focused control.
void PressMnemonic(char letter) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key(Qt::Key_A + (letter - 'A')),
                    Qt::AltModifier);
}

/// The sheet's OK, Cancel and Help buttons as they stand from left to right, which is the
/// order the button box gives the Tab key on every platform style.
QStringList SheetButtonsInRowOrder(const QDialog& sheet) {
    QList<QAbstractButton*> buttons = sheet.findChild<QDialogButtonBox*>()->buttons();
    std::sort(buttons.begin(), buttons.end(), [&sheet](const QWidget* a, const QWidget* b) {
        return a->mapTo(&sheet, QPoint()).x() < b->mapTo(&sheet, QPoint()).x();
    });
    QStringList names;
    for (const QAbstractButton* button : buttons) {
        names << ControlName(button);
    }
    return names;
}

/// Runs action, which must open a modal dialog over opener, and presses Escape in the dialog
/// once it is active; returns the dialog's title, empty when none opened.
QString EscapeModalOpenedBy(const std::function<void()>& action, const QWidget* opener) {
    QString title;
    CModalGuard guard([&title, opener](QWidget& modal) {
        if (&modal != opener && title.isEmpty()) {
            title = modal.windowTitle();
            QTest::keyClick(&modal, Qt::Key_Escape);
        }
    });
    action();
    return guard.TimedOut() ? QString() : title;
}

const QStringList kMainChain = {QStringLiteral("typeList"), QStringLiteral("fromUnitList"),
                                QStringLiteral("toUnitList"), QStringLiteral("fromNumberBox"),
                                QStringLiteral("toNumberBox")};

const QStringList kSolverChain = {QStringLiteral("editFirstA"),  QStringLiteral("editFirstB"),
                                  QStringLiteral("editSecondB"), QStringLiteral("editSecondC"),
                                  QStringLiteral("editAskedA"),  QStringLiteral("buttonClose")};

const QStringList kViewPageChain = {QStringLiteral("reloadLastUnitsCheck"),
                                    QStringLiteral("alwaysOnTopCheck"),
                                    QStringLiteral("precisionBox")};

const QStringList kUnitsPageChain = {
    QStringLiteral("typeBox"),          QStringLiteral("unitBox"),
    QStringLiteral("coefficientBox"),   QStringLiteral("removeTypeButton"),
    QStringLiteral("updateUnitButton"), QStringLiteral("addUnitButton"),
    QStringLiteral("removeUnitButton"), QStringLiteral("defaultsButton"),
    QStringLiteral("importButton"),     QStringLiteral("exportButton"),
    QStringLiteral("unitSetsButton")};

/// Gives the application a last session to reload, so that every control of the main
/// window is enabled: Distance, yard to foot.
void SetLastSession(CWorkspaceSettings& settings) {
    settings.m_reloadLastUnits = 1;
    settings.m_type = "Distance";
    settings.m_fromUnit = "yard (yd.)";
    settings.m_toUnit = "foot (ft.)";
}

}  // namespace

class KeyboardTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        QCoreApplication::setApplicationName(QStringLiteral("Tarvo"));
        CloseStrayBoxesWhileAlive(this);
    }
    void cleanup() { VerifyNoWindowLeft(); }

    void mainWindowTabChain() {
        CFakeApp app;
        SetLastSession(app.m_settings);
        CDlgMain window(app);
        ShowActive(&window);
        // A restored from unit puts the focus into the From number box.
        QCOMPARE(FocusName(), QStringLiteral("fromNumberBox"));
        NamedChild<QWidget>(window, "typeList")->setFocus();
        CheckTabChain(kMainChain);
    }

    void mainWindowMnemonics_data() {
        QTest::addColumn<char>("letter");
        QTest::addColumn<QString>("control");
        // Alt+T belongs to the label "&Type:" and not to the menu "&Tools".
        QTest::newRow("Alt+T") << 'T' << QStringLiteral("typeList");
        QTest::newRow("Alt+U") << 'U' << QStringLiteral("fromUnitList");
        QTest::newRow("Alt+N") << 'N' << QStringLiteral("fromNumberBox");
    }

    void mainWindowMnemonics() {
        QFETCH(char, letter);
        QFETCH(QString, control);
        CFakeApp app;
        SetLastSession(app.m_settings);
        CDlgMain window(app);
        ShowActive(&window);
        NamedChild<QWidget>(window, "toNumberBox")->setFocus();
        PressMnemonic(letter);
        QCOMPARE(FocusName(), control);
        QVERIFY(QApplication::activePopupWidget() == nullptr);
    }

    void mainWindowMenusByKeyboard() {
        CFakeApp app;
        SetLastSession(app.m_settings);
        CDlgMain window(app);
        ShowActive(&window);
        PressMnemonic('H');
        QTRY_VERIFY(qobject_cast<QMenu*>(QApplication::activePopupWidget()) != nullptr);
        QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_C);
        QCOMPARE(app.m_helpCalls, 1);
        // F10 opens the Tools menu, whose "&DAVORU Units Solver..." opens the solver.
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_F10);
        QTRY_VERIFY(qobject_cast<QMenu*>(QApplication::activePopupWidget()) != nullptr);
        const QString title = EscapeModalOpenedBy(
            [] { QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_D); }, &window);
        QCOMPARE(title, QStringLiteral("DAVORU Units Solver"));
        // Giving the keyboard back to the window is the window manager's job.
        ShowActive(&window);
        PressMnemonic('X');
        QTRY_VERIFY(!window.isVisible());
        QCOMPARE(window.result(), int(QDialog::Accepted));
    }

    void quickConversionByKeyboard_data() {
        QTest::addColumn<bool>("fromMenu");
        QTest::newRow("Ctrl+F") << false;
        QTest::newRow("F10, Q") << true;
    }

    void quickConversionByKeyboard() {
        QFETCH(bool, fromMenu);
        CFakeApp app;
        SetLastSession(app.m_settings);
        CDlgMain window(app);
        ShowActive(&window);
        const QString title = EscapeModalOpenedBy(
            [fromMenu] {
                if (!fromMenu) {
                    QTest::keyClick(QApplication::focusWidget(), Qt::Key_F, Qt::ControlModifier);
                    return;
                }
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_F10);
                QTRY_VERIFY(qobject_cast<QMenu*>(QApplication::activePopupWidget()) != nullptr);
                QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Q);
            },
            &window);
        QCOMPARE(title, QStringLiteral("Quick Conversion"));
        // Escape in the dialog leaves the main window as it was.
        QCOMPARE(NamedChild<QComboBox>(window, "typeList")->currentText(),
                 QStringLiteral("Distance"));
        window.reject();
    }

    void mainWindowEnterAndEscape_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("result");
        QTest::newRow("Enter is Exit") << int(Qt::Key_Return) << int(QDialog::Accepted);
        QTest::newRow("keypad Enter is Exit") << int(Qt::Key_Enter) << int(QDialog::Accepted);
        QTest::newRow("Escape cancels") << int(Qt::Key_Escape) << int(QDialog::Rejected);
    }

    void mainWindowEnterAndEscape() {
        QFETCH(int, key);
        QFETCH(int, result);
        CFakeApp app;
        SetLastSession(app.m_settings);
        CDlgMain window(app);
        ShowActive(&window);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key(key));
        QVERIFY(!window.isVisible());
        QCOMPARE(window.result(), result);
    }

    void solverTabChainAndMnemonics() {
        CDlgSolver solver;
        ShowActive(&solver);
        CheckTabChain(kSolverChain);
        // The read-only answer box takes no Tab stop, but a click still reaches it.
        QCOMPARE(NamedChild<QWidget>(solver, "editAnswerC")->focusPolicy(), Qt::ClickFocus);
        const struct {
            char letter;
            QString control;
        } mnemonics[] = {{'A', QStringLiteral("editFirstA")},
                         {'B', QStringLiteral("editFirstB")},
                         {'C', QStringLiteral("editSecondC")}};
        for (const auto& mnemonic : mnemonics) {
            NamedChild<QWidget>(solver, "editAskedA")->setFocus();
            PressMnemonic(mnemonic.letter);
            QCOMPARE(FocusName(), mnemonic.control);
        }
    }

    void closingKeys_data() {
        QTest::addColumn<QString>("window");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("result");
        const int enter = Qt::Key_Return;
        const int escape = Qt::Key_Escape;
        const int accepted = QDialog::Accepted;
        const int rejected = QDialog::Rejected;
        // The solver's and the help window's default button is Close, the cancel path.
        QTest::newRow("solver Enter") << "solver" << enter << rejected;
        QTest::newRow("solver Escape") << "solver" << escape << rejected;
        QTest::newRow("help Enter") << "help" << enter << rejected;
        QTest::newRow("help Escape") << "help" << escape << rejected;
        QTest::newRow("help Alt+C")
            << "help" << (Qt::AltModifier | Qt::Key_C).toCombined() << rejected;
        QTest::newRow("About Enter") << "about" << enter << accepted;
        QTest::newRow("About Escape") << "about" << escape << rejected;
        QTest::newRow("Options Enter") << "options" << enter << accepted;
        QTest::newRow("Options Escape") << "options" << escape << rejected;
        // Add, the default button, is disabled until a set is checked.
        QTest::newRow("Unit Sets Enter") << "unit sets" << enter << -1;
        QTest::newRow("Unit Sets Escape") << "unit sets" << escape << rejected;
    }

    void closingKeys() {
        QFETCH(QString, window);
        QFETCH(int, key);
        QFETCH(int, result);
        CFakeApp app;
        std::unique_ptr<QDialog> dialog;
        if (window == QLatin1String("solver")) {
            dialog = std::make_unique<CDlgSolver>();
        } else if (window == QLatin1String("help")) {
            dialog = std::make_unique<CDlgHelp>();
        } else if (window == QLatin1String("about")) {
            dialog = std::make_unique<CDlgAbout>(nullptr, "Tarvo v1.6", "Notice", "Description");
        } else if (window == QLatin1String("unit sets")) {
            dialog = std::make_unique<CDlgUnitSets>(app.m_catalogue, app.m_unitSetFolder);
        } else {
            dialog = std::make_unique<CDlgOptions>(nullptr, app);
        }
        ShowActive(dialog.get());
        const QKeyCombination combination = QKeyCombination::fromCombined(key);
        QTest::keyClick(QApplication::focusWidget(), combination.key(),
                        combination.keyboardModifiers());
        if (result < 0) {
            QVERIFY(dialog->isVisible());
            dialog->reject();
            return;
        }
        QTRY_VERIFY(!dialog->isVisible());
        QCOMPARE(dialog->result(), result);
    }

    void helpWindowStartsOnClose() {
        CDlgHelp help;
        ShowActive(&help);
        // Close first, so that Enter closes the window at once; the text comes next.
        CheckTabChain({QStringLiteral("buttonClose"), QStringLiteral("editText")});
    }

    void aboutBoxHasOnlyOk() {
        CDlgAbout about(nullptr, "Tarvo v1.6", "Notice", "Description");
        ShowActive(&about);
        CheckTabChain({QStringLiteral("buttonOk")});
    }

    void optionsTabChains() {
        CFakeApp app;
        CDlgOptions sheet(nullptr, app);
        ShowActive(&sheet);
        const QStringList buttons = SheetButtonsInRowOrder(sheet);
        const QString tabBar = ControlName(sheet.findChild<QTabBar*>());
        // The sheet opens on the View page with the focus on the tab bar, where the arrow
        // keys turn the pages; Tab goes on through the page to the buttons.
        CheckTabChain(QStringList{tabBar} + kViewPageChain + buttons);
        // Ctrl+Tab turns to the Units page, as in every tabbed sheet.
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, Qt::ControlModifier);
        QCOMPARE(sheet.findChild<QTabWidget*>()->currentIndex(), 1);
        sheet.findChild<QTabBar*>()->setFocus();
        CheckTabChain(QStringList{tabBar} + kUnitsPageChain + buttons);
    }

    void viewPageMnemonics_data() {
        QTest::addColumn<char>("letter");
        QTest::addColumn<QString>("control");
        QTest::newRow("Alt+R") << 'R' << QStringLiteral("reloadLastUnitsCheck");
        QTest::newRow("Alt+A") << 'A' << QStringLiteral("alwaysOnTopCheck");
        QTest::newRow("Alt+D") << 'D' << QStringLiteral("precisionBox");
    }

    void viewPageMnemonics() {
        QFETCH(char, letter);
        QFETCH(QString, control);
        CFakeApp app;
        CDlgOptions sheet(nullptr, app);
        ShowActive(&sheet);
        sheet.findChild<QTabBar*>()->setFocus();
        auto* check = sheet.findChild<QCheckBox*>(control);
        const bool wasTicked = check != nullptr && check->isChecked();
        PressMnemonic(letter);
        QCOMPARE(FocusName(), control);
        if (check != nullptr) {
            // A check box's mnemonic also ticks or unticks it.
            QTRY_COMPARE(check->isChecked(), !wasTicked);
        }
    }

    void unitsPageMnemonics_data() {
        QTest::addColumn<char>("letter");
        QTest::addColumn<QString>("control");
        QTest::newRow("Alt+T") << 'T' << QStringLiteral("typeBox");
        QTest::newRow("Alt+U") << 'U' << QStringLiteral("unitBox");
        QTest::newRow("Alt+C") << 'C' << QStringLiteral("coefficientBox");
        QTest::newRow("Alt+M") << 'M' << QStringLiteral("removeTypeButton");
        QTest::newRow("Alt+P") << 'P' << QStringLiteral("updateUnitButton");
        QTest::newRow("Alt+A") << 'A' << QStringLiteral("addUnitButton");
        QTest::newRow("Alt+R") << 'R' << QStringLiteral("removeUnitButton");
        QTest::newRow("Alt+D") << 'D' << QStringLiteral("defaultsButton");
        QTest::newRow("Alt+I") << 'I' << QStringLiteral("importButton");
        QTest::newRow("Alt+E") << 'E' << QStringLiteral("exportButton");
        QTest::newRow("Alt+S") << 'S' << QStringLiteral("unitSetsButton");
    }

    void unitsPageMnemonics() {
        QFETCH(char, letter);
        QFETCH(QString, control);
        CFakeApp app;
        CDlgOptions sheet(nullptr, app);
        ShowActive(&sheet);
        sheet.findChild<QTabWidget*>()->setCurrentIndex(1);
        auto* tabBar = sheet.findChild<QTabBar*>();
        tabBar->setFocus();
        auto* button = sheet.findChild<QPushButton*>(control);
        if (button == nullptr) {
            PressMnemonic(letter);
            QCOMPARE(FocusName(), control);
            return;
        }
        // A button's mnemonic presses it and leaves the focus where it was. With empty boxes
        // each button only warns or asks, and the stray-box closer answers No; a file
        // dialog is cancelled, and so is the Unit Sets dialog.
        CFileChooser::Reset();
        CFileChooser::SetNextChoice(QString());
        const CModalGuard guard([](QWidget& modal) {
            if (qobject_cast<CDlgUnitSets*>(&modal) != nullptr) {
                QTest::keyClick(&modal, Qt::Key_Escape);
            }
        });
        QSignalSpy clicks(button, &QAbstractButton::clicked);
        PressMnemonic(letter);
        QTRY_COMPARE(clicks.count(), 1);
        QCOMPARE(sheet.focusWidget(), tabBar);
        QVERIFY(!app.m_catalogue.IsModified());
    }
};

QTEST_MAIN(KeyboardTest)
#include "KeyboardTest.moc"
