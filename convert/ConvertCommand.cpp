#include "convert/ConvertCommand.h"

#include <array>
#include <cerrno>
#include <charconv>
#include <cstring>
#include <filesystem>
#include <istream>
#include <new>
#include <ostream>
#include <system_error>
#include <utility>

#include "catalogue/FileError.h"
#include "catalogue/NumberText.h"
#include "catalogue/StringList.h"
#include "convert/DoubleText.h"
#include "convert/RatesFile.h"
#include "convert/TextLines.h"
#include "convert/UnitTable.h"

namespace {

constexpr std::string_view kProgram = "tarvo-convert";
constexpr std::string_view kDefaultFile = "Tarvo.Dat";
constexpr int kMaxPrecision = 10;  // the most decimals the converter window offers
constexpr int kRawDigits = 17;     // enough to tell any two doubles apart

constexpr std::string_view kUsage =
    "Usage: tarvo-convert [--file PATH] [--precision N | --raw] VALUE TYPE FROM TO\n"
    "       tarvo-convert [--file PATH] [--precision N | --raw] --batch\n"
    "       tarvo-convert [--file PATH] --types\n"
    "       tarvo-convert [--file PATH] --units TYPE\n"
    "       tarvo-convert [--file PATH] --export\n"
    "       tarvo-convert [--file PATH] --import TSV [--replace]\n"
    "       tarvo-convert [--file PATH] --rates FILE\n"
    "       tarvo-convert --help\n"
    "\n"
    "Converts VALUE from unit FROM to unit TO of the unit type TYPE and prints the\n"
    "result as the converter window shows it. Names are UTF-8 and match exactly,\n"
    "letter case included.\n"
    "\n"
    "Options:\n"
    "  --file PATH    the catalogue file (default Tarvo.Dat in the current directory);\n"
    "                 the factory units are used, silently, when PATH is empty, names\n"
    "                 no file, or cannot be read as a catalogue; --import and --rates\n"
    "                 never change a file they cannot read\n"
    "  --precision N  decimals shown, 0 to 10 (default 3); trailing zeros are dropped\n"
    "  --raw          print the unrounded result with 17 significant digits\n"
    "  --batch        read lines VALUE<TAB>TYPE<TAB>FROM<TAB>TO from standard input and\n"
    "                 print one result per line; a line that cannot be converted gives\n"
    "                 an empty output line, its error on standard error, and status 2\n"
    "  --types        list the unit types in catalogue order\n"
    "  --units TYPE   list the units of TYPE in catalogue order as NAME<TAB>COEFFICIENT\n"
    "                 <TAB>OFFSET, numbers in the shortest form that reads back exactly\n"
    "  --export       write the whole catalogue to standard output as UTF-8 text: the\n"
    "                 line type<TAB>unit<TAB>coefficient<TAB>offset, then one such line\n"
    "                 per unit; tab, line break and backslash in names are written \\t,\n"
    "                 \\n, \\r and \\\\\n"
    "  --import TSV   read units in the --export form from the file TSV (- for standard\n"
    "                 input), add them to the catalogue file or update the units of the\n"
    "                 same type and name, and save it; the factory units are the start\n"
    "                 when the file does not exist yet. Nothing is changed when any\n"
    "                 line is bad\n"
    "  --replace      with --import: the units read become the whole catalogue\n"
    "  --rates FILE   update the Currency units from a European Central Bank reference-\n"
    "                 rate file (eurofxref-daily.xml or eurofxref.csv) as units per U.S.\n"
    "                 dollar, add missing currencies, and save the catalogue file\n"
    "  --help         print this help\n"
    "\n"
    "VALUE is read as typed text: its longest leading number counts (12kg gives 12,\n"
    "abc gives 0). A negative VALUE needs no quoting; words after -- are never options.\n"
    "\n"
    "Tarvo writes its catalogue at exit when you changed units in it: import while it\n"
    "is closed, or leave its units alone until you restart it.\n"
    "\n"
    "Exit status: 0 on success, 2 on a usage error, an unknown type or unit, or a\n"
    "failed export, import or rate update.\n";

constexpr std::array<std::string_view, 4> kConversionOperands = {"VALUE", "TYPE", "FROM", "TO"};

/// Collects the names a catalogue fills in.
class CNameCollector : public CStringList {
public:
    void Reset() override { m_names.clear(); }
    void Add(const std::string& text) override { m_names.push_back(text); }
    const std::vector<std::string>& Names() const { return m_names; }

private:
    std::vector<std::string> m_names;
};

/// How messages name a file operand.
std::string SourceName(const std::string& path) {
    return path == "-" ? "standard input" : path;
}

/// Splits a batch line at its tabs; a carriage return before the line end is dropped.
}  // namespace

