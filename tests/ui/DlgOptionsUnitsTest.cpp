#include <QAbstractItemView>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <string>
#include <vector>

#include "catalogue/NumberText.h"
#include "tests/support/ScopedLocale.h"
#include "tests/support/WindowTestSupport.h"
#include "ui/DlgOptions.h"
#include "ui/DlgOptionsUnits.h"
#include "ui/MessageBox.h"

namespace {

const QString kTypeMissing = QStringLiteral("A type must be selected or entered.");
const QString kUnitMissing = QStringLiteral("A unit must be selected or entered.");
const QString kCoefficientMissing = QStringLiteral(
    "A coeficient must be entered.  It should equal the number of units found in 1 base.  "
    "A base is established by entering a coeficient of 1.");
const QString kAddMissingUnit =
    QStringLiteral("The specified unit doesn't exist.  Would you like to add it?");
const QString kUpdateExistingUnit =
    QStringLiteral("The specified unit is already in the database.  Would you like to update it?");
const QString kWipeOutEdits =
    QStringLiteral("This operation will wipe out all manual edits.  Do you wish to continue?");
const QString kTooLong = QStringLiteral("Please enter no more than 32 characters.");

QStringList Entries(const QComboBox* box) {
    QStringList entries;
    for (int i = 0; i < box->count(); ++i) {
        entries.append(box->itemText(i));
    }
    return entries;
}

std::string Std(const QString& text) {
    return text.toStdString();
}

/// An open Options sheet showing its Units page, and handles to the page's controls.
struct CUnitsPage {
    explicit CUnitsPage(CFakeApp& app) : sheet(nullptr, app) {
        ShowActive(&sheet);
        QTabBar* bar = sheet.findChild<QTabWidget*>()->tabBar();
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(1).center());
    }
    ~CUnitsPage() { sheet.close(); }

    template <class T>
    T* Child(const char* name) const {
        return NamedChild<T>(sheet, name);
    }
    QComboBox* Type() const { return Child<QComboBox>("typeBox"); }
    QComboBox* Unit() const { return Child<QComboBox>("unitBox"); }
    QLineEdit* Coefficient() const { return Child<QLineEdit>("coefficientBox"); }
    QLineEdit* Base() const { return Child<QLineEdit>("baseBox"); }
    CUnitMgr& Working() const { return sheet.Units().WorkingCatalogue(); }

    void Click(const char* button) const {
        QTest::mouseClick(Child<QPushButton>(button), Qt::LeftButton);
    }
    void ClickOk() const {
        QTest::mouseClick(sheet.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok),
                          Qt::LeftButton);
    }
    /// Chooses entry from the box's dropped-down list with the keyboard.
    static void Choose(QComboBox* box, const QString& entry) {
        const int row = box->findText(entry, Qt::MatchExactly | Qt::MatchCaseSensitive);
        QVERIFY2(row >= 0, qPrintable(entry));
        box->showPopup();
        QAbstractItemView* list = box->view();
        list->setCurrentIndex(list->model()->index(row, 0));
        QTest::keyClick(list, Qt::Key_Return);
    }
    /// Types type, unit and coefficient, each into its box.
    void Enter(const QString& type, const QString& unit, const QString& coefficient) const {
        TypeInto(Type()->lineEdit(), type);
        TypeInto(Unit()->lineEdit(), unit);
        TypeInto(Coefficient(), coefficient);
    }

    CDlgOptions sheet;
};

}  // namespace

class DlgOptionsUnitsTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { CloseStrayBoxesWhileAlive(this); }
    void init() { CMessageBox::Reset(); }
    void cleanup() {
        VerifyNoWindowLeft();
        QVERIFY(CMessageBox::TakeShownTexts().isEmpty());
    }

    void firstDisplayShowsEveryTypeAndEmptyBoxes();
    void choosingAUnitShowsItsExactCoefficient_data();
    void choosingAUnitShowsItsExactCoefficient();
    void typingAPrefixKeepsTheTypedText();
    void addUnitStartsANewType();
    void addUnitOnAnExistingUnitAnsweredNo();
    void updateUnitDropsTheOffsetAddUnitKeepsIt();
    void updateUnitOnAMissingUnit();
    void removeUnitAndTypeAskNothing();
    void removeTypeOfATypedNameKeepsTheChosenEntry();
    void missingNamesAreRefused();
    void unusableCoefficientIsRefused_data();
    void unusableCoefficientIsRefused();
    void coefficientIsReadFromTheLeadingNumber();
    void germanCoefficientHasADecimalComma();
    void overlongUnitNameIsRefused();
    void defaultsRestoresTheFactoryCatalogue();
    void caseTwinIsStoredButListedOnce();
    void prefixOfAListedTypeIsNotListed();
    void everyFactoryUnitKeepsItsCoefficient();
};

void DlgOptionsUnitsTest::firstDisplayShowsEveryTypeAndEmptyBoxes() {
    CFakeApp app;
    CUnitsPage page(app);
    QCOMPARE(page.sheet.findChild<QTabWidget*>()->currentIndex(), 1);
    for (const QString& text : {page.Type()->currentText(), page.Unit()->currentText(),
                                page.Coefficient()->text(), page.Base()->text()}) {
        QVERIFY(text.isEmpty());
    }
    QStringList types = Entries(page.Type());
    QCOMPARE(types.size(), 10);
    QVERIFY(types.contains("Distance") && types.contains("Temperature"));
    QStringList sorted = types;
    std::sort(sorted.begin(), sorted.end(), [](const QString& a, const QString& b) {
        return a.compare(b, Qt::CaseInsensitive) < 0;
    });
    QCOMPARE(types, sorted);
    QCOMPARE(page.Unit()->count(), 0);
    QCOMPARE(page.Type()->currentIndex(), -1);
    QVERIFY(page.Base()->isReadOnly());
    QVERIFY(!(page.Base()->focusPolicy() & Qt::TabFocus));
    QVERIFY(!page.Working().IsModified());
    QVERIFY(&page.Working() != &app.m_catalogue);
    QCOMPARE(page.Working().GetCount(), app.m_catalogue.GetCount());
}

void DlgOptionsUnitsTest::choosingAUnitShowsItsExactCoefficient_data() {
    QTest::addColumn<QString>("type");
    QTest::addColumn<QString>("unit");
    QTest::addColumn<QString>("shown");
    QTest::newRow("one") << "Distance"
                         << "inch (in.)"
                         << "1";
    QTest::newRow("five decimals") << "Distance"
                                   << "meter (m)"
                                   << "0.0254";
    QTest::newRow("more decimals") << "Distance"
                                   << "kilometer (km)"
                                   << "0.0000254";
    QTest::newRow("repeating") << "Distance"
                               << "foot (ft.)"
                               << "0.08333333333333333";
    QTest::newRow("offset scale") << "Temperature"
                                  << "Fahrenheit (°F)"
                                  << "1.8";
}

void DlgOptionsUnitsTest::choosingAUnitShowsItsExactCoefficient() {
    QFETCH(QString, type);
    QFETCH(QString, unit);
    QFETCH(QString, shown);
    CFakeApp app;
    CUnitsPage page(app);
    CUnitsPage::Choose(page.Type(), type);
    QCOMPARE(page.Type()->currentText(), type);
    CUnitsPage::Choose(page.Unit(), unit);
    QCOMPARE(page.Unit()->currentText(), unit);
    QCOMPARE(page.Coefficient()->text(), shown);

    // Typing the name shows the same, and a name the type lacks leaves the box alone.
    TypeInto(page.Coefficient(), QStringLiteral("42"));
    TypeInto(page.Unit()->lineEdit(), unit.left(5));
    QCOMPARE(page.Coefficient()->text(), QStringLiteral("42"));
    page.Unit()->lineEdit()->setText(QString());
    QTest::keyClicks(page.Unit()->lineEdit(), unit.left(unit.size() - 1));
    QTest::keyClick(page.Unit()->lineEdit(), unit.back().toLatin1());
    QCOMPARE(page.Coefficient()->text(), unit.back() == u')' ? shown : QStringLiteral("42"));
}

