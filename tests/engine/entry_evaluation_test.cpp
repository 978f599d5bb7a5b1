#include <gtest/gtest.h>

#include <cmath>

#include "engine/display_format.h"
#include "support/recording_view.h"

namespace zentra::testing {
namespace {

struct KeyCase {
    const char* keys;
    const char* display;
    CalcStatus status;
};

std::ostream& operator<<(std::ostream& out, const KeyCase& c) {
    return out << c.keys;
}

class DecimalKeysTest : public ::testing::TestWithParam<KeyCase> {};

TEST_P(DecimalKeysTest, ShowsTheExpectedDisplay) {
    const KeyCase& c = GetParam();
    CalculatorState state;
    RecordingView view;
    press(state, view, c.keys);
    EXPECT_EQ(view.display, c.display);
    EXPECT_EQ(state.calcStatus, c.status);
}

constexpr auto R = CalcStatus::Ready;
constexpr auto N = CalcStatus::Entering;
constexpr auto E = CalcStatus::Error;

INSTANTIATE_TEST_SUITE_P(
    Entry, DecimalKeysTest,
    ::testing::Values(KeyCase{"0 0 0", "0", R}, KeyCase{"0 0 0 5", "5", N}, KeyCase{". 5", ".5", N},
                      KeyCase{"1 . . 5", "1.5", N}, KeyCase{"EXP", "0.0E", N},
                      KeyCase{"EXP 3", "0.0E3", N}, KeyCase{"1 . 5 EXP +/- 3", "1.5E-3", N},
                      KeyCase{"1 . 5 EXP +/- 3 +/-", "-0.001500000000", R},
                      KeyCase{"1 . 5 EXP +/- 3 +/- 7", "7", N},
                      KeyCase{"1 . 5 EXP +/- +/-", "1.5E", N}, KeyCase{"1 EXP 2 EXP 3", "1E23", N},
                      KeyCase{"1234567890123456789012", "1234567890123456789012", N},
                      KeyCase{"12345678901234567890123", "1234567890123456789012", N},
                      KeyCase{"7 <", "0", N}, KeyCase{"7 < 3", "3", N}, KeyCase{"1 2 <", "1", N},
                      KeyCase{"2 + 3 = <", "5.000000000", R}, KeyCase{"+/-", "-0.000000000", R},
                      KeyCase{"+/- 5", "5", N}, KeyCase{"shift EXP", "3.141592654", R},
                      KeyCase{"5 C", "0.000000000", R}));

INSTANTIATE_TEST_SUITE_P(
    Evaluation, DecimalKeysTest,
    ::testing::Values(
        KeyCase{"2 + 3 X 4 =", "20.00000000", R}, KeyCase{"2 + ( 3 X 4 ) =", "14.00000000", R},
        KeyCase{"2 X ( 3 + 4 ) =", "14.00000000", R}, KeyCase{"2 X 3 ( 4 ) =", "8.000000000", R},
        KeyCase{"7 =", "7", R}, KeyCase{"7 = =", "7", R}, KeyCase{"2 + =", "4.000000000", R},
        KeyCase{"2 + + 3 =", "7.000000000", R}, KeyCase{"5 - 8 =", "-3.000000000", R},
        KeyCase{"8 / 2 =", "4.000000000", R}, KeyCase{"2 Pow 10 =", "1024.000000", R},
        KeyCase{"27 shift Pow 3 =", "3.000000000", R}, KeyCase{"1 / 0 =", "Divide Zero Error", E},
        KeyCase{"1 / 0 +/- =", "Divide Zero Error", E},
        KeyCase{"5 shift Pow 0 =", "Negative Root Error", E},
        KeyCase{"( 2 + 3 =", "5.000000000", R}, KeyCase{") 4", "4", N},
        KeyCase{"1 . 5 EXP + 1 =", "2.500000000", R}, KeyCase{"2 + 5 C 3 =", "5.000000000", R},
        KeyCase{"1E300 X 1E300 =", "Overflow Error", E}, KeyCase{"2 +/- Pow 0.5 =", "Error", E},
        // An error inside a bracket survives the bracket.
        KeyCase{"2 X ( 1 / 0 ) =", "Divide Zero Error", E},
        KeyCase{"2 X ( 1 / 0 =", "Divide Zero Error", E},
        KeyCase{"1 / 0 = AC 3 + 4 =", "7.000000000", R}));

struct FormatCase {
    double value;
    DisplayType type;
    int digits;
    const char* text;
};

class DisplayFormatTest : public ::testing::TestWithParam<FormatCase> {};

TEST_P(DisplayFormatTest, FormatsByTypeAndDigits) {
    const FormatCase& c = GetParam();
    const std::string text = formatDecimalText(c.value, c.type, c.digits);
    EXPECT_EQ(text, c.text);
    EXPECT_LE(text.size(), 25u);
}

INSTANTIATE_TEST_SUITE_P(
    Types, DisplayFormatTest,
    ::testing::Values(FormatCase{5, DisplayType::Fixed, 10, "5.0000000000"},
                      FormatCase{5, DisplayType::Scientific, 10, "5.0000000000E+000"},
                      FormatCase{1234567.891, DisplayType::Financial, 10, "1234567.89"},
                      FormatCase{12.5, DisplayType::Fixed, 22, "12.5000000000000000000000"},
                      FormatCase{123.5, DisplayType::Fixed, 22, "1.23500000000000E+002"},
                      FormatCase{1e20, DisplayType::Fixed, 10, "1.00000000000000E+020"},
                      FormatCase{5, DisplayType::Normal, 1, "5."},
                      FormatCase{5, static_cast<DisplayType>(7), 3, "5.00"},
                      FormatCase{1.0 / 3.0, DisplayType::Normal, 22, "0.3333333333333333148296"},
                      FormatCase{-1.0 / 3.0, DisplayType::Normal, 22, "-0.3333333333333333148296"},
                      FormatCase{100.0 / 3.0, DisplayType::Normal, 22, "33.33333333333333570181"},
                      FormatCase{1e-5 / 3.0, DisplayType::Normal, 22, "3.33333333333333E-006"},
                      FormatCase{2.0, DisplayType::Normal, 1000000, "2.00000000000000E+000"},
                      FormatCase{2.0, DisplayType::Fixed, -3, "2.000000"},
                      FormatCase{-1.7976931348623157e308, DisplayType::Scientific, 10,
                                 "-1.7976931349E+308"}));

TEST(ErrorGate, RefusesKeysAndWarnsOnTheSixth) {
    CalculatorState state;
    RecordingView view;
    press(state, view, "1 / 0 =");
    ASSERT_EQ(state.calcStatus, CalcStatus::Error);
    press(state, view, "5 + C shift 7");
    EXPECT_EQ(view.display, "Divide Zero Error");
    EXPECT_EQ(view.beeps, 5);
    EXPECT_TRUE(view.messages.empty());
    press(state, view, "9");
    ASSERT_EQ(view.messages.size(), 1u);
    EXPECT_EQ(view.messages[0].first, "Need to do an All Clear because of Error condition");
    EXPECT_EQ(view.messages[0].second, "Warning");
    EXPECT_EQ(state.calcStatus, CalcStatus::Ready);
    EXPECT_EQ(view.display, "0.000000000");
    EXPECT_EQ(state.errorKeyCount, 0);
}

TEST(ErrorGate, SilentWithoutBeepButStillCounts) {
    CalculatorState state;
    state.errorBeep = false;
    RecordingView view;
    press(state, view, "1 / 0 = 1 2 3");
    EXPECT_EQ(view.beeps, 0);
    EXPECT_EQ(state.errorKeyCount, 3);
}

TEST(ErrorGate, ComparesTheFullCommandWord) {
    CalculatorState state;
    RecordingView view;
    press(state, view, "1 / 0 =");
    // The Help button passes (the host performs it); F1 from the keyboard is refused.
    EXPECT_FALSE(handleCommand(state, view, commandWord(CommandId::CmdHelp)));
    EXPECT_TRUE(handleCommand(state, view, commandWord(CommandId::CmdHelp, true)));
    EXPECT_EQ(view.beeps, 1);
    EXPECT_TRUE(handleCommand(state, view, commandWord(CommandId::CmdAllClear)));
    EXPECT_EQ(state.calcStatus, CalcStatus::Ready);
}

TEST(Dispatch, UnknownIdentifiersGoBackToTheHost) {
    CalculatorState state;
    RecordingView view;
    EXPECT_FALSE(handleCommand(state, view, 9999));
    EXPECT_FALSE(handleCommand(state, view, commandWord(CommandId::CmdCopy)));
    EXPECT_TRUE(handleCommand(state, view, commandWord(CommandId::CmdPercent)));
    EXPECT_EQ(view.display, "0");
}

TEST(Brackets, SixteenLevelsAndTheIndicator) {
    CalculatorState state;
    RecordingView view;
    press(state, view, "(");
    EXPECT_EQ(view.labels[CommandId::CmdOpenBracket], "(..15");
    EXPECT_EQ(view.labels[CommandId::CmdCloseBracket], "1..)");
    for (int i = 0; i < 16; ++i) press(state, view, "(");
    EXPECT_EQ(state.bracketDepth, 16);
    EXPECT_EQ(view.labels[CommandId::CmdOpenBracket], "(..0");
    EXPECT_EQ(view.labels[CommandId::CmdCloseBracket], "16..)");
    press(state, view, "2 =");
    EXPECT_EQ(state.bracketDepth, 0);
    EXPECT_EQ(view.labels[CommandId::CmdOpenBracket], "(..16");
    EXPECT_EQ(view.display, "2");  // nothing was pending at any level: the entry stays as typed
}

TEST(Brackets, OuterOperatorsComeBackInOrder) {
    CalculatorState state;
    RecordingView view;
    press(state, view, "1 + ( 2 X ( 3 - 1 ) ) =");
    EXPECT_EQ(view.display, "5.000000000");
}

TEST(AllClear, KeepsMemoriesModesAndStatisticsButResetsCashFlowPeriod) {
    CalculatorState state;
    RecordingView view;
    state.numberBase = NumberBase::Decimal;
    state.memory[3] = 7;
    state.nSum = 4;
    state.nNPV = 5;
    press(state, view, "( 2 + shift AC");
    EXPECT_EQ(state.bracketDepth, 0);
    EXPECT_EQ(state.memory[3], 7);
    EXPECT_EQ(state.nSum, 4);
    EXPECT_EQ(state.nNPV, 1);
    EXPECT_EQ(state.pendingOperator, OperatorCode::OpEquals);
    EXPECT_FALSE(state.shift);
}

TEST(ReadDisplayValue, ReadsAtMost25CharactersOfAnyText) {
    CalculatorState state;
    RecordingView view;
    view.display = std::string(25, '1') + "999";
    EXPECT_DOUBLE_EQ(readDisplayValue(state, view), 1111111111111111111111111.0);
    view.display = "12abc";
    EXPECT_DOUBLE_EQ(readDisplayValue(state, view), 12.0);
    view.display = std::string(
        "7\0"
        "8",
        3);
    EXPECT_DOUBLE_EQ(readDisplayValue(state, view), 7.0);
    view.display = std::string(100000, '\xff');
    EXPECT_DOUBLE_EQ(readDisplayValue(state, view), 0.0);
}

// A result formatted at the full 25 characters is the next operand whole,
// last exponent digit included.
struct ReadBackCase {
    const char* name;
    DisplayType type;
    int digits;
    const char* keys;
    const char* display;
};

void PrintTo(const ReadBackCase& c, std::ostream* os) {
    *os << c.name;
}

class FormattedReadBack : public ::testing::TestWithParam<ReadBackCase> {};

TEST_P(FormattedReadBack, KeepsTheWholeValue) {
    const ReadBackCase& c = GetParam();
    CalculatorState state;
    state.displayType = c.type;
    state.digits = c.digits;
    RecordingView view;
    press(state, view, c.keys);
    EXPECT_EQ(view.display, c.display);
}

INSTANTIATE_TEST_SUITE_P(
    Display, FormattedReadBack,
    ::testing::Values(ReadBackCase{"NormalExponent", DisplayType::Normal, 19,
                                   "1E20 X 1 = X 1 =", "1.000000000000000000E+020"},
                      ReadBackCase{"ScientificExponent", DisplayType::Scientific, 18,
                                   "12345 X 1 = X 1 =", "1.234500000000000000E+004"},
                      ReadBackCase{"ScientificNegativeExponent", DisplayType::Scientific, 18,
                                   "0.25 X 1 = X 1 =", "2.500000000000000000E-001"}),
    [](const auto& param) { return param.param.name; });

TEST(Entry, PastedTextIsTheNextOperand) {
    CalculatorState state;
    RecordingView view;
    press(state, view, "2 +");
    view.display = "12abc";
    press(state, view, "=");
    EXPECT_EQ(view.display, "14.00000000");
}

}  // namespace
}  // namespace zentra::testing
