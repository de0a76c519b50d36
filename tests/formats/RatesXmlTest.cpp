#include <gtest/gtest.h>

#include <string>

#include "formats/RatesFile.h"

namespace {

TEST(RatesXml, TakesTheNewestDayAndAnyPrefix) {
    // A history file lists the newest day first; a byte order mark and blanks may lead.
    const std::string text(
        "\xEF\xBB\xBF \n<e:Envelope xmlns:e='urn:x'><e:Cube><e:Cube time='2026-12-08'>"
        "<e:Cube currency='USD' rate='1.25'/><!-- note --><e:Cube currency='EUR' rate='1'/>"
        "</e:Cube><e:Cube time='2026-12-07'><e:Cube currency='USD' rate='9'/></e:Cube>"
        "</e:Cube></e:Envelope>");
    CRatesFile rates;
    std::string error;
    ASSERT_TRUE(rates.Read(text, error)) << error;
    EXPECT_EQ(rates.Date(), "2026-12-08");
    ASSERT_EQ(rates.Rates().size(), 2U);
    EXPECT_EQ(rates.Rates()[0].perEuro, 1.25);
    EXPECT_EQ(rates.Rates()[1].code, "EUR");
}

}  // namespace
