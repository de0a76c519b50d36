// Unit Sets... on the Units page: the dialog lists the sets of the application's folder,
// and Add merges the checked ones into the working catalogue, placed against the base each
// type has there; a set that cannot be placed is named in a warning and the others join.
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLayout>
#include <QPushButton>
#include <QRegularExpression>
#include <QTabWidget>
#include <QTimer>
#include <functional>

#include "tests/support/ScratchDir.h"
#include "tests/support/WindowTestSupport.h"
#include "ui/DlgMain.h"
#include "ui/DlgOptions.h"
#include "ui/DlgOptionsUnits.h"
#include "ui/DlgUnitSets.h"
#include "ui/MessageBox.h"

namespace {

const std::string kHeader = "type\tunit\tcoefficient\toffset\n";

/// A folder of small sets: Force (newton base), Glow (a type no title is known for) and
/// Distance, whose two units the factory catalogue has already; a broken file besides.
class CSetFolder {
public:
    CSetFolder() {
        m_dir.Write("force.tsv", kHeader +
                                     "Force\tnewton (N)\t1\t0\n"
                                     "Force\tkilonewton (kN)\t0.001\t0\n"
                                     "Force\tdyne (dyn)\t100000\t0\n");
        m_dir.Write("glow.tsv", kHeader + "Glow\tglim\t1\t0\nGlow\tglam\t4\t0\n");
        m_dir.Write("distance.tsv",
                    kHeader + "Distance\tinch (in.)\t1\t0\nDistance\tmillimeter (mm)\t25.4\t0\n");
        m_dir.Write("broken.tsv", kHeader + "Glow\tglum\tnone\t0\n");
    }
    QString Path() const { return QString::fromStdString(m_dir.Path().string()); }

private:
    CScratchDir m_dir;
};

/// Checks the boxes of the sets named, by file stem, and presses Add.
void AddSets(QWidget& dialog, const QStringList& stems) {
    for (const QString& stem : stems) {
        NamedChild<QCheckBox>(dialog, stem.toLatin1().constData())->setChecked(true);
    }
    NamedChild<QPushButton>(dialog, "addButton")->click();
}

/// Presses Unit Sets... on the sheet's Units page and adds the sets named; the boxes that
/// follow are answered in advance.
void AddThroughThePage(const CDlgOptions& sheet, const QStringList& stems) {
    CMessageBox::SetNextAnswer(QMessageBox::Ok);
    CMessageBox::SetNextAnswer(QMessageBox::Ok);
    const CModalGuard guard([&stems](QWidget& modal) { AddSets(modal, stems); });
    NamedChild<QPushButton>(sheet, "unitSetsButton")->click();
    QCOMPARE(guard.Handed(), QStringList{"CDlgUnitSets"});
}

using Edit = std::function<void(CUnitMgr&)>;

}  // namespace

Q_DECLARE_METATYPE(Edit)

class DlgUnitSetsTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { CloseStrayBoxesWhileAlive(this); }
    void init() { CMessageBox::Reset(); }
    void cleanup() { VerifyNoWindowLeft(); }

    void addJoinsTheWorkingCatalogue_data() {
        QTest::addColumn<Edit>("edit");
        QTest::addColumn<QStringList>("checked");
        QTest::addColumn<QStringList>("messages");
        QTest::addColumn<QString>("probeType");
        QTest::addColumn<QString>("probeUnit");
        QTest::addColumn<double>("coefficient");
        const Edit none = [](CUnitMgr&) {};
        QTest::newRow("new type") << none << QStringList{"glow"}
                                  << QStringList{"Added 2 units and updated 0 units from 1 unit "
                                                 "sets."}
                                  << "Glow"
                                  << "glam" << 4.0;
        QTest::newRow("two sets") << none << QStringList{"force", "glow"}
                                  << QStringList{"Added 5 units and updated 0 units from 2 unit "
                                                 "sets."}
                                  << "Force"
                                  << "dyne (dyn)" << 100000.0;
        // The user made kilonewton the base of Force: the set's units follow it.
        QTest::newRow("rescaled") << Edit([](CUnitMgr& units) {
            units.AddOrUpdateUnit(CUnit("Force", "kilonewton (kN)", 1, 0));
            units.AddOrUpdateUnit(CUnit("Force", "newton (N)", 1000, 0));
            units.AddOrUpdateUnit(CUnit("Force", "dyne (dyn)", 5, 0));
        }) << QStringList{"force"}
                                  << QStringList{"Added 0 units and updated 1 units from 1 unit "
                                                 "sets."}
                                  << "Force"
                                  << "dyne (dyn)" << 1e8;
        QTest::newRow("base missing")
            << Edit([](CUnitMgr& units) {
                   units.AddOrUpdateUnit(CUnit("Force", "pound-force (lbf)", 1, 0));
               })
            << QStringList{"force", "glow"}
            << QStringList{"Added 2 units and updated 0 units from 1 unit sets.",
                           "The unit set Force was not added: the type 'Force' has no unit "
                           "'newton (N)', which the set's units are measured against."}
            << "Force"
            << "dyne (dyn)" << -1.0;
    }

    void addJoinsTheWorkingCatalogue() {
        QFETCH(Edit, edit);
        QFETCH(QStringList, checked);
        QFETCH(QStringList, messages);
        QFETCH(QString, probeType);
        QFETCH(QString, probeUnit);
        QFETCH(double, coefficient);
        const CSetFolder folder;
        CFakeApp app;
        app.m_unitSetFolder = folder.Path();
        edit(app.m_catalogue);
        const std::string before = app.m_catalogue.SaveToBytes();
        CDlgOptions sheet(nullptr, app);
        sheet.findChild<QTabWidget*>()->setCurrentIndex(1);
        ShowActive(&sheet);
        auto* type = NamedChild<QComboBox>(sheet, "typeBox");
        TypeInto(type->lineEdit(), "Distance");
        AddThroughThePage(sheet, checked);

        QCOMPARE(CMessageBox::TakeShownTexts(), messages);
        const CUnitMgr& working = sheet.Units().WorkingCatalogue();
        const int probe = working.FindUnit(probeType.toStdString(), probeUnit.toStdString());
        QCOMPARE(probe >= 0 ? working.GetUnit(probe).m_coefficient : -1.0, coefficient);
        // The page shows the catalogue afresh, as after Import.
        QVERIFY(type->findText(probeType) >= 0);
        QCOMPARE(type->currentText(), QString());
        QCOMPARE(app.m_catalogue.SaveToBytes(), before);
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
        QVERIFY(glow->isEnabled());
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

    void shippedSetsAreListedWithTheirTitles() {
        CFakeApp app;
        CDlgUnitSets dialog(app.m_catalogue, app.m_unitSetFolder);
        const QList<QCheckBox*> boxes = dialog.findChildren<QCheckBox*>();
        QCOMPARE(boxes.size(), 50);
        QCOMPARE(NamedChild<QCheckBox>(dialog, "force")->text(), "Force (14 units)");
        QCOMPARE(NamedChild<QCheckBox>(dialog, "temperature-difference")->text(),
                 "Temperature difference (5 units)");
        // Sorted by title: a file name sorts "data-rate" before "data".
        const QLayout* layout = boxes.front()->parentWidget()->layout();
        QVERIFY(layout->indexOf(NamedChild<QCheckBox>(dialog, "data")) <
                layout->indexOf(NamedChild<QCheckBox>(dialog, "data-rate")));
        static const QRegularExpression kText(R"(^[A-Z][a-z ]+ \(\d+ units(, all added)?\)$)");
        for (const QCheckBox* box : boxes) {
            QVERIFY2(kText.match(box->text()).hasMatch(), qPrintable(box->text()));
        }
    }
};

QTEST_MAIN(DlgUnitSetsTest)
#include "DlgUnitSetsTest.moc"
