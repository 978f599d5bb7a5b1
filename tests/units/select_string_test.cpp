#include "units/select_string.h"

#include <gtest/gtest.h>

namespace zentra {
namespace {

SortedList listOf(std::initializer_list<const char*> texts) {
    SortedList list;
    for (const char* t : texts) list.add(t);
    return list;
}

TEST(SortedList, KeepsCaseInsensitiveOrderAndInsertionOrderOfEquals) {
    SortedList list = listOf({"mm", "Kelvin", "", "deg", "Mm", "angle"});
    EXPECT_EQ(list.items(), (std::vector<std::string>{"", "angle", "deg", "Kelvin", "mm", "Mm"}));
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
