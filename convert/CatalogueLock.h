#pragma once

#include <chrono>
#include <string>

/// An advisory lock that one tarvo-convert holds while it reads, changes and saves a
/// catalogue, so that runs at the same time never lose each other's changes. It locks the
/// file "CATALOGUE.lock" beside the catalogue, not the catalogue itself: a save replaces
/// the catalogue's inode by a rename, which would drop a lock held on the old one.
class CCatalogueLock {
public:
    /// How long Acquire waits by default for another run to finish.
    static constexpr std::chrono::milliseconds kDefaultWait{10000};

    explicit CCatalogueLock(const std::string& cataloguePath);
    ~CCatalogueLock();
    CCatalogueLock(const CCatalogueLock&) = delete;
    CCatalogueLock& operator=(const CCatalogueLock&) = delete;

    /// Takes the lock, waiting up to TARVO_LOCK_TIMEOUT_MS milliseconds (kDefaultWait when
    /// unset); false with error when another run holds it that long. Where no lock file
    /// can be made, true without a lock: no save can write there either.
    bool Acquire(std::string& error);

private:
    std::string m_path;
    int m_descriptor = -1;
};
