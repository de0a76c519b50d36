#include "DrillFiles.h"

#include <chrono>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <stdexcept>

#include "catalogue/ArchiveWriter.h"
#include "catalogue/StringSink.h"
#include "catalogue/Unit.h"

namespace {

constexpr std::size_t kUnitsPerType = 1000;

}  // namespace

std::string MakeCatalogueBytes(std::size_t count, int variant) {
    // Written field by field: adding a million units one at a time through the catalogue
    // would search each type's run on every add.
    const std::string tag(1, static_cast<char>('a' + variant));
    CStringSink sink;
    CArchiveWriter archive(sink);
    archive.WriteUInt32(65536);
    archive.WriteText("Drill " + tag);
    archive.WriteText("Unknown");
    archive.WriteText("");
    archive.WriteInt32(variant);
    archive.WriteCount(count);
    for (std::size_t i = 0; i < count; ++i) {
        const std::size_t inType = i % kUnitsPerType;
        char type[32];
        char name[32];
        std::snprintf(type, sizeof type, "T%zu", i / kUnitsPerType);
        std::snprintf(name, sizeof name, "%s%zu", tag.c_str(), inType);
        const CUnit unit(type, name,
                         inType == 0 ? 1.0 : 1.0 + static_cast<double>(inType + variant) / 7, 0.0);
        unit.Serialize(archive);
    }
    archive.Flush();
    return sink.Bytes();
}

std::string ReadFileBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        throw std::runtime_error("cannot read " + path.string());
    }
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void WriteFileBytes(const std::filesystem::path& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << bytes;
    if (!out.flush()) {
        throw std::runtime_error("cannot write " + path.string());
    }
}

std::vector<std::string> TemporaryFilesOf(const std::filesystem::path& target) {
    const std::string prefix = target.filename().string() + ".tmp-";
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(target.parent_path())) {
        const std::string name = entry.path().filename().string();
        if (name.starts_with(prefix)) {
            names.push_back(name);
        }
    }
    return names;
}

double NowSeconds() {
    return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch())
        .count();
}
