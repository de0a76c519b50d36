#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QToolButton>

#include "tests/support/WindowTestSupport.h"
#include "ui/DlgOptions.h"
#include "ui/DlgOptionsGeneral.h"
#include "ui/DlgOptionsUnits.h"
#include "ui/MessageBox.h"

namespace {

const QString kNotInteger = QStringLiteral("Please enter an integer.");
const QString kOutOfRange = QStringLiteral("Please enter an integer between 0 and 10.");

/// An open Options sheet, shown without blocking, and handles to its View page.
struct CSheet {
    explicit CSheet(CFakeApp& app) : sheet(nullptr, app) { ShowActive(&sheet); }
    ~CSheet() { sheet.close(); }

    template <class T>
    T* Child(const char* name) const {
        return NamedChild<T>(sheet, name);
    }
    QLineEdit* Precision() const { return Child<QLineEdit>("precisionBox"); }
    QTabWidget* Pages() const { return sheet.findChild<QTabWidget*>(); }
    QPushButton* Button(QDialogButtonBox::StandardButton which) const {
        return sheet.findChild<QDialogButtonBox*>()->button(which);
    }
    void Click(QDialogButtonBox::StandardButton which) const {
        QTest::mouseClick(Button(which), Qt::LeftButton);
    }
    void ClickTab(int index) const {
        QTabBar* bar = Pages()->tabBar();
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(index).center());
    }
    /// The focus, with all its text selected, is in the precision box.
    bool PrecisionSelected() const {
        return QApplication::focusWidget() == Precision() &&
               Precision()->selectedText() == Precision()->text();
    }

    CDlgOptions sheet;
};

}  // namespace

class DlgOptionsTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { CloseStrayBoxesWhileAlive(this); }
    void init() { CMessageBox::Reset(); }
    void cleanup() { VerifyNoWindowLeft(); }

    void opensOnViewPageWithTheSettings();
    void okReadsTheTicksBack();
    void precisionIsReadBackOnOk_data();
    void precisionIsReadBackOnOk();
    void invalidPrecisionKeepsTheViewPage();
    void spinArrowsStepAndWrap_data();
    void spinArrowsStepAndWrap();
    void storedPrecisionOutsideTheRange();
    void cancelAndCloseBoxSkipTheReadBack();
    void helpLeavesTheSheetOpen();
};

void DlgOptionsTest::opensOnViewPageWithTheSettings() {
    CFakeApp app;
    CSheet open(app);
    QCOMPARE(open.sheet.windowTitle(), QStringLiteral("Options"));
    QCOMPARE(open.Pages()->count(), 2);
    QCOMPARE(open.Pages()->tabText(0), QStringLiteral("View"));
    QCOMPARE(open.Pages()->tabText(1), QStringLiteral("Units"));
    QCOMPARE(open.Pages()->currentIndex(), 0);
    QVERIFY(open.Button(QDialogButtonBox::Help) != nullptr);
    QVERIFY(open.Button(QDialogButtonBox::Apply) == nullptr);
    QCOMPARE(open.Precision()->text(), QStringLiteral("3"));
    QVERIFY(!open.Child<QCheckBox>("alwaysOnTopCheck")->isChecked());
    QVERIFY(open.Child<QCheckBox>("reloadLastUnitsCheck")->isChecked());

    open.Click(QDialogButtonBox::Ok);
    QCOMPARE(open.sheet.result(), int(QDialog::Accepted));
    QVERIFY(!open.sheet.isVisible());
    QCOMPARE(open.sheet.General().m_decimalPrecision, 3);
    QCOMPARE(open.sheet.General().m_alwaysOnTop, 0);
    QCOMPARE(open.sheet.General().m_reloadLastUnits, 1);
    QVERIFY(!open.sheet.Units().WorkingCatalogue().IsModified());
    QCOMPARE(open.sheet.Units().WorkingCatalogue().GetCount(), 153);
    QVERIFY(CMessageBox::TakeShownTexts().isEmpty());
}

