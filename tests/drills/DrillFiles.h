#pragma once

#include <cstddef>
#include <filesystem>
#include <string>
#include <vector>

/// The bytes of a catalogue file of count units in types of 1000 units each; variant
/// (0 to 25) changes every name and coefficient, so two variants share no unit record.
std::string MakeCatalogueBytes(std::size_t count, int variant);
/// The whole content of a file; throws std::runtime_error when it cannot be read.
std::string ReadFileBytes(const std::filesystem::path& path);
/// Writes bytes to path, replacing the file; throws std::runtime_error on failure.
void WriteFileBytes(const std::filesystem::path& path, const std::string& bytes);
/// The names in directory that a save leaves behind for target: its temporary files.
std::vector<std::string> TemporaryFilesOf(const std::filesystem::path& target);
/// Seconds on a steady clock.
double NowSeconds();
