#include "catalogue/UnitMgr.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstring>
#include <string_view>
#include <utility>

#include "catalogue/ArchiveReader.h"
#include "catalogue/ArchiveWriter.h"
#include "catalogue/CatalogueBackups.h"
#include "catalogue/FactoryUnits.h"
#include "catalogue/FileError.h"
#include "catalogue/SafeFileWriter.h"
#include "catalogue/StringList.h"
#include "catalogue/StringSink.h"

namespace {

// The smallest unit record: three empty texts (one length byte each), two doubles and
// two 4-byte numbers. A count the rest of the data cannot hold is refused before the
// array is sized to it.
constexpr std::size_t kMinUnitRecordBytes = 3 * 1 + 8 + 8 + 4 + 4;

std::size_t ToSize(int index) {
    return static_cast<std::size_t>(index);
}

/// The whole content of a file, read straight into a buffer of the file's size.
class CFileBytes {
public:
    /// Reads the file at path; throws CFileError when it cannot be opened or read.
    explicit CFileBytes(const std::string& path) {
        // Non-blocking, so a FIFO or device named like the catalogue cannot hang the
        // start-up; only a regular file is read.
        const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
        if (fd < 0) {
            throw CFileError(path, std::strerror(errno));
        }
        struct stat status {};
        if (::fstat(fd, &status) != 0) {
            const int error = errno;
            ::close(fd);
            throw CFileError(path, std::strerror(error));
        }
        if (!S_ISREG(status.st_mode)) {
            ::close(fd);
            throw CFileError(
                path, S_ISDIR(status.st_mode) ? std::strerror(EISDIR) : "not a regular file");
        }
        int error = 0;
        try {
            error = ReadAll(fd, status);
        } catch (...) {
            ::close(fd);  // a file too large for memory
            throw;
        }
        ::close(fd);
        if (error != 0) {
            throw CFileError(path, std::strerror(error));
        }
    }

    std::string_view View() const { return {m_data.get(), m_size}; }

private:
    /// Reads to the end of the file, growing the buffer should the file have grown since
    /// its size was taken. Returns 0, or the errno of the failure.
    int ReadAll(int fd, const struct stat& status) {
        // One byte more than the size, so a file read to its end needs no second buffer.
        Grow(static_cast<std::size_t>(std::max<off_t>(status.st_size, 0)) + 1);
        for (;;) {
            if (m_size == m_capacity) {
                Grow(2 * m_capacity);
            }
            const ssize_t count = ::read(fd, m_data.get() + m_size, m_capacity - m_size);
            if (count == 0) {
                return 0;
            }
            if (count < 0) {
                if (errno == EINTR) {
                    continue;
                }
                return errno;
            }
            m_size += static_cast<std::size_t>(count);
        }
    }

    void Grow(std::size_t capacity) {
        // Left uninitialised: read() fills what is used, and zeroing a large buffer first
        // would touch every page twice.
        auto data = std::make_unique_for_overwrite<char[]>(capacity);
        if (m_size != 0) {
            std::memcpy(data.get(), m_data.get(), m_size);
        }
        m_data = std::move(data);
        m_capacity = capacity;
    }

    std::unique_ptr<char[]> m_data;
    std::size_t m_size = 0;
    std::size_t m_capacity = 0;
};

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
    if (from == to) {
        return value;
    }
    const CUnit& source = m_units[ToSize(fromIndex)];
    const CUnit& target = m_units[ToSize(toIndex)];
    // This order, multiplication before division, decides the last bit of every result.
    double result = value - source.m_offset;
    result *= target.m_coefficient;
    result /= source.m_coefficient;
    result += target.m_offset;
    return result;
}

void CUnitMgr::LoadFromFile(const std::string& path) {
    m_units.clear();
    const CFileBytes bytes(path);
    CArchiveReader archive(bytes.View(), path);
    Serialize(archive);
}

void CUnitMgr::LoadHeaderFromFile(const std::string& path) {
    m_units.clear();
    const CFileBytes bytes(path);
    CArchiveReader archive(bytes.View(), path);
    // Each record is read into the same unit: the file is refused where loading would
    // refuse it, without the array loading builds.
    CUnit unit;
    for (std::size_t count = ReadHeader(archive); count > 0; --count) {
        unit.Serialize(archive);
    }
}

void CUnitMgr::LoadFromBytes(const std::string& bytes, const std::string& name) {
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
