#include "catalogue/UnitMgr.h"

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <new>
#include <string_view>
#include <system_error>
#include <utility>

#include "catalogue/ArchiveReader.h"
#include "catalogue/ArchiveWriter.h"
#include "catalogue/CatalogueBackups.h"
#include "catalogue/FactoryUnits.h"
#include "catalogue/FileError.h"
#include "catalogue/GuardedFile.h"
#include "catalogue/SafeFileWriter.h"
#include "catalogue/StringList.h"
#include "catalogue/StringSink.h"

namespace {

// The smallest unit record: three empty texts (one length byte each), two doubles and
// two 4-byte numbers. A count the rest of the data cannot hold is refused before the
// array is sized to it.
constexpr std::size_t kMinUnitRecordBytes = 3 * 1 + 8 + 8 + 4 + 4;

// Far above any catalogue a person keeps (a million units take 35 MB), and far below
// what would exhaust the memory of a desktop when read.
constexpr std::uintmax_t kMaxFileBytes = std::uintmax_t{256} << 20;

/// The catalogue file at path, read whole; throws CFileError when it cannot be.
CGuardedFile ReadCatalogueFile(const std::string& path) {
    CGuardedFile file(path, kMaxFileBytes);
    file.ThrowOnFault();
    return file;
}

std::size_t ToSize(int index) {
    return static_cast<std::size_t>(index);
}

}  // namespace

bool CUnitMgr::FindTypeRange(const std::string& type, int& first, int& last) const {
    const TypeRun run = FindTypeRun(type);
    first = run.Empty() ? -1 : run.begin;
    last = run.Empty() ? -1 : run.end - 1;
    return !run.Empty();
}

CUnitMgr::TypeRun CUnitMgr::FindTypeRun(const std::string& type) const {
    const int count = GetCount();
    TypeRun run;
    while (run.begin < count && m_units[ToSize(run.begin)].m_type != type) {
        ++run.begin;
    }
    if (run.begin == count) {
        return {};
    }
    run.end = run.begin + 1;
    while (run.end < count && m_units[ToSize(run.end)].m_type == type) {
        ++run.end;
    }
    return run;
}

int CUnitMgr::FindUnit(const std::string& type, const std::string& name) const {
    const TypeRun run = FindTypeRun(type);
    for (int i = run.begin; i < run.end; ++i) {
        if (m_units[ToSize(i)].m_name == name) {
            return i;
        }
    }
    return -1;
}

int CUnitMgr::FindBaseUnit(const std::string& type) const {
    const TypeRun run = FindTypeRun(type);
    for (int i = run.begin; i < run.end; ++i) {
        if (m_units[ToSize(i)].m_coefficient == 1.0) {
            return i;
        }
    }
    return -1;
}

CUnit CUnitMgr::GetUnit(int index) const {
    return m_units[ToSize(index)];
}

void CUnitMgr::SetCoefficient(int index, double coefficient) {
    m_units[ToSize(index)].m_coefficient = coefficient;
    m_modified = 1;
}

bool CUnitMgr::AddOrUpdateUnit(const CUnit& unit) {
    const TypeRun run = FindTypeRun(unit.m_type);
    for (int i = run.begin; i < run.end; ++i) {
        if (m_units[ToSize(i)].m_name == unit.m_name) {
            m_units[ToSize(i)] = unit;
            m_modified = 1;
            return true;
        }
    }
    // A new type goes to the front (its empty run ends at 0); a known type grows at the end
    // of its run. The fresh default unit takes the given one by assignment, like an
    // overwrite does.
    const int position = run.end;
    m_units.emplace(m_units.begin() + position);
    m_units[ToSize(position)] = unit;
    m_modified = 1;
    return false;
}

bool CUnitMgr::RemoveUnit(const std::string& type, const std::string& name) {
    const int index = FindUnit(type, name);
    if (index < 0) {
        return false;
    }
    m_units.erase(m_units.begin() + index);
    m_modified = 1;
    return true;
}

bool CUnitMgr::RemoveType(const std::string& type) {
    const TypeRun run = FindTypeRun(type);
    if (run.Empty()) {
        return false;
    }
    m_units.erase(m_units.begin() + run.begin, m_units.begin() + run.end);
    m_modified = 1;
    return true;
}

void CUnitMgr::RemoveAllUnits() {
    m_units.clear();
    m_modified = 1;
}

void CUnitMgr::FillTypeList(CStringList& list) const {
    list.Reset();
    // An empty type is never listed while it follows the start or another empty type.
    std::string previous;
    for (const CUnit& unit : m_units) {
        if (unit.m_type != previous) {
            list.Add(unit.m_type);
            previous = unit.m_type;
        }
    }
}

void CUnitMgr::FillUnitList(const std::string& type, CStringList& list) const {
    list.Reset();
    const TypeRun run = FindTypeRun(type);
    for (int i = run.begin; i < run.end; ++i) {
        list.Add(m_units[ToSize(i)].m_name);
    }
}

