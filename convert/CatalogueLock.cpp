#include "convert/CatalogueLock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <charconv>
#include <cstdlib>
#include <cstring>
#include <string_view>
#include <thread>

namespace {

constexpr std::chrono::milliseconds kPoll{20};

std::chrono::milliseconds Wait() {
    const char* text = std::getenv("TARVO_LOCK_TIMEOUT_MS");
    if (text == nullptr) {
        return CCatalogueLock::kDefaultWait;
    }
    const std::string_view value(text);
    long milliseconds = 0;
    const auto [end, fault] =
        std::from_chars(value.data(), value.data() + value.size(), milliseconds);
    const bool valid =
        fault == std::errc() && end == value.data() + value.size() && milliseconds >= 0;
    return valid ? std::chrono::milliseconds(milliseconds) : CCatalogueLock::kDefaultWait;
}

}  // namespace

CCatalogueLock::CCatalogueLock(const std::string& cataloguePath)
    : m_path(cataloguePath + ".lock") {}

CCatalogueLock::~CCatalogueLock() {
    if (m_descriptor >= 0) {
        ::close(m_descriptor);  // which releases the lock
    }
}

bool CCatalogueLock::Acquire(std::string& error) {
    // Never removed: a lock file unlinked while another run waits on it would let a third
    // run lock a new file beside it.
    m_descriptor = ::open(m_path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0644);
    if (m_descriptor < 0) {
        // No file can be made in that folder, so no save can replace the catalogue there
        // either: the run goes on and the save says why it cannot write.
        return true;
    }
    const auto deadline = std::chrono::steady_clock::now() + Wait();
    while (::flock(m_descriptor, LOCK_EX | LOCK_NB) != 0) {
        if (errno != EWOULDBLOCK && errno != EINTR) {
            error = "cannot lock the catalogue: " + m_path + ": " + std::strerror(errno) +
                    "; nothing changed";
            return false;
        }
        if (std::chrono::steady_clock::now() >= deadline) {
            error = "the catalogue is in use by another tarvo-convert; nothing changed";
            return false;
        }
        std::this_thread::sleep_for(kPoll);
    }
    return true;
}
