// Feeds arbitrary bytes to the catalogue loader. A load either fails cleanly with no
// units left, or gives a catalogue that saves, loads back to the same fields and saves
// again to the same bytes.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "catalogue/FileError.h"
#include "catalogue/NumberText.h"
#include "catalogue/UnitMgr.h"

namespace {

void Require(bool condition) {
    if (!condition) {
        std::abort();
    }
}

bool SameUnit(const CUnit& a, const CUnit& b) {
    return a.m_type == b.m_type && a.m_name == b.m_name && a.m_reservedText == b.m_reservedText &&
           SameDouble(a.m_coefficient, b.m_coefficient) && SameDouble(a.m_offset, b.m_offset) &&
           a.m_reservedTime == b.m_reservedTime && a.m_reservedNumber == b.m_reservedNumber;
}

bool SameCatalogue(const CUnitMgr& a, const CUnitMgr& b) {
    if (a.m_headerNumber != b.m_headerNumber || a.m_title != b.m_title ||
        a.m_secondHeader != b.m_secondHeader || a.m_thirdHeader != b.m_thirdHeader ||
        a.m_headerValue != b.m_headerValue || a.GetCount() != b.GetCount()) {
        return false;
    }
    for (std::size_t i = 0; i < a.Units().size(); ++i) {
        if (!SameUnit(a.Units()[i], b.Units()[i])) {
            return false;
        }
    }
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    CUnitMgr catalogue;
    try {
        catalogue.LoadFromBytes(bytes, "fuzz input");
    } catch (const CFileError&) {
        Require(catalogue.GetCount() == 0);
        return 0;
    }
    Require(!catalogue.IsModified());

    // Anything that loads must survive its own save: a throw here is a finding.
    const std::string saved = catalogue.SaveToBytes();
    CUnitMgr reloaded;
    reloaded.LoadFromBytes(saved, "saved copy");
    Require(SameCatalogue(catalogue, reloaded));
    Require(reloaded.SaveToBytes() == saved);
    return 0;
}
