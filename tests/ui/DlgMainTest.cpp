#include <QApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QtTest>
#include <memory>

#include "app/WorkspaceSettings.h"
#include "catalogue/UnitMgr.h"
#include "tests/support/ScopedLocale.h"
#include "tests/support/WindowTestSupport.h"
#include "ui/DlgMain.h"
#include "ui/DlgOptions.h"
#include "ui/HelpKeyFilter.h"
#include "ui/MessageBox.h"

namespace {

QComboBox* List(const CDlgMain& window, const char* name) {
    return NamedChild<QComboBox>(window, name);
}

QLineEdit* Box(const CDlgMain& window, const char* name) {
    return NamedChild<QLineEdit>(window, name);
}

/// Chooses an entry as the user does: the list takes the focus, then reports the choice.
void Choose(QComboBox* list, const QString& text) {
    list->setFocus();
    const int index = list->findText(text);
    QVERIFY2(index >= 0, qPrintable(text));
    list->setCurrentIndex(index);
    emit list->activated(index);
}

}  // namespace

class CDlgMainTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { CloseStrayBoxesWhileAlive(this); }
    void init();
    void cleanup();

    void directionFollowsFocus();
    void enabledStatesFollowModel();
    void typeChangeEmptiesAndDisables();
    void reloadAtStartUp_data();
    void reloadAtStartUp();
    void resultFitsItsBox_data();
    void resultFitsItsBox();
    void numbersAreWrittenTheLanguagesWay_data();
    void numbersAreWrittenTheLanguagesWay();
    void tooLongNameKeepsWindowOpen();
    void enterEndsLikeExit();
    void escapeEndsWithoutReadBack();
    void altTGoesToTypeList();
    void menuCommandsReachApplication();
    void optionsOkAppliesPrecision();

private:
    /// A shown window with Distance chosen, yard to foot.
    std::unique_ptr<CDlgMain> OpenYardToFoot();

    std::unique_ptr<CFakeApp> m_app;
};

void CDlgMainTest::init() {
    CMessageBox::Reset();
    m_app = std::make_unique<CFakeApp>();
    QVERIFY(m_app->m_storeDir.isValid());
}

void CDlgMainTest::cleanup() {
    m_app.reset();
    VerifyNoWindowLeft();
}

std::unique_ptr<CDlgMain> CDlgMainTest::OpenYardToFoot() {
    auto window = std::make_unique<CDlgMain>(*m_app);
    window->show();
    Choose(List(*window, "typeList"), "Distance");
    Choose(List(*window, "fromUnitList"), "yard (yd.)");
    Choose(List(*window, "toUnitList"), "foot (ft.)");
    return window;
}

void CDlgMainTest::directionFollowsFocus() {
    const auto window = OpenYardToFoot();
    QLineEdit* from = Box(*window, "fromNumberBox");
    QLineEdit* to = Box(*window, "toNumberBox");

    TypeInto(from, "2");
    QCOMPARE(to->text(), QStringLiteral("6"));
    TypeInto(from, "");
    QCOMPARE(to->text(), QString());

    TypeInto(from, "abc");  // not a number: converts as 0, without a message
    QCOMPARE(to->text(), QStringLiteral("0"));
    TypeInto(to, "6");
    QCOMPARE(from->text(), QStringLiteral("2"));

    TypeInto(from, "3");
    Choose(List(*window, "toUnitList"), "inch (in.)");  // keeps From, recomputes To
    QCOMPARE(from->text(), QStringLiteral("3"));
    QCOMPARE(to->text(), QStringLiteral("108"));
    Choose(List(*window, "fromUnitList"), "foot (ft.)");  // keeps To, recomputes From
    QCOMPARE(to->text(), QStringLiteral("108"));
    QCOMPARE(from->text(), QStringLiteral("9"));
    QVERIFY(CMessageBox::TakeShownTexts().isEmpty());
}

