#include "tests/support/PrivateSessionBus.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <filesystem>
#include <stdexcept>
#include <system_error>

extern char** environ;

namespace {

// The daemon prints its address once it listens: far sooner than this on a busy machine.
constexpr std::chrono::milliseconds kStartTime{10000};

// A session bus on which anyone may own any name and call anything; its socket and service
// folder follow.
constexpr const char* kConfiguration =
    R"(<!DOCTYPE busconfig PUBLIC "-//freedesktop//DTD D-Bus Bus Configuration 1.0//EN"
 "http://www.freedesktop.org/standards/dbus/1.0/busconfig.dtd">
<busconfig>
  <type>session</type>
  <auth>EXTERNAL</auth>
  <policy context="default">
    <allow send_destination="*" eavesdrop="true"/>
    <allow eavesdrop="true"/>
    <allow own="*"/>
  </policy>
)";

std::string XmlText(const std::string& text) {
    std::string escaped;
    for (const char c : text) {
        escaped += c == '&' ? "&amp;" : c == '<' ? "&lt;" : c == '>' ? "&gt;" : std::string(1, c);
    }
    return escaped;
}

// One word of a service file's Exec line, which the daemon splits as a shell does.
std::string ShellWord(const std::string& word) {
    std::string quoted = "'";
    for (const char c : word) {
        quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    }
    return quoted + "'";
}

// The program's path by $PATH, found before fork: the child may only call what is safe
// between fork and exec.
std::string FindProgram(const std::string& name) {
    const char* path = getenv("PATH");
    std::string folders = path != nullptr ? path : "/usr/bin:/bin";
    for (std::size_t start = 0; start <= folders.size();) {
        std::size_t end = folders.find(':', start);
        end = end == std::string::npos ? folders.size() : end;
        const std::string candidate = folders.substr(start, end - start) + "/" + name;
        if (end > start && access(candidate.c_str(), X_OK) == 0) {
            return candidate;
        }
        start = end + 1;
    }
    throw std::runtime_error(name + " is not installed (Debian package dbus-daemon)");
}

// The test's environment with the given variables set over it.
std::vector<std::string> Environment(const std::map<std::string, std::string>& set) {
    std::vector<std::string> entries;
    for (char** entry = environ; *entry != nullptr; ++entry) {
        const std::string text(*entry);
        if (!set.contains(text.substr(0, text.find('=')))) {
            entries.push_back(text);
        }
    }
    for (const auto& [name, value] : set) {
        entries.push_back(name + "=" + value);
    }
    return entries;
}

std::vector<char*> Pointers(std::vector<std::string>& texts) {
    std::vector<char*> pointers;
    for (std::string& text : texts) {
        pointers.push_back(text.data());
    }
    pointers.push_back(nullptr);
    return pointers;
}

}  // namespace

CPrivateSessionBus::CPrivateSessionBus(const std::vector<Service>& services,
                                       const std::map<std::string, std::string>& environment) {
    const std::string serviceDir = m_scratch.File("services");
    std::filesystem::create_directories(serviceDir);
    for (const Service& service : services) {
        std::string exec;
        for (const std::string& word : service.command) {
            exec += (exec.empty() ? "" : " ") + ShellWord(word);
        }
        m_scratch.Write("services/" + service.name + ".service",
                        "[D-BUS Service]\nName=" + service.name + "\nExec=" + exec + "\n");
    }
    // Only the services above: none of the system's or the user's service folders.
    m_scratch.Write("bus.conf", std::string(kConfiguration) +
                                    "  <listen>unix:dir=" + XmlText(m_scratch.Path().string()) +
                                    "</listen>\n  <servicedir>" + XmlText(serviceDir) +
                                    "</servicedir>\n</busconfig>\n");
    Start(environment);
}

CPrivateSessionBus::~CPrivateSessionBus() {
    Stop();
}

std::string CPrivateSessionBus::Log() const {
    return CScratchDir::Read(m_scratch.Path() / "bus.log");
}

void CPrivateSessionBus::Start(const std::map<std::string, std::string>& environment) {
    const std::string program = FindProgram("dbus-daemon");
    int address[2];
    if (pipe2(address, O_CLOEXEC) != 0) {
        throw std::system_error(errno, std::generic_category(), "pipe");
    }
    const int log =
        open(m_scratch.File("bus.log").c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    if (log < 0) {
        const int openError = errno;
        close(address[0]);
        close(address[1]);
        throw std::system_error(openError, std::generic_category(), "bus.log");
    }
    std::vector<std::string> arguments{program, "--config-file=" + m_scratch.File("bus.conf"),
                                       "--nofork", "--print-address=" + std::to_string(address[1])};
    std::vector<std::string> variables = Environment(environment);
    const std::vector<char*> argv = Pointers(arguments);
    const std::vector<char*> envp = Pointers(variables);
    // Services outlive the daemon's process that started them: this process, not one that
    // may never reap them, takes them over, and Stop reaps them.
    prctl(PR_SET_CHILD_SUBREAPER, 1);
    const pid_t parent = getpid();
    m_daemon = fork();
    if (m_daemon == 0) {
        // A group of its own, which the services it starts join: Stop ends them all.
        setpgid(0, 0);
        // The test ended without Stop (a crash, a timeout): the bus goes with it.
        prctl(PR_SET_PDEATHSIG, SIGKILL);
        if (getppid() != parent) {
            _exit(127);
        }
        fcntl(address[1], F_SETFD, 0);
        dup2(log, STDOUT_FILENO);
        dup2(log, STDERR_FILENO);
        execve(program.c_str(), argv.data(), envp.data());
        _exit(127);
    }
    const int forkError = errno;
    close(address[1]);
    close(log);
    if (m_daemon < 0) {
        close(address[0]);
        throw std::system_error(forkError, std::generic_category(), "fork");
    }
    setpgid(m_daemon, m_daemon);  // so that Stop finds the group even before the child set it

    const auto deadline = std::chrono::steady_clock::now() + kStartTime;
    char buffer[512];
    while (m_address.empty() || m_address.back() != '\n') {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            deadline - std::chrono::steady_clock::now());
        pollfd ready{address[0], POLLIN, 0};
        const int polled = poll(&ready, 1, static_cast<int>(std::max<long>(left.count(), 0)));
        const ssize_t got = polled > 0 ? read(address[0], buffer, sizeof buffer) : polled;
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got <= 0) {
            close(address[0]);
            Stop();
            throw std::runtime_error("dbus-daemon did not start: " + Log());
        }
        m_address.append(buffer, static_cast<std::size_t>(got));
    }
    close(address[0]);
    m_address.pop_back();
}

void CPrivateSessionBus::Stop() {
    if (m_daemon > 0) {
        kill(-m_daemon, SIGKILL);
        // The daemon and every service it started, ended early or just now.
        while (waitpid(-m_daemon, nullptr, 0) > 0 || errno == EINTR) {
        }
        m_daemon = -1;
    }
}
