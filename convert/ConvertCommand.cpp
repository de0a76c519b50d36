#include "convert/ConvertCommand.h"

#include <array>
#include <charconv>
#include <istream>
#include <new>
#include <ostream>
#include <system_error>
#include <utility>

#include "catalogue/FileError.h"
#include "catalogue/NumberText.h"
#include "catalogue/StringList.h"

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
    "       tarvo-convert --help\n"
    "\n"
    "Converts VALUE from unit FROM to unit TO of the unit type TYPE and prints the\n"
    "result as the converter window shows it. Names are UTF-8 and match exactly,\n"
    "letter case included.\n"
    "\n"
    "Options:\n"
    "  --file PATH    the catalogue file (default Tarvo.Dat in the current directory);\n"
    "                 the factory units are used, silently, when PATH is empty, names\n"
    "                 no file, or cannot be read as a catalogue\n"
    "  --precision N  decimals shown, 0 to 10 (default 3); trailing zeros are dropped\n"
    "  --raw          print the unrounded result with 17 significant digits\n"
    "  --batch        read lines VALUE<TAB>TYPE<TAB>FROM<TAB>TO from standard input and\n"
    "                 print one result per line; a line that cannot be converted gives\n"
    "                 an empty output line, its error on standard error, and status 2\n"
    "  --types        list the unit types in catalogue order\n"
    "  --units TYPE   list the units of TYPE in catalogue order as NAME<TAB>COEFFICIENT\n"
    "                 <TAB>OFFSET, numbers in the shortest form that reads back exactly\n"
    "  --help         print this help\n"
    "\n"
    "VALUE is read as typed text: its longest leading number counts (12kg gives 12,\n"
    "abc gives 0). A negative VALUE needs no quoting; words after -- are never options.\n"
    "\n"
    "Exit status: 0 on success, 2 on a usage error or an unknown type or unit.\n";

constexpr std::array<std::string_view, 4> kConversionOperands = {"VALUE", "TYPE", "FROM", "TO"};

/// value with the given number of significant digits, or in the shortest text that reads
/// back to the same double when digits is 0; whatever the locale.
std::string FormatDouble(double value, int digits) {
    std::array<char, 64> buffer{};
    const std::to_chars_result result =
        digits > 0 ? std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                   std::chars_format::general, digits)
                   : std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
    return std::string(buffer.data(), result.ptr);
}

/// Collects the names a catalogue fills in.
class CNameCollector : public CStringList {
public:
    void Reset() override { m_names.clear(); }
    void Add(const std::string& text) override { m_names.push_back(text); }
    const std::vector<std::string>& Names() const { return m_names; }

private:
    std::vector<std::string> m_names;
};

/// Splits a batch line at its tabs; a carriage return before the line end is dropped.
std::vector<std::string> SplitFields(std::string line) {
    if (!line.empty() && line.back() == '\r') {
        line.pop_back();
    }
    std::vector<std::string> fields;
    std::size_t start = 0;
    for (std::size_t tab = line.find('\t'); tab != std::string::npos;
         tab = line.find('\t', start)) {
        fields.push_back(line.substr(start, tab - start));
        start = tab + 1;
    }
    fields.push_back(line.substr(start));
    return fields;
}

}  // namespace

CConvertCommand::CConvertCommand(std::vector<std::string> args, std::istream& in, std::ostream& out,
                                 std::ostream& err)
    : m_args(std::move(args)), m_in(in), m_out(out), m_err(err) {}

std::span<const CCommandLine::Option> CConvertCommand::Options() {
    static constexpr CCommandLine::Option kOptions[] = {
        {"help", false}, {"types", false},    {"units", true}, {"batch", false},
        {"file", true},  {"precision", true}, {"raw", false},
    };
    return kOptions;
}

std::span<const CConvertCommand::Command> CConvertCommand::Commands() {
    static constexpr Command kCommands[] = {
        {"types", {}, &CConvertCommand::RunTypes},
        {"units", {}, &CConvertCommand::RunUnits},
        {"batch", {}, &CConvertCommand::RunBatch},
        {"", kConversionOperands, &CConvertCommand::RunConvert},
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
    LoadCatalogue();
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
    const std::string path = file != nullptr ? *file : std::string(kDefaultFile);
    if (!path.empty()) {
        try {
            m_catalogue.LoadFromFile(path);
            return;
        } catch (const CFileError&) {
            // Like the converter's start-up: an unreadable catalogue means the factory one.
        } catch (const std::bad_alloc&) {
        }
    }
    m_catalogue.AddFactoryUnits();
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
        m_out << unit.m_name << '\t' << FormatDouble(unit.m_coefficient, 0) << '\t'
              << FormatDouble(unit.m_offset, 0) << '\n';
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
    std::string line;
    std::string result;
    std::string error;
    for (long lineNumber = 1; std::getline(m_in, line); ++lineNumber) {
        const std::vector<std::string> fields = SplitFields(line);
        if (fields.size() != kConversionOperands.size()) {
            error = "expected VALUE, TYPE, FROM and TO separated by tabs";
            result.clear();
        } else if (Convert(fields[0], fields[1], fields[2], fields[3], result, error)) {
            error.clear();
        }
        // Every input line gets its output line, so results stay beside their inputs.
        m_out << result << '\n';
        if (!error.empty()) {
            status = Fail("line " + std::to_string(lineNumber) + ": " + error);
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
    result = m_raw ? FormatDouble(converted, kRawDigits) : FormatNumber(converted, m_precision);
    return true;
}