void DlgOptionsUnitsTest::typingAPrefixKeepsTheTypedText() {
    CFakeApp app;
    CUnitsPage page(app);
    CUnitsPage::Choose(page.Type(), QStringLiteral("Distance"));
    QCOMPARE(page.Base()->text(), QStringLiteral("inch (in.)"));
    QVERIFY(page.Unit()->count() > 0);
    TypeInto(page.Coefficient(), QStringLiteral("3"));

    TypeInto(page.Type()->lineEdit(), QStringLiteral("Dist"));
    QCOMPARE(page.Type()->currentText(), QStringLiteral("Dist"));
    QCOMPARE(page.Unit()->count(), 0);
    QVERIFY(page.Unit()->currentText().isEmpty());
    QVERIFY(page.Base()->text().isEmpty());
    QCOMPARE(page.Coefficient()->text(), QStringLiteral("3"));
}

void DlgOptionsUnitsTest::addUnitStartsANewType() {
    CFakeApp app;
    CUnitsPage page(app);
    page.Enter(QStringLiteral("Data"), QStringLiteral("Bit"), QStringLiteral("1"));
    page.Click("addUnitButton");
    QCOMPARE(page.Working().FindUnit("Data", "Bit"), 0);
    QVERIFY(Entries(page.Type()).contains("Data"));
    QCOMPARE(Entries(page.Unit()), QStringList{"Bit"});
    QCOMPARE(page.Base()->text(), QStringLiteral("Bit"));
    QVERIFY(page.Working().IsModified());

    TypeInto(page.Unit()->lineEdit(), QStringLiteral("Byte"));
    TypeInto(page.Coefficient(), QStringLiteral(".125"));
    page.Click("addUnitButton");
    QCOMPARE(page.Working().FindUnit("Data", "Byte"), 1);
    QCOMPARE(page.Working().GetUnit(1).m_coefficient, 0.125);
    QCOMPARE(Entries(page.Unit()), (QStringList{"Bit", "Byte"}));
    QCOMPARE(page.Unit()->currentText(), QStringLiteral("Byte"));
    QCOMPARE(page.Coefficient()->text(), QStringLiteral(".125"));
    QCOMPARE(page.Base()->text(), QStringLiteral("Bit"));
    QCOMPARE(app.m_catalogue.GetCount(), 153);
}

void DlgOptionsUnitsTest::addUnitOnAnExistingUnitAnsweredNo() {
    CFakeApp app;
    CUnitsPage page(app);
    CUnitsPage::Choose(page.Type(), QStringLiteral("Distance"));
    CUnitsPage::Choose(page.Unit(), QStringLiteral("foot (ft.)"));
    const QString stored = page.Coefficient()->text();
    TypeInto(page.Coefficient(), QStringLiteral("12"));

    CMessageBox::SetNextAnswer(QMessageBox::No);
    page.Click("addUnitButton");
    QCOMPARE(CMessageBox::TakeShownTexts(), QStringList{kUpdateExistingUnit});
    QCOMPARE(CMessageBox::TakeShownIcons(), QList{CMessageBox::Icon::Question});
    QCOMPARE(page.Coefficient()->text(), stored);
    QVERIFY(!page.Working().IsModified());
    const int foot = page.Working().FindUnit("Distance", "foot (ft.)");
    QCOMPARE(page.Working().GetUnit(foot).m_coefficient, 0.08333333333333333);
}

