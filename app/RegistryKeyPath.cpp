#include "app/RegistryKeyPath.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>

namespace {

constexpr const char* kMakerKey = "Kolpa";
constexpr const char* kApplicationKey = "Tarvo";

// The user's configuration directory by the XDG rules: a relative or empty
// $XDG_CONFIG_HOME is ignored, and so is an empty $HOME.
std::string ConfigHome() {
    const char* configHome = std::getenv("XDG_CONFIG_HOME");
    if (configHome && configHome[0] == '/') {
        return configHome;
    }
    const char* home = std::getenv("HOME");
    if (!home || home[0] == '\0') {
        const passwd* user = getpwuid(getuid());
        home = user ? user->pw_dir : "";
    }
    return std::string(home) + "/.config";
}

}  // namespace

std::string CRegistryKeyPath::DefaultRoot() {
    return ConfigHome() + "/" + kMakerKey + "/" + kApplicationKey + ".db";
}

CRegistryKeyPath::CRegistryKeyPath(std::string root) : m_root(std::move(root)) {}

void CRegistryKeyPath::Set(std::string base, std::string maker, std::string application,
                           std::string subKey) {
    m_base = std::move(base);
    m_maker = maker.empty() ? kMakerKey : std::move(maker);
    m_application = application.empty() ? kApplicationKey : std::move(application);
    m_subKey = std::move(subKey);
}
