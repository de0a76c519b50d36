#include <gtest/gtest.h>

#include <cstdint>
#include <initializer_list>
#include <string>
#include <tuple>
#include <vector>

#include "catalogue/ArchiveWriter.h"
#include "catalogue/StringSink.h"
#include "catalogue/UnitBatch.h"
#include "catalogue/UnitMgr.h"

namespace {

/// A unit of a case: catalogue units carry reserved fields of their own, and so do
/// edits, so that what each path keeps of them shows.
struct Row {
    std::string type;
    std::string name;
    double coefficient;
    bool coefficientOnly = false;  ///< an edit by SetCoefficient instead of AddOrUpdateUnit
};

/// Rows of type named prefix0, prefix1 and on: enough of them for an index to grow.
std::vector<Row> Numbered(const std::string& type, const std::string& prefix, int count,
                          double coefficient) {
    std::vector<Row> rows;
    for (int i = 0; i < count; ++i) {
        rows.push_back({type, prefix + std::to_string(i), coefficient});
    }
    return rows;
}

/// The rows of each part, one part after another.
std::vector<Row> Joined(std::initializer_list<std::vector<Row>> parts) {
    std::vector<Row> rows;
    for (const std::vector<Row>& part : parts) {
        rows.insert(rows.end(), part.begin(), part.end());
    }
    return rows;
}

struct BatchCase {
    const char* what;
    std::vector<Row> catalogue;  ///< in file order, so a type may be scattered
    std::vector<Row> edits;
};

CUnit UnitOf(const Row& row, std::uint32_t serial) {
    CUnit unit(row.type, row.name, row.coefficient, static_cast<double>(serial));
    unit.m_reservedText = "reserved " + std::to_string(serial);
    unit.m_reservedTime = serial;
    unit.m_reservedNumber = -static_cast<std::int32_t>(serial);
    return unit;
}

/// A catalogue read from a file holding the rows, reserved fields and all.
void Load(CUnitMgr& catalogue, const std::vector<Row>& rows) {
    CStringSink sink;
    CArchiveWriter archive(sink);
    archive.WriteUInt32(catalogue.m_headerNumber);
    for (const std::string* text :
         {&catalogue.m_title, &catalogue.m_secondHeader, &catalogue.m_thirdHeader}) {
        archive.WriteText(*text);
    }
    archive.WriteInt32(catalogue.m_headerValue);
    archive.WriteCount(rows.size());
    for (std::size_t i = 0; i < rows.size(); ++i) {
        UnitOf(rows[i], static_cast<std::uint32_t>(i + 1)).Serialize(archive);
    }
    archive.Flush();
    catalogue.LoadFromBytes(sink.Bytes());
}

using Fields =
    std::tuple<std::string, std::string, std::string, double, double, std::uint32_t, std::int32_t>;

std::vector<Fields> FieldsOf(const CUnitMgr& catalogue) {
    std::vector<Fields> fields;
    for (const CUnit& unit : catalogue.Units()) {
        fields.emplace_back(unit.m_type, unit.m_name, unit.m_reservedText, unit.m_coefficient,
                            unit.m_offset, unit.m_reservedTime, unit.m_reservedNumber);
    }
    return fields;
}

const BatchCase kCases[] = {
    {"units added to the end of existing runs",
     {{"A", "a1", 1}, {"A", "a2", 2}, {"B", "b1", 1}},
     {{"B", "b2", 3}, {"A", "a3", 4}, {"A", "a4", 5}, {"B", "b3", 6}}},
    {"new types go to the front, the last created first",
     {{"A", "a1", 1}},
     {{"N", "n1", 1}, {"M", "m1", 2}, {"N", "n2", 3}, {"A", "a2", 4}, {"O", "o1", 5}}},
    {"existing units are overwritten in place and keep their reserved fields",
     {{"A", "a1", 1}, {"A", "a2", 2}, {"B", "b1", 1}},
     {{"A", "a2", 7}, {"B", "b1", 8}, {"A", "a1", 1, true}, {"B", "b1", 9, true}}},
    {"a scattered type is seen through its first run only",
     {{"A", "a1", 1}, {"B", "b1", 1}, {"A", "a2", 2}, {"C", "c1", 1}, {"A", "a3", 3}},
     {{"A", "a2", 5}, {"A", "a1", 6}, {"A", "a3", 7}, {"C", "c2", 8}, {"B", "b2", 9}}},
    {"repeated names in the catalogue and among the edits",
     {{"A", "x", 1}, {"A", "x", 2}, {"B", "y", 1}},
     {{"A", "x", 3}, {"N", "z", 1}, {"N", "z", 2}, {"N", "z", 4, true}, {"A", "x", 5}}},
    {"every edit into an empty catalogue, as a replace does",
     {},
     {{"B", "b1", 1}, {"A", "a1", 2}, {"B", "b2", 3}, {"B", "b1", 4}, {"C", "c1", 5}}},
    {"names and types compare exactly",
     {{"A", "a", 1}},
     {{"a", "a", 2}, {"A", "A", 3}, {"A", "a ", 4}, {"A ", "a", 5}}},
    {"no edits leave the catalogue unmodified", {{"A", "a1", 1}}, {}},
    {"indexes that grow still find every unit",
     Joined({Numbered("A", "a", 40, 1), {{"B", "b1", 1}}, Numbered("A", "later", 3, 1)}),
     Joined({Numbered("N", "n", 40, 2),
             Numbered("A", "a", 40, 3),
             Numbered("A", "x", 40, 4),
             Numbered("N", "n", 40, 5),
             Numbered("A", "later", 3, 6),
             {{"B", "b1", 7}}})},
};

TEST(UnitBatch, GivesWhatTheSameEditsOneByOneGive) {
    for (const BatchCase& test : kCases) {
        SCOPED_TRACE(test.what);
        CUnitMgr oneByOne;
        CUnitMgr batched;
        Load(oneByOne, test.catalogue);
        Load(batched, test.catalogue);
        CUnitBatch batch(batched);
        std::uint32_t serial = 100;
        for (const Row& row : test.edits) {
            const CUnit unit = UnitOf(row, ++serial);
            const int index = oneByOne.FindUnit(unit.m_type, unit.m_name);
            const int handle = batch.FindUnit(unit.m_type, unit.m_name);
            ASSERT_EQ(index < 0, handle < 0) << row.type << "/" << row.name;
            if (index >= 0) {
                EXPECT_EQ(oneByOne.Units()[static_cast<std::size_t>(index)].m_coefficient,
                          batch.Unit(handle).m_coefficient);
            }
            if (row.coefficientOnly) {
                oneByOne.SetCoefficient(index, row.coefficient);
                batch.SetCoefficient(handle, row.coefficient);
            } else {
                EXPECT_EQ(oneByOne.AddOrUpdateUnit(unit), batch.AddOrUpdateUnit(unit));
            }
        }
        batch.Commit();
        EXPECT_EQ(FieldsOf(oneByOne), FieldsOf(batched));
        EXPECT_EQ(oneByOne.IsModified(), batched.IsModified());
    }
}

}  // namespace
