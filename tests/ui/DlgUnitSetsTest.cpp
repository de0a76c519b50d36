// Unit Sets... on the Units page: the dialog lists the sets of the application's folder,
// and Add merges the checked ones into the working catalogue, placed against the base each
// type has there; a set that cannot be placed is named in a warning and the others join.
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLayout>
#include <QPushButton>
#include <QTabWidget>
#include <QTimer>
#include <vector>

#include "tests/support/ScratchDir.h"
#include "tests/support/WindowTestSupport.h"
#include "ui/DlgMain.h"
#include "ui/DlgOptions.h"
#include "ui/DlgOptionsUnits.h"
#include "ui/DlgUnitSets.h"
#include "ui/MessageBox.h"
#include "ui/Translation.h"

namespace {

/// A folder of small sets: Force (newton base), Glow (a type no title is known for) and
/// Distance, whose two units the factory catalogue has already; a broken file besides.
struct CSetFolder {
    CSetFolder() {
        const std::string header = "type\tunit\tcoefficient\toffset\n";
        dir.Write("force.tsv", header +
                                   "Force\tnewton (N)\t1\t0\nForce\tkilonewton (kN)\t0.001\t0\n"
                                   "Force\tdyne (dyn)\t100000\t0\n");
        dir.Write("glow.tsv", header + "Glow\tglim\t1\t0\nGlow\tglam\t4\t0\n");
        dir.Write("distance.tsv",
                  header + "Distance\tinch (in.)\t1\t0\nDistance\tmillimeter (mm)\t25.4\t0\n");
        dir.Write("broken.tsv", header + "Glow\tglum\tnone\t0\n");
    }
    QString Path() const { return QString::fromStdString(dir.Path().string()); }

    CScratchDir dir;
};

/// Presses Unit Sets... on the sheet's Units page, checks the sets named by file stem and
/// presses Add; the boxes that follow are answered in advance.
void AddThroughThePage(const CDlgOptions& sheet, const QStringList& stems) {
    CMessageBox::SetNextAnswer(QMessageBox::Ok);
    CMessageBox::SetNextAnswer(QMessageBox::Ok);
    const CModalGuard guard([&stems](QWidget& dialog) {
        for (const QString& stem : stems) {
            NamedChild<QCheckBox>(dialog, stem.toLatin1().constData())->setChecked(true);
        }
        NamedChild<QPushButton>(dialog, "addButton")->click();
    });
    NamedChild<QPushButton>(sheet, "unitSetsButton")->click();
    QCOMPARE(guard.Handed(), QStringList{"CDlgUnitSets"});
}

using Units = std::vector<CUnit>;

}  // namespace

Q_DECLARE_METATYPE(Units)

class DlgUnitSetsTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { CloseStrayBoxesWhileAlive(this); }
    void init() { CMessageBox::Reset(); }
    void cleanup() { VerifyNoWindowLeft(); }

    void addJoinsTheWorkingCatalogue_data() {
        QTest::addColumn<Units>("before");  // the user's own Force units
        QTest::addColumn<QStringList>("messages");
        QTest::addColumn<double>("dyne");  // its coefficient after; -1 for none
        QTest::newRow("two sets") << Units{}
                                  << QStringList{"Added 5 units and updated 0 units from 2 unit "
                                                 "sets."}
                                  << 1e5;
        // The user made kilonewton the base of Force: the set's units follow it.
        QTest::newRow("rescaled") << Units{{"Force", "kilonewton (kN)", 1, 0},
                                           {"Force", "newton (N)", 1000, 0},
                                           {"Force", "dyne (dyn)", 5, 0}}
                                  << QStringList{"Added 2 units and updated 1 units from 2 unit "
                                                 "sets."}
                                  << 1e8;
        QTest::newRow("base missing")
            << Units{{"Force", "pound-force (lbf)", 1, 0}}
            << QStringList{"Added 2 units and updated 0 units from 1 unit sets.",
                           "The unit set Force was not added: the type 'Force' has no unit "
                           "'newton (N)', which the set's units are measured against."}
            << -1.0;
    }

    void addJoinsTheWorkingCatalogue() {
        QFETCH(Units, before);
        QFETCH(QStringList, messages);
        QFETCH(double, dyne);
        const CSetFolder folder;
        CFakeApp app;
        app.m_unitSetFolder = folder.Path();
        for (const CUnit& unit : before) {
            app.m_catalogue.AddOrUpdateUnit(unit);
        }
        const std::string saved = app.m_catalogue.SaveToBytes();
        CDlgOptions sheet(nullptr, app);
        sheet.findChild<QTabWidget*>()->setCurrentIndex(1);
        ShowActive(&sheet);
        auto* type = NamedChild<QComboBox>(sheet, "typeBox");
        TypeInto(type->lineEdit(), "Distance");
        AddThroughThePage(sheet, {"force", "glow"});

        QCOMPARE(CMessageBox::TakeShownTexts(), messages);
        const CUnitMgr& working = sheet.Units().WorkingCatalogue();
        const int index = working.FindUnit("Force", "dyne (dyn)");
        QCOMPARE(index >= 0 ? working.GetUnit(index).m_coefficient : -1.0, dyne);
        // The page shows the catalogue afresh, as after Import.
        QVERIFY(type->findText("Glow") >= 0);
        QCOMPARE(type->currentText(), QString());
        QCOMPARE(app.m_catalogue.SaveToBytes(), saved);
        sheet.close();
    }

    void refusalIsInTheWindowsLanguage() {
        CTranslation german;
        german.Install({"de"});
        const CSetFolder folder;
        CFakeApp app;
        app.m_unitSetFolder = folder.Path();
        app.m_catalogue.AddOrUpdateUnit(CUnit("Force", "pound-force (lbf)", 1, 0));
        CDlgOptions sheet(nullptr, app);
        sheet.findChild<QTabWidget*>()->setCurrentIndex(1);
        ShowActive(&sheet);
        AddThroughThePage(sheet, {"force"});
        const QString shown = CMessageBox::TakeShownTexts().join('\n');
        QVERIFY2(shown.contains("der Typ 'Force' hat keine Einheit 'newton (N)'"),
                 qPrintable(shown));
        sheet.close();
    }

    void wholeSetsAreMarkedAndCannotBeChecked() {
        const CSetFolder folder;
        CFakeApp app;
        CDlgUnitSets dialog(app.m_catalogue, folder.Path());
        auto* distance = NamedChild<QCheckBox>(dialog, "distance");
        auto* glow = NamedChild<QCheckBox>(dialog, "glow");
        auto* add = NamedChild<QPushButton>(dialog, "addButton");
        QCOMPARE(distance->text(), "Distance (2 units, all added)");
        QVERIFY(!distance->isEnabled() && !distance->isChecked());
        QCOMPARE(glow->text(), "Glow (2 units)");
        // Only the readable sets are listed.
        QCOMPARE(dialog.findChildren<QCheckBox*>().size(), 3);
        QVERIFY(!add->isEnabled());
        glow->setChecked(true);
        QVERIFY(add->isEnabled());
        glow->setChecked(false);
        QVERIFY(!add->isEnabled());
    }

    void okKeepsTheSetsAndCancelDropsThem_data() {
        QTest::addColumn<int>("button");
        QTest::addColumn<bool>("kept");
        QTest::newRow("OK") << int(QDialogButtonBox::Ok) << true;
        QTest::newRow("Cancel") << int(QDialogButtonBox::Cancel) << false;
    }

    void okKeepsTheSetsAndCancelDropsThem() {
        QFETCH(int, button);
        QFETCH(bool, kept);
        const CSetFolder folder;
        CFakeApp app;
        app.m_unitSetFolder = folder.Path();
        CDlgMain main(app);
        main.show();
        const CModalGuard guard([button](QWidget& modal) {
            if (auto* sheet = qobject_cast<CDlgOptions*>(&modal)) {
                // Later, so that this handler has returned while the page's dialog runs.
                QTimer::singleShot(0, sheet, [sheet, button] {
                    sheet->findChild<QTabWidget*>()->setCurrentIndex(1);
                    AddThroughThePage(*sheet, {"glow"});
                    sheet->findChild<QDialogButtonBox*>()
                        ->button(QDialogButtonBox::StandardButton(button))
                        ->click();
                });
            }
        });
        NamedChild<QAction>(main, "actionOptions")->trigger();
        QVERIFY(!guard.TimedOut());
        QCOMPARE(app.m_catalogue.FindUnit("Glow", "glam") >= 0, kept);
        QCOMPARE(NamedChild<QComboBox>(main, "typeList")->findText("Glow") >= 0, kept);
        main.reject();
    }

    void shippedSetsAreListedByTitle() {
        CFakeApp app;
        CDlgUnitSets dialog(app.m_catalogue, app.m_unitSetFolder);
        QCOMPARE(dialog.findChildren<QCheckBox*>().size(), 50);
        const auto box = [&dialog](const char* stem) {
            return NamedChild<QCheckBox>(dialog, stem);
        };
        QCOMPARE(box("force")->text(), "Force (14 units)");
        QCOMPARE(box("temperature-difference")->text(), "Temperature difference (5 units)");
        // By title: a file name sorts "data-rate" before "data".
        const QLayout* list = box("data")->parentWidget()->layout();
        QVERIFY(list->indexOf(box("data")) < list->indexOf(box("data-rate")));
    }
};

QTEST_MAIN(DlgUnitSetsTest)
#include "DlgUnitSetsTest.moc"