CConvertCommand::CConvertCommand(std::vector<std::string> args, std::istream& in, std::ostream& out,
                                 std::ostream& err)
    : m_args(std::move(args)), m_in(in), m_out(out), m_err(err) {}

std::span<const CCommandLine::Option> CConvertCommand::Options() {
    static constexpr CCommandLine::Option kOptions[] = {
        {"help", false},  {"types", false},    {"units", true}, {"batch", false},
        {"file", true},   {"precision", true}, {"raw", false},  {"export", false},
        {"import", true}, {"replace", false},  {"rates", true},
    };
    return kOptions;
}

std::span<const CConvertCommand::Command> CConvertCommand::Commands() {
    static constexpr Command kCommands[] = {
        {"types", {}, &CConvertCommand::RunTypes, false},
        {"units", {}, &CConvertCommand::RunUnits, false},
        {"batch", {}, &CConvertCommand::RunBatch, false},
        {"export", {}, &CConvertCommand::RunExport, false},
        {"import", {}, &CConvertCommand::RunImport, true},
        {"rates", {}, &CConvertCommand::RunRates, true},
        {"", kConversionOperands, &CConvertCommand::RunConvert, false},
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
    const std::vector<std::string>& operands = m_commandLine.Operands();
    if (operands.size() < command->operands.size()) {
        return Fail("missing argument " + std::string(command->operands[operands.size()]) +
                    " (see --help)");
    }
    if (operands.size() > command->operands.size()) {
        return Fail("unexpected argument '" + operands[command->operands.size()] + "'");
    }
    if (m_commandLine.Has("replace") && command->option != "import") {
        return Fail("option --replace goes with --import only");
    }
    if (!command->writesCatalogue) {
        LoadCatalogue();
    } else if (!LoadCatalogueToChange(error)) {
        return Fail(error);
    }
    return (this->*command->run)();
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
    const std::string* file = m_commandLine.Value("file");
    m_cataloguePath = file != nullptr ? *file : std::string(kDefaultFile);
    if (!m_cataloguePath.empty()) {
        try {
            m_catalogue.LoadFromFile(m_cataloguePath);
            return;
        } catch (const CFileError&) {
            // Like the converter's start-up: an unreadable catalogue means the factory one.
        } catch (const std::bad_alloc&) {
        }
    }
    m_catalogue.AddFactoryUnits();
}

bool CConvertCommand::LoadCatalogueToChange(std::string& error) {
    const std::string* file = m_commandLine.Value("file");
    m_cataloguePath = file != nullptr ? *file : std::string(kDefaultFile);
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
        m_catalogue.LoadFromFile(m_cataloguePath);
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
    try {
        m_catalogue.SaveToFile(m_cataloguePath);
        return true;
    } catch (const CFileError& failure) {
        error = "cannot save the catalogue " + std::string(failure.what()) + "; nothing changed";
    }
    return false;
}

std::istream* CConvertCommand::OpenInput(const std::string& path, std::string& error) {
    if (path == "-") {
        return &m_in;
    }
    m_inputFile.open(path, std::ios::binary);
    if (!m_inputFile.is_open()) {
        error = "cannot open " + path + ": " + std::strerror(errno);
        return nullptr;
    }
    return &m_inputFile;
}

int CConvertCommand::Fail(const std::string& message) {
    m_err << kProgram << ": " << message << '\n';
    return kExitFailure;
}

int CConvertCommand::RunHelp() {
    m_out << kUsage;
    return kExitSuccess;
}

int CConvertCommand::RunTypes() {
    CNameCollector types;
    m_catalogue.FillTypeList(types);
    for (const std::string& type : types.Names()) {
        m_out << type << '\n';
    }
    return kExitSuccess;
}

int CConvertCommand::RunUnits() {
    const std::string& type = *m_commandLine.Value("units");
    int first = -1;
    int last = -1;
    if (!m_catalogue.FindTypeRange(type, first, last)) {
        return Fail("unknown type '" + type + "'");
    }
    for (int index = first; index <= last; ++index) {
        const CUnit& unit = m_catalogue.Units()[static_cast<std::size_t>(index)];
        m_out << unit.m_name << '\t' << DoubleText::Write(unit.m_coefficient) << '\t'
              << DoubleText::Write(unit.m_offset) << '\n';
    }
    return kExitSuccess;
}

int CConvertCommand::RunConvert() {
    const std::vector<std::string>& operands = m_commandLine.Operands();
    std::string result;
    std::string error;
    if (!Convert(operands[0], operands[1], operands[2], operands[3], result, error)) {
        return Fail(error);
    }
    m_out << result << '\n';
    return kExitSuccess;
}

int CConvertCommand::RunBatch() {
    int status = kExitSuccess;
    CTextLines lines(m_in);
    std::string line;
    std::string result;
    std::string error;
    while (lines.Next(line)) {
        const std::vector<std::string_view> fields = SplitAtTabs(line);
        if (fields.size() != kConversionOperands.size()) {
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
    return status;
}

bool CConvertCommand::Convert(const std::string& value, const std::string& type,
                              const std::string& from, const std::string& to, std::string& result,
                              std::string& error) const {
    result.clear();
    int first = -1;
    int last = -1;
    if (!m_catalogue.FindTypeRange(type, first, last)) {
        error = "unknown type '" + type + "'";
        return false;
    }
    for (const std::string* name : {&from, &to}) {
        if (m_catalogue.FindUnit(type, *name) < 0) {
            error = "unknown unit '" + *name + "' in type '" + type + "'";
            return false;
        }
    }
    const double converted = m_catalogue.Convert(ParseNumber(value), type, from, to);
    result =
        m_raw ? DoubleText::Write(converted, kRawDigits) : FormatNumber(converted, m_precision);
    return true;
}

int CConvertCommand::RunExport() {
    CUnitTable::Write(m_out, m_catalogue.Units());
    m_out.flush();
    return m_out ? kExitSuccess : Fail("cannot write the export");
}

int CConvertCommand::RunImport() {
    const std::string& source = *m_commandLine.Value("import");
    std::string error;
    std::istream* in = OpenInput(source, error);
    if (in == nullptr) {
        return Fail(error + "; nothing changed");
    }
    CUnitTable table;
    std::vector<CUnitTable::Problem> problems;
    const long badLines = table.Read(*in, problems);
    if (in->bad()) {
        return Fail("cannot read " + SourceName(source) + "; nothing changed");
    }
    if (badLines > 0) {
        for (const CUnitTable::Problem& problem : problems) {
            Fail(SourceName(source) + ": line " + std::to_string(problem.line) + ": " +
                 problem.message);
        }
        return Fail(std::to_string(badLines) + (badLines == 1 ? " bad line" : " bad lines") +
                    " in " + SourceName(source) + ", nothing changed");
    }
    std::string report;
    if (m_commandLine.Has("replace")) {
        table.ReplaceIn(m_catalogue);
        report = "replaced the catalogue with " + std::to_string(m_catalogue.GetCount()) + " units";
    } else {
        const CUnitTable::MergeCount count = table.MergeInto(m_catalogue);
        report = "added " + std::to_string(count.added) + ", updated " +
                 std::to_string(count.updated) + " units";
        if (count.added + count.updated == 0) {
            m_out << report << "; the catalogue file stays as it was\n";
            return kExitSuccess;
        }
    }
    if (!SaveCatalogue(error)) {
        return Fail(error);
    }
    m_out << report << " in " << m_cataloguePath << '\n';
    return kExitSuccess;
}

int CConvertCommand::RunRates() {
    const std::string& source = *m_commandLine.Value("rates");
    std::string error;
    std::istream* in = OpenInput(source, error);
    if (in == nullptr) {
        return Fail(error + "; nothing changed");
    }
    CRatesFile rates;
    const bool read = rates.Read(*in, error);
    if (in->bad()) {
        return Fail("cannot read " + SourceName(source) + "; nothing changed");
    }
    if (!read) {
        return Fail(SourceName(source) + ": " + error + "; nothing changed");
    }
    CRatesFile::Outcome outcome;
    if (!rates.ApplyTo(m_catalogue, outcome, error)) {
        return Fail(error + "; nothing changed");
    }
    // Reported only once saved, so that a failed save does not read as done.
    std::string report;
    for (const std::string& code : outcome.unknownCodes) {
        report += code + ": no unit name known for this currency code, skipped\n";
    }
    int added = 0;
    for (const CRatesFile::Change& change : outcome.changes) {
        report += change.unit + ": ";
        if (change.oldCoefficient) {
            report += DoubleText::Write(*change.oldCoefficient) + " \u2192 ";
        } else {
            report += "added, ";
            ++added;
        }
        report += DoubleText::Write(change.newCoefficient) + '\n';
    }
    const int updated = static_cast<int>(outcome.changes.size()) - added;
    const std::string summary = std::string(CRatesFile::kCurrencyType) + " at the rates of " +
                                rates.Date() + ": updated " + std::to_string(updated) + ", added " +
                                std::to_string(added) + ", unchanged " +
                                std::to_string(outcome.unchanged) + ", without a rate " +
                                std::to_string(outcome.withoutRate);
    if (outcome.changes.empty()) {
        m_out << report << summary << "; the catalogue file stays as it was\n";
        return kExitSuccess;
    }
    if (!SaveCatalogue(error)) {
        return Fail(error);
    }
    m_out << report << summary << '\n';
    return kExitSuccess;
}
