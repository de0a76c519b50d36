// The form of the sets in share/tarvo/units/: what a catalogue needs of them to take them
// as they are, and how wide they make it together with the factory units.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <set>
#include <sstream>
#include <string>
#include <utility>

#include "catalogue/TextCodec.h"
#include "catalogue/UnitMgr.h"
#include "formats/UnitTableFile.h"
#include "tests/support/ScratchDir.h"

namespace {

/// The file name of a type's set: lower case, spaces as dashes.
std::string FileName(std::string type) {
    for (char& c : type) {
        c = c == ' ' ? '-' : static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    return type + ".tsv";
}

TEST(UnitSetFilesTest, EachSetIsOneTypeWithItsBaseFirstInTheExportForm) {
    CUnitMgr factory;
    factory.AddFactoryUnits();
    std::set<std::pair<std::string, std::string>> units;
    for (const CUnit& unit : factory.Units()) {
        units.emplace(unit.m_type, unit.m_name);
    }
    std::set<std::string> types;
    for (const auto& [type, name] : units) {
        types.insert(type);
    }
    for (const auto& entry :
         std::filesystem::directory_iterator(TARVO_SOURCE_DIR "/share/tarvo/units/")) {
        const std::string path = entry.path().string();
        CUnitTable table;
        ASSERT_EQ(CUnitTableFile::Read(path, table).fault, CUnitTableFile::Fault::kNone) << path;
        ASSERT_FALSE(table.Units().empty()) << path;
        const CUnit& base = table.Units().front();
        EXPECT_EQ(entry.path().filename(), FileName(base.m_type));
        EXPECT_EQ(base.m_coefficient, 1.0) << path;
        EXPECT_EQ(base.m_offset, 0.0) << path;
        const int factoryBase = factory.FindBaseUnit(base.m_type);
        if (factoryBase >= 0) {
            EXPECT_EQ(base.m_name, factory.GetUnit(factoryBase).m_name) << path;
        }
        types.insert(base.m_type);  // one set a type: the file is named after it
        std::set<std::string> names;
        for (const CUnit& unit : table.Units()) {
            EXPECT_EQ(unit.m_type, base.m_type) << path;
            EXPECT_LE(TextCodec::CountUtf8Characters(unit.m_name).value_or(99), 32U) << unit.m_name;
            EXPECT_TRUE(names.insert(unit.m_name).second) << "twice: " << unit.m_name;
            const bool isFactoryUnit = factory.FindUnit(unit.m_type, unit.m_name) >= 0;
            EXPECT_EQ(isFactoryUnit, factoryBase >= 0 && &unit == &base)
                << "a factory unit other than the base: " << unit.m_name;
            units.emplace(unit.m_type, unit.m_name);
        }
        std::ostringstream exported;
        CUnitTable::Write(exported, table.Units());
        EXPECT_EQ(exported.str(), CScratchDir::Read(entry.path())) << path;
    }
    EXPECT_GE(units.size(), 650U);
    EXPECT_GE(types.size(), 30U);
}

}  // namespace
