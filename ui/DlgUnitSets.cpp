#include "ui/DlgUnitSets.h"

#include <QCheckBox>
#include <QFile>
#include <QFileInfo>
#include <QPushButton>
#include <QScrollBar>
#include <algorithm>
#include <cstddef>
#include <iterator>
#include <utility>

#include "catalogue/UnitMgr.h"
#include "ui_DlgUnitSets.h"

namespace {

struct SetTitle {
    const char* stem;
    const char* title;
};

// The titles of the sets in share/tarvo/units, by file name without .tsv.
const SetTitle kTitles[] = {
    {"absorbed-dose", QT_TRANSLATE_NOOP("CDlgUnitSets", "Absorbed dose")},
    {"acceleration", QT_TRANSLATE_NOOP("CDlgUnitSets", "Acceleration")},
    {"amount-of-substance", QT_TRANSLATE_NOOP("CDlgUnitSets", "Amount of substance")},
    {"angle", QT_TRANSLATE_NOOP("CDlgUnitSets", "Angle")},
    {"capacitance", QT_TRANSLATE_NOOP("CDlgUnitSets", "Capacitance")},
    {"capacity", QT_TRANSLATE_NOOP("CDlgUnitSets", "Capacity")},
    {"data", QT_TRANSLATE_NOOP("CDlgUnitSets", "Data")},
    {"data-rate", QT_TRANSLATE_NOOP("CDlgUnitSets", "Data rate")},
    {"density", QT_TRANSLATE_NOOP("CDlgUnitSets", "Density")},
    {"distance", QT_TRANSLATE_NOOP("CDlgUnitSets", "Distance")},
    {"dose-equivalent", QT_TRANSLATE_NOOP("CDlgUnitSets", "Dose equivalent")},
    {"dynamic-viscosity", QT_TRANSLATE_NOOP("CDlgUnitSets", "Dynamic viscosity")},
    {"electric-charge", QT_TRANSLATE_NOOP("CDlgUnitSets", "Electric charge")},
    {"electric-current", QT_TRANSLATE_NOOP("CDlgUnitSets", "Electric current")},
    {"electrical-conductance", QT_TRANSLATE_NOOP("CDlgUnitSets", "Electrical conductance")},
    {"electrical-resistance", QT_TRANSLATE_NOOP("CDlgUnitSets", "Electrical resistance")},
    {"energy", QT_TRANSLATE_NOOP("CDlgUnitSets", "Energy")},
    {"force", QT_TRANSLATE_NOOP("CDlgUnitSets", "Force")},
    {"frequency", QT_TRANSLATE_NOOP("CDlgUnitSets", "Frequency")},
    {"fuel-consumption", QT_TRANSLATE_NOOP("CDlgUnitSets", "Fuel consumption")},
    {"fuel-economy", QT_TRANSLATE_NOOP("CDlgUnitSets", "Fuel economy")},
    {"grammage", QT_TRANSLATE_NOOP("CDlgUnitSets", "Grammage")},
    {"heat-flux-density", QT_TRANSLATE_NOOP("CDlgUnitSets", "Heat flux density")},
    {"illuminance", QT_TRANSLATE_NOOP("CDlgUnitSets", "Illuminance")},
    {"inductance", QT_TRANSLATE_NOOP("CDlgUnitSets", "Inductance")},
    {"kinematic-viscosity", QT_TRANSLATE_NOOP("CDlgUnitSets", "Kinematic viscosity")},
    {"linear-density", QT_TRANSLATE_NOOP("CDlgUnitSets", "Linear density")},
    {"luminance", QT_TRANSLATE_NOOP("CDlgUnitSets", "Luminance")},
    {"magnetic-flux", QT_TRANSLATE_NOOP("CDlgUnitSets", "Magnetic flux")},
    {"magnetic-flux-density", QT_TRANSLATE_NOOP("CDlgUnitSets", "Magnetic flux density")},
    {"mass-flow", QT_TRANSLATE_NOOP("CDlgUnitSets", "Mass flow")},
    {"molar-concentration", QT_TRANSLATE_NOOP("CDlgUnitSets", "Molar concentration")},
    {"power", QT_TRANSLATE_NOOP("CDlgUnitSets", "Power")},
    {"pressure", QT_TRANSLATE_NOOP("CDlgUnitSets", "Pressure")},
    {"radioactivity", QT_TRANSLATE_NOOP("CDlgUnitSets", "Radioactivity")},
    {"rotational-speed", QT_TRANSLATE_NOOP("CDlgUnitSets", "Rotational speed")},
    {"energy-per-mass", QT_TRANSLATE_NOOP("CDlgUnitSets", "Energy per mass")},
    {"heat-capacity-per-mass", QT_TRANSLATE_NOOP("CDlgUnitSets", "Heat capacity per mass")},
    {"speed", QT_TRANSLATE_NOOP("CDlgUnitSets", "Speed")},
    {"surface", QT_TRANSLATE_NOOP("CDlgUnitSets", "Surface")},
    {"surface-tension", QT_TRANSLATE_NOOP("CDlgUnitSets", "Surface tension")},
    {"temperature", QT_TRANSLATE_NOOP("CDlgUnitSets", "Temperature")},
    {"temperature-difference", QT_TRANSLATE_NOOP("CDlgUnitSets", "Temperature difference")},
    {"thermal-conductivity", QT_TRANSLATE_NOOP("CDlgUnitSets", "Thermal conductivity")},
    {"time", QT_TRANSLATE_NOOP("CDlgUnitSets", "Time")},
    {"torque", QT_TRANSLATE_NOOP("CDlgUnitSets", "Torque")},
    {"voltage", QT_TRANSLATE_NOOP("CDlgUnitSets", "Voltage")},
    {"volume", QT_TRANSLATE_NOOP("CDlgUnitSets", "Volume")},
    {"volume-flow", QT_TRANSLATE_NOOP("CDlgUnitSets", "Volume flow")},
    {"weight", QT_TRANSLATE_NOOP("CDlgUnitSets", "Weight")},
};

// A check box reads '&' as its mnemonic marker; a name from a file shows it as written.
QString AsButtonText(QString text) {
    return text.replace(QLatin1Char('&'), QStringLiteral("&&"));
}

}  // namespace