void CDlgMainTest::enabledStatesFollowModel() {
    CDlgMain window(*m_app);
    window.show();
    const auto enabled = [&window] {
        return QList<bool>{
            List(window, "fromUnitList")->isEnabled(), List(window, "toUnitList")->isEnabled(),
            Box(window, "fromNumberBox")->isEnabled(), Box(window, "toNumberBox")->isEnabled()};
    };
    QCOMPARE(window.windowTitle(), QStringLiteral("Tarvo"));
    QVERIFY(!window.windowIcon().pixmap(32, 32).isNull());
    QVERIFY(List(window, "typeList")->isEnabled());
    QCOMPARE(List(window, "typeList")->currentIndex(), -1);
    QCOMPARE(enabled(), (QList<bool>{false, false, false, false}));
    Choose(List(window, "typeList"), "Weight");
    QCOMPARE(enabled(), (QList<bool>{true, true, false, false}));
    Choose(List(window, "toUnitList"), "gram (g)");
    QCOMPARE(enabled(), (QList<bool>{true, true, false, true}));
    Choose(List(window, "fromUnitList"), "kilogram (kg)");
    QCOMPARE(enabled(), (QList<bool>{true, true, true, true}));
    QCOMPARE(Box(window, "fromNumberBox")->maxLength(), 32);
    // The lists show their entries in alphabetical order, letter case ignored.
    QComboBox* units = List(window, "fromUnitList");
    for (int i = 1; i < units->count(); ++i) {
        QVERIFY(units->itemText(i - 1).compare(units->itemText(i), Qt::CaseInsensitive) <= 0);
    }
    window.reject();
}

void CDlgMainTest::typeChangeEmptiesAndDisables() {
    const auto window = OpenYardToFoot();
    TypeInto(Box(*window, "fromNumberBox"), "2");
    Choose(List(*window, "typeList"), "Weight");
    for (const char* name : {"fromUnitList", "toUnitList"}) {
        QComboBox* list = List(*window, name);
        QVERIFY(list->isEnabled());
        QCOMPARE(list->currentIndex(), -1);
        QCOMPARE(list->findText("gram (g)") >= 0, true);
    }
    for (const char* name : {"fromNumberBox", "toNumberBox"}) {
        QCOMPARE(Box(*window, name)->text(), QString());
        QVERIFY(!Box(*window, name)->isEnabled());
    }
    window->reject();
}

void CDlgMainTest::reloadAtStartUp_data() {
    QTest::addColumn<int>("reload");
    QTest::addColumn<QString>("type");
    QTest::addColumn<QString>("fromUnit");
    QTest::addColumn<quint32>("storedVersion");
    QTest::addColumn<QString>("shownType");
    QTest::addColumn<QString>("shownFrom");
    QTest::addColumn<QString>("shownTo");
    QTest::addColumn<bool>("focusInFromBox");
    QTest::addColumn<int>("abouts");

    QTest::newRow("type gone, first run") << 1 << "Nope"
                                          << "yard (yd.)" << 0u << ""
                                          << ""
                                          << "" << false << 1;
    QTest::newRow("from unit gone, first run") << 1 << "Distance"
                                               << "nope" << 0u << "Distance"
                                               << ""
                                               << "foot (ft.)" << false << 1;
    QTest::newRow("from unit gone, same version") << 1 << "Distance"
                                                  << "nope" << CFakeApp::kVersion << "Distance"
                                                  << ""
                                                  << "foot (ft.)" << false << 0;
    QTest::newRow("both restored, first run") << 1 << "Distance"
                                              << "yard (yd.)" << 0u << "Distance"
                                              << "yard (yd.)"
                                              << "foot (ft.)" << true << 0;
    QTest::newRow("reload off") << 0 << "Distance"
                                << "yard (yd.)" << CFakeApp::kVersion << ""
                                << ""
                                << "" << false << 0;
}

void CDlgMainTest::reloadAtStartUp() {
    QFETCH(int, reload);
    QFETCH(QString, type);
    QFETCH(QString, fromUnit);
    QFETCH(quint32, storedVersion);
    QFETCH(QString, shownType);
    QFETCH(QString, shownFrom);
    QFETCH(QString, shownTo);
    QFETCH(bool, focusInFromBox);
    QFETCH(int, abouts);
    CWorkspaceSettings& settings = m_app->m_settings;
    settings.m_reloadLastUnits = reload;
    settings.m_type = type.toStdString();
    settings.m_fromUnit = fromUnit.toStdString();
    settings.m_toUnit = "foot (ft.)";
    settings.m_storedVersion = storedVersion;

    CDlgMain window(*m_app);
    window.show();
    QCoreApplication::processEvents();
    QCOMPARE(List(window, "typeList")->currentText(), shownType);
    QCOMPARE(List(window, "fromUnitList")->currentText(), shownFrom);
    QCOMPARE(List(window, "toUnitList")->currentText(), shownTo);
    QCOMPARE(List(window, "fromUnitList")->isEnabled(), !shownType.isEmpty());
    QCOMPARE(Box(window, "fromNumberBox")->isEnabled(), !shownFrom.isEmpty());
    QCOMPARE(window.focusWidget() == Box(window, "fromNumberBox"), focusInFromBox);
    QCOMPARE(m_app->m_aboutCalls, abouts);
    window.reject();
}

