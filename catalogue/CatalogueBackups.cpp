#include "catalogue/CatalogueBackups.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <system_error>
#include <tuple>
#include <utility>

#include "catalogue/FileError.h"
#include "catalogue/XdgFolder.h"

namespace fs = std::filesystem;

namespace {

// "20261208T230249.123456Z": sorts as it was made; microseconds keep two saves of one
// second apart, and a counter the rare ones of one microsecond.
constexpr std::size_t kStampLength = 23;
constexpr int kMaxNameAttempts = 1000;
constexpr std::string_view kPartSuffix = ".part";
// A copy younger than this may be another save's, still under way.
constexpr auto kStalePartAge = std::chrono::minutes(1);

std::string AbsolutePath(const std::string& path) {
    std::error_code error;
    const fs::path absolute = fs::weakly_canonical(fs::absolute(path, error), error);
    return error ? path : absolute.string();
}

std::string TimeStamp() {
    const auto now = std::chrono::system_clock::now();
    const std::time_t seconds = std::chrono::system_clock::to_time_t(now);
    const auto micros = std::chrono::duration_cast<std::chrono::microseconds>(
                            now.time_since_epoch() % std::chrono::seconds(1))
                            .count();
    std::tm utc{};
    ::gmtime_r(&seconds, &utc);
    char text[32];
    const std::size_t length = std::strftime(text, sizeof text, "%Y%m%dT%H%M%S", &utc);
    std::snprintf(text + length, sizeof text - length, ".%06ldZ", static_cast<long>(micros));
    return text;
}

/// The stamp and counter of a backup name after its prefix; false for any other file.
bool ReadNameTail(std::string_view tail, std::string& stamp, long& counter) {
    if (tail.size() < kStampLength || tail[kStampLength - 1] != 'Z') {
        return false;
    }
    stamp = tail.substr(0, kStampLength);
    counter = 1;
    tail.remove_prefix(kStampLength);
    if (tail.empty()) {
        return true;
    }
    if (tail.size() < 2 || tail.size() > 5 || tail[0] != '-' ||
        !std::all_of(tail.begin() + 1, tail.end(), [](char c) { return c >= '0' && c <= '9'; })) {
        return false;
    }
    counter = std::strtol(std::string(tail.substr(1)).c_str(), nullptr, 10);
    return true;
}

/// "20261208T230249.123456Z" as "2026-12-08 23:02:49 UTC".
std::string ReadableTime(const std::string& stamp) {
    return stamp.substr(0, 4) + '-' + stamp.substr(4, 2) + '-' + stamp.substr(6, 2) + ' ' +
           stamp.substr(9, 2) + ':' + stamp.substr(11, 2) + ':' + stamp.substr(13, 2) + " UTC";
}

void SyncFile(const std::string& path) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

}  // namespace

std::string CCatalogueBackups::DefaultFolder() {
    const std::string state = XdgFolder::StateHome();
    return state.empty() ? state : state + "/tarvo/backups";
}

CCatalogueBackups::CCatalogueBackups(std::string folder) : m_folder(std::move(folder)) {}

std::string CCatalogueBackups::NamePrefix(const std::string& cataloguePath) {
    const std::string absolute = AbsolutePath(cataloguePath);
    std::uint32_t hash = 2166136261U;  // FNV-1a
    for (const char c : absolute) {
        hash = (hash ^ static_cast<unsigned char>(c)) * 16777619U;
    }
    char tag[16];
    std::snprintf(tag, sizeof tag, ".%08x.", static_cast<unsigned>(hash));
    return fs::path(absolute).filename().string() + tag;
}

void CCatalogueBackups::RemoveStaleParts(const std::string& prefix) const {
    std::error_code error;
    const auto now = fs::file_time_type::clock::now();
    for (fs::directory_iterator entry(m_folder, error), end; !error && entry != end;
         entry.increment(error)) {
        const std::string name = entry->path().filename().string();
        std::error_code status;
        if (name.starts_with(prefix) && name.ends_with(kPartSuffix) &&
            entry->is_regular_file(status) &&
            now - entry->last_write_time(status) >= kStalePartAge && !status) {
            fs::remove(entry->path(), status);
        }
    }
}

