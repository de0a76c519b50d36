#include "catalogue/XdgFolder.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>

namespace {

bool IsAbsolute(const char* path) {
    return path != nullptr && path[0] == '/';
}

std::string Home() {
    const char* home = std::getenv("HOME");
    if (IsAbsolute(home)) {
        return home;
    }
    const passwd* user = ::getpwuid(::getuid());
    return user != nullptr && IsAbsolute(user->pw_dir) ? user->pw_dir : "";
}

std::string BaseFolder(const char* variable, const char* underHome) {
    const char* folder = std::getenv(variable);
    if (IsAbsolute(folder)) {
        return folder;
    }
    const std::string home = Home();
    return home.empty() ? home : home + underHome;
}

}  // namespace

std::string XdgFolder::ConfigHome() {
    return BaseFolder("XDG_CONFIG_HOME", "/.config");
}

std::string XdgFolder::StateHome() {
    return BaseFolder("XDG_STATE_HOME", "/.local/state");
}
