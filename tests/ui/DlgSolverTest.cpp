#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

#include "tests/support/ScopedLocale.h"
#include "tests/support/WindowTestSupport.h"
#include "ui/DlgSolver.h"

namespace {

const char* const kInputs[] = {"editFirstA", "editFirstB", "editSecondB", "editSecondC",
                               "editAskedA"};

QLineEdit* Edit(const CDlgSolver& dlg, const char* name) {
    return NamedChild<QLineEdit>(dlg, name);
}

QString Answer(const CDlgSolver& dlg) {
    return Edit(dlg, "editAnswerC")->text();
}

QStringList Texts(const CDlgSolver& dlg) {
    QStringList texts;
    for (const char* name : kInputs) {
        texts << Edit(dlg, name)->text();
    }
    return texts << Answer(dlg);
}

/// The widgets Tab visits, in order, starting from first.
QList<QWidget*> TabChain(QWidget* first) {
    QList<QWidget*> chain{first};
    for (QWidget* w = first->nextInFocusChain(); w != first; w = w->nextInFocusChain()) {
        if ((w->focusPolicy() & Qt::TabFocus) != 0 && w->isEnabled()) {
            chain << w;
        }
    }
    return chain;
}

}  // namespace

class DlgSolverTest : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { VerifyNoWindowLeft(); }

    void opensOnTheWorkedExample();
    void controlsFollowTheThreeColumns();
    void answerFollowsTyping_data();
    void answerFollowsTyping();
    void germanNumbersHaveADecimalComma_data();
    void germanNumbersHaveADecimalComma();
    void answerDoesNotTouchTheInputs();
    void refusesThe33rdCharacter();
    void closesByCloseEscapeAndEnter_data();
    void closesByCloseEscapeAndEnter();
    void reopeningStartsAfresh();
};

void DlgSolverTest::opensOnTheWorkedExample() {
    CDlgSolver dlg;
    QCOMPARE(Texts(dlg), (QStringList{"1", "3", "1", "12", "2", "72"}));
    QCOMPARE(dlg.windowTitle(), QStringLiteral("DAVORU Units Solver"));
    QCOMPARE(NamedChild<QLabel>(dlg, "labelArrow")->text(), QString(42, u'-') + u'>');
    QCOMPARE(NamedChild<QLabel>(dlg, "labelExample")->text(),
             QStringLiteral("E.g.:\n"
                            "     Q: Knowing that 1 yard (A) <=> 3 feet (B) and 1 foot <=> 12 "
                            "inches (C), how many inches are there in 2 yards?\n"
                            "     A: There are 72 inches in 2 yards."));
    dlg.show();
    QCOMPARE(dlg.focusWidget(), Edit(dlg, "editFirstA"));
}

void DlgSolverTest::controlsFollowTheThreeColumns() {
    CDlgSolver dlg;
    dlg.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dlg));
    auto x = [&](const char* name) { return Edit(dlg, name)->x(); };
    auto y = [&](const char* name) { return Edit(dlg, name)->y(); };
    // Columns A, B, C from left to right; rows: first relation, second relation, question.
    QCOMPARE(x("editAskedA"), x("editFirstA"));
    QCOMPARE(x("editSecondB"), x("editFirstB"));
    QCOMPARE(x("editAnswerC"), x("editSecondC"));
    QVERIFY(x("editFirstA") < x("editFirstB") && x("editFirstB") < x("editSecondC"));
    QCOMPARE(y("editFirstB"), y("editFirstA"));
    QCOMPARE(y("editSecondC"), y("editSecondB"));
    QCOMPARE(y("editAnswerC"), y("editAskedA"));
    QVERIFY(y("editFirstA") < y("editSecondB") && y("editSecondB") < y("editAskedA"));

    QList<QWidget*> expected;
    for (const char* name : kInputs) {
        expected << Edit(dlg, name);
    }
    expected << NamedChild<QPushButton>(dlg, "buttonClose");
    QCOMPARE(TabChain(expected.first()), expected);
    QVERIFY(Edit(dlg, "editAnswerC")->isReadOnly());
}

