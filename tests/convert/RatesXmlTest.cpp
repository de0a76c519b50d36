#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "convert/RatesFile.h"
#include "tests/convert/CommandRun.h"
#include "tests/support/ScratchDir.h"

namespace {

const std::string kDailyXml = TARVO_TEST_DATA "/eurofxref-daily.xml";

TEST(RatesXml, TakesTheNewestDayAndAnyPrefix) {
    // A history file lists the newest day first; a byte order mark and blanks may lead.
    std::istringstream in(
        "\xEF\xBB\xBF \n<e:Envelope xmlns:e='urn:x'><e:Cube><e:Cube time='2026-12-08'>"
        "<e:Cube currency='USD' rate='1.25'/><!-- note --><e:Cube currency='EUR' rate='1'/>"
        "</e:Cube><e:Cube time='2026-12-07'><e:Cube currency='USD' rate='9'/></e:Cube>"
        "</e:Cube></e:Envelope>");
    CRatesFile rates;
    std::string error;
    ASSERT_TRUE(rates.Read(in, error)) << error;
    EXPECT_EQ(rates.Date(), "2026-12-08");
    ASSERT_EQ(rates.Rates().size(), 2U);
    EXPECT_EQ(rates.Rates()[0].perEuro, 1.25);
    EXPECT_EQ(rates.Rates()[1].code, "EUR");
}

TEST(RatesCommand, TakesTheXmlAsItTakesTheCsv) {
    const CScratchDir scratch;
    const std::string fromXml = scratch.File("xml.Dat");
    const std::string fromCsv = scratch.File("csv.Dat");
    const Outcome xml = RunCommand({"--file", fromXml, "--rates", kDailyXml});
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
