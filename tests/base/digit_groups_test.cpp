// Where the display and the tape draw a thin space between digit groups.

#include "base/digit_groups.h"

#include <gtest/gtest.h>

namespace zentra {
namespace {

struct GroupCase {
    NumberBase base;
    const char* text;
    const char* grouped;  // with "_" for the separator
};

TEST(DigitGroups, OnlyTheIntegerDigitsOfANumberAreGrouped) {
    using B = NumberBase;
    const GroupCase cases[] = {
        {B::Decimal, "1234", "1_234"},
        {B::Decimal, "-1234567.891", "-1_234_567.891"},
        {B::Decimal, "4142135623730951454746.", "4_142_135_623_730_951_454_746."},
        {B::Decimal, "-1.41421356237310E+000", "-1.41421356237310E+000"},
        {B::Decimal, "12345E3", "12_345E3"},
        {B::Financial, "-1234567.89", "-1_234_567.89"},
        {B::Decimal, "Overflow Error", "Overflow Error"},
        {B::Decimal,
         "1234\xBA"
         "30'",
         "1234\xBA"
         "30'"},  // an angle in degrees-minutes-seconds
        {B::Binary, "11111111111111111111111111111111", "1111_1111_1111_1111_1111_1111_1111_1111"},
        {B::Hexadecimal, "7FFFFFFF  ", "7FFF_FFFF  "},
        {B::Hexadecimal, "-80000000", "-8000_0000"},
        {B::Hexadecimal, "12.5", "12.5"},  // no point in an integer base
        {B::Octal, "37777777777", "37_777_777_777"},
    };
    for (const GroupCase& c : cases)
        EXPECT_EQ(groupedDigits(c.text, c.base, "_"), c.grouped) << c.text;
}

}  // namespace
}  // namespace zentra
