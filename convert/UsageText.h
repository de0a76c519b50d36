#pragma once

#include <string_view>

/// What tarvo-convert --help prints: the forms of the command, its options and its exit
/// status.
std::string_view UsageText();
