#include "catalogue/CatalogueRecord.h"

#include <climits>
#include <cstdint>
#include <filesystem>
#include <system_error>
#include <utility>

#include "catalogue/FileError.h"
#include "catalogue/GuardedFile.h"
#include "catalogue/SafeFileWriter.h"
#include "catalogue/XdgFolder.h"

namespace fs = std::filesystem;

namespace {

// The longest path the system opens, with its line feed in place of the terminating NUL.
constexpr std::uintmax_t kMaxBytes = PATH_MAX;

}  // namespace

std::string CCatalogueRecord::DefaultFile() {
    const std::string state = XdgFolder::StateHome();
    return state.empty() ? state : state + "/tarvo/catalogue";
}

CCatalogueRecord::CCatalogueRecord(std::string file) : m_file(std::move(file)) {}

void CCatalogueRecord::Record(const std::string& catalogueFile) const {
    if (m_file.empty()) {
        throw CFileError(catalogueFile,
                         "no folder for the record (neither XDG_STATE_HOME nor HOME)");
    }
    std::error_code error;
    // Symbolic links stay as the user named them: the record says what the window opened.
    const std::string absolute = fs::absolute(catalogueFile, error).lexically_normal().string();
    if (error) {
        throw CFileError(catalogueFile, error.message());
    }
    if (Recorded() == absolute) {
        return;  // the usual start: nothing to write
    }
    const fs::path folder = fs::path(m_file).parent_path();
    fs::create_directories(folder, error);
    if (error) {
        throw CFileError(folder.string(), error.message());
    }
    CSafeFileWriter writer(m_file);
    writer.Write(absolute + '\n');
    writer.Commit();
}

std::string CCatalogueRecord::Recorded() const {
    if (m_file.empty()) {
        return {};
    }
    const CGuardedFile file(m_file, kMaxBytes);
    std::string path(file.Bytes());
    if (path.ends_with('\n')) {
        path.pop_back();
    }
    // A NUL would cut the path short wherever it is opened.
    const bool usable = path.starts_with('/') && path.find('\0') == std::string::npos;
    return usable ? path : std::string();
}