void DlgOptionsTest::okReadsTheTicksBack() {
    CFakeApp app;
    CSheet open(app);
    QTest::mouseClick(open.Child<QCheckBox>("alwaysOnTopCheck"), Qt::LeftButton);
    QTest::mouseClick(open.Child<QCheckBox>("reloadLastUnitsCheck"), Qt::LeftButton);
    open.Click(QDialogButtonBox::Ok);
    QCOMPARE(open.sheet.result(), int(QDialog::Accepted));
    QCOMPARE(open.sheet.General().m_alwaysOnTop, 1);
    QCOMPARE(open.sheet.General().m_reloadLastUnits, 0);
    // The sheet works on copies: the settings object is the caller's to change.
    QCOMPARE(app.m_settings.m_alwaysOnTop, 0);
    QCOMPARE(app.m_settings.m_reloadLastUnits, 1);
}

void DlgOptionsTest::precisionIsReadBackOnOk_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("message");
    QTest::addColumn<int>("precision");
    QTest::newRow("lowest") << "0" << QString() << 0;
    QTest::newRow("highest") << "10" << QString() << 10;
    QTest::newRow("blanks around") << " 7 " << QString() << 7;
    QTest::newRow("tabs around") << "\t7\t" << QString() << 7;
    QTest::newRow("plus sign") << "+5" << QString() << 5;
    QTest::newRow("leading zeros") << "007" << QString() << 7;
    QTest::newRow("zero in two digits") << "00" << QString() << 0;
    QTest::newRow("empty") << "" << kNotInteger << 3;
    QTest::newRow("blanks only") << "   " << kNotInteger << 3;
    QTest::newRow("fraction") << "3.5" << kNotInteger << 3;
    QTest::newRow("letters") << "abc" << kNotInteger << 3;
    QTest::newRow("minus zero") << "-0" << kNotInteger << 3;
    QTest::newRow("plus zero") << "+0" << kNotInteger << 3;
    QTest::newRow("trailing letter") << "7x" << kNotInteger << 3;
    QTest::newRow("blank after sign") << "- 5" << kNotInteger << 3;
    QTest::newRow("eleven") << "11" << kOutOfRange << 3;
    QTest::newRow("minus one") << "-1" << kOutOfRange << 3;
    QTest::newRow("beyond int") << "99999999999" << kOutOfRange << 3;
    QTest::newRow("below int") << "-99999999999" << kOutOfRange << 3;
}

void DlgOptionsTest::precisionIsReadBackOnOk() {
    QFETCH(QString, text);
    QFETCH(QString, message);
    QFETCH(int, precision);
    CFakeApp app;
    CSheet open(app);
    if (text.contains(QLatin1Char('\t'))) {
        // Tab moves the focus, so tabs only come in by pasting.
        open.Precision()->selectAll();
        open.Precision()->insert(text);
    } else {
        TypeInto(open.Precision(), text);
    }
    if (!message.isEmpty()) {
        CMessageBox::SetNextAnswer(QMessageBox::Ok);
    }
    open.Click(QDialogButtonBox::Ok);

    QCOMPARE(CMessageBox::TakeShownTexts(),
             message.isEmpty() ? QStringList() : QStringList{message});
    QCOMPARE(open.sheet.isVisible(), !message.isEmpty());
    QCOMPARE(open.sheet.General().m_decimalPrecision, precision);
    if (!message.isEmpty()) {
        QCOMPARE(CMessageBox::TakeShownIcons(), QList{CMessageBox::Icon::Exclamation});
        QVERIFY(open.PrecisionSelected());
    }
}

void DlgOptionsTest::invalidPrecisionKeepsTheViewPage() {
    CFakeApp app;
    CSheet open(app);
    TypeInto(open.Precision(), QStringLiteral("11"));

    CMessageBox::SetNextAnswer(QMessageBox::Ok);
    open.ClickTab(1);
    QCOMPARE(CMessageBox::TakeShownTexts(), QStringList{kOutOfRange});
    QCOMPARE(open.Pages()->currentIndex(), 0);
    QVERIFY(open.Precision()->isVisible());
    QVERIFY(open.PrecisionSelected());

    CMessageBox::SetNextAnswer(QMessageBox::Ok);
    QTest::keyClick(open.Precision(), Qt::Key_Tab, Qt::ControlModifier);
    QCOMPARE(CMessageBox::TakeShownTexts(), QStringList{kOutOfRange});
    QCOMPARE(open.Pages()->currentIndex(), 0);

    // Fixed, the switch goes through and the Units page gets its first display.
    TypeInto(open.Precision(), QStringLiteral("5"));
    QTest::keyClick(open.Precision(), Qt::Key_Tab, Qt::ControlModifier);
    QCOMPARE(open.Pages()->currentIndex(), 1);
    QCOMPARE(open.Child<QComboBox>("typeBox")->count(), 10);
    QCOMPARE(open.sheet.General().m_decimalPrecision, 5);

    // Shown again, the View page writes out what it read back.
    open.Precision()->setText(QStringLiteral("junk"));
    open.ClickTab(0);
    QCOMPARE(open.Pages()->currentIndex(), 0);
    QCOMPARE(open.Precision()->text(), QStringLiteral("5"));
    QVERIFY(CMessageBox::TakeShownTexts().isEmpty());
}

