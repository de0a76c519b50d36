#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "catalogue/UnitMgr.h"
#include "tests/convert/CommandRun.h"
#include "tests/support/ScratchDir.h"

namespace {

const std::string kHeader = "type\tunit\tcoefficient\toffset\n";
const std::string kUnitSets = TARVO_SOURCE_DIR "/share/tarvo/units/";
const std::string kRatesSample = TARVO_TEST_DATA "/eurofxref-sample.csv";

std::string FactoryBytes() {
    CUnitMgr catalogue;
    catalogue.AddFactoryUnits();
    return catalogue.SaveToBytes();
}

/// Names that need escapes or lie outside the file's single-byte code page, a header
/// of its own and an offset scale.
std::string OddNamesBytes() {
    CUnitMgr catalogue;
    catalogue.m_title = "My units";
    catalogue.AddOrUpdateUnit(CUnit("Odd\ttypes", "tab\there", 1, 0));
    catalogue.AddOrUpdateUnit(CUnit("Odd\ttypes", "line\nbreak\r", 1.0 / 3, -0.5));
    catalogue.AddOrUpdateUnit(CUnit("Odd\ttypes", "back\\slash", 0.1 + 0.2, 0));
    catalogue.AddOrUpdateUnit(CUnit("Electric", "\u03A9 ohm \u2126", 1, 0));
    return catalogue.SaveToBytes();
}

std::unique_ptr<CUnitMgr> Load(const std::string& path) {
    auto catalogue = std::make_unique<CUnitMgr>();
    catalogue->LoadFromFile(path);
    return catalogue;
}

class CatalogueTool : public testing::Test {
protected:
    CScratchDir m_scratch;

