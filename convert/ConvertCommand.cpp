#include "convert/ConvertCommand.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <charconv>
#include <cstring>
#include <filesystem>
#include <istream>
#include <new>
#include <optional>
#include <ostream>
#include <system_error>
#include <utility>

#include "catalogue/CatalogueBackups.h"
#include "catalogue/FileError.h"
#include "catalogue/NumberText.h"
#include "catalogue/VectorStringList.h"
#include "convert/BackupList.h"
#include "convert/CatalogueLock.h"
#include "convert/CommandInput.h"
#include "convert/CommandReport.h"
#include "convert/UsageText.h"
#include "formats/DoubleText.h"
#include "formats/RatesFile.h"
#include "formats/RatesUpdate.h"
#include "formats/TextLines.h"
#include "formats/UnitTable.h"
#include "formats/UnitTableFile.h"

namespace {

constexpr std::string_view kProgram = "tarvo-convert";
constexpr std::string_view kDefaultFile = "Tarvo.Dat";
constexpr int kMaxPrecision = 10;  // the most decimals the converter window offers
constexpr int kRawDigits = 17;     // enough to tell any two doubles apart

constexpr std::array<std::string_view, 4> kConversionOperands = {"VALUE", "TYPE", "FROM", "TO"};

}  // namespace

CConvertCommand::CConvertCommand(std::vector<std::string> args, std::istream& in, std::ostream& out,
                                 std::ostream& err)
    : m_args(std::move(args)), m_in(in), m_out(out), m_err(err) {}

std::span<const CCommandLine::Option> CConvertCommand::Options() {
    static constexpr CCommandLine::Option kOptions[] = {
        {"help", false},   {"types", false},    {"units", true}, {"batch", false},
        {"file", true},    {"precision", true}, {"raw", false},  {"export", false},
        {"import", true},  {"replace", false},  {"rates", true}, {"backups", false},
        {"restore", true}, {"verbose", false},
    };
    return kOptions;
}

std::span<const CConvertCommand::Command> CConvertCommand::Commands() {
    static constexpr Command kCommands[] = {
        {"types", {}, &CConvertCommand::RunTypes, false, false},
        {"units", {}, &CConvertCommand::RunUnits, false, false},
        {"batch", {}, &CConvertCommand::RunBatch, false, false},
        {"export", {}, &CConvertCommand::RunExport, false, false},
        {"import", {}, &CConvertCommand::RunImport, true, false},
        {"rates", {}, &CConvertCommand::RunRates, true, false},
        {"backups", {}, &CConvertCommand::RunBackups, false, false},
        // The file in place may be damaged: that is when a backup is wanted.
        {"restore", {}, &CConvertCommand::RunRestore, false, false},
        {"", kConversionOperands, &CConvertCommand::RunConvert, false, true},
    };
    return kCommands;
}

int CConvertCommand::Run() {
    std::string error;
    if (!m_commandLine.Parse(m_args, Options(), error)) {
        return Fail(error);
    }
    if (m_commandLine.Has("help")) {
        return RunHelp();
    }
    const Command* command = SelectCommand(error);
    if (command == nullptr || !ReadFormatOptions(error)) {
        return Fail(error);
    }
    m_operands = m_commandLine.Operands();
    m_verbose = m_commandLine.Has("verbose");
    if (command->option == "batch") {
        TakeShortVerbose();
    }
    if (!command->takesQuery && !CheckOperands(*command, error)) {
        return Fail(error);
    }
    if (m_commandLine.Has("replace") && command->option != "import") {
        return Fail("option --replace goes with --import only");
    }
    // Held from the reading of the catalogue to its save, so parallel runs lose nothing.
    std::optional<CCatalogueLock> lock;
    const bool changes = command->writesCatalogue || command->run == &CConvertCommand::RunRestore;
    if (changes && !CataloguePath().empty()) {
        if (!lock.emplace(CataloguePath()).Acquire(error)) {
            return Fail(error);
        }
    }
    try {
        if (!command->writesCatalogue) {
            LoadCatalogue();
        } else if (!LoadCatalogueToChange(error)) {
            return Fail(error);
        }
        return (this->*command->run)();
    } catch (const std::bad_alloc&) {
        return Fail(command->writesCatalogue ? "out of memory; nothing changed" : "out of memory");
    }
}

std::string CConvertCommand::CataloguePath() const {
    const std::string* file = m_commandLine.Value("file");
    return file != nullptr ? *file : std::string(kDefaultFile);
}