void DlgOptionsUnitsTest::updateUnitDropsTheOffsetAddUnitKeepsIt() {
    const std::string fahrenheit = "Fahrenheit (°F)";
    CFakeApp app;
    {
        CUnitsPage page(app);
        CUnitsPage::Choose(page.Type(), QStringLiteral("Temperature"));
        CUnitsPage::Choose(page.Unit(), QString::fromStdString(fahrenheit));
        page.Click("updateUnitButton");
        const CUnit unit =
            page.Working().GetUnit(page.Working().FindUnit("Temperature", fahrenheit));
        QCOMPARE(unit.m_coefficient, 1.8);
        QCOMPARE(unit.m_offset, 0.0);
        QVERIFY(page.Working().IsModified());
    }
    {
        CUnitsPage page(app);
        CUnitsPage::Choose(page.Type(), QStringLiteral("Temperature"));
        CUnitsPage::Choose(page.Unit(), QString::fromStdString(fahrenheit));
        TypeInto(page.Coefficient(), QStringLiteral("2"));
        CMessageBox::SetNextAnswer(QMessageBox::Yes);
        page.Click("addUnitButton");
        QCOMPARE(CMessageBox::TakeShownTexts(), QStringList{kUpdateExistingUnit});
        const CUnit unit =
            page.Working().GetUnit(page.Working().FindUnit("Temperature", fahrenheit));
        QCOMPARE(unit.m_coefficient, 2.0);
        QCOMPARE(unit.m_offset, 32.0);
    }
}

void DlgOptionsUnitsTest::updateUnitOnAMissingUnit() {
    CFakeApp app;
    CUnitMgr expected;
    expected.AddFactoryUnits();
    expected.AddOrUpdateUnit(CUnit("Distance", "league", 0.0000052609, 0.0));

    CUnitsPage page(app);
    CUnitsPage::Choose(page.Type(), QStringLiteral("Distance"));
    TypeInto(page.Unit()->lineEdit(), QStringLiteral("league"));
    TypeInto(page.Coefficient(), QStringLiteral("0.0000052609"));
    CMessageBox::SetNextAnswer(QMessageBox::No);
    page.Click("updateUnitButton");
    QCOMPARE(CMessageBox::TakeShownTexts(), QStringList{kAddMissingUnit});
    QCOMPARE(CMessageBox::TakeShownIcons(), QList{CMessageBox::Icon::Question});
    QVERIFY(!page.Working().IsModified());
    QCOMPARE(page.Working().FindUnit("Distance", "league"), -1);

    CMessageBox::SetNextAnswer(QMessageBox::Yes);
    page.Click("updateUnitButton");
    QCOMPARE(CMessageBox::TakeShownTexts(), QStringList{kAddMissingUnit});
    QCOMPARE(page.Working().SaveToBytes(), expected.SaveToBytes());
    QVERIFY(Entries(page.Unit()).contains("league"));
    QCOMPARE(page.Unit()->currentText(), QStringLiteral("league"));
}

void DlgOptionsUnitsTest::removeUnitAndTypeAskNothing() {
    CFakeApp app;
    CUnitsPage page(app);
    CUnitsPage::Choose(page.Type(), QStringLiteral("Distance"));
    CUnitsPage::Choose(page.Unit(), QStringLiteral("rod"));
    page.Click("removeUnitButton");
    QCOMPARE(page.Working().FindUnit("Distance", "rod"), -1);
    QCOMPARE(page.Working().GetCount(), 152);
    QVERIFY(!Entries(page.Unit()).contains("rod"));
    QVERIFY(page.Unit()->currentText().isEmpty());
    QVERIFY(page.Coefficient()->text().isEmpty());
    QCOMPARE(page.Type()->currentText(), QStringLiteral("Distance"));
    QCOMPARE(page.Base()->text(), QStringLiteral("inch (in.)"));

    // Removing the base unit leaves the type without one.
    CUnitsPage::Choose(page.Unit(), QStringLiteral("inch (in.)"));
    page.Click("removeUnitButton");
    QVERIFY(page.Base()->text().isEmpty());

    page.Click("removeTypeButton");
    QVERIFY(page.Working().FindTypeRun("Distance").Empty());
    QVERIFY(!Entries(page.Type()).contains("Distance"));
    QCOMPARE(page.Type()->count(), 9);
    QCOMPARE(page.Unit()->count(), 0);
    for (const QString& text : {page.Type()->currentText(), page.Unit()->currentText(),
                                page.Coefficient()->text(), page.Base()->text()}) {
        QVERIFY(text.isEmpty());
    }
    QCOMPARE(app.m_catalogue.GetCount(), 153);
}

