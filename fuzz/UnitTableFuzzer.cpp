// Reads arbitrary bytes as a unit table. A table with bad lines keeps no units and at
// most kMaxProblems short messages, each naming a line of the input; a table without bad
// lines holds only units the catalogue's rules take, no name twice, and writes out and
// reads back to the same units.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <set>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "catalogue/NumberText.h"
#include "catalogue/UnitRules.h"
#include "formats/UnitTable.h"

namespace {

void Require(bool condition) {
    if (!condition) {
        std::abort();
    }
}

// A message quotes at most 60 characters of a field; a few fields and words fit in this.
constexpr std::size_t kMaxMessageBytes = 1024;

bool SameUnits(const std::vector<CUnit>& a, const std::vector<CUnit>& b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (a[i].m_type != b[i].m_type || a[i].m_name != b[i].m_name ||
            !SameDouble(a[i].m_coefficient, b[i].m_coefficient) ||
            !SameDouble(a[i].m_offset, b[i].m_offset)) {
            return false;
        }
    }
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    std::istringstream in(bytes);
    CUnitTable table;
    std::vector<CUnitTable::Problem> problems;
    const long badLines = table.Read(in, problems);
    if (badLines > 0) {
        Require(table.Units().empty());
        Require(problems.size() ==
                std::min(static_cast<std::size_t>(badLines), CUnitTable::kMaxProblems));
        for (const CUnitTable::Problem& problem : problems) {
            Require(problem.line >= 1 && !problem.message.empty());
            Require(problem.message.size() <= kMaxMessageBytes);
        }
        return 0;
    }
    Require(problems.empty());
    std::set<std::pair<std::string, std::string>> names;
    for (const CUnit& unit : table.Units()) {
        Require(CUnitRules::IsCoefficient(unit.m_coefficient) &&
                CUnitRules::IsOffset(unit.m_offset));
        Require(CUnitRules::IsName(unit.m_type) && CUnitRules::IsName(unit.m_name));
        Require(names.emplace(unit.m_type, unit.m_name).second);
    }

    std::ostringstream out;
    CUnitTable::Write(out, table.Units());
    std::istringstream written(out.str());
    CUnitTable reread;
    Require(reread.Read(written, problems) == 0);
    Require(SameUnits(table.Units(), reread.Units()));
    return 0;
}
