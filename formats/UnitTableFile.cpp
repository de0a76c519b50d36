#include "formats/UnitTableFile.h"

#include <sstream>
#include <string_view>

#include "catalogue/GuardedFile.h"
#include "catalogue/SafeFileWriter.h"
#include "catalogue/TextCodec.h"

namespace {

using Fault = CUnitTableFile::Fault;

Fault TableFault(CGuardedFile::Fault fault) {
    switch (fault) {
        case CGuardedFile::Fault::kCannotOpen:
            return Fault::kCannotOpen;
        case CGuardedFile::Fault::kFolder:
            return Fault::kFolder;
        case CGuardedFile::Fault::kNotAFile:
            return Fault::kNotAFile;
        case CGuardedFile::Fault::kCannotRead:
            return Fault::kCannotRead;
        case CGuardedFile::Fault::kTooLarge:
            return Fault::kTooLarge;
        case CGuardedFile::Fault::kNone:
            break;
    }
    return Fault::kNone;
}

/// The first line that is not UTF-8, or 0 when all are.
long FirstLineNotUtf8(std::string_view text) {
    long number = 0;
    while (!text.empty()) {
        ++number;
        const std::size_t end = text.find('\n');
        if (!TextCodec::CountUtf8Characters(text.substr(0, end))) {
            return number;
        }
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    }
    return 0;
}

}  // namespace

CUnitTableFile::Outcome CUnitTableFile::Read(const std::string& path, CUnitTable& table) {
    const CGuardedFile file(path, kMaxBytes);
    Outcome outcome;
    outcome.fault = TableFault(file.GetFault());
    outcome.systemReason = file.SystemReason();
    if (outcome.fault != Fault::kNone) {
        return outcome;
    }
    const std::string_view bytes = file.Bytes();
    if (bytes.empty()) {
        outcome.fault = Fault::kEmpty;
    } else if (bytes.find('\0') != std::string_view::npos) {
        outcome.fault = Fault::kBinary;
    } else if ((outcome.line = FirstLineNotUtf8(bytes)) != 0) {
        outcome.fault = Fault::kNotUtf8;
    } else {
        outcome.badLines = table.Read(bytes, outcome.problems);
        if (outcome.badLines > 0) {
            outcome.fault = Fault::kBadLines;
        }
    }
    return outcome;
}

void CUnitTableFile::Write(const std::string& path, const std::vector<CUnit>& units) {
    std::ostringstream text;
    CUnitTable::Write(text, units);
    CSafeFileWriter file(path);
    file.Write(text.view());
    file.Commit();
}