bool CConvertCommand::CheckOperands(const Command& command, std::string& error) const {
    if (m_operands.size() < command.operands.size()) {
        error = "missing argument " + std::string(command.operands[m_operands.size()]) +
                " (see --help)";
        return false;
    }
    if (m_operands.size() > command.operands.size()) {
        error = "unexpected argument '" + m_operands[command.operands.size()] + "'";
        return false;
    }
    return true;
}

bool CConvertCommand::NamesType() const {
    if (m_operands.size() < 2) {
        return m_operands.empty();  // so that no words at all ask for a VALUE
    }
    return !m_catalogue.FindTypeRun(m_operands[1]).Empty();
}

void CConvertCommand::TakeShortVerbose() {
    const auto kept = std::remove(m_operands.begin(), m_operands.end(), "-v");
    m_verbose = m_verbose || kept != m_operands.end();
    m_operands.erase(kept, m_operands.end());
}

const CConvertCommand::Command* CConvertCommand::SelectCommand(std::string& error) const {
    const Command* chosen = nullptr;
    for (const Command& command : Commands()) {
        if (command.option.empty()) {
            return chosen != nullptr ? chosen : &command;
        }
        if (!m_commandLine.Has(command.option)) {
            continue;
        }
        if (chosen != nullptr) {
            error = "options --" + std::string(chosen->option) + " and --" +
                    std::string(command.option) + " cannot be combined";
            return nullptr;
        }
        chosen = &command;
    }
    return chosen;
}

bool CConvertCommand::ReadFormatOptions(std::string& error) {
    m_raw = m_commandLine.Has("raw");
    const std::string* precision = m_commandLine.Value("precision");
    if (precision == nullptr) {
        return true;
    }
    const char* end = precision->data() + precision->size();
    const std::from_chars_result result = std::from_chars(precision->data(), end, m_precision);
    if (result.ec != std::errc() || result.ptr != end || m_precision < 0 ||
        m_precision > kMaxPrecision) {
        error = "precision must be a whole number from 0 to " + std::to_string(kMaxPrecision) +
                ", not '" + *precision + "'";
        return false;
    }
    return true;
}

void CConvertCommand::LoadCatalogue() {
    m_cataloguePath = CataloguePath();
    m_catalogue.LoadFromFileOrFactory(m_cataloguePath);
}

bool CConvertCommand::LoadCatalogueToChange(std::string& error) {
    m_cataloguePath = CataloguePath();
    if (m_cataloguePath.empty()) {
        error = "no catalogue file to change: the --file name is empty";
        return false;
    }
    std::error_code status;
    if (!std::filesystem::exists(m_cataloguePath, status) && !status) {
        m_catalogue.AddFactoryUnits();  // what the converter shows before its first save
        return true;
    }
    try {
        if (m_commandLine.Has("replace")) {
            m_catalogue.LoadHeaderFromFile(m_cataloguePath);  // its units go all the same
        } else {
            m_catalogue.LoadFromFile(m_cataloguePath);
        }
        return true;
    } catch (const CFileError& failure) {
        error = "cannot read the catalogue " + std::string(failure.what());
    } catch (const std::bad_alloc&) {
        error = "cannot read the catalogue " + m_cataloguePath + ": out of memory";
    }
    error += "; nothing changed";
    return false;
}

bool CConvertCommand::SaveCatalogue(std::string& error) {
    CCatalogueBackups backups;
    try {
        m_catalogue.SaveToFile(m_cataloguePath, &backups);
        if (!backups.Failure().empty()) {
            m_err << kProgram << ": warning: no backup of the replaced catalogue was kept: "
                  << CommandReport::Printable(backups.Failure()) << '\n';
        }
        return true;
    } catch (const CFileError& failure) {
        error = "cannot save the catalogue " + std::string(failure.what()) + "; nothing changed";
    }
    return false;
}

int CConvertCommand::Fail(const std::string& message) {
    m_err << kProgram << ": " << CommandReport::Printable(message) << '\n';
    return kExitFailure;
}

int CConvertCommand::RunHelp() {
    m_out << UsageText();
    return kExitSuccess;
}

int CConvertCommand::RunTypes() {
    CVectorStringList types;
    m_catalogue.FillTypeList(types);
    for (const std::string& type : types.Entries()) {
        m_out << CommandReport::Printable(type) << '\n';
    }
    return kExitSuccess;
}

