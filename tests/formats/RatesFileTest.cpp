#include "formats/RatesFile.h"
#include "formats/RatesUpdate.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "catalogue/UnitMgr.h"
#include "tests/support/ScratchDir.h"

namespace {

const std::string kSample = TARVO_TEST_DATA "/eurofxref-sample.csv";
const std::string kCurrency = "Currency";

struct RejectCase {
    const char* label;
    std::string text;
    std::string error;
};

void PrintTo(const RejectCase& c, std::ostream* os) {
    *os << c.label;
}

class RatesFileReject : public testing::TestWithParam<RejectCase> {};

TEST_P(RatesFileReject, NamesTheFault) {
    CRatesFile rates;
    std::string error;
    EXPECT_FALSE(rates.Read(GetParam().text, error));
    EXPECT_EQ(error, GetParam().error);
    EXPECT_TRUE(rates.Rates().empty());
    EXPECT_TRUE(rates.Date().empty());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RatesFileReject,
    testing::Values(
        RejectCase{"Empty", "\n \n", "the rates file is empty"},
        RejectCase{"NotDate", "Day, USD\n1 May, 1.1\n",
                   "line 1: not a reference-rate file: the first field must be 'Date'"},
        RejectCase{"RepeatedCode", "Date, USD, USD\n1 May, 1.1, 1.1\n",
                   "line 1: the currency code 'USD' is empty or repeated"},
        RejectCase{"EmptyCode", "Date, USD,, JPY\n1 May, 1.1, 2, 3\n",
                   "line 1: the currency code '' is empty or repeated"},
        RejectCase{"NoRates", "Date, USD, \n", "the rates file has a header but no line of rates"},
        RejectCase{"TooFewRates", "Date, USD, JPY, \n\n1 May, 1.1, \n",
                   "line 3: 2 fields for 3 columns of the header"},
        RejectCase{"RateNotANumber", "Date, USD, JPY\n1 May, 1.1, 16O\n",
                   "line 2: the rate of JPY '16O' is not a positive number"},
        RejectCase{"RateZero", "Date, USD\n1 May, 0\n",
                   "line 2: the rate of USD '0' is not a positive number"},
        RejectCase{"RateNegative", "Date, USD\n1 May, -1.1\n",
                   "line 2: the rate of USD '-1.1' is not a positive number"},
        RejectCase{"RateDenormal", "Date, USD\n1 May, 4e-320\n",
                   "line 2: the rate of USD '4e-320' is not a positive number"},
        RejectCase{"HugeRateQuotedShort", "Date, USD\n1 May, " + std::string(5000, '9') + "x\n",
                   "line 2: the rate of USD '" + std::string(60, '9') +
                       "\u2026' is not a positive number"},
        RejectCase{
            "HugeCodeQuotedShort",
            "Date, USD" + std::string(5000, 'D') + ", USD" + std::string(5000, 'D') + "\n1 May\n",
            "line 1: the currency code 'USD" + std::string(57, 'D') +
                "\u2026' is empty or repeated"},
        RejectCase{"LineOver64KiB", "Date, USD\n1 May, 1" + std::string(65536, '0') + "\n",
                   "line 2: the line is longer than 64 KiB"}),
    [](const testing::TestParamInfo<RejectCase>& testInfo) { return testInfo.param.label; });

std::string Envelope(const std::string& cubes) {
    return "<?xml version=\"1.0\"?>\n"
           "<gesmes:Envelope xmlns:gesmes=\"http://www.gesmes.org/xml/2002-08-01\" "
           "xmlns=\"http://www.ecb.int/vocabulary/2002-08-01/eurofxref\">"
           "<gesmes:subject>Reference rates</gesmes:subject><Cube>" +
           cubes + "</Cube></gesmes:Envelope>";
}

INSTANTIATE_TEST_SUITE_P(
    Xml, RatesFileReject,
    testing::Values(
        RejectCase{"Truncated", Envelope("<Cube time='2026-12-08'>").substr(0, 250),
                   "the XML is not well-formed: Start-end tags mismatch at byte 237"},
        RejectCase{"BadAttribute", Envelope("<Cube time='2026-12-08'><Cube currency='USD' ra"),
                   "the XML is not well-formed: Error parsing element attribute at byte 252"},
        RejectCase{"Html", "<html><body>Service unavailable</body></html>",
                   "not a reference-rate file: the XML holds <html>, not an <Envelope> of rates"},
        RejectCase{"NoDay", Envelope(""),
                   "not a reference-rate file: the XML holds no <Cube> of a day's rates"},
        RejectCase{"NoDate", Envelope("<Cube><Cube currency='USD' rate='1.05'/></Cube>"),
                   "the rates file gives no date for its rates"},
        RejectCase{"CsvNoDate", "Date, USD\n, 1.05\n",
                   "the rates file gives no date for its rates"},
        RejectCase{"RepeatedCode",
                   Envelope("<Cube time='2026-12-08'><Cube currency='USD' rate='1.05'/>"
                            "<Cube currency='USD' rate='1.06'/></Cube>"),
                   "the currency code 'USD' is empty or repeated"},
        RejectCase{"NoCode", Envelope("<Cube time='2026-12-08'><Cube rate='1.05'/></Cube>"),
                   "the currency code '' is empty or repeated"},
        RejectCase{"RateNotANumber",
                   Envelope("<Cube time='2026-12-08'><Cube currency='JPY' rate='16O'/></Cube>"),
                   "the rate of JPY '16O' is not a positive number"},
        RejectCase{"RateMissing", Envelope("<Cube time='2026-12-08'><Cube currency='JPY'/></Cube>"),
                   "the rate of JPY '' is not a positive number"},
        RejectCase{"RateZero",
                   Envelope("<Cube time='2026-12-08'><Cube currency='USD' rate='0'/></Cube>"),
                   "the rate of USD '0' is not a positive number"},
        RejectCase{"Garbage", "\x89PNG\r\n\x1a\n",
                   "line 1: not a reference-rate file: the first field must be 'Date'"}),
    [](const testing::TestParamInfo<RejectCase>& testInfo) { return testInfo.param.label; });

CRatesFile ReadRates(const std::string& text) {
    CRatesFile rates;
    std::string error;
    EXPECT_TRUE(rates.Read(text, error)) << error;
    return rates;
}

double Coefficient(const CUnitMgr& catalogue, const std::string& unit) {
    const int index = catalogue.FindUnit(kCurrency, unit);
    return index < 0 ? -1.0 : catalogue.GetUnit(index).m_coefficient;
}

TEST(RatesFile, ReadsTheSampleWithTheEuroAdded) {
    CRatesFile rates;
    std::string error;
    ASSERT_TRUE(rates.Read(CScratchDir::Read(kSample), error)) << error;
    EXPECT_EQ(rates.Date(), "08 December 2026");
    ASSERT_EQ(rates.Rates().size(), 31U);
    EXPECT_EQ(rates.Rates().front().code, "USD");
    EXPECT_EQ(rates.Rates().front().perEuro, 1.0512);
    EXPECT_EQ(rates.Rates().back().code, "EUR");
    EXPECT_EQ(rates.Rates().back().perEuro, 1.0);
    for (const CCurrencyRate& rate : rates.Rates()) {
        EXPECT_FALSE(CRatesUpdate::UnitName(rate.code).empty()) << rate.code;
    }
}

TEST(RatesFile, TurnsRatesPerEuroIntoUnitsPerDollar) {
    CUnitMgr catalogue;
    catalogue.AddFactoryUnits();
    const int yen = catalogue.FindUnit(kCurrency, "Japan (Yen)");
    const CUnitMgr::TypeRun run = catalogue.FindTypeRun(kCurrency);
    const CRatesFile rates = ReadRates(
        "Date, USD, JPY, PLN, ISK, XAU, \n"
        "8 December 2026, 1.0512, 160.21, 4.2715, N/A, 0.4, \n");
    CRatesUpdate::Outcome outcome;
    std::string error;
    ASSERT_TRUE(CRatesUpdate::Apply(rates.Rates(), catalogue, outcome, error)) << error;

    EXPECT_EQ(Coefficient(catalogue, "U.S.A. (Dollar)"), 1.0);
    EXPECT_EQ(Coefficient(catalogue, "Japan (Yen)"), 160.21 / 1.0512);
    EXPECT_EQ(catalogue.FindUnit(kCurrency, "Japan (Yen)"), yen);
    EXPECT_EQ(Coefficient(catalogue, "Poland (Zloty)"), 4.2715 / 1.0512);
    EXPECT_EQ(Coefficient(catalogue, "Euro"), 1 / 1.0512);
    EXPECT_EQ(catalogue.FindUnit(kCurrency, "Poland (Zloty)"), run.end);
    EXPECT_EQ(catalogue.FindUnit(kCurrency, "Iceland (Krona)"), -1);
    EXPECT_EQ(Coefficient(catalogue, "Spain (Peseta)"), 128);
    EXPECT_EQ(Coefficient(catalogue, "Brazil (Real)"), 1);

    EXPECT_EQ(outcome.unknownCodes, std::vector<std::string>{"XAU"});
    EXPECT_EQ(outcome.unchanged, 1);                          // the dollar
    EXPECT_EQ(outcome.withoutRate, run.end - run.begin - 2);  // all but dollar and yen
    ASSERT_EQ(outcome.changes.size(), 3U);
    EXPECT_EQ(outcome.changes[0].unit, "Japan (Yen)");
    EXPECT_EQ(outcome.changes[0].oldCoefficient, 110.0);
    EXPECT_FALSE(outcome.changes[1].oldCoefficient.has_value());
}

TEST(RatesFile, TakesTheNewestDayOfAHistoryFile) {
    CUnitMgr catalogue;
    catalogue.AddFactoryUnits();
    const CRatesFile rates =
        ReadRates("Date,USD,JPY,\r\n2026-12-08,1.25,150,\r\n2026-12-07,1.5,300,\r\n");
    CRatesUpdate::Outcome outcome;
    std::string error;
    ASSERT_TRUE(CRatesUpdate::Apply(rates.Rates(), catalogue, outcome, error)) << error;
    EXPECT_EQ(rates.Date(), "2026-12-08");
    EXPECT_EQ(Coefficient(catalogue, "Japan (Yen)"), 120);
}

TEST(RatesFile, ChangesNothingWithoutADollar) {
    struct Case {
        std::string rates;
        bool dollarUnit;
        std::string error;
    };
    const Case cases[] = {
        {"Date, USD, JPY\n1 May, N/A, 160\n", true, "the rates file has no rate for USD"},
        {"Date, GBP, JPY\n1 May, 0.8, 160\n", true, "the rates file has no rate for USD"},
        {"Date, USD, JPY\n1 May, 1.1, 160\n", false,
         "the catalogue has no unit 'U.S.A. (Dollar)' of type 'Currency' to base the rates on"},
        {"Date, USD, JPY\n1 May, 1e-300, 1e10\n", true,
         "the rate of JPY per USD is inf, too large or too small for a unit"},
        {"Date, USD, JPY\n1 May, 1e300, 1e-300\n", true,
         "the rate of JPY per USD is 0, too large or too small for a unit"},
    };
    for (const Case& c : cases) {
        CUnitMgr catalogue;
        catalogue.AddFactoryUnits();
        if (!c.dollarUnit) {
            catalogue.RemoveUnit(kCurrency, "U.S.A. (Dollar)");
        }
        const std::string before = catalogue.SaveToBytes();
        CRatesUpdate::Outcome outcome;
        std::string error;
        EXPECT_FALSE(CRatesUpdate::Apply(ReadRates(c.rates).Rates(), catalogue, outcome, error));
        EXPECT_EQ(error, c.error);
        EXPECT_EQ(catalogue.SaveToBytes(), before);
    }
}

}  // namespace
