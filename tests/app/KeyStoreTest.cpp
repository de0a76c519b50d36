#include <gtest/gtest.h>

#include <string>

#include "TempStore.h"
#include "app/KeyStore.h"

namespace {

class KeyStoreTest : public TempStore {};

TEST_F(KeyStoreTest, NumbersAndTextsStayApartAndTextsEndAtTheirFirstNul) {
    const CKeyStore::Path section{{"Software"}, {"Kolpa", "", "Tarvo", "General"}};
    struct Case {
        CKeyStore::Value written;
        CKeyStore::Value read;
    };
    const Case cases[] = {
        {0, 0},
        {-2147483647 - 1, -2147483647 - 1},
        {2147483647, 2147483647},
        {std::string(), std::string()},
        {std::string("12"), std::string("12")},
        {std::string("Ångström"), std::string("Ångström")},
        {std::string("Dist\0ance", 9), std::string("Dist")},
    };
    for (const Case& c : cases) {
        ASSERT_TRUE(CKeyStore(Root()).SetValue(section, "Value", c.written));
        EXPECT_EQ(CKeyStore(Root()).GetValue(section, "VALUE"), c.read);
    }
    EXPECT_EQ(CKeyStore(Root()).ValueNames({"Software", "Kolpa", "Tarvo", "General"}),
              std::vector<std::string>{"Value"});
}

}  // namespace