int CConvertCommand::RunUnits() {
    const std::string& type = *m_commandLine.Value("units");
    const CUnitMgr::TypeRun run = m_catalogue.FindTypeRun(type);
    if (run.Empty()) {
        return Fail("unknown type '" + type + "'");
    }
    for (int index = run.begin; index < run.end; ++index) {
        const CUnit& unit = m_catalogue.Units()[static_cast<std::size_t>(index)];
        m_out << CommandReport::Printable(unit.m_name) << '\t'
              << DoubleText::Write(unit.m_coefficient) << '\t' << DoubleText::Write(unit.m_offset)
              << '\n';
    }
    return kExitSuccess;
}

int CConvertCommand::RunConvert() {
    // VALUE TYPE FROM TO as it always was, "-v" a VALUE too, when TYPE names a type.
    const Command& conversion = Commands().back();
    std::string error;
    if (!NamesType()) {
        TakeShortVerbose();
    }
    std::string result;
    if (NamesType()) {
        if (!CheckOperands(conversion, error) ||
            !Convert(m_operands[0], m_operands[1], m_operands[2], m_operands[3], result, error)) {
            return Fail(error);
        }
        m_out << result << '\n';
        return kExitSuccess;
    }
    std::string query;
    for (const std::string& word : m_operands) {
        query += (query.empty() ? "" : " ") + word;
    }
    if (!ConvertQuery(query, result, error)) {
        // Four words without a separator failed as they always did: for want of the type.
        const bool oldForm =
            m_operands.size() == conversion.operands.size() &&
            std::none_of(m_operands.begin(), m_operands.end(),
                         [](const std::string& w) { return CQueryReader::IsSeparator(w); });
        if (oldForm) {
            Convert(m_operands[0], m_operands[1], m_operands[2], m_operands[3], result, error);
        }
        return Fail(error);
    }
    m_out << result << '\n';
    return kExitSuccess;
}

int CConvertCommand::RunBatch() {
    int status = kExitSuccess;
    CTextLines lines(m_in);
    std::string line;
    std::vector<std::string_view> fields;
    std::string result;
    std::string error;
    while (lines.Next(line)) {
        SplitAtTabs(line, fields);
        if (lines.TooLong()) {
            error = CTextLines::TooLongMessage();  // its start alone would convert wrongly
            result.clear();
        } else if (fields.size() == 1 && CQueryReader::HasSeparator(line)) {
            if (ConvertQuery(line, result, error)) {
                error.clear();
            }
        } else if (fields.size() != kConversionOperands.size()) {
            error = "expected VALUE, TYPE, FROM and TO separated by tabs";
            result.clear();
        } else if (Convert(std::string(fields[0]), std::string(fields[1]), std::string(fields[2]),
                           std::string(fields[3]), result, error)) {
            error.clear();
        }
        // Every input line gets its output line, so results stay beside their inputs.
        m_out << result << '\n';
        if (!error.empty()) {
            status = Fail("line " + std::to_string(lines.Number()) + ": " + error);
        }
    }
    // A batch cut short by a read error must not end as if every line was done.
    return m_in.bad() ? Fail("cannot read standard input") : status;
}

bool CConvertCommand::Convert(const std::string& value, const std::string& type,
                              const std::string& from, const std::string& to, std::string& result,
                              std::string& error) const {
    result.clear();
    if (m_catalogue.FindTypeRun(type).Empty()) {
        error = "unknown type '" + type + "'";
        return false;
    }
    for (const std::string* name : {&from, &to}) {
        if (m_catalogue.FindUnit(type, *name) < 0) {
            error = "unknown unit '" + *name + "' in type '" + type + "'";
            return false;
        }
    }
    const double amount = ParseNumber(value);
    result = ConversionText({type, from, to, amount, m_catalogue.Convert(amount, type, from, to)});
    return true;
}

bool CConvertCommand::ConvertQuery(const std::string& query, std::string& result,
                                   std::string& error) {
    result.clear();
    if (m_queries == nullptr) {
        m_queries = std::make_unique<CQueryReader>(m_catalogue);
    }
    // The command reads numbers with a point whatever the locale, as it always has.
    const CQueryReader::Answer answer = m_queries->Read(query);
    switch (answer.outcome) {
        case CQueryReader::Outcome::kConverted:
            result = ConversionText(answer.conversions.front());
            return true;
        case CQueryReader::Outcome::kUnitOnly: {
            const std::vector<CQueryReader::Conversion> example = m_queries->Conversions(query, 1);
            error = "no unit to convert '" + query + "' to";
            if (!example.empty()) {
                error += "; for example '" + query + " in " + example.front().to + "'";
            }
            return false;
        }
        case CQueryReader::Outcome::kAmbiguous:
        case CQueryReader::Outcome::kFailed:
            break;
    }
    error = answer.message;
    return false;
}

