#include "dialogs/select_string.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

namespace zentra {
namespace {

SortedList listOf(std::initializer_list<const char*> texts) {
    SortedList list;
    for (const char* t : texts) list.add(t);
    return list;
}

TEST(SortedList, KeepsCaseInsensitiveOrderAndInsertionOrderOfEquals) {
    const std::vector<std::string> sorted{"", "[x", "angle", "deg", "Kelvin", "mm", "Mm"};
    EXPECT_EQ(listOf({"mm", "Kelvin", "", "deg", "Mm", "[x", "angle"}).items(), sorted);
    SortedList filled;
    filled.addAll({"mm", "Kelvin", "", "deg", "Mm", "[x", "angle"});
    EXPECT_EQ(filled.items(), sorted);
}

// Whatever the order of the texts and whatever the list holds already, filling
// in one go gives the entries and the selection that adding one by one gives.
TEST(SortedList, FillingInOneGoMatchesAddingOneByOne) {
    std::vector<std::string> names{"mm", "Kelvin", "",         "deg", "Mm", "angle", "MM", "b",
                                   "B",  "a",      "\xc3\xa9", "Z",   "_x", "[",     "deg"};
    std::mt19937 random(7);
    for (std::size_t round = 0; round < 60; ++round) {
        std::shuffle(names.begin(), names.end(), random);
        const std::size_t present = round % names.size();
        SortedList oneByOne;
        for (std::size_t i = 0; i < present; ++i) oneByOne.add(names[i]);
        if (present > 0) oneByOne.selectIndex(round % present);
        SortedList inOneGo = oneByOne;
        for (std::size_t i = present; i < names.size(); ++i) oneByOne.add(names[i]);
        inOneGo.addAll(
            std::vector<std::string_view>(names.begin() + static_cast<long>(present), names.end()));
        ASSERT_EQ(inOneGo.items(), oneByOne.items()) << round;
        ASSERT_EQ(inOneGo.selectedIndex(), oneByOne.selectedIndex()) << round;
    }
}

struct SelectCase {
    const char* name;
    const char* text;
    std::optional<std::size_t> index;
};

class SelectStringTest : public ::testing::TestWithParam<SelectCase> {};

// Sorted: "", "deg", "degC", "gr", "Mm", "mm", "radians"
TEST_P(SelectStringTest, PicksTheEntry) {
    SortedList list = listOf({"radians", "deg", "gr", "", "degC", "Mm", "mm"});
    EXPECT_EQ(selectStringIndex(list.items(), GetParam().text), GetParam().index);
}

INSTANTIATE_TEST_SUITE_P(
    SelectString, SelectStringTest,
    ::testing::Values(SelectCase{"ExactName", "degC", 2}, SelectCase{"ShorterNameFirst", "deg", 1},
                      SelectCase{"PrefixIgnoringCase", "RAD", 6},
                      SelectCase{"ExactMatchBeatsEntryEqualButForCase", "mm", 5},
                      SelectCase{"EmptyTextSelectsEmptyName", "", 0},
                      SelectCase{"NoMatch", "x", std::nullopt}),
    [](const auto& test) { return std::string(test.param.name); });

TEST(SortedList, FailedSelectKeepsSelectionAndAddKeepsItOnTheSameEntry) {
    SortedList list = listOf({"b", "d"});
    ASSERT_TRUE(list.selectString("d"));
    EXPECT_FALSE(list.selectString("z"));
    EXPECT_EQ(list.selectedText(), "d");
    list.add("a");
    EXPECT_EQ(list.selectedText(), "d");
    list.clear();
    EXPECT_FALSE(list.selectedText());
}

}  // namespace
}  // namespace zentra
