#pragma once

#include <string>

/// The user's base folders by the XDG rules, for the settings store and the backups. A
/// variable that is unset, empty or relative is ignored, as the rules ask; then the home
/// folder is $HOME, or the account's home when HOME is not an absolute path either.
namespace XdgFolder {

/// $XDG_CONFIG_HOME, or ~/.config; empty when there is no home folder.
std::string ConfigHome();
/// $XDG_STATE_HOME, or ~/.local/state; empty when there is no home folder.
std::string StateHome();

}  // namespace XdgFolder
