#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <limits>

#include "base/number_text.h"

namespace zentra {
namespace {

struct FormatCase {
    double value;
    char conv;
    int precision;
    bool alternate;
    const char* expected;
};

class FormatDoubleTest : public ::testing::TestWithParam<FormatCase> {};

TEST_P(FormatDoubleTest, MatchesPrintfWithThreeDigitExponents) {
    const FormatCase& c = GetParam();
    EXPECT_EQ(formatDouble(c.value, c.conv, c.precision, c.alternate), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Conversions, FormatDoubleTest,
    ::testing::Values(FormatCase{5, 'G', 10, true, "5.000000000"},
                      FormatCase{0, 'G', 10, true, "0.000000000"},
                      FormatCase{123456789012.0, 'G', 10, true, "1.234567890E+011"},
                      FormatCase{0.0001, 'G', 10, true, "0.0001000000000"},
                      FormatCase{0.00001, 'G', 10, true, "1.000000000E-005"},
                      FormatCase{-0.0, 'G', 10, true, "-0.000000000"},
                      FormatCase{9999999999.5, 'G', 10, true, "1.000000000E+010"},
                      FormatCase{5, 'G', 0, true, "5."}, FormatCase{5, 'G', 1, true, "5."},
                      FormatCase{5, 'f', 0, true, "5."}, FormatCase{5, 'E', 0, true, "5.E+000"},
                      FormatCase{1e-300, 'e', 15, false, "1.000000000000000e-300"},
                      FormatCase{0.0174532925199433, 'e', 15, false, "1.745329251994330e-002"},
                      FormatCase{2.5, 'g', 6, false, "2.5"},
                      FormatCase{1e20, 'g', 6, false, "1e+020"},
                      FormatCase{0.1, 'G', 18, true, "0.100000000000000006"},
                      FormatCase{1.0 / 3.0, 'G', 18, true, "0.333333333333333315"},
                      FormatCase{10, 'G', 18, true, "10.0000000000000000"},
                      FormatCase{-1.7976931348623157e308, 'E', 14, true, "-1.79769313486232E+308"},
                      FormatCase{12.5, 'f', 3, false, "12.500"},
                      FormatCase{0.5, 'f', 0, false, "0"}, FormatCase{1.5, 'f', 0, false, "2"}));

TEST(FormatDouble, NonFiniteValuesPrintAsTheCLibraryDoes) {
    EXPECT_EQ(formatDouble(INFINITY, 'G', 10), "INF");
    EXPECT_EQ(formatDouble(-INFINITY, 'f', 2), "-inf");
    EXPECT_EQ(formatDouble(NAN, 'e', 3), "nan");
}

TEST(FormatDouble, HugePrecisionStaysBounded) {
    const std::string text = formatDouble(1.0 / 3.0, 'f', std::numeric_limits<int>::max());
    EXPECT_GT(text.size(), 25u);
    EXPECT_LT(text.size(), 5000u);
    EXPECT_EQ(formatDouble(2.0, 'G', -4), "2.00000");  // negative precision means 6
}

struct ParseCase {
    const char* text;
    double expected;
    std::size_t consumed;
};

class ParseDecimalTest : public ::testing::TestWithParam<ParseCase> {};

TEST_P(ParseDecimalTest, ReadsTheLongestDecimalPrefix) {
    const ParseCase& c = GetParam();
    std::size_t consumed = 99;
    const double value = parseDecimalPrefix(c.text, &consumed);
    if (std::isinf(c.expected)) {
        EXPECT_EQ(value, c.expected);
    } else {
        EXPECT_DOUBLE_EQ(value, c.expected) << c.text;
    }
    EXPECT_EQ(consumed, c.consumed) << c.text;
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ParseDecimalTest,
    ::testing::Values(ParseCase{"1.5E", 1.5, 3}, ParseCase{"1.5E-", 1.5, 3},
                      ParseCase{"0.0E7", 0, 5}, ParseCase{".", 0, 0}, ParseCase{"-", 0, 0},
                      ParseCase{"Divide Zero Error", 0, 0}, ParseCase{"12abc", 12, 2},
                      ParseCase{"  -3.25e2x", -325, 9}, ParseCase{"+.5", 0.5, 3},
                      ParseCase{"1.", 1, 2}, ParseCase{"1e999", INFINITY, 5},
                      ParseCase{"-1e999", -INFINITY, 6}, ParseCase{"1e-999", 0, 6},
                      ParseCase{"0.00000001e-400", 0, 15}, ParseCase{"nan", 0, 0},
                      ParseCase{"inf", 0, 0}, ParseCase{"1.234567890E+011", 123456789000.0, 16}));

// The store's reader takes every form the store's writer gives, and what the
// display reader takes; the sign of a NaN survives.
TEST(ParseStoredDouble, ReadsInfinitiesAndNaNsBesideDecimals) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    struct Row {
        const char* text;
        double expected;
    };
    const Row rows[] = {{"INF", INFINITY},
                        {"-INF", -INFINITY},
                        {" +infinity", INFINITY},
                        {"NAN", nan},
                        {"-NAN", -nan},
                        {"nan(123)x", nan},
                        {"in", 0},
                        {"-n", 0},
                        {"-0.00000000000000000", -0.0},
                        {"  2.5E+003x", 2500},
                        {"1e999", INFINITY},
                        {"junk", 0}};
    for (const Row& row : rows) {
        const double value = parseStoredDouble(row.text);
        EXPECT_EQ(std::isnan(value), std::isnan(row.expected)) << row.text;
        EXPECT_EQ(std::signbit(value), std::signbit(row.expected)) << row.text;
        if (!std::isnan(row.expected)) {
            EXPECT_EQ(value, row.expected) << row.text;
        }
    }
}

TEST(NumberText, IgnoresACommaLocale) {
    const char* previous = std::setlocale(LC_ALL, nullptr);
    const std::string saved = previous ? previous : "C";
    if (!std::setlocale(LC_ALL, "de_DE.UTF-8")) GTEST_SKIP() << "de_DE.UTF-8 is not installed";
    EXPECT_EQ(formatDouble(2.5, 'G', 10), "2.500000000");
    EXPECT_EQ(formatStoredDouble(0.1), "0.100000000000000006");
    EXPECT_DOUBLE_EQ(parseDecimalPrefix("2.5"), 2.5);
    std::setlocale(LC_ALL, saved.c_str());
}

}  // namespace
}  // namespace zentra