    std::string CataloguePath() const { return m_scratch.File("Tarvo.Dat"); }
    Outcome Run(std::vector<std::string> args, const std::string& input = "") const {
        args.insert(args.begin(), {"--file", CataloguePath()});
        return RunCommand(std::move(args), input);
    }
};

TEST_F(CatalogueTool, ExportThenReplacingImportGivesBackTheSameFile) {
    for (const std::string& bytes : {FactoryBytes(), OddNamesBytes()}) {
        m_scratch.Write("Tarvo.Dat", bytes);
        const Outcome exported = Run({"--export"});
        ASSERT_EQ(exported.status, 0) << exported.err;
        const std::string tsv = m_scratch.Write("units.tsv", exported.out);

        const Outcome imported = Run({"--import", tsv, "--replace"});
        EXPECT_EQ(imported.status, 0) << imported.err;
        EXPECT_EQ(CScratchDir::Read(CataloguePath()), bytes);
        EXPECT_EQ(Run({"--export"}).out, exported.out);
    }
}

TEST_F(CatalogueTool, ExportWritesHeaderEscapesAnd17Digits) {
    m_scratch.Write("Tarvo.Dat", OddNamesBytes());
    EXPECT_EQ(Run({"--export"}).out, kHeader +
                                         "Electric\t\u03A9 ohm \u2126\t1\t0\n"
                                         "Odd\\ttypes\ttab\\there\t1\t0\n"
                                         "Odd\\ttypes\tline\\nbreak\\r\t0.33333333333333331\t-0.5\n"
                                         "Odd\\ttypes\tback\\\\slash\t0.30000000000000004\t0\n");
    const Outcome factory = RunCommand({"--file", "", "--export"});
    EXPECT_EQ(factory.out.rfind(kHeader + "Currency\tU.S.A. (Dollar)\t1\t0\nCurrency\t", 0), 0U);
    EXPECT_NE(factory.out.find("\nTemperature\tFahrenheit (\u00B0F)\t1.8\t32\n"),
              std::string::npos);
    EXPECT_NE(factory.out.find("\nTime\tday (d)\t0.041666666666666664\t0\n"), std::string::npos);
}

TEST_F(CatalogueTool, BadLineChangesNothing) {
    const std::string tsv = m_scratch.Write("units.tsv", kHeader +
                                                             "Length\tmetre\t1\t0\n"
                                                             "Length\tmile\t0.00062\t0\n"
                                                             "Length\tfoot\t3.28 ft\t0\r\n"
                                                             "Length\tinch\t39.37\t0\n");
    for (const bool replace : {false, true}) {
        std::vector<std::string> args = {"--import", tsv};
        if (replace) {
            args.emplace_back("--replace");
        }
        std::filesystem::remove(CataloguePath());
        EXPECT_EQ(Run(args).status, 2);
        EXPECT_FALSE(std::filesystem::exists(CataloguePath()));

        m_scratch.Write("Tarvo.Dat", FactoryBytes());
        const Outcome outcome = Run(args);
        EXPECT_EQ(outcome.status, 2);
        EXPECT_EQ(outcome.out, "");
        EXPECT_EQ(outcome.err, "tarvo-convert: " + tsv +
                                   ": line 4: the coefficient '3.28 ft' is not a number\n"
                                   "tarvo-convert: 1 bad line in " +
                                   tsv + ", nothing changed\n");
        EXPECT_EQ(CScratchDir::Read(CataloguePath()), FactoryBytes());
    }
}

TEST_F(CatalogueTool, MergeCountsAddedAndUpdatedUnits) {
    m_scratch.Write("Tarvo.Dat", FactoryBytes());
    const std::string input = kHeader +
                              "Length\tmetre\t1\t0\n"
                              "Time\thour (hr)\t1\t0\n"
                              "Time\tday (d)\t0.0416\t0\n"
                              "Temperature\tKelvin (K)\t1\t273.16\n"
                              "Length\tcubit\t2.2\t0\n"
                              "Time\tfortnight\t0.002976190476190476\t0\n";
    const Outcome outcome = Run({"--import", "-"}, input);
    EXPECT_EQ(outcome.status, 0) << outcome.err;
    EXPECT_EQ(outcome.out, "added 3, updated 2 units in " + CataloguePath() + "\n");

    const std::unique_ptr<CUnitMgr> loaded = Load(CataloguePath());
    const CUnitMgr& catalogue = *loaded;
    EXPECT_EQ(catalogue.GetCount(), 156);
    EXPECT_EQ(catalogue.FindUnit("Length", "metre"), 0);
    EXPECT_EQ(catalogue.FindUnit("Length", "cubit"), 1);
    const int day = catalogue.FindUnit("Time", "day (d)");
    EXPECT_EQ(catalogue.GetUnit(day).m_coefficient, 0.0416);
    EXPECT_EQ(catalogue.GetUnit(catalogue.FindUnit("Temperature", "Kelvin (K)")).m_offset, 273.16);

    const Outcome again = Run({"--import", "-"}, input);
    EXPECT_EQ(again.out, "added 0, updated 0 units; the catalogue file stays as it was\n");
}

TEST_F(CatalogueTool, MergeWithoutAFileStartsFromTheFactoryUnits) {
    const Outcome outcome = Run({"--import", "-"}, kHeader + "Length\tmetre\t1\t0\n");
    EXPECT_EQ(outcome.status, 0) << outcome.err;
    EXPECT_EQ(Load(CataloguePath())->GetCount(), 154);
    EXPECT_EQ(Load(CataloguePath())->FindUnit("Currency", "U.S.A. (Dollar)"), 1);

    std::filesystem::remove(CataloguePath());
    const Outcome same = Run({"--import", "-"}, kHeader + "Time\thour (hr)\t1\t0\n");
    EXPECT_EQ(same.status, 0);
    EXPECT_FALSE(std::filesystem::exists(CataloguePath()));
}

TEST_F(CatalogueTool, RefusesWhatItCannotUse) {
    const std::string garbage = "this is not a catalogue";
    const std::string tsv = m_scratch.Write("units.tsv", kHeader + "Length\tmetre\t1\t0\n");
    struct Case {
        std::vector<std::string> args;
        std::string catalogue;
        std::string error;
    };
    const std::string missing = m_scratch.File("missing.tsv");
    // A replace reads the units of the catalogue only to check them.
    const std::string cutShort = FactoryBytes().substr(0, FactoryBytes().size() - 5);
    const Case cases[] = {
        {{"--import", tsv}, garbage, "cannot read the catalogue " + CataloguePath()},
        {{"--import", tsv, "--replace"}, garbage, "cannot read the catalogue " + CataloguePath()},
        {{"--import", tsv, "--replace"}, cutShort, "cannot read the catalogue " + CataloguePath()},
        {{"--rates", kRatesSample}, garbage, "cannot read the catalogue " + CataloguePath()},
        {{"--import", missing},
         FactoryBytes(),
         "cannot open " + missing + ": No such file or directory; nothing changed\n"},
        {{"--import", tsv, "--file", ""},
         FactoryBytes(),
         "no catalogue file to change: the --file name is empty\n"},
        {{"--export", "--replace"}, FactoryBytes(), "option --replace goes with --import only\n"},
        {{"--import", tsv, "--rates", kRatesSample},
         FactoryBytes(),
         "options --import and --rates cannot be combined\n"},
        {{"--rates", tsv},
         FactoryBytes(),
         tsv + ": line 1: not a reference-rate file: the first field must be 'Date'; nothing "
               "changed\n"},
    };
    for (const Case& c : cases) {
        m_scratch.Write("Tarvo.Dat", c.catalogue);
        const Outcome outcome = Run(c.args);
        EXPECT_EQ(outcome.status, 2);
        EXPECT_EQ(outcome.err.rfind("tarvo-convert: " + c.error, 0), 0U) << outcome.err;
        EXPECT_EQ(CScratchDir::Read(CataloguePath()), c.catalogue);
    }
}

TEST_F(CatalogueTool, RatesUpdateAndAddCurrencies) {
    m_scratch.Write("Tarvo.Dat", FactoryBytes());
    const Outcome outcome = Run({"--rates", kRatesSample});
    EXPECT_EQ(outcome.status, 0) << outcome.err;
    EXPECT_EQ(outcome.out.rfind("Japan (Yen): 110 \u2192 152.40677321156775\n"
                                "Bulgaria (Lev): added, 1.8605403348554035\n",
                                0),
              0U);
    EXPECT_NE(outcome.out.find("\nCurrency at the rates of 08 December 2026: updated 18, added "
                               "12, unchanged 1, without a rate 15\n"),
              std::string::npos);

    const std::unique_ptr<CUnitMgr> loaded = Load(CataloguePath());
    const CUnitMgr& catalogue = *loaded;
    const auto coefficient = [&catalogue](const std::string& unit) {
        return catalogue.GetUnit(catalogue.FindUnit("Currency", unit)).m_coefficient;
    };
    EXPECT_EQ(coefficient("U.S.A. (Dollar)"), 1);
    EXPECT_EQ(catalogue.FindBaseUnit("Currency"),
              catalogue.FindUnit("Currency", "U.S.A. (Dollar)"));
    EXPECT_EQ(coefficient("Japan (Yen)"), 160.21 / 1.0512);
    EXPECT_EQ(coefficient("Isra\u00EBl (Shekel)"), 3.8120 / 1.0512);
    EXPECT_EQ(coefficient("Spain (Peseta)"), 128);
    EXPECT_EQ(coefficient("EEC (ECU)"), 0.8);
    EXPECT_EQ(coefficient("Euro"), 1 / 1.0512);
    EXPECT_EQ(catalogue.GetCount(), 165);

    const std::string updated = CScratchDir::Read(CataloguePath());
    EXPECT_NE(Run({"--rates", kRatesSample}).out.find("the catalogue file stays as it was"),
              std::string::npos);
    EXPECT_EQ(CScratchDir::Read(CataloguePath()), updated);
}

TEST_F(CatalogueTool, FailedSaveReportsNoChanges) {
    const std::string unreachable = m_scratch.File("no-such-dir/Tarvo.Dat");
    for (const std::vector<std::string>& args :
         {std::vector<std::string>{"--rates", kRatesSample},
          std::vector<std::string>{"--import", "-", "--replace"}}) {
        std::vector<std::string> withFile = args;
        withFile.insert(withFile.end(), {"--file", unreachable});
        const Outcome outcome = Run(withFile, kHeader + "Length\tmetre\t1\t0\n");
        EXPECT_EQ(outcome.status, 2);
        EXPECT_EQ(outcome.out, "");
        EXPECT_EQ(outcome.err, "tarvo-convert: cannot save the catalogue " + unreachable +
                                   ": No such file or directory; nothing changed\n");
    }
}

struct UnitSetCase {
    const char* label;
    const char* file;
    int units;
    std::vector<std::string> conversion;
    std::string result;
};

void PrintTo(const UnitSetCase& c, std::ostream* os) {
    *os << c.label;
}

class ShippedUnitSet : public CatalogueTool, public testing::WithParamInterface<UnitSetCase> {};

TEST_P(ShippedUnitSet, ImportsCleanlyAndConvertsPublishedValues) {
    const std::string set = kUnitSets + GetParam().file;
    const Outcome merged = Run({"--import", set});
    ASSERT_EQ(merged.status, 0) << merged.err;
    EXPECT_EQ(merged.out, "added " + std::to_string(GetParam().units) + ", updated 0 units in " +
                              CataloguePath() + "\n");
    const Outcome converted = Run(GetParam().conversion);
    EXPECT_EQ(converted.out, GetParam().result + "\n") << converted.err;

    ASSERT_EQ(Run({"--import", set, "--replace"}).status, 0);
    EXPECT_EQ(Run({"--export"}).out, CScratchDir::Read(set));  // written as --export writes
}

INSTANTIATE_TEST_SUITE_P(
    Sets, ShippedUnitSet,
    testing::Values(
        UnitSetCase{"KilowattHourInMegajoules",
                    "energy.tsv",
                    35,
                    {"1", "Energy", "kilowatt hour (kWh)", "megajoule (MJ)"},
                    "3.6"},
        UnitSetCase{
            "BtuInJoules",
            "energy.tsv",
            35,
            {"--precision", "8", "1", "Energy", "British thermal unit (BTU IT)", "joule (J)"},
            "1055.05585262"},
        UnitSetCase{"KilocalorieInKilojoules",
                    "energy.tsv",
                    35,
                    {"1", "Energy", "kilocalorie, thermochem. (kcal)", "kilojoule (kJ)"},
                    "4.184"},
        UnitSetCase{"ElectronvoltInJoules",
                    "energy.tsv",
                    35,
                    {"--raw", "1", "Energy", "electronvolt (eV)", "joule (J)"},
                    "1.6021766340000001e-19"},
        UnitSetCase{"HorsepowerInWatts",
                    "power.tsv",
                    23,
                    {"--precision", "1", "1", "Power", "horsepower, mechanical (hp)", "watt (W)"},
                    "745.7"},
        UnitSetCase{"MetricHorsepowerInKilowatts",
                    "power.tsv",
                    23,
                    {"--precision", "5", "1", "Power", "horsepower, metric (PS)", "kilowatt (kW)"},
                    "0.7355"},
        UnitSetCase{"RadianInDegrees",
                    "angle.tsv",
                    17,
                    {"--precision", "5", "1", "Angle", "radian (rad)", "degree (\u00B0)"},
                    "57.29578"},
        UnitSetCase{
            "TurnInGradians", "angle.tsv", 17, {"1", "Angle", "turn (tr)", "gradian (gon)"}, "400"},
        UnitSetCase{
            "KibibyteInBytes", "data.tsv", 27, {"1", "Data", "kibibyte (KiB)", "byte (B)"}, "1024"},
        UnitSetCase{"GigabyteInMegabits",
                    "data.tsv",
                    27,
                    {"1", "Data", "gigabyte (GB)", "megabit (Mbit)"},
                    "8000"},
        UnitSetCase{"TebibyteInGigabytes",
                    "data.tsv",
                    27,
                    {"1", "Data", "tebibyte (TiB)", "gigabyte (GB)"},
                    "1099.512"},
        UnitSetCase{"PoundForceInNewtons",
                    "force.tsv",
                    14,
                    {"--precision", "10", "1", "Force", "pound-force (lbf)", "newton (N)"},
                    "4.4482216153"}),
    [](const testing::TestParamInfo<UnitSetCase>& testInfo) { return testInfo.param.label; });

TEST(RatesCommand, TakesTheXmlAsItTakesTheCsv) {
    const CScratchDir scratch;
    const std::string fromXml = scratch.File("xml.Dat");
    const std::string fromCsv = scratch.File("csv.Dat");
    const Outcome xml =
        RunCommand({"--file", fromXml, "--rates", TARVO_TEST_DATA "/eurofxref-daily.xml"});
    const Outcome csv =
        RunCommand({"--file", fromCsv, "--rates", TARVO_TEST_DATA "/eurofxref-sample.csv"});
    ASSERT_EQ(xml.status, 0) << xml.err;
    ASSERT_EQ(csv.status, 0) << csv.err;
    EXPECT_NE(xml.out.find("Currency at the rates of 2026-12-08: updated 18, added 12"),
              std::string::npos)
        << xml.out;
    EXPECT_EQ(CScratchDir::Read(fromXml), CScratchDir::Read(fromCsv));
}

}  // namespace