void CDlgMainTest::resultFitsItsBox_data() {
    QTest::addColumn<int>("precision");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("fromUnit");
    QTest::addColumn<QString>("toUnit");
    QTest::addColumn<QString>("shown");

    QTest::newRow("huge value, high precision") << 10 << "1e40"
                                                << "yard (yd.)"
                                                << "yard (yd.)"
                                                << "1e+40";
    // 3e35 has 36 digits in fixed notation, more than the box's 32.
    QTest::newRow("huge result") << 10 << "1e35"
                                 << "yard (yd.)"
                                 << "foot (ft.)"
                                 << "3e+35";
    QTest::newRow("stored precision 12") << 12 << "1"
                                         << "foot (ft.)"
                                         << "yard (yd.)"
                                         << "0.333333333333";
    QTest::newRow("same unit") << 3 << "1.23456"
                               << "yard (yd.)"
                               << "yard (yd.)"
                               << "1.235";
}

void CDlgMainTest::resultFitsItsBox() {
    QFETCH(int, precision);
    QFETCH(QString, typed);
    QFETCH(QString, fromUnit);
    QFETCH(QString, toUnit);
    QFETCH(QString, shown);
    m_app->m_settings.m_decimalPrecision = precision;
    CDlgMain window(*m_app);
    window.show();
    Choose(List(window, "typeList"), "Distance");
    Choose(List(window, "fromUnitList"), fromUnit);
    Choose(List(window, "toUnitList"), toUnit);
    TypeInto(Box(window, "fromNumberBox"), typed);
    QCOMPARE(Box(window, "toNumberBox")->text(), shown);
    window.reject();
}

void CDlgMainTest::numbersAreWrittenTheLanguagesWay_data() {
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");  // meters typed, kilometers shown
    const QString nbsp(QChar(0xA0));
    QTest::newRow("en point") << "en"
                              << "1,5"
                              << "0.001";
    QTest::newRow("en grouped") << "en"
                                << "1,500.25"
                                << "0.001";
    QTest::newRow("de comma") << "de"
                              << "1,5"
                              << "0,0015";
    QTest::newRow("de grouped") << "de"
                                << "1.500,25"
                                << "1,50025";
    QTest::newRow("de group only") << "de"
                                   << "1.500"
                                   << "1,5";
    QTest::newRow("de point, no group") << "de"
                                        << "1.5"
                                        << "0,0015";
    QTest::newRow("de text after") << "de"
                                   << "2,5 m"
                                   << "0,0025";
    QTest::newRow("de exponent") << "de"
                                 << "2,5e3"
                                 << "2,5";
    QTest::newRow("de negative") << "de"
                                 << "-1,5"
                                 << "-0,0015";
    QTest::newRow("fi comma") << "fi"
                              << "1,5"
                              << "0,0015";
    QTest::newRow("fi group") << "fi"
                              << "1" + nbsp + "500,25"
                              << "1,50025";
    QTest::newRow("fi group typed as space") << "fi"
                                             << "1 500,25"
                                             << "1,50025";
}

void CDlgMainTest::numbersAreWrittenTheLanguagesWay() {
    QFETCH(QString, language);
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    const CScopedLocale locale(language);
    m_app->m_settings.m_decimalPrecision = 5;
    CDlgMain window(*m_app);
    window.show();
    Choose(List(window, "typeList"), "Distance");
    Choose(List(window, "fromUnitList"), "meter (m)");
    Choose(List(window, "toUnitList"), "kilometer (km)");
    TypeInto(Box(window, "fromNumberBox"), typed);
    QCOMPARE(Box(window, "toNumberBox")->text(), shown);
    window.reject();
}

void CDlgMainTest::tooLongNameKeepsWindowOpen() {
    const std::string longName(40, 'x');
    m_app->m_catalogue.AddOrUpdateUnit(CUnit("Long", longName, 1.0, 0.0));
    CDlgMain window(*m_app);
    window.show();
    Choose(List(window, "typeList"), "Long");
    CMessageBox::SetNextAnswer(QMessageBox::Ok);
    Choose(List(window, "fromUnitList"), QString::fromStdString(longName));
    QCOMPARE(CMessageBox::TakeShownTexts(),
             QStringList{QStringLiteral("Please enter no more than 32 characters.")});
    QCOMPARE(window.focusWidget(), List(window, "fromUnitList"));
    CMessageBox::SetNextAnswer(QMessageBox::Ok);
    window.accept();
    QVERIFY(window.isVisible());
    QCOMPARE(CMessageBox::TakeShownTexts().size(), 1);
    window.reject();
}