void DlgSolverTest::answerFollowsTyping_data() {
    QTest::addColumn<QStringList>("inputs");  // A1, B1, B2, C2, asked A
    QTest::addColumn<QString>("answer");
    QTest::newRow("asked 5") << QStringList{"1", "3", "1", "12", "5"} << "180";
    QTest::newRow("miles to metres") << QStringList{"1", "1760", "1", "0.9144", "5"} << "8046.72";
    QTest::newRow("five decimals") << QStringList{"3", "1", "1", "1", "1"} << "0.33333";
    QTest::newRow("negative asked") << QStringList{"1", "3", "1", "12", "-2"} << "-72";
    QTest::newRow("text after number") << QStringList{"1 yd", "3ft", "1", "12", "2 yards"} << "72";
    QTest::newRow("asked emptied") << QStringList{"1", "3", "1", "12", ""} << "0";
    QTest::newRow("first B emptied") << QStringList{"1", "", "1", "12", "2"} << "0";
    QTest::newRow("first A emptied") << QStringList{"", "3", "1", "12", "2"} << "inf";
    QTest::newRow("second B emptied") << QStringList{"1", "3", "", "12", "-2"} << "-inf";
    QTest::newRow("first A and B emptied") << QStringList{"", "", "1", "12", "2"} << "nan";
    QTest::newRow("tiny negative") << QStringList{"1", "3", "1", "12", "-0.0000001"} << "-0";
    QTest::newRow("tiny positive") << QStringList{"1", "3", "1", "12", "0.0000001"} << "0";
}

void DlgSolverTest::answerFollowsTyping() {
    QFETCH(QStringList, inputs);
    QFETCH(QString, answer);
    CDlgSolver dlg;
    for (int i = 0; i < inputs.size(); ++i) {
        TypeInto(Edit(dlg, kInputs[i]), inputs[i]);
    }
    QCOMPARE(Answer(dlg), answer);
}

void DlgSolverTest::germanNumbersHaveADecimalComma_data() {
    QTest::addColumn<QStringList>("inputs");  // A1, B1, B2, C2, asked A
    QTest::addColumn<QString>("answer");
    QTest::newRow("miles to metres") << QStringList{"1", "1.760", "1", "0,9144", "5"} << "8046,72";
    QTest::newRow("halves") << QStringList{"1", "3", "1", "12", "2,5"} << "90";
    QTest::newRow("fraction answer") << QStringList{"3", "1", "1", "1", "1"} << "0,33333";
}

void DlgSolverTest::germanNumbersHaveADecimalComma() {
    QFETCH(QStringList, inputs);
    QFETCH(QString, answer);
    const CScopedLocale german(QStringLiteral("de"));
    CDlgSolver dlg;
    for (int i = 0; i < inputs.size(); ++i) {
        TypeInto(Edit(dlg, kInputs[i]), inputs[i]);
    }
    QCOMPARE(Answer(dlg), answer);
}

void DlgSolverTest::answerDoesNotTouchTheInputs() {
    CDlgSolver dlg;
    QLineEdit* asked = Edit(dlg, "editAskedA");
    asked->setFocus();
    asked->end(false);
    QTest::keyClicks(asked, ".50");
    QCOMPARE(Answer(dlg), QStringLiteral("90"));
    QCOMPARE(asked->text(), QStringLiteral("2.50"));
    QCOMPARE(asked->cursorPosition(), 4);
}

void DlgSolverTest::refusesThe33rdCharacter() {
    CDlgSolver dlg;
    const QString thirtyThree = QString(32, u'1') + u'9';
    for (const char* name : kInputs) {
        QLineEdit* edit = Edit(dlg, name);
        TypeInto(edit, thirtyThree);
        QCOMPARE(edit->text(), QString(32, u'1'));
    }
}

void DlgSolverTest::closesByCloseEscapeAndEnter_data() {
    QTest::addColumn<int>("key");
    QTest::newRow("Escape") << int(Qt::Key_Escape);
    QTest::newRow("Enter") << int(Qt::Key_Return);
    QTest::newRow("Close button") << 0;
}

void DlgSolverTest::closesByCloseEscapeAndEnter() {
    QFETCH(int, key);
    CDlgSolver dlg;
    const CModalGuard guard([&](QWidget&) {
        if (key == 0) {
            QTest::mouseClick(NamedChild<QPushButton>(dlg, "buttonClose"), Qt::LeftButton);
        } else {
            QTest::keyClick(dlg.focusWidget(), Qt::Key(key));
        }
    });
    QCOMPARE(dlg.exec(), int(QDialog::Rejected));
    QVERIFY(!guard.TimedOut());
    QVERIFY(!dlg.isVisible());
}

void DlgSolverTest::reopeningStartsAfresh() {
    {
        CDlgSolver first;
        TypeInto(Edit(first, "editFirstA"), "7");
        TypeInto(Edit(first, "editAskedA"), "9");
        QCOMPARE(Answer(first), QStringLiteral("46.28571"));
    }
    CDlgSolver second;
    QCOMPARE(Texts(second), (QStringList{"1", "3", "1", "12", "2", "72"}));
}

QTEST_MAIN(DlgSolverTest)
#include "DlgSolverTest.moc"
