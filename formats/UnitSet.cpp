#include "formats/UnitSet.h"

#include <algorithm>
#include <cstddef>
#include <filesystem>
#include <system_error>
#include <utility>

#include "catalogue/NumberText.h"
#include "catalogue/UnitMgr.h"

CUnitSet::CUnitSet(std::string path)
    : m_path(std::move(path)), m_read(CUnitTableFile::Read(m_path, m_table)) {}

std::vector<CUnitSet> CUnitSet::InFolder(const std::string& folder) {
    std::vector<std::string> paths;
    std::error_code error;
    for (std::filesystem::directory_iterator entry(folder, error), end; !error && entry != end;
         entry.increment(error)) {
        if (entry->path().extension() == ".tsv") {
            paths.push_back(entry->path().string());
        }
    }
    std::sort(paths.begin(), paths.end());
    std::vector<CUnitSet> sets;
    sets.reserve(paths.size());
    for (std::string& path : paths) {
        sets.emplace_back(std::move(path));
    }
    return sets;
}

const std::string& CUnitSet::Type() const {
    static const std::string kNone;
    return Units().empty() ? kNone : Units().front().m_type;
}

CUnitSet::Refusal CUnitSet::PlaceIn(const CUnitMgr& catalogue, std::vector<CUnit>& placed) const {
    const std::vector<CUnit>& units = Units();
    const auto otherType = [&](const CUnit& unit) { return unit.m_type != Type(); };
    if (units.empty() || units.front().m_coefficient != 1.0 || units.front().m_offset != 0.0 ||
        std::any_of(units.begin(), units.end(), otherType)) {
        return Refusal::kNotASet;
    }
    // u = s × c + o in the set's base s and s = b × cS + oS in the catalogue's base b, so
    // u = b × c·cS + (oS × c + o).
    const CUnit& base = units.front();
    double scale = 1.0;
    double shift = 0.0;
    if (!catalogue.FindTypeRun(base.m_type).Empty()) {
        const int index = catalogue.FindUnit(base.m_type, base.m_name);
        if (index < 0) {
            return Refusal::kNoBaseUnit;
        }
        const CUnit& there = catalogue.Units()[static_cast<std::size_t>(index)];
        scale = there.m_coefficient;
        shift = there.m_offset;
    }
    placed.clear();
    placed.reserve(units.size());
    for (const CUnit& unit : units) {
        placed.emplace_back(unit.m_type, unit.m_name, unit.m_coefficient * scale,
                            shift * unit.m_coefficient + unit.m_offset);
    }
    return Refusal::kNone;
}

bool CUnitSet::IsIn(const CUnitMgr& catalogue) const {
    std::vector<CUnit> placed;
    if (PlaceIn(catalogue, placed) != Refusal::kNone) {
        return false;
    }
    return std::all_of(placed.begin(), placed.end(), [&](const CUnit& unit) {
        const int index = catalogue.FindUnit(unit.m_type, unit.m_name);
        if (index < 0) {
            return false;
        }
        const CUnit& there = catalogue.Units()[static_cast<std::size_t>(index)];
        return SameDouble(there.m_coefficient, unit.m_coefficient) &&
               SameDouble(there.m_offset, unit.m_offset);
    });
}

CUnitSet::MergeResult CUnitSet::MergeInto(CUnitMgr& catalogue) const {
    MergeResult result;
    std::vector<CUnit> placed;
    result.why = PlaceIn(catalogue, placed);
    switch (result.why) {
        case Refusal::kNone:
            result.count = CUnitTable(std::move(placed)).MergeInto(catalogue);
            break;
        case Refusal::kNotASet:
            result.refusal =
                "the file is not a unit set: units of one type, the first with coefficient 1 "
                "and offset 0";
            break;
        case Refusal::kNoBaseUnit:
            result.refusal = "the type '" + Type() + "' has no unit '" + Units().front().m_name +
                             "', which the set's units are measured against";
            break;
    }
    return result;
}
