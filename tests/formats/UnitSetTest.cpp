#include "formats/UnitSet.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "catalogue/UnitMgr.h"
#include "tests/support/ScratchDir.h"

namespace {

const std::string kHeader = "type\tunit\tcoefficient\toffset\n";

struct MergeCase {
    const char* label;
    std::vector<CUnit> catalogue;  ///< the user's units before the merge
    std::string set;               ///< the set's lines after the header
    std::string refusal;           ///< empty when the set merges
    int added;
    int updated;
    std::vector<CUnit> after;  ///< units that must then be in the catalogue, as given
};

void PrintTo(const MergeCase& c, std::ostream* os) {
    *os << c.label;
}

class UnitSetMerge : public testing::TestWithParam<MergeCase> {};

TEST_P(UnitSetMerge, PlacesTheUnitsAgainstTheSetsBaseAsTheCatalogueHasIt) {
    const CScratchDir scratch;
    const CUnitSet set(scratch.Write("set.tsv", kHeader + GetParam().set));
    CUnitMgr catalogue;
    for (const CUnit& unit : GetParam().catalogue) {
        catalogue.AddOrUpdateUnit(unit);
    }
    const std::vector<CUnit> before = catalogue.Units();
    EXPECT_FALSE(set.IsIn(catalogue));

    const CUnitSet::MergeResult result = set.MergeInto(catalogue);
    EXPECT_EQ(result.refusal, GetParam().refusal);
    EXPECT_EQ(result.count.added, GetParam().added);
    EXPECT_EQ(result.count.updated, GetParam().updated);
    EXPECT_EQ(set.IsIn(catalogue), GetParam().refusal.empty());
    if (!GetParam().refusal.empty()) {
        EXPECT_EQ(catalogue.GetCount(), static_cast<int>(before.size()));
    }
    for (const CUnit& unit : GetParam().after) {
        const int index = catalogue.FindUnit(unit.m_type, unit.m_name);
        ASSERT_GE(index, 0) << unit.m_name;
        EXPECT_DOUBLE_EQ(catalogue.GetUnit(index).m_coefficient, unit.m_coefficient) << unit.m_name;
        EXPECT_NEAR(catalogue.GetUnit(index).m_offset, unit.m_offset, 1e-12) << unit.m_name;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, UnitSetMerge,
    testing::Values(
        MergeCase{"NewTypeAsInTheFile",
                  {{"Time", "hour", 1, 0}},
                  "Force\tnewton (N)\t1\t0\nForce\tdyne (dyn)\t100000\t0\n",
                  "",
                  2,
                  0,
                  {{"Force", "newton (N)", 1, 0}, {"Force", "dyne (dyn)", 1e5, 0}}},
        MergeCase{"RescaledWhereTheUserMadeAnotherBase",
                  {{"Force", "kilonewton (kN)", 1, 0},
                   {"Force", "newton (N)", 1000, 0},
                   {"Force", "my push", 3, 0}},
                  "Force\tnewton (N)\t1\t0\nForce\tdyne (dyn)\t100000\t0\n"
                  "Force\tkilonewton (kN)\t0.001\t0\n",
                  "",
                  1,
                  0,
                  {{"Force", "kilonewton (kN)", 1, 0},
                   {"Force", "newton (N)", 1000, 0},
                   {"Force", "dyne (dyn)", 1e8, 0},
                   {"Force", "my push", 3, 0}}},
        MergeCase{
            "OffsetsThroughAnOffsetBase",
            {{"Temperature", "Kelvin (K)", 1, 0}, {"Temperature", "Celsius (°C)", 1, -273.15}},
            "Temperature\tCelsius (°C)\t1\t0\nTemperature\tRankine (°R)\t1.8\t491.67\n",
            "",
            1,
            0,
            {{"Temperature", "Rankine (°R)", 1.8, 0}}},
        MergeCase{"SameNameOtherValueIsUpdated",
                  {{"Force", "newton (N)", 1, 0}, {"Force", "dyne (dyn)", 1e4, 0}},
                  "Force\tnewton (N)\t1\t0\nForce\tdyne (dyn)\t100000\t0\n",
                  "",
                  0,
                  1,
                  {{"Force", "dyne (dyn)", 1e5, 0}}},
        MergeCase{"RefusedWithoutTheSetsBase",
                  {{"Force", "kilonewton (kN)", 1, 0}},
                  "Force\tnewton (N)\t1\t0\nForce\tdyne (dyn)\t100000\t0\n",
                  "the type 'Force' has no unit 'newton (N)', which the set's units are "
                  "measured against",
                  0,
                  0,
                  {{"Force", "kilonewton (kN)", 1, 0}}},
        MergeCase{"RefusedWhenNotASet",
                  {},
                  "Force\tnewton (N)\t1\t0\nPower\twatt (W)\t1\t0\n",
                  "the file is not a unit set: units of one type, the first with coefficient 1 "
                  "and offset 0",
                  0,
                  0,
                  {}}),
    [](const testing::TestParamInfo<MergeCase>& testInfo) { return testInfo.param.label; });

TEST(UnitSetTest, ListsTheTsvFilesOfAFolderByName) {
    const CScratchDir scratch;
    scratch.Write("power.tsv", kHeader + "Power\twatt (W)\t1\t0\nPower\tkilowatt (kW)\t0.001\t0\n");
    scratch.Write("angle.tsv", kHeader + "Angle\tdegree (°)\t1\t0\n");
    scratch.Write("broken.tsv", "");
    scratch.Write("notes.txt", kHeader + "Angle\tturn\t1\t0\n");
    const std::vector<CUnitSet> sets = CUnitSet::InFolder(scratch.Path().string());
    ASSERT_EQ(sets.size(), 3U);
    EXPECT_EQ(sets[0].Type(), "Angle");
    EXPECT_EQ(sets[0].UnitCount(), 1);
    EXPECT_EQ(sets[1].ReadOutcome().fault, CUnitTableFile::Fault::kEmpty);
    EXPECT_EQ(sets[1].Type(), "");
    EXPECT_EQ(sets[2].Path(), scratch.File("power.tsv"));
    EXPECT_EQ(sets[2].UnitCount(), 2);
    EXPECT_TRUE(CUnitSet::InFolder(scratch.File("missing")).empty());
}

TEST(UnitSetTest, EveryShippedSetJoinsTheFactoryUnitsOnce) {
    CUnitMgr catalogue;
    catalogue.AddFactoryUnits();
    const std::vector<CUnitSet> sets = CUnitSet::InFolder(TARVO_SOURCE_DIR "/share/tarvo/units/");
    ASSERT_GE(sets.size(), 30U);
    for (const CUnitSet& set : sets) {
        const bool extendsFactory = catalogue.FindBaseUnit(set.Type()) >= 0;
        const CUnitSet::MergeResult result = set.MergeInto(catalogue);
        EXPECT_EQ(result.refusal, "") << set.Path();
        EXPECT_EQ(result.count.added, set.UnitCount() - (extendsFactory ? 1 : 0)) << set.Path();
        EXPECT_TRUE(set.IsIn(catalogue)) << set.Path();
        const CUnitSet::MergeResult again = set.MergeInto(catalogue);
        EXPECT_EQ(again.count.added + again.count.updated, 0) << set.Path();
    }
}

}  // namespace