void DlgOptionsUnitsTest::removeTypeOfATypedNameKeepsTheChosenEntry() {
    CFakeApp app;
    CUnitsPage page(app);
    CUnitsPage::Choose(page.Type(), QStringLiteral("Distance"));
    TypeInto(page.Type()->lineEdit(), QStringLiteral("Nowhere"));
    page.Click("removeTypeButton");
    QVERIFY(!page.Working().IsModified());
    QCOMPARE(page.Type()->count(), 10);
    QVERIFY(page.Type()->currentText().isEmpty());

    // Typed out in full, the name is that entry's again.
    TypeInto(page.Type()->lineEdit(), QStringLiteral("Weight"));
    page.Click("removeTypeButton");
    QVERIFY(page.Working().IsModified());
    QCOMPARE(Entries(page.Type()).size(), 9);
    QVERIFY(!Entries(page.Type()).contains("Weight"));
    QVERIFY(Entries(page.Type()).contains("Distance"));
}

void DlgOptionsUnitsTest::missingNamesAreRefused() {
    CFakeApp app;
    CUnitsPage page(app);
    TypeInto(page.Coefficient(), QStringLiteral("1"));
    for (const char* button :
         {"addUnitButton", "updateUnitButton", "removeUnitButton", "removeTypeButton"}) {
        CMessageBox::SetNextAnswer(QMessageBox::Ok);
        page.Click(button);
    }
    TypeInto(page.Type()->lineEdit(), QStringLiteral("Distance"));
    for (const char* button : {"addUnitButton", "updateUnitButton", "removeUnitButton"}) {
        CMessageBox::SetNextAnswer(QMessageBox::Ok);
        page.Click(button);
    }
    QCOMPARE(CMessageBox::TakeShownTexts(),
             (QStringList{kTypeMissing, kTypeMissing, kTypeMissing, kTypeMissing, kUnitMissing,
                          kUnitMissing, kUnitMissing}));
    QVERIFY(!page.Working().IsModified());

    // Names that an imported table may not have either.
    const QString badNames[] = {QStringLiteral("   "), QStringLiteral(" rod"),
                                QStringLiteral("rod "), QStringLiteral("r") + QChar(0) + "d"};
    for (const QString& name : badNames) {
        page.Unit()->lineEdit()->setText(name);  // no key types a NUL
        CMessageBox::SetNextAnswer(QMessageBox::Ok);
        page.Click("addUnitButton");
        QCOMPARE(CMessageBox::TakeShownTexts(), QStringList{kUnitMissing});
    }
    QVERIFY(!page.Working().IsModified());

    TypeInto(page.Unit()->lineEdit(), QStringLiteral("rod"));
    TypeInto(page.Coefficient(), QString());
    for (const char* button : {"addUnitButton", "updateUnitButton"}) {
        CMessageBox::SetNextAnswer(QMessageBox::Ok);
        page.Click(button);
    }
    QCOMPARE(CMessageBox::TakeShownTexts(),
             (QStringList{kCoefficientMissing, kCoefficientMissing}));
    QCOMPARE(CMessageBox::TakeShownIcons().value(0), CMessageBox::Icon::Exclamation);
    QVERIFY(!page.Working().IsModified());
}

void DlgOptionsUnitsTest::unusableCoefficientIsRefused_data() {
    QTest::addColumn<QString>("coefficient");
    QTest::newRow("letters") << "abc";
    QTest::newRow("zero") << "0";
    QTest::newRow("zero with exponent") << "0.0e5";
    QTest::newRow("blanks") << "   ";
    QTest::newRow("overflow") << "1e999";
    QTest::newRow("negative overflow") << "-1e999";
    QTest::newRow("underflow") << "1e-999";
    QTest::newRow("negative") << "-2.5";
    QTest::newRow("denormal") << "4e-320";
}