void CDlgMainTest::enterEndsLikeExit() {
    {
        const auto window = OpenYardToFoot();
        TypeInto(Box(*window, "fromNumberBox"), "2");
        QTest::keyClick(Box(*window, "fromNumberBox"), Qt::Key_Return);
        QVERIFY(!window->isVisible());
        QCOMPARE(window->result(), int(QDialog::Accepted));
    }
    const CWorkspaceSettings& settings = m_app->m_settings;
    QVERIFY(settings.IsModified());
    QCOMPARE(settings.m_type, std::string("Distance"));
    QCOMPARE(settings.m_fromUnit, std::string("yard (yd.)"));
    QCOMPARE(settings.m_toUnit, std::string("foot (ft.)"));
}

void CDlgMainTest::escapeEndsWithoutReadBack() {
    {
        const auto window = OpenYardToFoot();
        QTest::keyClick(Box(*window, "toNumberBox"), Qt::Key_Escape);
        QVERIFY(!window->isVisible());
        QCOMPARE(window->result(), int(QDialog::Rejected));
    }
    QCOMPARE(m_app->m_settings.m_toUnit, std::string("foot (ft.)"));
}

void CDlgMainTest::altTGoesToTypeList() {
    const auto window = OpenYardToFoot();
    Box(*window, "fromNumberBox")->setFocus();
    QApplication::setActiveWindow(window.get());
    // Pressed again and again, it never opens the Tools menu instead.
    for (int press = 0; press < 3; ++press) {
        Box(*window, "fromNumberBox")->setFocus();
        QTest::keyClick(window.get(), Qt::Key_T, Qt::AltModifier);
        QCOMPARE(window->focusWidget(), List(*window, "typeList"));
        QCOMPARE(QApplication::activePopupWidget(), nullptr);
    }
    window->reject();
}

void CDlgMainTest::menuCommandsReachApplication() {
    CDlgMain window(*m_app);
    window.show();
    const auto trigger = [&window](const QString& text) {
        for (QAction* action : window.findChildren<QAction*>()) {
            if (action->text() == text) {
                action->trigger();
                return;
            }
        }
        QFAIL(qPrintable(text));
    };
    trigger(QStringLiteral("&Contents..."));
    trigger(QStringLiteral("&About Tarvo..."));
    QCOMPARE(m_app->m_helpCalls, 1);
    QCOMPARE(m_app->m_aboutCalls, 1);
    // The help key runs the Help command once, from any control; with Shift it does not.
    CHelpKeyFilter filter(*m_app);
    qApp->installEventFilter(&filter);
    QTest::keyClick(List(window, "typeList"), Qt::Key_F1);
    QTest::keyClick(List(window, "typeList"), Qt::Key_F1, Qt::ShiftModifier);
    qApp->removeEventFilter(&filter);
    QCOMPARE(m_app->m_helpCalls, 2);
    trigger(QStringLiteral("E&xit!"));
    QVERIFY(!window.isVisible());
    QCOMPARE(window.result(), int(QDialog::Accepted));
}

void CDlgMainTest::optionsOkAppliesPrecision() {
    const auto window = OpenYardToFoot();
    TypeInto(Box(*window, "fromNumberBox"), "1");
    m_app->m_settings.SetModified(false);
    const CModalGuard guard([](QWidget& modal) {
        if (auto* sheet = qobject_cast<CDlgOptions*>(&modal)) {
            NamedChild<QLineEdit>(*sheet, "precisionBox")->setText(QStringLiteral("5"));
            sheet->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
        }
    });
    for (QAction* action : window->findChildren<QAction*>()) {
        if (action->text() == QStringLiteral("&Options...")) {
            action->trigger();
        }
    }
    QCOMPARE(guard.Handed(), QStringList{QStringLiteral("CDlgOptions")});
    QVERIFY2(!guard.TimedOut(), "OK left the Options sheet open");
    QCOMPARE(m_app->m_settings.m_decimalPrecision, 5);
    QVERIFY(m_app->m_settings.IsModified());
    QVERIFY(!m_app->m_catalogue.IsModified());
    // Converts anew out of the box that has the focus, with the new precision.
    QCOMPARE(Box(*window, "toNumberBox")->text(), QStringLiteral("3"));
    TypeInto(Box(*window, "toNumberBox"), "1");
    QCOMPARE(Box(*window, "fromNumberBox")->text(), QStringLiteral("0.33333"));
    window->reject();
}

QTEST_MAIN(CDlgMainTest)
#include "DlgMainTest.moc"
