#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QtTest>
#include <functional>

#include "formats/UnitSet.h"
#include "tests/support/WindowTestSupport.h"
#include "ui/DlgMain.h"
#include "ui/DlgQuickConversion.h"
#include "ui/MessageBox.h"

namespace {

QLineEdit* QueryBox(const QWidget& dialog) {
    return NamedChild<QLineEdit>(dialog, "queryBox");
}

QListWidget* Matches(const QWidget& dialog) {
    return NamedChild<QListWidget>(dialog, "matchList");
}

QStringList Rows(const QWidget& dialog) {
    QStringList rows;
    const QListWidget* list = Matches(dialog);
    for (int i = 0; i < list->count(); ++i) {
        rows << list->item(i)->text();
    }
    return rows;
}

/// What the main window shows: type, from unit, to unit, from number, to number.
QStringList Shown(const CDlgMain& window) {
    return {NamedChild<QComboBox>(window, "typeList")->currentText(),
            NamedChild<QComboBox>(window, "fromUnitList")->currentText(),
            NamedChild<QComboBox>(window, "toUnitList")->currentText(),
            NamedChild<QLineEdit>(window, "fromNumberBox")->text(),
            NamedChild<QLineEdit>(window, "toNumberBox")->text()};
}

/// Opens Tools > Quick Conversion in window and hands the dialog to work once it is active.
QStringList RunQuickConversion(CDlgMain& window, const std::function<void(QWidget&)>& work) {
    const CModalGuard guard([&work](QWidget& modal) {
        if (qobject_cast<CDlgQuickConversion*>(&modal) != nullptr) {
            work(modal);
        }
    });
    for (QAction* action : window.findChildren<QAction*>()) {
        if (action->text() == QStringLiteral("&Quick Conversion...")) {
            action->trigger();
        }
    }
    return guard.Handed();
}

const QStringList kTwoYardsInFeet = {"Distance", "yard (yd.)", "foot (ft.)", "2", "6"};

}  // namespace

class DlgQuickConversionTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { CloseStrayBoxesWhileAlive(this); }
    void init();
    void cleanup();

    void typingShowsMatches_data();
    void typingShowsMatches();
    void choosingAppliesToMainWindow_data();
    void choosingAppliesToMainWindow();
    void escapeChangesNothing();
    void unreadableQueryIsGreyed_data();
    void unreadableQueryIsGreyed();
    void keyboardReachesEveryRow();
    void windowStartsWithAQuery_data();
    void windowStartsWithAQuery();
    void fullNamesReadBackExactly();

private:
    std::unique_ptr<CFakeApp> m_app;
};

void DlgQuickConversionTest::init() {
    CMessageBox::Reset();
    m_app = std::make_unique<CFakeApp>();
}

void DlgQuickConversionTest::cleanup() {
    QLocale::setDefault(QLocale::c());
    m_app.reset();
    VerifyNoWindowLeft();
}

void DlgQuickConversionTest::typingShowsMatches_data() {
    QTest::addColumn<QString>("query");
    QTest::addColumn<int>("precision");
    QTest::addColumn<QString>("locale");
    QTest::addColumn<int>("count");
    QTest::addColumn<QString>("first");  // the one row, or how every row begins

    QTest::newRow("one conversion")
        << "2 yd in ft" << 3 << "C" << 1 << "2 yard (yd.) = 6 foot (ft.) (Distance)";
    QTest::newRow("window's precision")
        << "1 ft in yd" << 5 << "C" << 1 << "1 foot (ft.) = 0.33333 yard (yd.) (Distance)";
    QTest::newRow("precision of the amount too")
        << "1.23456 m in cm" << 2 << "C" << 1
        << "1.23 meter (m) = 123.46 centimeter (cm) (Distance)";
    QTest::newRow("decimal comma where the language writes one")
        << "1,5 m in cm" << 3 << "de_DE" << 1 << "1.5 meter (m) = 150 centimeter (cm) (Distance)";
    QTest::newRow("a unit alone: eight of its type")
        << "2 yd" << 3 << "C" << 8 << "2 yard (yd.) = ";
    QTest::newRow("empty") << "" << 3 << "C" << 0 << "";
    QTest::newRow("blanks") << "   " << 3 << "C" << 0 << "";
}

void DlgQuickConversionTest::typingShowsMatches() {
    QFETCH(QString, query);
    QFETCH(int, precision);
    QFETCH(QString, locale);
    QFETCH(int, count);
    QFETCH(QString, first);
    QLocale::setDefault(QLocale(locale));
    CDlgQuickConversion dialog(m_app->m_catalogue, precision);
    dialog.show();
    TypeInto(QueryBox(dialog), "2 yd");  // what is typed next replaces its matches
    TypeInto(QueryBox(dialog), query);
    const QStringList rows = Rows(dialog);
    QCOMPARE(rows.size(), count);
    if (count == 1) {
        QCOMPARE(rows[0], first);
    }
    for (int i = 0; i < count; ++i) {
        QVERIFY2(rows[i].startsWith(first), qPrintable(rows[i]));
        QVERIFY(Matches(dialog)->item(i)->flags() & Qt::ItemIsEnabled);
    }
    QCOMPARE(Matches(dialog)->currentRow(), count > 0 ? 0 : -1);
    dialog.reject();
}