bool CCatalogueBackups::MakeBackup(const std::string& source, const std::string& backup) const {
    if (::link(source.c_str(), backup.c_str()) == 0) {
        return true;
    }
    if (errno == EEXIST) {
        return false;
    }
    // Another file system, or one without hard links: a copy, complete before it is named.
    std::error_code error;
    if (fs::exists(backup, error)) {
        return false;
    }
    const std::string part = backup + std::string(kPartSuffix);
    fs::copy_file(source, part, fs::copy_options::overwrite_existing, error);
    if (!error) {
        SyncFile(part);
        fs::rename(part, backup, error);
    }
    if (error) {
        const std::string reason = error.message();
        fs::remove(part, error);
        throw CFileError(backup, reason);
    }
    return true;
}

std::string CCatalogueBackups::Keep(const std::string& cataloguePath) const {
    if (m_folder.empty()) {
        throw CFileError(cataloguePath, "no folder for backups (neither XDG_STATE_HOME nor HOME)");
    }
    std::error_code error;
    fs::create_directories(m_folder, error);
    if (error) {
        throw CFileError(m_folder, error.message());
    }
    const std::string source = AbsolutePath(cataloguePath);
    RemoveStaleParts(NamePrefix(cataloguePath));
    const std::string stem = m_folder + '/' + NamePrefix(cataloguePath) + TimeStamp();
    std::string backup = stem;
    for (int counter = 2; !MakeBackup(source, backup); ++counter) {
        if (counter > kMaxNameAttempts) {
            throw CFileError(stem, std::strerror(EEXIST));
        }
        backup = stem + '-' + std::to_string(counter);
    }
    const std::vector<Backup> backups = List(cataloguePath);
    for (std::size_t i = kKept; i < backups.size(); ++i) {
        fs::remove(backups[i].path, error);  // one left over is tried again next time
    }
    return backup;
}

void CCatalogueBackups::KeepBeforeSave(const std::string& cataloguePath) noexcept {
    m_failure.clear();
    try {
        Keep(cataloguePath);
    } catch (const std::exception& failure) {
        m_failure = failure.what();
    }
}

std::string CCatalogueBackups::FolderFault() const {
    struct stat status {};
    if (m_folder.empty()) {
        return {};
    }
    if (::stat(m_folder.c_str(), &status) != 0) {
        // Not there yet is no fault: the first save makes it. A file on the way is one.
        return errno == ENOENT ? std::string() : m_folder + ": " + std::strerror(errno);
    }
    if (!S_ISDIR(status.st_mode)) {
        return m_folder + ": not a folder";
    }
    std::error_code error;
    const fs::directory_iterator entries(m_folder, error);
    return error ? m_folder + ": " + error.message() : std::string();
}

std::vector<CCatalogueBackups::Backup> CCatalogueBackups::List(
    const std::string& cataloguePath) const {
    struct Found {
        std::string stamp;
        long counter;
        Backup backup;
    };
    std::vector<Found> found;
    const std::string prefix = NamePrefix(cataloguePath);
    std::error_code error;
    for (fs::directory_iterator entry(m_folder, error), end; !error && entry != end;
         entry.increment(error)) {
        const std::string name = entry->path().filename().string();
        std::string stamp;
        long counter = 0;
        if (name.starts_with(prefix) &&
            ReadNameTail(std::string_view(name).substr(prefix.size()), stamp, counter)) {
            found.push_back({stamp, counter, {entry->path().string(), ReadableTime(stamp)}});
        }
    }
    std::sort(found.begin(), found.end(), [](const Found& a, const Found& b) {
        return std::tie(a.stamp, a.counter) > std::tie(b.stamp, b.counter);
    });
    std::vector<Backup> backups;
    backups.reserve(found.size());
    for (Found& each : found) {
        backups.push_back(std::move(each.backup));
    }
    return backups;
}
