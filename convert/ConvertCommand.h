#pragma once

#include <iosfwd>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "catalogue/UnitMgr.h"
#include "convert/CommandLine.h"
#include "formats/QueryReader.h"

/// tarvo-convert: converts values, lists, exports and imports the catalogue and updates
/// its currencies from the command line, with the catalogue the converter window would
/// load. Reads and writes only the streams and files it is given, so it runs in-process
/// as well as from main().
class CConvertCommand {
public:
    static constexpr int kExitSuccess = 0;
    static constexpr int kExitFailure = 2;

    /// args are the command-line words after the program name, all UTF-8.
    CConvertCommand(std::vector<std::string> args, std::istream& in, std::ostream& out,
                    std::ostream& err);

    /// Runs the command the arguments name and returns the process exit status.
    int Run();

private:
    /// A command chosen by its option, with the operands it needs, named for messages.
    struct Command {
        std::string_view option;  ///< empty for the default command
        std::span<const std::string_view> operands;
        int (CConvertCommand::*run)();
        bool writesCatalogue;  ///< loads strictly and saves the catalogue file
        bool takesQuery;       ///< a query stands for the operands; run checks them itself
    };
    static std::span<const Command> Commands();
    static std::span<const CCommandLine::Option> Options();

    int RunHelp();
    int RunTypes();
    int RunUnits();
    int RunConvert();
    int RunBatch();
    int RunExport();
    int RunImport();
    int RunRates();
    int RunBackups();
    int RunRestore();

    /// Whether the operands are as many as the command's; false with error when not.
    bool CheckOperands(const Command& command, std::string& error) const;
    /// Whether the operands are VALUE TYPE FROM TO, as a TYPE that names a type says, or none.
    bool NamesType() const;
    /// Takes the words "-v" out of the operands, as --verbose.
    void TakeShortVerbose();
    /// The command the options select, or nullptr (with error set) when they select several.
    const Command* SelectCommand(std::string& error) const;
    /// Reads --precision and --raw; false with error set on a bad precision.
    bool ReadFormatOptions(std::string& error);
    /// The --file name, or the default catalogue file.
    std::string CataloguePath() const;
    /// The catalogue file, or the factory units when there is none or it cannot be read.
    void LoadCatalogue();
    /// The catalogue file to change, or the factory units when it does not exist yet; false
    /// with error when there is no file name or the file is there but cannot be read, so
    /// that a file that is not a catalogue is never overwritten. A replace reads only the
    /// header of it and checks the rest.
    bool LoadCatalogueToChange(std::string& error);
    /// Writes the catalogue file safely; false with error when it could not.
    bool SaveCatalogue(std::string& error);
    /// Converts one value text; false with error naming the unknown type or unit.
    bool Convert(const std::string& value, const std::string& type, const std::string& from,
                 const std::string& to, std::string& result, std::string& error) const;
    /// Converts one query ("5 psi in bar"); false with the reason in error.
    bool ConvertQuery(const std::string& query, std::string& result, std::string& error);
    /// The result as --precision and --raw say, or with --verbose the whole line.
    std::string ConversionText(const CQueryReader::Conversion& conversion) const;
    /// A number as --precision and --raw say.
    std::string NumberText(double value) const;
    /// Prints "tarvo-convert: message" on the error stream and returns kExitFailure.
    int Fail(const std::string& message);

    std::vector<std::string> m_args;
    std::vector<std::string> m_operands;
    std::istream& m_in;
    std::ostream& m_out;
    std::ostream& m_err;
    CCommandLine m_commandLine;
    CUnitMgr m_catalogue;
    std::unique_ptr<CQueryReader> m_queries;  ///< made for the first query
    std::string m_cataloguePath;
    int m_precision = 3;
    bool m_raw = false;
    bool m_verbose = false;
};
