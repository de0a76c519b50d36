#pragma once

#include <sys/types.h>

#include <map>
#include <string>
#include <vector>

#include "tests/support/ScratchDir.h"

/// A D-Bus session bus of a test's own: a dbus-daemon that starts only the services given
/// here, in an environment the test chooses, so that neither the bus nor what it starts
/// touches the user's session or files. Ending the object ends the daemon and every
/// service it started. The end of the thread that made it, a crash included, ends the
/// daemon too; its services then end when idle. The process becomes the subreaper of what
/// the daemon starts, so that ended services are reaped.
class CPrivateSessionBus {
public:
    /// A service the bus starts when its name is first called: a program and its arguments.
    struct Service {
        std::string name;
        std::vector<std::string> command;
    };

    /// Starts the daemon with environment set over the test's own, which it passes on to
    /// the services. Throws std::runtime_error when it does not start.
    CPrivateSessionBus(const std::vector<Service>& services,
                       const std::map<std::string, std::string>& environment);
    ~CPrivateSessionBus();
    CPrivateSessionBus(const CPrivateSessionBus&) = delete;
    CPrivateSessionBus& operator=(const CPrivateSessionBus&) = delete;

    /// The address clients connect to.
    const std::string& Address() const { return m_address; }
    /// What the daemon and the services printed, for the message of a failure.
    std::string Log() const;

private:
    void Start(const std::map<std::string, std::string>& environment);
    void Stop();

    CScratchDir m_scratch;
    pid_t m_daemon = -1;
    std::string m_address;
};