void CUnitMgr::CopyUnitsTo(CUnitMgr& target) const {
    // Resize, then assign: units already in the target keep their reserved text and number.
    target.m_units.resize(m_units.size());
    std::copy(m_units.begin(), m_units.end(), target.m_units.begin());
}

std::unique_ptr<CUnitMgr> CUnitMgr::Clone() const {
    auto clone = std::make_unique<CUnitMgr>();
    CopyUnitsTo(*clone);
    return clone;
}

double CUnitMgr::Convert(double value, const std::string& type, const std::string& from,
                         const std::string& to) const {
    const int fromIndex = FindUnit(type, from);
    if (fromIndex < 0) {
        return 0.0;
    }
    const int toIndex = FindUnit(type, to);
    if (toIndex < 0) {
        return 0.0;
    }
    // One name in one type is one unit: FindUnit gives the first unit of the name.
    return ConvertAt(value, fromIndex, toIndex);
}

double CUnitMgr::ConvertAt(double value, int from, int to) const {
    if (from == to) {
        return value;
    }
    const CUnit& source = m_units[ToSize(from)];
    const CUnit& target = m_units[ToSize(to)];
    // This order, multiplication before division, decides the last bit of every result.
    double result = value - source.m_offset;
    result *= target.m_coefficient;
    result /= source.m_coefficient;
    result += target.m_offset;
    return result;
}

void CUnitMgr::LoadFromFile(const std::string& path) {
    m_units.clear();
    LoadFromBytes(ReadCatalogueFile(path).Bytes(), path);
}

void CUnitMgr::LoadHeaderFromFile(const std::string& path) {
    m_units.clear();
    const CGuardedFile file = ReadCatalogueFile(path);
    CArchiveReader archive(file.Bytes(), path);
    // Each record is read into the same unit: the file is refused where loading would
    // refuse it, without the array loading builds.
    CUnit unit;
    for (std::size_t count = ReadHeader(archive); count > 0; --count) {
        unit.Serialize(archive);
    }
}

bool CUnitMgr::LoadFromFileOrFactory(const std::string& path) {
    // A missing file is the usual first run, not worth an exception.
    std::error_code missing;
    if (!path.empty() && std::filesystem::exists(path, missing)) {
        try {
            LoadFromFile(path);
            return true;
        } catch (const CFileError&) {
            // Damaged, not a catalogue, or no regular file: the factory units stand in for
            // it, unreported, in the window and the command alike. Only the command's edits
            // refuse such a file, because they would overwrite it.
        } catch (const std::bad_alloc&) {
            // Too large for this machine's memory: the same.
        }
    }
    AddFactoryUnits();
    return false;
}

void CUnitMgr::LoadFromBytes(std::string_view bytes, const std::string& name) {
    CArchiveReader archive(bytes, name);
    Serialize(archive);
}

void CUnitMgr::SaveToFile(const std::string& path, CCatalogueBackups* backups) const {
    CSafeFileWriter file(path);
    CArchiveWriter archive(file);
    Serialize(archive);
    archive.Flush();
    if (backups == nullptr) {
        file.Commit();
        return;
    }
    file.Commit([backups](const std::string& replaced) { backups->KeepBeforeSave(replaced); });
}

std::string CUnitMgr::SaveToBytes() const {
    CStringSink sink;
    CArchiveWriter archive(sink);
    Serialize(archive);
    archive.Flush();
    return sink.Bytes();
}

void CUnitMgr::Serialize(CArchiveReader& archive) {
    m_units.clear();
    try {
        // Each unit is read into place right after it is made, while it is still in cache.
        const std::size_t count = ReadHeader(archive);
        m_units.reserve(count);
        for (std::size_t i = 0; i < count; ++i) {
            m_units.emplace_back().Serialize(archive);
        }
    } catch (...) {
        m_units.clear();
        throw;
    }
}

std::size_t CUnitMgr::ReadHeader(CArchiveReader& archive) {
    m_headerNumber = archive.ReadUInt32();
    m_title = archive.ReadText();
    m_secondHeader = archive.ReadText();
    m_thirdHeader = archive.ReadText();
    m_headerValue = archive.ReadInt32();
    return archive.ReadCount(kMinUnitRecordBytes);
}

void CUnitMgr::Serialize(CArchiveWriter& archive) const {
    archive.WriteUInt32(m_headerNumber);
    archive.WriteText(m_title);
    archive.WriteText(m_secondHeader);
    archive.WriteText(m_thirdHeader);
    archive.WriteInt32(m_headerValue);
    archive.WriteCount(m_units.size());
    for (const CUnit& unit : m_units) {
        unit.Serialize(archive);
    }
}

void CUnitMgr::AddFactoryUnits() {
    for (const CFactoryUnit& row : FactoryUnits()) {
        m_units.emplace_back(std::string(row.type), std::string(row.name), row.coefficient,
                             row.offset);
    }
}