void DlgQuickConversionTest::choosingAppliesToMainWindow_data() {
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("query");
    QTest::addColumn<bool>("doubleClick");
    QTest::addColumn<QStringList>("shown");

    QTest::newRow("Enter") << "C"
                           << "2 yd in ft" << false << kTwoYardsInFeet;
    QTest::newRow("double click") << "C"
                                  << "2 yards to feet" << true << kTwoYardsInFeet;
    QTest::newRow("the amount with all its decimals")
        << "C"
        << "1.23456 m in cm" << false
        << QStringList{"Distance", "meter (m)", "centimeter (cm)", "1.23456", "123.456"};
    // Written the German way, or the box would read 1.234 as 1234.
    QTest::newRow("a decimal comma")
        << "de"
        << "1,234 m in cm" << false
        << QStringList{"Distance", "meter (m)", "centimeter (cm)", "1,234", "123,4"};
    QTest::newRow("another type") << "C"
                                  << "2 kg as g" << false
                                  << QStringList{"Weight", "kilogram (kg)", "gram (g)", "2",
                                                 "2000"};
}

void DlgQuickConversionTest::choosingAppliesToMainWindow() {
    QFETCH(QString, locale);
    QFETCH(QString, query);
    QFETCH(bool, doubleClick);
    QFETCH(QStringList, shown);
    QLocale::setDefault(QLocale(locale));
    CDlgMain window(*m_app);
    window.show();
    const QStringList handed = RunQuickConversion(window, [&](QWidget& dialog) {
        TypeInto(QueryBox(dialog), query);
        QListWidget* list = Matches(dialog);
        if (doubleClick) {
            const QPoint row = list->visualItemRect(list->item(0)).center();
            // A double click begins with a click, which the list must see first.
            QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, row);
            QTest::mouseDClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, row);
        } else {
            QTest::keyClick(QueryBox(dialog), Qt::Key_Return);
        }
    });
    QCOMPARE(handed, QStringList{QStringLiteral("CDlgQuickConversion")});
    QTRY_COMPARE(Shown(window), shown);
    // Converts as typed: a new amount in the From box converts on.
    TypeInto(NamedChild<QLineEdit>(window, "fromNumberBox"), "0");
    QCOMPARE(NamedChild<QLineEdit>(window, "toNumberBox")->text(), QStringLiteral("0"));
    QVERIFY(CMessageBox::TakeShownTexts().isEmpty());
    window.reject();
}

void DlgQuickConversionTest::escapeChangesNothing() {
    CDlgMain window(*m_app);
    window.show();
    RunQuickConversion(window, [](QWidget& dialog) {
        TypeInto(QueryBox(dialog), "2 yd in ft");
        QTest::keyClick(QueryBox(dialog), Qt::Key_Return);
    });
    QTRY_COMPARE(Shown(window), kTwoYardsInFeet);
    const QStringList handed = RunQuickConversion(window, [](QWidget& dialog) {
        TypeInto(QueryBox(dialog), "2 kg as g");
        QTest::keyClick(QueryBox(dialog), Qt::Key_Escape);
    });
    QCOMPARE(handed, QStringList{QStringLiteral("CDlgQuickConversion")});
    QCOMPARE(Shown(window), kTwoYardsInFeet);
    window.reject();
}

void DlgQuickConversionTest::unreadableQueryIsGreyed_data() {
    QTest::addColumn<QString>("query");
    QTest::addColumn<QString>("reason");
    QTest::newRow("unknown unit") << "5 zzz in m"
                                  << "no unit named 'zzz'";
    QTest::newRow("units of two types") << "2 yd in kg"
                                        << "'yd' is a Distance unit and 'kg' a Weight unit";
    QTest::newRow("ambiguous") << "3 dollar in yen"
                               << "'dollar' is ambiguous: ";
}

void DlgQuickConversionTest::unreadableQueryIsGreyed() {
    QFETCH(QString, query);
    QFETCH(QString, reason);
    CDlgQuickConversion dialog(m_app->m_catalogue, 3);
    ShowActive(&dialog);
    TypeInto(QueryBox(dialog), query);
    const QStringList rows = Rows(dialog);
    QCOMPARE(rows.size(), 1);
    QVERIFY2(rows[0].startsWith(reason), qPrintable(rows[0]));
    QVERIFY(!(Matches(dialog)->item(0)->flags() & Qt::ItemIsEnabled));
    // Enter does nothing, from the box or from the list.
    QTest::keyClick(QueryBox(dialog), Qt::Key_Return);
    QVERIFY(dialog.isVisible());
    QTest::keyClick(QueryBox(dialog), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), Matches(dialog));
    QTest::keyClick(Matches(dialog), Qt::Key_Return);
    QVERIFY(dialog.isVisible());
    dialog.reject();
}

