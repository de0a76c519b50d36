// Reads arbitrary bytes as a conversion query on the factory units and a unit set's
// pressure, in both ways of writing decimals. Every answer is whole: a conversion names
// units of its type, a refusal says why, and the ranked conversions stay within their limit.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "catalogue/UnitMgr.h"
#include "formats/QueryReader.h"

namespace {

constexpr std::size_t kLimit = 8;

void Require(bool condition) {
    if (!condition) {
        std::abort();
    }
}

const CUnitMgr& Catalogue() {
    static const CUnitMgr* catalogue = [] {
        auto* units = new CUnitMgr;
        units->AddFactoryUnits();
        units->AddOrUpdateUnit(CUnit("Pressure", "pound per square inch (psi)", 14.503773773, 0));
        return units;
    }();
    return *catalogue;
}

void CheckAnswer(const CQueryReader::Answer& answer) {
    using Outcome = CQueryReader::Outcome;
    switch (answer.outcome) {
        case Outcome::kConverted:
            Require(answer.conversions.size() == 1);
            break;
        case Outcome::kAmbiguous:
            Require(answer.conversions.size() >= 2 && !answer.message.empty());
            break;
        case Outcome::kUnitOnly:
            Require(!answer.units.empty() && answer.conversions.empty());
            break;
        case Outcome::kFailed:
            Require(!answer.message.empty() && answer.conversions.empty() && answer.units.empty());
            break;
    }
    for (const CQueryReader::Conversion& conversion : answer.conversions) {
        Require(Catalogue().FindUnit(conversion.type, conversion.from) >= 0);
        Require(Catalogue().FindUnit(conversion.type, conversion.to) >= 0);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const CQueryReader reader(Catalogue());
    const std::string_view query(reinterpret_cast<const char*>(data), size);
    for (const bool decimalComma : {false, true}) {
        CheckAnswer(reader.Read(query, decimalComma));
        Require(reader.Conversions(query, kLimit, decimalComma).size() <= kLimit);
    }
    return 0;
}
