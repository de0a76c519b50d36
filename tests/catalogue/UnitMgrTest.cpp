#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <iterator>
#include <string>
#include <vector>

#include "catalogue/FileError.h"
#include "catalogue/UnitMgr.h"
#include "catalogue/VectorStringList.h"
#include "tests/support/ScratchDir.h"

namespace {

std::vector<std::string> Names(const CUnitMgr& catalogue) {
    std::vector<std::string> names;
    for (const CUnit& unit : catalogue.Units()) {
        names.push_back(unit.m_type + "/" + unit.m_name);
    }
    return names;
}

// Builds a catalogue holding units in the given order (each type's units given together)
// through AddOrUpdateUnit, then marks it unmodified. New types go to the front, so the
// runs are added last first.
CUnitMgr& Fill(CUnitMgr& catalogue, const std::vector<CUnit>& units) {
    auto runEnd = units.end();
    while (runEnd != units.begin()) {
        auto runStart = std::prev(runEnd);
        while (runStart != units.begin() && std::prev(runStart)->m_type == runStart->m_type) {
            --runStart;
        }
        for (auto it = runStart; it != runEnd; ++it) {
            catalogue.AddOrUpdateUnit(*it);
        }
        runEnd = runStart;
    }
    catalogue.SetModified(false);
    return catalogue;
}

// Little-endian bytes of a catalogue file whose one unit carries reserved fields.
std::string FileWithReservedFields() {
    std::string bytes;
    auto put32 = [&bytes](std::uint32_t value) {
        for (int shift = 0; shift < 32; shift += 8) {
            bytes.push_back(static_cast<char>((value >> shift) & 0xFF));
        }
    };
    auto text = [&bytes](const std::string& value) {
        bytes.push_back(static_cast<char>(value.size()));
        bytes += value;
    };
    put32(65536);
    text("Mine");
    text("Other");
    text("Third");
    put32(42);
    bytes += std::string("\x01\x00", 2);
    text("Distance");
    text("inch (in.)");
    text("kept");
    bytes += std::string("\x00\x00\x00\x00\x00\x00\xF0\x3F", 8);  // 1.0
    bytes += std::string(8, '\0');
    put32(7);  // reserved time stamp
    put32(9);  // reserved number
    return bytes;
}

TEST(UnitMgrTest, EmptyCatalogueFindsNothing) {
    CUnitMgr catalogue;
    int first = 5;
    int last = 5;
    EXPECT_FALSE(catalogue.FindTypeRange("Distance", first, last));
    EXPECT_EQ(first, -1);
    EXPECT_EQ(last, -1);
    EXPECT_EQ(catalogue.FindUnit("Distance", "inch (in.)"), -1);
    EXPECT_EQ(catalogue.FindBaseUnit("Distance"), -1);
    CVectorStringList list;
    list.Add("stale");
    catalogue.FillUnitList("Distance", list);
    EXPECT_TRUE(list.Entries().empty());
    list.Add("stale");
    catalogue.FillTypeList(list);
    EXPECT_TRUE(list.Entries().empty());
}

TEST(UnitMgrTest, LookupsCompareExactly) {
    CUnitMgr catalogue;
    Fill(catalogue, {{"Weight", "gram (g)", 1000, 0},
                     {"Weight", "kilogram (kg)", 1, 0},
                     {"Distance", "inch (in.)", 1, 0},
                     {"Distance", "gram (g)", 5, 0}});
    struct Case {
        const char* type;
        const char* name;
        int index;
    };
    const Case cases[] = {
        {"Weight", "gram (g)", 0},     {"Weight", "kilogram (kg)", 1}, {"Distance", "gram (g)", 3},
        {"Distance", "inch (in.)", 2}, {"weight", "gram (g)", -1},     {"Weight", "Gram (g)", -1},
        {"Weight ", "gram (g)", -1},   {"Weight", "gram (g) ", -1},    {"Weight", " gram (g)", -1},
        {"Weight", "inch (in.)", -1},  {"Volume", "gram (g)", -1},     {"", "", -1},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(catalogue.FindUnit(c.type, c.name), c.index) << c.type << "/" << c.name;
    }
    int first = -1;
    int last = -1;
    EXPECT_TRUE(catalogue.FindTypeRange("Distance", first, last));
    EXPECT_EQ(first, 2);
    EXPECT_EQ(last, 3);
}

TEST(UnitMgrTest, InsertsNewTypeAtFrontAndUnitsAfterTheirRun) {
    CUnitMgr catalogue;
    EXPECT_FALSE(catalogue.AddOrUpdateUnit({"Weight", "gram", 1000, 0}));
    EXPECT_FALSE(catalogue.AddOrUpdateUnit({"Weight", "kilogram", 1, 0}));
    EXPECT_FALSE(catalogue.AddOrUpdateUnit({"Distance", "inch", 1, 0}));
    EXPECT_FALSE(catalogue.AddOrUpdateUnit({"Distance", "foot", 1.0 / 12, 0}));
    EXPECT_FALSE(catalogue.AddOrUpdateUnit({"Weight", "ton", 0.001, 0}));
    EXPECT_FALSE(catalogue.AddOrUpdateUnit({"Time", "hour", 1, 0}));
    EXPECT_EQ(Names(catalogue),
              (std::vector<std::string>{"Time/hour", "Distance/inch", "Distance/foot",
                                        "Weight/gram", "Weight/kilogram", "Weight/ton"}));
    EXPECT_TRUE(catalogue.IsModified());
}

TEST(UnitMgrTest, UpdateKeepsPositionAndReplacesValues) {
    CUnitMgr catalogue;
    Fill(catalogue, {{"Temperature", "Celsius", 1, 0}, {"Temperature", "Fahrenheit", 1.8, 32}});
    EXPECT_TRUE(catalogue.AddOrUpdateUnit({"Temperature", "Celsius", 2, 5}));
    EXPECT_TRUE(catalogue.IsModified());
    ASSERT_EQ(catalogue.GetCount(), 2);
    const CUnit unit = catalogue.GetUnit(0);
    EXPECT_EQ(unit.m_name, "Celsius");
    EXPECT_EQ(unit.m_coefficient, 2);
    EXPECT_EQ(unit.m_offset, 5);
}

TEST(UnitMgrTest, BaseUnitIsFirstWithCoefficientExactlyOne) {
    CUnitMgr catalogue;
    Fill(catalogue, {{"Length", "a", 2, 0},
                     {"Length", "b", 1.0000000000000002, 0},
                     {"Length", "c", 1, 0},
                     {"Length", "d", 1, 0},
                     {"Temperature", "Celsius", 1, 0},
                     {"Temperature", "Kelvin", 1, 273.15},
                     {"Temperature", "Fahrenheit", 1.8, 32}});
    EXPECT_EQ(catalogue.FindBaseUnit("Length"), 2);
    EXPECT_EQ(catalogue.FindBaseUnit("Temperature"), 4);
    ASSERT_TRUE(catalogue.RemoveUnit("Temperature", "Celsius"));
    EXPECT_EQ(catalogue.FindBaseUnit("Temperature"), catalogue.FindUnit("Temperature", "Kelvin"));
}

TEST(UnitMgrTest, SettingTheOnlyBaseCoefficientLeavesTypeWithoutBase) {
    CUnitMgr catalogue;
    Fill(catalogue, {{"Distance", "inch", 1, 0},
                     {"Distance", "foot", 1.0 / 12, 0},
                     {"Distance", "yard", 1.0 / 36, 0}});
    const double before = catalogue.Convert(3, "Distance", "foot", "yard");
    catalogue.SetCoefficient(0, 2);
    EXPECT_TRUE(catalogue.IsModified());
    EXPECT_EQ(catalogue.FindBaseUnit("Distance"), -1);
    EXPECT_EQ(catalogue.GetUnit(1).m_coefficient, 1.0 / 12);
    EXPECT_EQ(catalogue.Convert(3, "Distance", "foot", "yard"), before);
}

TEST(UnitMgrTest, CopyAndAssignmentCarryDifferentReservedFields) {
    CUnit source("Distance", "inch", 1, 0);
    source.m_reservedText = "text";
    source.m_reservedTime = 7;
    source.m_reservedNumber = 9;

    const CUnit copy(source);
    EXPECT_EQ(copy.m_name, "inch");
    EXPECT_EQ(copy.m_reservedText, "");
    EXPECT_EQ(copy.m_reservedTime, 0u);
    EXPECT_EQ(copy.m_reservedNumber, 0);

    CUnit assigned("Weight", "gram", 1000, 0);
    assigned.m_reservedText = "mine";
    assigned.m_reservedNumber = 3;
    assigned = source;
    EXPECT_EQ(assigned.m_type, "Distance");
    EXPECT_EQ(assigned.m_coefficient, 1);
    EXPECT_EQ(assigned.m_reservedText, "mine");
    EXPECT_EQ(assigned.m_reservedTime, 7u);
    EXPECT_EQ(assigned.m_reservedNumber, 3);

    const CUnit moved(std::move(source));
    EXPECT_EQ(moved.m_reservedText, "text");
    EXPECT_EQ(moved.m_reservedTime, 7u);
    EXPECT_EQ(moved.m_reservedNumber, 9);
}

TEST(UnitMgrTest, StoredUnitsKeepTheirReservedTextAndNumber) {
    CUnitMgr catalogue;
    catalogue.LoadFromBytes(FileWithReservedFields());
    ASSERT_EQ(catalogue.GetCount(), 1);

    const CUnit handedOut = catalogue.GetUnit(0);
    EXPECT_EQ(handedOut.m_reservedText, "");
    EXPECT_EQ(handedOut.m_reservedNumber, 0);

    CUnit update("Distance", "inch (in.)", 2, 0);
    update.m_reservedText = "new";
    update.m_reservedTime = 5;
    update.m_reservedNumber = 1;
    EXPECT_TRUE(catalogue.AddOrUpdateUnit(update));
    // A unit inserted in front shifts the stored one, which keeps what the file gave it.
    catalogue.AddOrUpdateUnit({"Area", "acre", 1, 0});
    const CUnit& stored = catalogue.Units()[1];
    EXPECT_EQ(stored.m_coefficient, 2);
    EXPECT_EQ(stored.m_reservedText, "kept");
    EXPECT_EQ(stored.m_reservedTime, 5u);
    EXPECT_EQ(stored.m_reservedNumber, 9);
    EXPECT_EQ(catalogue.Units()[0].m_reservedText, "");
}

TEST(UnitMgrTest, RemovalsMarkModifiedOnlyWhenTheyRemove) {
    struct Case {
        const char* what;
        bool (*remove)(CUnitMgr&);
        bool removed;
        int countAfter;
    };
    const Case cases[] = {
        {"unit", [](CUnitMgr& c) { return c.RemoveUnit("Weight", "gram"); }, true, 2},
        {"absent unit", [](CUnitMgr& c) { return c.RemoveUnit("Weight", "inch"); }, false, 3},
        {"unit of absent type", [](CUnitMgr& c) { return c.RemoveUnit("Area", "gram"); }, false, 3},
        {"type", [](CUnitMgr& c) { return c.RemoveType("Weight"); }, true, 1},
        {"absent type", [](CUnitMgr& c) { return c.RemoveType("weight"); }, false, 3},
    };
    for (const Case& c : cases) {
        CUnitMgr catalogue;
        Fill(catalogue,
             {{"Distance", "inch", 1, 0}, {"Weight", "gram", 1000, 0}, {"Weight", "kg", 1, 0}});
        EXPECT_EQ(c.remove(catalogue), c.removed) << c.what;
        EXPECT_EQ(catalogue.IsModified(), c.removed) << c.what;
        EXPECT_EQ(catalogue.GetCount(), c.countAfter) << c.what;
    }
}

TEST(UnitMgrTest, RemoveAllUnitsAlwaysMarksModified) {
    CUnitMgr catalogue;
    catalogue.RemoveAllUnits();
    EXPECT_TRUE(catalogue.IsModified());
    EXPECT_EQ(catalogue.GetCount(), 0);
}

TEST(UnitMgrTest, RemoveTypeRemovesOnlyTheFirstRun) {
    CUnitMgr catalogue;
    catalogue.AddFactoryUnits();
    catalogue.AddFactoryUnits();
    const int time = catalogue.FindUnit("Time", "hour (hr)");
    ASSERT_TRUE(catalogue.RemoveType("Currency"));
    EXPECT_EQ(catalogue.GetCount(), 2 * 153 - 34);
    EXPECT_EQ(catalogue.FindUnit("Time", "hour (hr)"), time - 34);
    // The second run of the type is now the first one a lookup meets.
    EXPECT_EQ(catalogue.FindUnit("Currency", "U.S.A. (Dollar)"), 153 - 34);
}

TEST(UnitMgrTest, TypeRunIsTheFirstRunOfTheType) {
    CUnitMgr catalogue;
    catalogue.AddFactoryUnits();
    catalogue.AddFactoryUnits();  // every type has a second run from 153 on
    struct Case {
        const char* type;
        int begin;
        int end;
    };
    const Case cases[] = {
        {"Currency", 0, 34}, {"Time", 34, 49},   {"Volume", 147, 153},
        {"Length", 0, 0},    {"currency", 0, 0}, {"", 0, 0},
    };
    for (const Case& c : cases) {
        const CUnitMgr::TypeRun run = catalogue.FindTypeRun(c.type);
        EXPECT_EQ(run.begin, c.begin) << c.type;
        EXPECT_EQ(run.end, c.end) << c.type;
        EXPECT_EQ(run.Empty(), c.begin == c.end) << c.type;
    }
}

TEST(UnitMgrTest, FillListsFollowCatalogueOrder) {
    CUnitMgr catalogue;
    Fill(catalogue, {{"Time", "hour", 1, 0},
                     {"Distance", "inch", 1, 0},
                     {"Distance", "foot", 1.0 / 12, 0},
                     {"", "nameless", 1, 0}});
    CVectorStringList list;
    catalogue.FillTypeList(list);
    EXPECT_EQ(list.Entries(), (std::vector<std::string>{"Time", "Distance", ""}));
    catalogue.FillUnitList("Distance", list);
    EXPECT_EQ(list.Entries(), (std::vector<std::string>{"inch", "foot"}));

    CUnitMgr leadingEmpty;
    Fill(leadingEmpty, {{"", "nameless", 1, 0}, {"Time", "hour", 1, 0}});
    leadingEmpty.FillTypeList(list);
    EXPECT_EQ(list.Entries(), (std::vector<std::string>{"Time"}));
}

TEST(UnitMgrTest, CopyUnitsToReplacesUnitsButNotHeaderOrFlag) {
    CUnitMgr source;
    Fill(source, {{"A", "a1", 1, 0}, {"A", "a2", 2, 0}, {"B", "b1", 1, 0}});
    source.SetModified(true);
    CUnitMgr target;
    target.LoadFromBytes(FileWithReservedFields());
    for (const char* name : {"x", "y", "z", "w"}) {
        target.AddOrUpdateUnit({"Z", name, 1, 0});
    }
    target.SetModified(false);
    ASSERT_EQ(target.GetCount(), 5);

    source.CopyUnitsTo(target);
    EXPECT_EQ(Names(target), Names(source));
    EXPECT_EQ(target.m_title, "Mine");
    EXPECT_EQ(target.m_secondHeader, "Other");
    EXPECT_FALSE(target.IsModified());
}

TEST(UnitMgrTest, CloneHasNewHeaderAndIsUnmodified) {
    CUnitMgr loaded;
    loaded.LoadFromBytes(FileWithReservedFields());
    loaded.AddOrUpdateUnit({"Time", "hour", 1, 0});
    ASSERT_TRUE(loaded.IsModified());

    const auto clone = loaded.Clone();
    EXPECT_EQ(clone->m_headerNumber, 65536u);
    EXPECT_EQ(clone->m_title, "Untitled");
    EXPECT_EQ(clone->m_secondHeader, "Unknown");
    EXPECT_EQ(clone->m_thirdHeader, "");
    EXPECT_EQ(clone->m_headerValue, 0);
    EXPECT_FALSE(clone->IsModified());
    EXPECT_EQ(Names(*clone), Names(loaded));
    EXPECT_EQ(clone->Units()[1].m_reservedTime, 7u);
    EXPECT_EQ(clone->Units()[1].m_reservedText, "");
}

TEST(UnitMgrTest, FailedLoadLeavesNoUnitsAndFlagAsItWas) {
    CUnitMgr catalogue;
    catalogue.AddFactoryUnits();
    catalogue.SetModified(true);
    const std::string file = FileWithReservedFields();
    EXPECT_THROW(catalogue.LoadFromBytes(file.substr(0, file.size() - 1)), CFileError);
    EXPECT_EQ(catalogue.GetCount(), 0);
    EXPECT_TRUE(catalogue.IsModified());

    catalogue.AddFactoryUnits();
    const std::string missing = "/nonexistent-directory/Tarvo.Dat";
    try {
        catalogue.LoadFromFile(missing);
        ADD_FAILURE() << "loading a missing file succeeded";
    } catch (const CFileError& error) {
        EXPECT_EQ(error.Path(), missing);
    }
    EXPECT_EQ(catalogue.GetCount(), 0);
}

TEST(UnitMgrTest, SaveAndLoadRoundTripWithoutTouchingModified) {
    const CScratchDir directory;
    const std::string path = directory.File("Tarvo.Dat");

    CUnitMgr saved;
    saved.LoadFromBytes(FileWithReservedFields());
    saved.AddFactoryUnits();
    saved.SaveToFile(path);
    EXPECT_FALSE(saved.IsModified());

    CUnitMgr loaded;
    loaded.LoadFromFile(path);
    EXPECT_FALSE(loaded.IsModified());
    EXPECT_EQ(loaded.SaveToBytes(), saved.SaveToBytes());
    EXPECT_EQ(loaded.m_title, "Mine");
    EXPECT_EQ(loaded.Units()[0].m_reservedNumber, 9);
}

}  // namespace