CDlgUnitSets::CDlgUnitSets(const CUnitMgr& catalogue, const QString& folder, QWidget* parent)
    : QDialog(parent), m_ui(std::make_unique<Ui::DlgUnitSets>()) {
    m_ui->setupUi(this);
    m_addButton = m_ui->buttons->addButton(tr("&Add"), QDialogButtonBox::AcceptRole);
    m_addButton->setObjectName(QStringLiteral("addButton"));
    m_addButton->setDefault(true);
    connect(m_ui->buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(m_ui->buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    // A file that cannot be read as a unit table is left out: it could add nothing.
    for (CUnitSet& set : CUnitSet::InFolder(QFile::encodeName(folder).toStdString())) {
        if (set.ReadOutcome().fault == CUnitTableFile::Fault::kNone && set.UnitCount() > 0) {
            m_sets.push_back(std::move(set));
        }
    }
    // By title as read, not by file name, where "data-rate" comes before "data".
    std::stable_sort(m_sets.begin(), m_sets.end(), [](const CUnitSet& a, const CUnitSet& b) {
        return Title(a).localeAwareCompare(Title(b)) < 0;
    });
    m_ui->noSetsLabel->setVisible(m_sets.empty());
    for (const CUnitSet& set : m_sets) {
        AddBox(set, set.IsIn(catalogue));
    }
    // The boxes were made after the buttons; the focus starts on the first box it can tick.
    const auto firstFree = std::find_if(m_boxes.begin(), m_boxes.end(),
                                        [](const QCheckBox* box) { return box->isEnabled(); });
    if (firstFree != m_boxes.end()) {
        (*firstFree)->setFocus();
    }
    // Wide enough for the longest line without a horizontal scroll bar.
    m_ui->setsArea->setMinimumWidth(m_ui->setsList->sizeHint().width() +
                                    m_ui->setsArea->verticalScrollBar()->sizeHint().width() +
                                    2 * m_ui->setsArea->frameWidth());
    resize(sizeHint().width(), fontMetrics().height() * 30);
    EnableAdd();
}

CDlgUnitSets::~CDlgUnitSets() = default;

void CDlgUnitSets::AddBox(const CUnitSet& set, bool added) {
    const QString title = Title(set);
    const QString text = added ? tr("%1 (%2 units, all added)").arg(title).arg(set.UnitCount())
                               : tr("%1 (%2 units)").arg(title).arg(set.UnitCount());
    auto* box = new QCheckBox(AsButtonText(text), m_ui->setsList);
    box->setObjectName(QFileInfo(QFile::decodeName(set.Path().c_str())).completeBaseName());
    box->setEnabled(!added);
    connect(box, &QCheckBox::toggled, this, &CDlgUnitSets::EnableAdd);
    // Before the spacer that keeps the boxes at the top.
    m_ui->setsLayout->insertWidget(m_ui->setsLayout->count() - 1, box);
    m_boxes.push_back(box);
}

void CDlgUnitSets::EnableAdd() {
    m_addButton->setEnabled(std::any_of(m_boxes.begin(), m_boxes.end(),
                                        [](const QCheckBox* box) { return box->isChecked(); }));
}

std::vector<const CUnitSet*> CDlgUnitSets::Chosen() const {
    std::vector<const CUnitSet*> chosen;
    for (std::size_t i = 0; i < m_boxes.size(); ++i) {
        if (m_boxes[i]->isChecked()) {
            chosen.push_back(&m_sets[i]);
        }
    }
    return chosen;
}

QString CDlgUnitSets::Title(const CUnitSet& set) {
    const QByteArray stem =
        QFileInfo(QFile::decodeName(set.Path().c_str())).completeBaseName().toUtf8();
    const auto found = std::find_if(std::begin(kTitles), std::end(kTitles),
                                    [&stem](const SetTitle& entry) { return stem == entry.stem; });
    return found != std::end(kTitles) ? tr(found->title) : QString::fromStdString(set.Type());
}
