#include "search/SearchAnswers.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "catalogue/Unit.h"
#include "search/SearchCatalogue.h"
#include "tests/support/SearchSession.h"

namespace {

// A session's files as the window leaves them, and the answers on them.
class SearchAnswersTest : public ::testing::Test {
protected:
    void SetUp() override { m_session.WindowSaves(); }

    CSearchSession m_session;
    const CScratchDir& m_scratch = m_session.Scratch();
    CSearchCatalogue m_catalogue{m_session.Record(), m_session.Store()};
    CSearchAnswers m_answers{m_catalogue, false};
};

std::vector<std::string> Names(CSearchAnswers& answers, const std::string& query) {
    std::vector<std::string> names;
    for (const std::string& id : answers.Find(query)) {
        names.push_back(answers.Describe(id).value().name);
    }
    return names;
}

TEST_F(SearchAnswersTest, AConversionIsShownAsTheWindowWouldShowIt) {
    const std::vector<std::string> ids = m_answers.Find("5 psi in bar");
    ASSERT_EQ(ids.size(), 1u);
    const CSearchAnswers::Result result = m_answers.Describe(ids[0]).value();
    EXPECT_EQ(result.name, "0.345 bar");
    EXPECT_EQ(result.description,
              "5 pound per square inch (psi) = 0.345 bar (bar) \u00B7 Pressure");
    EXPECT_EQ(result.number, "0.345");
    EXPECT_EQ(result.query, "5 pound per square inch (psi) in bar (bar)");

    CSearchAnswers comma(m_catalogue, true);
    const CSearchAnswers::Result german = comma.Describe(comma.Find("1,5 ft in cm")[0]).value();
    EXPECT_EQ(german.name, "45,72 cm");
    EXPECT_EQ(german.description, "1,5 foot (ft.) = 45,72 centimeter (cm) \u00B7 Distance");
    EXPECT_EQ(german.query, "1.5 foot (ft.) in centimeter (cm)");  // as the window reads it
}

TEST_F(SearchAnswersTest, QueriesGiveTheirConversionsOrNothing) {
    struct Case {
        std::string query;
        std::size_t results;
    };
    const Case cases[] = {
        {"5 psi in bar", 1},
        {"5 psi", CSearchAnswers::kMaxResults},
        {"quarter in kg", 1},
        {"weather", 0},
        {"5 psi in kg", 0},
        {"", 0},
        {"5 psi in " + std::string(CSearchAnswers::kMaxQuery, 'b'), 0},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(m_answers.Find(c.query).size(), c.results) << c.query.substr(0, 40);
    }
}

TEST_F(SearchAnswersTest, TheWindowsLastToUnitAndPrecisionAreUsed) {
    EXPECT_EQ(Names(m_answers, "5 psi").front(), "34473.786 Pa");
    m_session.WindowSettles("Pressure", "bar (bar)", 5);
    EXPECT_EQ(Names(m_answers, "5 psi").front(), "0.34474 bar");
    m_session.WindowSettles("Distance", "bar (bar)", 1);
    EXPECT_EQ(Names(m_answers, "5 psi").front(), "34473.8 Pa");
}

TEST_F(SearchAnswersTest, ASavedCatalogueIsPickedUpAndItsOldIdsAreRefused) {
    EXPECT_TRUE(m_answers.Find("2 sack in kg").empty());
    const std::vector<std::string> firstIds = m_answers.Find("5 psi in bar");
    m_session.WindowSaves({CUnit("Weight", "sack", 1 / 50.0, 0)});
    EXPECT_FALSE(m_answers.Describe(firstIds[0]));
    const std::vector<std::string> ids = m_answers.Find("2 sack in kg");
    ASSERT_EQ(ids.size(), 1u);
    EXPECT_EQ(m_answers.Describe(ids[0])->name, "100 kg");

    m_session.WindowSaves({CUnit("Weight", "sack", 1 / 25.0, 0)});
    EXPECT_FALSE(m_answers.Describe(ids[0]));
    EXPECT_EQ(Names(m_answers, "2 sack in kg"), std::vector<std::string>{"50 kg"});

    // Damaged, or gone: the factory units, as the window would show.
    m_scratch.Write("work/Tarvo.Dat", "not a catalogue");
    EXPECT_EQ(Names(m_answers, "2 sack in kg"), std::vector<std::string>{});
    EXPECT_EQ(Names(m_answers, "1 yd in ft"), std::vector<std::string>{"3 ft."});
    std::filesystem::remove(m_session.CatalogueFile());
    EXPECT_EQ(Names(m_answers, "1 yd in ft"), std::vector<std::string>{"3 ft."});
}

TEST_F(SearchAnswersTest, IdsThatAreNotTheCurrentCataloguesAreRefused) {
    const auto Index = [this](const char* type, const char* name) {
        return std::to_string(m_catalogue.Catalogue().FindUnit(type, name));
    };
    const std::string id = m_answers.Find("5 psi in bar").at(0);
    const std::string generation = id.substr(0, id.find('/'));
    const std::string bad[] = {
        "",
        "/",
        "x",
        generation,
        generation + "/0/1",
        generation + "/0/1/",
        generation + "/0/1/1p+0/",
        generation + "/-1/1/1p+0",
        generation + "/0/100000/1p+0",
        generation + "/0/1/nan",
        generation + "/0/1/inf",
        generation + "/" + Index("Pressure", "bar (bar)") + "/" + Index("Distance", "meter (m)") +
            "/1p+0",  // units of two types
        "1" + id,
        id + "x",
        std::string(1 << 20, '7'),
    };
    for (const std::string& text : bad) {
        EXPECT_FALSE(m_answers.Describe(text)) << text.substr(0, 40);
    }
    EXPECT_TRUE(m_answers.Describe(id));
}

TEST_F(SearchAnswersTest, TheWindowStartsWhereItsCatalogueFileIsTheRecordedOne) {
    CSearchCatalogue noWindow(m_scratch.File("none"), m_session.Store());
    noWindow.Refresh();
    EXPECT_EQ(noWindow.WindowFolder(), "");
    m_catalogue.Refresh();
    EXPECT_EQ(m_catalogue.WindowFolder(), (m_scratch.Path() / "work").string());
}

TEST_F(SearchAnswersTest, NothingIsEverWritten) {
    const auto files = [this] {
        std::vector<std::pair<std::string, std::filesystem::file_time_type>> found;
        for (const auto& entry : std::filesystem::recursive_directory_iterator(m_scratch.Path())) {
            found.emplace_back(entry.path().string(), entry.last_write_time());
        }
        return found;
    };
    const auto before = files();
    for (const char* query : {"5 psi", "5 psi in bar", "weather"}) {
        for (const std::string& id : m_answers.Find(query)) {
            m_answers.Describe(id);
        }
    }
    EXPECT_EQ(files(), before);
}

}  // namespace