void DlgOptionsUnitsTest::unusableCoefficientIsRefused() {
    QFETCH(QString, coefficient);
    CFakeApp app;
    CUnitsPage page(app);
    CUnitsPage::Choose(page.Type(), QStringLiteral("Distance"));
    for (const char* unit : {"rod", "new unit"}) {
        TypeInto(page.Unit()->lineEdit(), QString::fromLatin1(unit));
        for (const char* button : {"addUnitButton", "updateUnitButton"}) {
            TypeInto(page.Coefficient(), coefficient);
            page.Type()->setFocus();
            CMessageBox::SetNextAnswer(QMessageBox::Ok);
            page.Click(button);
            QCOMPARE(CMessageBox::TakeShownTexts(), QStringList{kCoefficientMissing});
            QCOMPARE(QApplication::focusWidget(), page.Coefficient());
            QCOMPARE(page.Coefficient()->selectedText(), coefficient);
        }
    }
    QVERIFY(!page.Working().IsModified());
    QCOMPARE(page.Working().FindUnit("Distance", "new unit"), -1);
}

void DlgOptionsUnitsTest::coefficientIsReadFromTheLeadingNumber() {
    CFakeApp app;
    CUnitsPage page(app);
    page.Enter(QStringLiteral("Length"), QStringLiteral("cubit"), QStringLiteral(" 2.5 cubits"));
    page.Click("addUnitButton");
    QCOMPARE(page.Working().GetUnit(page.Working().FindUnit("Length", "cubit")).m_coefficient, 2.5);
}

void DlgOptionsUnitsTest::germanCoefficientHasADecimalComma() {
    const CScopedLocale german(QStringLiteral("de"));
    CFakeApp app;
    CUnitsPage page(app);
    CUnitsPage::Choose(page.Type(), QStringLiteral("Distance"));
    CUnitsPage::Choose(page.Unit(), QStringLiteral("meter (m)"));
    QCOMPARE(page.Coefficient()->text(), QStringLiteral("0,0254"));
    page.Enter(QStringLiteral("Length"), QStringLiteral("cubit"), QStringLiteral("1.002,5"));
    page.Click("addUnitButton");
    QCOMPARE(page.Working().GetUnit(page.Working().FindUnit("Length", "cubit")).m_coefficient,
             1002.5);
}

void DlgOptionsUnitsTest::overlongUnitNameIsRefused() {
    CFakeApp app;
    CUnitsPage page(app);
    const QString longest(32, QLatin1Char('x'));
    page.Enter(QStringLiteral("Distance"), longest + QLatin1Char('y'), QStringLiteral("1"));
    CMessageBox::SetNextAnswer(QMessageBox::Ok);
    page.Click("addUnitButton");
    QCOMPARE(CMessageBox::TakeShownTexts(), QStringList{kTooLong});
    QVERIFY(QApplication::focusWidget() == page.Unit() ||
            QApplication::focusWidget() == page.Unit()->lineEdit());
    QVERIFY(!page.Working().IsModified());

    // The same read-back keeps OK from closing the sheet.
    CMessageBox::SetNextAnswer(QMessageBox::Ok);
    page.ClickOk();
    QCOMPARE(CMessageBox::TakeShownTexts(), QStringList{kTooLong});
    QVERIFY(page.sheet.isVisible());

    TypeInto(page.Unit()->lineEdit(), longest);
    page.Click("addUnitButton");
    QVERIFY(page.Working().FindUnit("Distance", Std(longest)) >= 0);
}

