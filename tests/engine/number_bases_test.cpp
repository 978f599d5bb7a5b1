#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

#include "engine/display_format.h"
#include "engine/key_labels.h"
#include "engine/number_bases.h"
#include "support/recording_view.h"

namespace zentra::testing {
namespace {

using B = NumberBase;

// --- the word rule ---------------------------------------------------------------

struct WordCase {
    double value;
    std::int32_t word;
};

std::ostream& operator<<(std::ostream& out, const WordCase& c) {
    return out << c.value;
}

class WordRuleTest : public ::testing::TestWithParam<WordCase> {};

TEST_P(WordRuleTest, TruncatesAndKeepsTheLow32Bits) {
    EXPECT_EQ(wordOf(GetParam().value), GetParam().word);
}

INSTANTIATE_TEST_SUITE_P(
    Values, WordRuleTest,
    ::testing::Values(WordCase{3.9, 3}, WordCase{-3.9, -3}, WordCase{4294967297.0, 1},
                      WordCase{3000000000.0, -1294967296}, WordCase{2147483648.0, INT32_MIN},
                      WordCase{-2147483648.5, INT32_MIN}, WordCase{-0.0, 0},
                      // No 64-bit integer: 0, as the original conversion left it.
                      WordCase{1e300, 0}, WordCase{9223372036854775808.0, 0},
                      WordCase{std::numeric_limits<double>::infinity(), 0},
                      WordCase{std::numeric_limits<double>::quiet_NaN(), 0}));

// --- showing and reading words -----------------------------------------------------

struct TextCase {
    double value;
    NumberBase base;
    int digits;
    const char* text;  // nullptr: "Overflow Error"
};

std::ostream& operator<<(std::ostream& out, const TextCase& c) {
    return out << static_cast<int>(c.base) << " " << c.value << " width " << c.digits;
}

class WordTextTest : public ::testing::TestWithParam<TextCase> {};

TEST_P(WordTextTest, FormatsTheWordInTheBase) {
    const TextCase& c = GetParam();
    const auto text = formatWordText(c.value, c.base, c.digits);
    if (!c.text) {
        EXPECT_FALSE(text.has_value()) << *text;
        return;
    }
    ASSERT_TRUE(text.has_value());
    EXPECT_EQ(*text, c.text);
}

INSTANTIATE_TEST_SUITE_P(Hexadecimal, WordTextTest,
                         ::testing::Values(TextCase{255.9, B::Hexadecimal, 10, "FF        "},
                                           TextCase{-1, B::Hexadecimal, 10, "FFFFFFFF  "},
                                           TextCase{-1, B::Hexadecimal, 1, "FFFFFFFF"},
                                           TextCase{4294967297.0, B::Hexadecimal, 3, "1  "},
                                           TextCase{3000000000.0, B::Hexadecimal, 8, "B2D05E00"},
                                           TextCase{0, B::Hexadecimal, 22,
                                                    "0                     "}));

INSTANTIATE_TEST_SUITE_P(Octal, WordTextTest,
                         ::testing::Values(TextCase{-1, B::Octal, 10, "37777777777"},
                                           TextCase{8, B::Octal, 4, "10  "}));

INSTANTIATE_TEST_SUITE_P(Binary, WordTextTest,
                         ::testing::Values(TextCase{0, B::Binary, 10, "000"},
                                           TextCase{1, B::Binary, 10, "001"},
                                           TextCase{5, B::Binary, 10, "101"},
                                           TextCase{8, B::Binary, 10, "001000"},
                                           TextCase{2.5, B::Binary, 10, "010"},
                                           TextCase{262143, B::Binary, 10, "111111111111111111"},
                                           TextCase{262143, B::Binary, 1, "111111111111111111"},
                                           TextCase{262144, B::Binary, 10, nullptr},
                                           TextCase{262144, B::Binary, 1, nullptr},
                                           TextCase{-1, B::Binary, 10, nullptr}));

struct ParseCase {
    const char* text;
    NumberBase base;
    double value;
};

std::ostream& operator<<(std::ostream& out, const ParseCase& c) {
    return out << c.text;
}

class WordParseTest : public ::testing::TestWithParam<ParseCase> {};

TEST_P(WordParseTest, ReadsTheTextAsASignedWord) {
    EXPECT_EQ(parseWordText(GetParam().text, GetParam().base), GetParam().value);
}

INSTANTIATE_TEST_SUITE_P(
    Values, WordParseTest,
    ::testing::Values(ParseCase{"FFFFFFFF  ", B::Hexadecimal, -1},
                      ParseCase{"B2D05E00", B::Hexadecimal, -1294967296},
                      ParseCase{"ff", B::Hexadecimal, 255}, ParseCase{"  1A", B::Hexadecimal, 26},
                      ParseCase{"-10", B::Hexadecimal, -16}, ParseCase{"0x1F", B::Hexadecimal, 31},
                      ParseCase{"12abc", B::Hexadecimal, 0x12ABC},
                      ParseCase{"Overflow Error", B::Hexadecimal, 0},
                      ParseCase{"37777777777", B::Octal, -1}, ParseCase{"178", B::Octal, 15},
                      ParseCase{"101   ", B::Binary, 5}, ParseCase{"0012", B::Binary, 1},
                      ParseCase{" 1", B::Binary, 0}));

// --- keys in the integer modes -------------------------------------------------------

struct KeysCase {
    NumberBase base;
    const char* keys;
    const char* display;  // trailing padding ignored
    CalcStatus status;
};

std::ostream& operator<<(std::ostream& out, const KeysCase& c) {
    return out << static_cast<int>(c.base) << ": " << c.keys;
}

std::string withoutPadding(std::string text) {
    while (!text.empty() && text.back() == ' ') text.pop_back();
    return text;
}

class IntegerKeysTest : public ::testing::TestWithParam<KeysCase> {};

TEST_P(IntegerKeysTest, ShowsTheWord) {
    const KeysCase& c = GetParam();
    CalculatorState state;
    RecordingView view;
    state.numberBase = c.base;
    press(state, view, "AC");
    press(state, view, c.keys);
    EXPECT_EQ(withoutPadding(view.display), c.display);
    EXPECT_EQ(state.calcStatus, c.status);
}

constexpr auto R = CalcStatus::Ready;
constexpr auto N = CalcStatus::Entering;
constexpr auto E = CalcStatus::Error;

// In Hexadecimal the token C alone is the clear key: "0C" types the digit.
INSTANTIATE_TEST_SUITE_P(Logic, IntegerKeysTest,
                         ::testing::Values(KeysCase{B::Hexadecimal, "0C sqrt A =", "8", R},
                                           KeysCase{B::Hexadecimal, "0C sqr 3 =", "F", R},
                                           KeysCase{B::Hexadecimal, "0C log A =", "6", R},
                                           KeysCase{B::Hexadecimal, "0 ln 0 =", "FFFFFFFF", R},
                                           KeysCase{B::Hexadecimal, "FFFFFFFF sqrt 0F0 =", "F0", R},
                                           KeysCase{B::Octal, "7 sqrt 5 =", "5", R},
                                           KeysCase{B::Octal, "1 ln 2 =", "37777777774", R},
                                           KeysCase{B::Binary, "101 sqr 010 =", "111", R},
                                           KeysCase{B::Binary, "110 log 011 =", "101", R},
                                           // The result of a logic operator chains on.
                                           KeysCase{B::Hexadecimal, "0C sqr 3 + 1 =", "10", R}));

INSTANTIATE_TEST_SUITE_P(NotAndNeg, IntegerKeysTest,
                         ::testing::Values(KeysCase{B::Hexadecimal, "FF 1/X", "FFFFFF00", R},
                                           KeysCase{B::Hexadecimal, "FF +/-", "FFFFFF01", R},
                                           KeysCase{B::Hexadecimal, "80000000 +/-", "80000000", R},
                                           KeysCase{B::Hexadecimal, "FF +/- +/-", "FF", R},
                                           KeysCase{B::Octal, "0 1/X", "37777777777", R},
                                           KeysCase{B::Octal, "5 +/-", "37777777773", R},
                                           KeysCase{B::Binary, "101 1/X", "101", N},
                                           KeysCase{B::Binary, "101 +/-", "101", N}));

INSTANTIATE_TEST_SUITE_P(Arithmetic, IntegerKeysTest,
                         ::testing::Values(KeysCase{B::Hexadecimal, "7 / 2 =", "3", R},
                                           KeysCase{B::Hexadecimal, "7 / 2 = X 2 =", "6", R},
                                           KeysCase{B::Binary, "111111111111111111 + 1 =",
                                                    "Overflow Error", E},
                                           KeysCase{B::Binary, "0 - 1 =", "Overflow Error", E},
                                           KeysCase{B::Octal, "7 7 7 Pow 2 =", "776001", R},
                                           KeysCase{B::Hexadecimal, "C", "0", R},
                                           KeysCase{B::Hexadecimal, "9 8", "98", N}));

INSTANTIATE_TEST_SUITE_P(RefusedCharacters, IntegerKeysTest,
                         ::testing::Values(KeysCase{B::Binary, "1 2 3 4 5 6 7 8 9 . 1", "11", N},
                                           KeysCase{B::Octal, "7 8 9 . 1", "71", N},
                                           KeysCase{B::Hexadecimal, "F . 1", "F1", N},
                                           KeysCase{B::Binary, "1 EXP", "1", N},
                                           KeysCase{B::Octal, "1 . EXP", "1", N}));

TEST(IntegerBases, PadsToTheDigitsWidth) {
    CalculatorState state;
    RecordingView view;
    state.numberBase = B::Hexadecimal;
    state.digits = 6;
    showValue(state, view, 255);
    EXPECT_EQ(view.display, "FF    ");
}

TEST(IntegerBases, OctalNotReadsBackAsMinusOne) {
    CalculatorState state;
    RecordingView view;
    state.numberBase = B::Octal;
    press(state, view, "0 1/X");
    EXPECT_EQ(readDisplayValue(state, view), -1.0);
}

// --- a change of mode shows the held value again ------------------------------------

struct SwitchCase {
    const char* decimalKeys;
    NumberBase base;
    const char* display;  // trailing padding ignored
    double readBack;
};

std::ostream& operator<<(std::ostream& out, const SwitchCase& c) {
    return out << c.decimalKeys;
}

class ModeSwitchTest : public ::testing::TestWithParam<SwitchCase> {};

TEST_P(ModeSwitchTest, ShowsTheHeldValueInTheNewBase) {
    const SwitchCase& c = GetParam();
    CalculatorState state;
    RecordingView view;
    press(state, view, c.decimalKeys);
    // What the Mode dialog does on OK: the value is read in the old mode first.
    const double held = readDisplayValue(state, view);
    state.numberBase = c.base;
    applyModeLayout(state, view);
    showValue(state, view, held);
    EXPECT_EQ(withoutPadding(view.display), c.display);
    if (state.calcStatus != CalcStatus::Error) {
        EXPECT_EQ(readDisplayValue(state, view), c.readBack);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Values, ModeSwitchTest,
    ::testing::Values(SwitchCase{"3000000000", B::Hexadecimal, "B2D05E00", -1294967296},
                      SwitchCase{"4294967297", B::Hexadecimal, "1", 1},
                      SwitchCase{"255.9", B::Hexadecimal, "FF", 255},
                      SwitchCase{"255.9 +/-", B::Hexadecimal, "FFFFFF01", -255},
                      SwitchCase{"2.5", B::Binary, "010", 2},
                      SwitchCase{"262143", B::Binary, "111111111111111111", 262143},
                      SwitchCase{"262144", B::Binary, "Overflow Error", 0},
                      SwitchCase{"1 +/-", B::Binary, "Overflow Error", 0},
                      SwitchCase{"1 +/-", B::Octal, "37777777777", -1},
                      SwitchCase{"1E300", B::Hexadecimal, "0", 0}));

TEST(IntegerBases, BinaryOverflowIsAnErrorUntilAllClear) {
    CalculatorState state;
    RecordingView view;
    press(state, view, "262144");
    const double held = readDisplayValue(state, view);
    state.numberBase = B::Binary;
    applyModeLayout(state, view);
    showValue(state, view, held);
    EXPECT_EQ(view.display, "Overflow Error");
    EXPECT_EQ(state.calcStatus, CalcStatus::Error);
    press(state, view, "1");
    EXPECT_EQ(view.display, "Overflow Error");
    press(state, view, "AC");
    EXPECT_EQ(view.display, "000");
}

TEST(IntegerBases, AccumKeepsTheFractionUntilItIsShown) {
    CalculatorState state;
    RecordingView view;
    state.numberBase = B::Hexadecimal;
    press(state, view, "7 / 2 +");
    EXPECT_DOUBLE_EQ(state.accum, 3.5);
    EXPECT_EQ(withoutPadding(view.display), "3");
}

}  // namespace
}  // namespace zentra::testing
