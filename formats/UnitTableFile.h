#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "formats/UnitTable.h"

/// A unit table as a file the catalogue editor imports and exports. Reading checks that
/// the path names a regular file of at most kMaxBytes holding UTF-8 text before the table
/// reader sees it; writing goes through the catalogue file's safe writer.
class CUnitTableFile {
public:
    static constexpr std::uintmax_t kMaxBytes = std::uintmax_t{256} << 20;

    /// Why a file was not read.
    enum class Fault {
        kNone,
        kFolder,
        kNotAFile,  ///< a pipe, device or socket
        kCannotOpen,
        kCannotRead,
        kTooLarge,
        kEmpty,
        kBinary,  ///< it holds NUL bytes
        kNotUtf8,
        kBadLines,
    };

    struct Outcome {
        Fault fault = Fault::kNone;
        std::string systemReason;  ///< kCannotOpen, kCannotRead
        long line = 0;             ///< kNotUtf8: the first line that is not
        long badLines = 0;         ///< kBadLines, with the first of them in problems
        std::vector<CUnitTable::Problem> problems;
    };

    /// Reads the file at path into table, which keeps its units only when the outcome has
    /// no fault. Never waits on a pipe or device.
    static Outcome Read(const std::string& path, CUnitTable& table);
    /// Writes units as a table to path, never leaving it half written; throws CFileError.
    static void Write(const std::string& path, const std::vector<CUnit>& units);
};