void DlgOptionsUnitsTest::defaultsRestoresTheFactoryCatalogue() {
    CFakeApp app;
    CUnitMgr factory;
    factory.AddFactoryUnits();
    CUnitsPage page(app);
    CUnitsPage::Choose(page.Type(), QStringLiteral("Distance"));
    page.Click("removeTypeButton");
    page.Enter(QStringLiteral("Data"), QStringLiteral("Bit"), QStringLiteral("1"));
    page.Click("addUnitButton");
    page.Working().SetModified(false);

    CMessageBox::SetNextAnswer(QMessageBox::No);
    page.Click("defaultsButton");
    QCOMPARE(CMessageBox::TakeShownTexts(), QStringList{kWipeOutEdits});
    QCOMPARE(CMessageBox::TakeShownIcons(), QList{CMessageBox::Icon::Question});
    QVERIFY(!page.Working().IsModified());
    QCOMPARE(page.Type()->currentText(), QStringLiteral("Data"));

    CMessageBox::SetNextAnswer(QMessageBox::Yes);
    page.Click("defaultsButton");
    QCOMPARE(CMessageBox::TakeShownTexts(), QStringList{kWipeOutEdits});
    QVERIFY(page.Working().IsModified());
    QCOMPARE(page.Working().SaveToBytes(), factory.SaveToBytes());
    QCOMPARE(page.Type()->count(), 10);
    QVERIFY(!Entries(page.Type()).contains("Data"));
    QCOMPARE(page.Unit()->count(), 0);
    for (const QString& text : {page.Type()->currentText(), page.Unit()->currentText(),
                                page.Coefficient()->text(), page.Base()->text()}) {
        QVERIFY(text.isEmpty());
    }

    page.ClickOk();
    QCOMPARE(page.sheet.result(), int(QDialog::Accepted));
    QVERIFY(page.sheet.Units().WorkingCatalogue().IsModified());
    QVERIFY(!app.m_catalogue.IsModified());
}

void DlgOptionsUnitsTest::caseTwinIsStoredButListedOnce() {
    CFakeApp app;
    CUnitsPage page(app);
    CUnitsPage::Choose(page.Type(), QStringLiteral("Distance"));
    const QStringList before = Entries(page.Unit());
    TypeInto(page.Unit()->lineEdit(), QStringLiteral("Inch (in.)"));
    TypeInto(page.Coefficient(), QStringLiteral("1"));
    page.Click("addUnitButton");
    QVERIFY(page.Working().FindUnit("Distance", "Inch (in.)") >= 0);
    QVERIFY(page.Working().FindUnit("Distance", "inch (in.)") >= 0);
    QCOMPARE(Entries(page.Unit()), before);
    QCOMPARE(page.Unit()->currentText(), QStringLiteral("inch (in.)"));
}

void DlgOptionsUnitsTest::prefixOfAListedTypeIsNotListed() {
    CFakeApp app;
    CUnitsPage page(app);
    page.Enter(QStringLiteral("Dist"), QStringLiteral("pace"), QStringLiteral("1"));
    QCOMPARE(page.Type()->currentText(), QStringLiteral("Dist"));
    page.Click("addUnitButton");
    QCOMPARE(page.Working().FindUnit("Dist", "pace"), 0);
    QVERIFY(!Entries(page.Type()).contains("Dist"));
    QCOMPARE(page.Type()->count(), 10);
    QCOMPARE(page.Type()->currentText(), QStringLiteral("Distance"));
}

void DlgOptionsUnitsTest::everyFactoryUnitKeepsItsCoefficient() {
    CFakeApp app;
    CUnitsPage page(app);
    int updated = 0;
    for (const QString& type : Entries(page.Type())) {
        CUnitsPage::Choose(page.Type(), type);
        for (const QString& unit : Entries(page.Unit())) {
            CUnitsPage::Choose(page.Unit(), unit);
            page.Click("updateUnitButton");
            const int index = app.m_catalogue.FindUnit(Std(type), Std(unit));
            QVERIFY(index >= 0);
            const double before = app.m_catalogue.GetUnit(index).m_coefficient;
            const double after = page.Working().GetUnit(index).m_coefficient;
            QVERIFY2(SameDouble(before, after),
                     qPrintable(unit + ": " + QString::number(after, 'g', 17)));
            ++updated;
        }
    }
    QCOMPARE(updated, 153);
}

QTEST_MAIN(DlgOptionsUnitsTest)
#include "DlgOptionsUnitsTest.moc"