void DlgQuickConversionTest::keyboardReachesEveryRow() {
    CDlgQuickConversion dialog(m_app->m_catalogue, 3);
    ShowActive(&dialog);
    QCOMPARE(QApplication::focusWidget(), QueryBox(dialog));
    QTest::keyClicks(QueryBox(dialog), "2 yd");
    QTest::keyClick(QueryBox(dialog), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), Matches(dialog));
    QTest::keyClick(Matches(dialog), Qt::Key_Down);
    QTest::keyClick(Matches(dialog), Qt::Key_Down);
    const QString third = Matches(dialog)->item(2)->text();
    QTest::keyClick(Matches(dialog), Qt::Key_Return);
    QTRY_VERIFY(!dialog.isVisible());
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    const CQueryReader::Conversion& chosen = dialog.Chosen();
    QVERIFY2(third.contains(QString::fromStdString(chosen.to)), qPrintable(third));
    QCOMPARE(chosen.from, std::string("yard (yd.)"));
    QCOMPARE(chosen.amount, 2.0);
}

void DlgQuickConversionTest::windowStartsWithAQuery_data() {
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("query");
    QTest::addColumn<QStringList>("shown");   // over the last units, Distance to inch
    QTest::addColumn<QStringList>("opened");  // Quick Conversion's query and rows

    QTest::newRow("full names") << "C"
                                << "2 yard (yd.) in foot (ft.)" << kTwoYardsInFeet << QStringList{};
    QTest::newRow("a unit alone: the last to-unit of its type")
        << "C"
        << "2 yd" << QStringList{"Distance", "yard (yd.)", "inch (in.)", "2", "72"}
        << QStringList{};
    QTest::newRow("a unit alone: the first other unit of its type")
        << "C"
        << "2 kg" << QStringList{"Weight", "kilogram (kg)", "milligram (mg)", "2", "2000000"}
        << QStringList{};
    QTest::newRow("a decimal comma")
        << "de"
        << "2,5 yd in ft" << QStringList{"Distance", "yard (yd.)", "foot (ft.)", "2,5", "7,5"}
        << QStringList{};
    QTest::newRow("no conversion: Quick Conversion opens with it")
        << "C"
        << "weather" << QStringList{"Distance", "", "inch (in.)", "", ""}
        << QStringList{"weather", "no unit named 'weather'"};
}

void DlgQuickConversionTest::windowStartsWithAQuery() {
    QFETCH(QString, locale);
    QFETCH(QString, query);
    QFETCH(QStringList, shown);
    QFETCH(QStringList, opened);
    QLocale::setDefault(QLocale(locale));
    m_app->m_settings.m_type = "Distance";
    m_app->m_settings.m_toUnit = "inch (in.)";
    CDlgMain window(*m_app);
    QStringList typed;
    const CModalGuard guard([&typed](QWidget& dialog) {
        typed << QueryBox(dialog)->text() << Rows(dialog);
        QTest::keyClick(QueryBox(dialog), Qt::Key_Escape);
    });
    window.Convert(query);
    window.show();
    QTRY_COMPARE(typed, opened);
    QCOMPARE(Shown(window), shown);
    window.reject();
}

void DlgQuickConversionTest::fullNamesReadBackExactly() {
    // How the desktop search helper starts the window: every unit by its full name, the
    // amount with 17 digits and a point, whatever the window's language.
    for (const CUnitSet& set : CUnitSet::InFolder(m_app->m_unitSetFolder.toStdString())) {
        set.MergeInto(m_app->m_catalogue);
    }
    const CUnitMgr& catalogue = m_app->m_catalogue;
    const CQueryReader reader(catalogue);
    for (int i = 0; i < catalogue.GetCount(); ++i) {
        for (int j = 0; j < catalogue.GetCount(); ++j) {
            const CUnit from = catalogue.GetUnit(i);
            const CUnit to = catalogue.GetUnit(j);
            // A unit to itself is left out: two types may have a unit of one name.
            if (i == j || from.m_type != to.m_type) {
                continue;
            }
            const std::string query = "0.30000000000000004 " + from.m_name + " in " + to.m_name;
            for (const bool decimalComma : {false, true}) {
                const auto read = reader.Conversions(query, 1, decimalComma);
                QVERIFY2(read.size() == 1 && read[0].type == from.m_type &&
                             read[0].from == from.m_name && read[0].to == to.m_name &&
                             read[0].amount == 0.1 + 0.2,
                         query.c_str());
            }
        }
    }
}

QTEST_MAIN(DlgQuickConversionTest)
#include "DlgQuickConversionTest.moc"
