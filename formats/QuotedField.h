#pragma once

#include <cstddef>
#include <string>
#include <string_view>

/// The most characters of a field that an error message shows.
inline constexpr std::size_t kMaxQuotedCharacters = 60;

/// A field of an input file as its error messages show it: cut after kMaxQuotedCharacters
/// UTF-8 characters and then ended with "…", so that a huge field never makes a huge message.
std::string ShortField(std::string_view field);

/// ShortField between single quotes.
std::string QuotedField(std::string_view field);