void DlgOptionsTest::spinArrowsStepAndWrap_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("step");
    QTest::addColumn<bool>("byKey");
    QTest::addColumn<QString>("result");
    QTest::newRow("up") << "3" << 1 << false << "4";
    QTest::newRow("up wraps") << "10" << 1 << false << "0";
    QTest::newRow("down") << "3" << -1 << false << "2";
    QTest::newRow("down wraps") << "0" << -1 << false << "10";
    QTest::newRow("up key") << "9" << 1 << true << "10";
    QTest::newRow("down key wraps") << "0" << -1 << true << "10";
    QTest::newRow("typed with blanks") << " 7 " << 1 << false << "8";
    QTest::newRow("no number starts from the precision") << "abc" << 1 << false << "4";
}

void DlgOptionsTest::spinArrowsStepAndWrap() {
    QFETCH(QString, text);
    QFETCH(int, step);
    QFETCH(bool, byKey);
    QFETCH(QString, result);
    CFakeApp app;
    CSheet open(app);
    TypeInto(open.Precision(), text);
    if (byKey) {
        QTest::keyClick(open.Precision(), step > 0 ? Qt::Key_Up : Qt::Key_Down);
    } else {
        QTest::mouseClick(open.Child<QToolButton>(step > 0 ? "precisionUp" : "precisionDown"),
                          Qt::LeftButton);
    }
    QCOMPARE(open.Precision()->text(), result);
}

void DlgOptionsTest::storedPrecisionOutsideTheRange() {
    CFakeApp app;
    app.m_settings.m_decimalPrecision = 12;
    CSheet open(app);
    QCOMPARE(open.Precision()->text(), QStringLiteral("12"));

    CMessageBox::SetNextAnswer(QMessageBox::Ok);
    open.Click(QDialogButtonBox::Ok);
    CMessageBox::SetNextAnswer(QMessageBox::Ok);
    open.ClickTab(1);
    QCOMPARE(CMessageBox::TakeShownTexts(), (QStringList{kOutOfRange, kOutOfRange}));
    QVERIFY(open.sheet.isVisible());
    QCOMPARE(open.Pages()->currentIndex(), 0);

    open.Click(QDialogButtonBox::Cancel);
    QCOMPARE(open.sheet.result(), int(QDialog::Rejected));
    QVERIFY(!open.sheet.isVisible());
    QCOMPARE(app.m_settings.m_decimalPrecision, 12);
    QVERIFY(CMessageBox::TakeShownTexts().isEmpty());
}

void DlgOptionsTest::cancelAndCloseBoxSkipTheReadBack() {
    CFakeApp app;
    {
        CSheet open(app);
        TypeInto(open.Precision(), QStringLiteral("abc"));
        open.Click(QDialogButtonBox::Cancel);
        QCOMPARE(open.sheet.result(), int(QDialog::Rejected));
        QVERIFY(!open.sheet.isVisible());
    }
    {
        CSheet open(app);
        TypeInto(open.Precision(), QStringLiteral("abc"));
        QVERIFY(open.sheet.close());
        QCOMPARE(open.sheet.result(), int(QDialog::Rejected));
    }
    QVERIFY(CMessageBox::TakeShownTexts().isEmpty());
}

void DlgOptionsTest::helpLeavesTheSheetOpen() {
    CFakeApp app;
    CSheet open(app);
    TypeInto(open.Precision(), QStringLiteral("abc"));
    open.Click(QDialogButtonBox::Help);
    QCOMPARE(app.m_helpCalls, 1);
    QVERIFY(open.sheet.isVisible());
    // Help reads nothing back.
    QVERIFY(CMessageBox::TakeShownTexts().isEmpty());
}

QTEST_MAIN(DlgOptionsTest)
#include "DlgOptionsTest.moc"
