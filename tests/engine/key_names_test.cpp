#include <gtest/gtest.h>

#include <set>

#include "engine/key_names.h"

namespace zentra {
namespace {

using Words = std::vector<std::uint32_t>;

TEST(CommandWordsOfToken, KeyNamesWordsAndTypedNumbers) {
    const auto hex = NumberBase::Hexadecimal;
    const auto dec = NumberBase::Decimal;
    EXPECT_EQ(commandWordsOfToken("C", hex), (Words{67}));  // the clear key, even in Hexadecimal
    EXPECT_EQ(commandWordsOfToken("(...", dec), (Words{6}));
    EXPECT_EQ(commandWordsOfToken("#123205", dec), (Words{123205}));
    EXPECT_EQ(commandWordsOfToken("#4294967295", dec), (Words{4294967295u}));
    EXPECT_EQ(commandWordsOfToken("0C", hex), (Words{48, 12}));
    EXPECT_EQ(commandWordsOfToken("1.5E3", dec), (Words{49, 46, 53, 110, 51}));
    for (const char* bad : {"#4294967296", "#99999999999", "#12a", "#", "FF", "-5", "", "sin2"})
        EXPECT_FALSE(commandWordsOfToken(bad, dec)) << bad;
    EXPECT_EQ(commandWordsOfToken("1E3", hex), (Words{49, 10, 51}));  // E is the cos key there
}

// The manual page and the completion list these: each must be a key, once.
TEST(KeyNames, EveryListedNameIsAKeyAndListedOnce) {
    const std::vector<std::string_view> names = keyNames();
    EXPECT_EQ(names.size(), 48u);  // 45 commands, 3 of them with a second name
    std::set<std::string_view> seen;
    for (std::string_view name : names) {
        EXPECT_TRUE(keyByName(name)) << name;
        EXPECT_TRUE(seen.insert(name).second) << name;
    }
}

}  // namespace
}  // namespace zentra