std::string CConvertCommand::ConversionText(const CQueryReader::Conversion& conversion) const {
    if (!m_verbose) {
        return NumberText(conversion.result);
    }
    return NumberText(conversion.amount) + " " + CommandReport::Printable(conversion.from) + " = " +
           NumberText(conversion.result) + " " + CommandReport::Printable(conversion.to);
}

std::string CConvertCommand::NumberText(double value) const {
    return m_raw ? DoubleText::Write(value, kRawDigits) : FormatNumber(value, m_precision);
}

int CConvertCommand::RunExport() {
    CUnitTable::Write(m_out, m_catalogue.Units());
    m_out.flush();
    return m_out ? kExitSuccess : Fail("cannot write the export");
}

int CConvertCommand::RunImport() {
    const std::string& source = *m_commandLine.Value("import");
    std::string error;
    CCommandInput input;
    if (!input.Read(source, CUnitTableFile::kMaxBytes, m_in, error)) {
        return Fail(error + "; nothing changed");
    }
    CUnitTable table;
    std::vector<CUnitTable::Problem> problems;
    const long badLines = table.Read(input.Text(), problems);
    if (badLines > 0) {
        for (const CUnitTable::Problem& problem : problems) {
            Fail(CommandReport::BadLine(source, problem));
        }
        return Fail(CommandReport::BadLineCount(source, badLines));
    }
    std::string report;
    if (m_commandLine.Has("replace")) {
        table.ReplaceIn(m_catalogue);
        report = CommandReport::Replaced(m_catalogue.GetCount());
    } else {
        const CUnitTable::MergeCount count = table.MergeInto(m_catalogue);
        report = CommandReport::Merged(count);
        if (count.added + count.updated == 0) {
            m_out << report << CommandReport::kFileUnchanged << '\n';
            return kExitSuccess;
        }
    }
    if (!SaveCatalogue(error)) {
        return Fail(error);
    }
    m_out << report << " in " << CommandReport::Printable(m_cataloguePath) << '\n';
    return kExitSuccess;
}

int CConvertCommand::RunRates() {
    const std::string& source = *m_commandLine.Value("rates");
    std::string error;
    CCommandInput input;
    if (!input.Read(source, CRatesFile::kMaxBytes, m_in, error)) {
        return Fail(error + "; nothing changed");
    }
    CRatesFile rates;
    if (!rates.Read(input.Text(), error)) {
        return Fail(CommandReport::SourceName(source) + ": " + error + "; nothing changed");
    }
    CRatesUpdate::Outcome outcome;
    if (!CRatesUpdate::Apply(rates.Rates(), m_catalogue, outcome, error)) {
        return Fail(error + "; nothing changed");
    }
    // Reported only once saved, so that a failed save does not read as done.
    const std::string report = CommandReport::RateChanges(outcome);
    const std::string summary = CommandReport::RateSummary(rates.Date(), outcome);
    if (outcome.changes.empty()) {
        m_out << report << summary << CommandReport::kFileUnchanged << '\n';
        return kExitSuccess;
    }
    if (!SaveCatalogue(error)) {
        return Fail(error);
    }
    m_out << report << summary << '\n';
    return kExitSuccess;
}

int CConvertCommand::RunBackups() {
    std::string error;
    if (!CBackupList(CCatalogueBackups(), m_cataloguePath).Print(m_out, error)) {
        return Fail(error);
    }
    return kExitSuccess;
}

int CConvertCommand::RunRestore() {
    std::string what;
    std::string error;
    if (!CBackupList(CCatalogueBackups(), m_cataloguePath)
             .Load(*m_commandLine.Value("restore"), m_catalogue, what, error)) {
        return Fail(error + "; nothing changed");
    }
    if (!SaveCatalogue(error)) {
        return Fail(error);
    }
    m_out << "restored " << what << " to " << CommandReport::Printable(m_cataloguePath) << '\n';
    return kExitSuccess;
}
