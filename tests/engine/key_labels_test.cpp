#include <gtest/gtest.h>

#include "engine/key_labels.h"
#include "engine/mode_key.h"
#include "support/recording_view.h"

namespace zentra::testing {
namespace {

using B = NumberBase;
using Id = CommandId;

// One caption in one situation: mode, shift, hyp and whether the button font
// (glyph captions) is there.
struct CaptionCase {
    NumberBase base;
    bool shift;
    bool hyp;
    bool glyphs;
    Id key;
    const char* caption;
};

std::ostream& operator<<(std::ostream& out, const CaptionCase& c) {
    return out << "mode " << static_cast<int>(c.base) << (c.shift ? " shift" : "")
               << (c.hyp ? " hyp" : "") << (c.glyphs ? " glyphs" : "") << " key "
               << static_cast<int>(c.key);
}

class CaptionTest : public ::testing::TestWithParam<CaptionCase> {};

TEST_P(CaptionTest, KeyShowsItsCaption) {
    const CaptionCase& c = GetParam();
    CalculatorState state;
    RecordingView view;
    state.numberBase = c.base;
    state.buttonFontLoaded = c.glyphs;
    applyModeLayout(state, view);
    state.shift = c.shift;
    state.hyp = c.hyp;
    updateKeyLabels(state, view);
    ASSERT_TRUE(view.labels.count(c.key)) << "caption never set";
    EXPECT_EQ(view.labels[c.key], c.caption);
}

constexpr bool S = true;  // shift
constexpr bool H = true;  // hyp
constexpr bool G = true;  // glyph captions
constexpr bool o = false;

INSTANTIATE_TEST_SUITE_P(
    DecimalText, CaptionTest,
    ::testing::Values(CaptionCase{B::Decimal, o, o, o, Id::CmdSin, "sin"},
                      CaptionCase{B::Decimal, o, o, o, Id::CmdCos, "cos"},
                      CaptionCase{B::Decimal, o, o, o, Id::CmdTan, "tan"},
                      CaptionCase{B::Decimal, o, o, o, Id::CmdLog, "log"},
                      CaptionCase{B::Decimal, o, o, o, Id::CmdLn, "ln"},
                      CaptionCase{B::Decimal, o, o, o, Id::CmdExp, "EXP"},
                      CaptionCase{B::Decimal, o, o, o, Id::CmdDeg, "deg"},
                      CaptionCase{B::Decimal, o, o, o, Id::CmdReciprocal, "1/x"},
                      CaptionCase{B::Decimal, o, o, o, Id::CmdUnit, "conv"},
                      CaptionCase{B::Decimal, o, o, o, Id::CmdConst, "const"},
                      CaptionCase{B::Decimal, o, o, o, Id::CmdHyp, "hyp"},
                      CaptionCase{B::Decimal, o, o, o, Id::CmdSqr, "x^2"},
                      CaptionCase{B::Decimal, o, o, o, Id::CmdSqrt, "sqrt"},
                      CaptionCase{B::Decimal, o, o, o, Id::CmdChangeSign, "+/-"},
                      CaptionCase{B::Decimal, o, o, o, Id::CmdPoint, "."},
                      CaptionCase{B::Decimal, o, o, o, Id::CmdPow, "x^y"},
                      CaptionCase{B::Decimal, o, o, o, Id::CmdMemoryIn, "Min"},
                      CaptionCase{B::Decimal, o, o, o, Id::CmdMemoryRecall, "MR"},
                      CaptionCase{B::Decimal, o, o, o, Id::CmdMemoryAdd, "M+"},
                      CaptionCase{B::Decimal, o, o, o, Id::Cmd9, "9"},
                      CaptionCase{B::Decimal, o, o, o, Id::CmdAllClear, "AC"},
                      CaptionCase{B::Decimal, o, o, o, Id::CmdOpenBracket, "(..16"},
                      CaptionCase{B::Decimal, o, o, o, Id::CmdCloseBracket, "0..)"},
                      CaptionCase{B::Decimal, o, H, o, Id::CmdSin, "sinh"},
                      CaptionCase{B::Decimal, o, H, o, Id::CmdCos, "cosh"},
                      CaptionCase{B::Decimal, o, H, o, Id::CmdTan, "tanh"},
                      CaptionCase{B::Decimal, o, H, o, Id::CmdLog, "log"},
                      CaptionCase{B::Decimal, S, o, o, Id::CmdSin, "asin"},
                      CaptionCase{B::Decimal, S, o, o, Id::CmdCos, "acos"},
                      CaptionCase{B::Decimal, S, o, o, Id::CmdTan, "atan"},
                      CaptionCase{B::Decimal, S, o, o, Id::CmdLog, "10^x"},
                      CaptionCase{B::Decimal, S, o, o, Id::CmdLn, "e^x"},
                      CaptionCase{B::Decimal, S, o, o, Id::CmdExp, "pi"},
                      CaptionCase{B::Decimal, S, o, o, Id::CmdDeg, ">deg"},
                      CaptionCase{B::Decimal, S, o, o, Id::CmdReciprocal, "X!"},
                      CaptionCase{B::Decimal, S, o, o, Id::CmdUnit, "units"},
                      CaptionCase{B::Decimal, S, o, o, Id::CmdPow, "x^1/y"},
                      CaptionCase{B::Decimal, S, o, o, Id::CmdMemoryIn, "MnIn"},
                      CaptionCase{B::Decimal, S, o, o, Id::CmdMemoryRecall, "MnR"},
                      CaptionCase{B::Decimal, S, o, o, Id::CmdMemoryAdd, "Mn+"},
                      CaptionCase{B::Decimal, S, o, o, Id::Cmd0, "0"},
                      CaptionCase{B::Decimal, S, H, o, Id::CmdSin, "asinh"},
                      CaptionCase{B::Decimal, S, H, o, Id::CmdCos, "acosh"},
                      CaptionCase{B::Decimal, S, H, o, Id::CmdTan, "atanh"},
                      CaptionCase{B::Decimal, S, H, o, Id::CmdLn, "e^x"}));

INSTANTIATE_TEST_SUITE_P(
    DecimalGlyphs, CaptionTest,
    ::testing::Values(CaptionCase{B::Decimal, o, o, G, Id::CmdLog, "\xC7"},
                      CaptionCase{B::Decimal, o, o, G, Id::CmdLn, "\xC5"},
                      CaptionCase{B::Decimal, o, o, G, Id::CmdReciprocal, "\xD4"},
                      CaptionCase{B::Decimal, o, o, G, Id::CmdDeg, "\xD8"},
                      CaptionCase{B::Decimal, o, o, G, Id::CmdSqrt, "\xC1"},
                      CaptionCase{B::Decimal, o, o, G, Id::CmdSqr, "\xC0"},
                      CaptionCase{B::Decimal, o, o, G, Id::CmdChangeSign, "\xD5"},
                      CaptionCase{B::Decimal, o, o, G, Id::CmdPow, "\xC2"},
                      CaptionCase{B::Decimal, o, o, G, Id::CmdPoint, "\x80"},
                      CaptionCase{B::Decimal, o, o, G, Id::CmdSin, "sin"},
                      CaptionCase{B::Decimal, o, o, G, Id::CmdExp, "EXP"},
                      CaptionCase{B::Decimal, o, o, G, Id::CmdUnit, "conv"},
                      CaptionCase{B::Decimal, o, o, G, Id::CmdMemoryIn, "Min"},
                      CaptionCase{B::Decimal, o, H, G, Id::CmdSin, "sinh"},
                      CaptionCase{B::Decimal, S, o, G, Id::CmdSin, "sin\xDE"},
                      CaptionCase{B::Decimal, S, o, G, Id::CmdCos, "cos\xDE"},
                      CaptionCase{B::Decimal, S, H, G, Id::CmdTan, "tanh\xDE"},
                      CaptionCase{B::Decimal, S, o, G, Id::CmdLog, "\xC6"},
                      CaptionCase{B::Decimal, S, o, G, Id::CmdLn, "\xC4"},
                      CaptionCase{B::Decimal, S, o, G, Id::CmdExp, "\xD2"},
                      CaptionCase{B::Decimal, S, o, G, Id::CmdDeg, "\xDB"},
                      CaptionCase{B::Decimal, S, o, G, Id::CmdReciprocal, "X!"},
                      CaptionCase{B::Decimal, S, o, G, Id::CmdUnit, "units"},
                      CaptionCase{B::Decimal, S, o, G, Id::CmdPow, "\xD3"}));

INSTANTIATE_TEST_SUITE_P(
    Statistics, CaptionTest,
    ::testing::Values(CaptionCase{B::Statistics, o, o, o, Id::Cmd0, "0"},
                      CaptionCase{B::Statistics, o, o, o, Id::CmdAllClear, "AC"},
                      CaptionCase{B::Statistics, o, o, o, Id::CmdMemoryAdd, "Data"},
                      CaptionCase{B::Statistics, S, o, o, Id::CmdMemoryAdd, "Data"},
                      CaptionCase{B::Statistics, o, H, o, Id::CmdSin, "sinh"},
                      CaptionCase{B::Statistics, S, o, o, Id::CmdSin, "asin"},
                      CaptionCase{B::Statistics, S, o, o, Id::Cmd0, "min"},
                      CaptionCase{B::Statistics, S, o, o, Id::Cmd1, "avg"},
                      CaptionCase{B::Statistics, S, o, o, Id::Cmd2, "sdv"},
                      CaptionCase{B::Statistics, S, o, o, Id::Cmd3, "ssd"},
                      CaptionCase{B::Statistics, S, o, o, Id::Cmd4, "n"},
                      CaptionCase{B::Statistics, S, o, o, Id::Cmd5, "sum"},
                      CaptionCase{B::Statistics, S, o, o, Id::Cmd6, "ssq"},
                      CaptionCase{B::Statistics, S, o, o, Id::Cmd7, "nPr"},
                      CaptionCase{B::Statistics, S, o, o, Id::Cmd8, "nCr"},
                      CaptionCase{B::Statistics, S, o, o, Id::Cmd9, "max"},
                      CaptionCase{B::Statistics, S, o, o, Id::CmdAllClear, "SAC"},
                      CaptionCase{B::Statistics, S, o, G, Id::Cmd0, "min"},
                      CaptionCase{B::Statistics, S, o, G, Id::Cmd1, "\xE3"},
                      CaptionCase{B::Statistics, S, o, G, Id::Cmd2, "\xDF\xE0"},
                      CaptionCase{B::Statistics, S, o, G, Id::Cmd3, "\xDF\xE0\xE1\xE2"},
                      CaptionCase{B::Statistics, S, o, G, Id::Cmd5, "\xE5x"},
                      CaptionCase{B::Statistics, S, o, G, Id::Cmd6, "\xE5x\xE4"},
                      CaptionCase{B::Statistics, S, o, G, Id::CmdAllClear, "SAC"},
                      CaptionCase{B::Statistics, o, o, G, Id::CmdLn, "\xC5"}));

INSTANTIATE_TEST_SUITE_P(
    IntegerBases, CaptionTest,
    ::testing::Values(CaptionCase{B::Binary, o, o, o, Id::Cmd1, "1"},
                      CaptionCase{B::Binary, o, o, o, Id::Cmd2, ""},
                      CaptionCase{B::Binary, o, o, o, Id::Cmd7, ""},
                      CaptionCase{B::Binary, o, o, o, Id::Cmd9, ""},
                      CaptionCase{B::Binary, o, o, G, Id::CmdPoint, ""},
                      CaptionCase{B::Binary, o, o, o, Id::CmdSqr, "OR"},
                      CaptionCase{B::Binary, o, o, o, Id::CmdSqrt, "AND"},
                      CaptionCase{B::Binary, o, o, o, Id::CmdLog, "XOR"},
                      CaptionCase{B::Binary, o, o, G, Id::CmdLn, "XNR"},
                      CaptionCase{B::Binary, o, o, o, Id::CmdReciprocal, ""},
                      CaptionCase{B::Binary, o, o, G, Id::CmdChangeSign, ""},
                      CaptionCase{B::Binary, o, o, o, Id::CmdSin, ""},
                      CaptionCase{B::Binary, o, o, o, Id::CmdConst, ""},
                      CaptionCase{B::Binary, o, o, o, Id::CmdUnit, ""},
                      CaptionCase{B::Binary, o, o, o, Id::CmdExp, ""},
                      CaptionCase{B::Binary, o, o, G, Id::CmdDeg, ""},
                      CaptionCase{B::Binary, S, o, o, Id::CmdLog, "XOR"},
                      CaptionCase{B::Binary, S, o, o, Id::CmdPow, "x^1/y"},
                      CaptionCase{B::Binary, S, o, o, Id::CmdMemoryAdd, "Mn+"},
                      CaptionCase{B::Binary, o, o, G, Id::CmdPow, "\xC2"},
                      CaptionCase{B::Octal, o, o, o, Id::Cmd7, "7"},
                      CaptionCase{B::Octal, o, o, o, Id::Cmd8, ""},
                      CaptionCase{B::Octal, o, o, o, Id::Cmd9, ""},
                      CaptionCase{B::Octal, o, o, o, Id::CmdReciprocal, "NOT"},
                      CaptionCase{B::Octal, o, o, G, Id::CmdChangeSign, "NEG"},
                      CaptionCase{B::Octal, o, o, o, Id::CmdHyp, ""},
                      CaptionCase{B::Hexadecimal, o, o, o, Id::CmdConst, "A"},
                      CaptionCase{B::Hexadecimal, o, o, o, Id::CmdDeg, "B"},
                      CaptionCase{B::Hexadecimal, o, o, o, Id::CmdHyp, "C"},
                      CaptionCase{B::Hexadecimal, o, o, o, Id::CmdSin, "D"},
                      CaptionCase{B::Hexadecimal, o, o, o, Id::CmdCos, "E"},
                      CaptionCase{B::Hexadecimal, o, o, o, Id::CmdTan, "F"},
                      CaptionCase{B::Hexadecimal, S, o, G, Id::CmdSin, "D"},
                      CaptionCase{B::Hexadecimal, S, o, G, Id::CmdDeg, "B"},
                      CaptionCase{B::Hexadecimal, o, o, o, Id::Cmd9, "9"},
                      CaptionCase{B::Hexadecimal, o, o, o, Id::CmdUnit, ""},
                      CaptionCase{B::Hexadecimal, S, o, o, Id::CmdUnit, ""},
                      CaptionCase{B::Hexadecimal, o, o, o, Id::CmdPoint, ""},
                      CaptionCase{B::Hexadecimal, o, o, G, Id::CmdReciprocal, "NOT"},
                      CaptionCase{B::Hexadecimal, o, o, o, Id::CmdSqrt, "AND"}));

INSTANTIATE_TEST_SUITE_P(
    Financial, CaptionTest,
    ::testing::Values(CaptionCase{B::Financial, o, o, o, Id::CmdDeg, "NPV"},
                      CaptionCase{B::Financial, o, o, o, Id::CmdHyp, "V:1"},
                      CaptionCase{B::Financial, o, o, o, Id::CmdSin, "SLD"},
                      CaptionCase{B::Financial, o, o, o, Id::CmdCos, "DDB"},
                      CaptionCase{B::Financial, o, o, o, Id::CmdTan, "SYD"},
                      CaptionCase{B::Financial, o, o, o, Id::CmdReciprocal, "Rate"},
                      CaptionCase{B::Financial, o, o, o, Id::CmdLog, "Mrtg"},
                      CaptionCase{B::Financial, o, o, o, Id::CmdLn, "Inv"},
                      CaptionCase{B::Financial, o, o, o, Id::CmdSqrt, "Term"},
                      CaptionCase{B::Financial, o, o, o, Id::CmdSqr, "Ann"},
                      CaptionCase{B::Financial, o, o, o, Id::CmdExp, "EXP"},
                      CaptionCase{B::Financial, o, o, o, Id::CmdConst, "const"},
                      CaptionCase{B::Financial, o, o, o, Id::CmdUnit, "conv"},
                      CaptionCase{B::Financial, o, o, o, Id::CmdPoint, "."},
                      CaptionCase{B::Financial, S, o, o, Id::CmdUnit, "units"},
                      CaptionCase{B::Financial, S, o, o, Id::CmdSin, "SLD"},
                      CaptionCase{B::Financial, S, o, o, Id::CmdDeg, "NPV"},
                      CaptionCase{B::Financial, S, o, o, Id::CmdMemoryIn, "MnIn"},
                      CaptionCase{B::Financial, S, o, G, Id::CmdReciprocal, "Rate"},
                      CaptionCase{B::Financial, o, o, G, Id::CmdChangeSign, "\xD5"},
                      CaptionCase{B::Financial, o, o, G, Id::CmdLn, "Inv"},
                      CaptionCase{B::Financial, o, o, G, Id::CmdPoint, "\x80"}));

// --- titles, fonts and the latches -----------------------------------------------

class ModeLayoutTest : public ::testing::Test {
protected:
    // As the Mode dialog's OK changes the mode.
    void switchTo(NumberBase base) {
        ModeSettings settings = modeSettingsFrom(state, view);
        settings.numberBase = base;
        applyModeSettings(state, view, settings, 0.0);
        redrawCaptions(state, view);
    }
    CalculatorState state;
    RecordingView view;
};

TEST_F(ModeLayoutTest, TitleCarriesTheModeSuffix) {
    const std::pair<NumberBase, const char*> titles[] = {{B::Decimal, "Zentra"},
                                                         {B::Binary, "Zentra [Bin]"},
                                                         {B::Octal, "Zentra [Oct]"},
                                                         {B::Hexadecimal, "Zentra [Hex]"},
                                                         {B::Statistics, "Zentra [Stats]"},
                                                         {B::Financial, "Zentra [Fin]"}};
    for (const auto& [base, title] : titles) {
        switchTo(base);
        EXPECT_EQ(view.title, title) << static_cast<int>(base);
    }
}

TEST_F(ModeLayoutTest, LeavingHexadecimalRestoresTheScientificCaptions) {
    switchTo(B::Hexadecimal);
    switchTo(B::Decimal);
    EXPECT_EQ(view.labels[Id::CmdConst], "const");
    EXPECT_EQ(view.labels[Id::CmdDeg], "deg");
    EXPECT_EQ(view.labels[Id::CmdHyp], "hyp");
    EXPECT_EQ(view.labels[Id::CmdSin], "sin");
    EXPECT_EQ(view.labels[Id::CmdUnit], "conv");
    EXPECT_EQ(view.labels[Id::CmdPoint], ".");
    EXPECT_EQ(view.title, "Zentra");
}

TEST_F(ModeLayoutTest, LeavingBinaryRestoresTheDigits) {
    switchTo(B::Binary);
    switchTo(B::Financial);
    for (int d = 0; d < 10; ++d)
        EXPECT_EQ(view.labels[static_cast<Id>(48 + d)], std::string(1, static_cast<char>('0' + d)));
}

TEST_F(ModeLayoutTest, ModeChangeClearsTheLatchesAndResetsPow) {
    state.shift = true;
    state.hyp = true;
    switchTo(B::Octal);
    EXPECT_FALSE(state.shift);
    EXPECT_FALSE(state.hyp);
    EXPECT_EQ(view.labels[Id::CmdPow], "x^y");
}

TEST_F(ModeLayoutTest, StatisticsShiftSwapsTheDigitKeyFont) {
    switchTo(B::Statistics);
    EXPECT_EQ(view.fonts[Id::Cmd5], KeyFont::Key);
    EXPECT_EQ(view.fonts[Id::CmdAllClear], KeyFont::Key);
    press(state, view, "shift");
    EXPECT_EQ(view.labels[Id::Cmd5], "sum");
    EXPECT_EQ(view.fonts[Id::Cmd5], KeyFont::Glyph);
    EXPECT_EQ(view.fonts[Id::CmdAllClear], KeyFont::Glyph);
    press(state, view, "shift");
    EXPECT_EQ(view.labels[Id::Cmd5], "5");
    EXPECT_EQ(view.labels[Id::CmdAllClear], "AC");
    EXPECT_EQ(view.fonts[Id::Cmd5], KeyFont::Key);
    EXPECT_EQ(view.fonts[Id::CmdAllClear], KeyFont::Key);
}

TEST_F(ModeLayoutTest, LeavingStatisticsUnderShiftRestoresDigitKeys) {
    switchTo(B::Statistics);
    press(state, view, "shift");
    switchTo(B::Decimal);
    EXPECT_EQ(view.labels[Id::Cmd0], "0");
    EXPECT_EQ(view.fonts[Id::Cmd0], KeyFont::Key);
}

TEST_F(ModeLayoutTest, CashFlowCaptionFollowsTheCounter) {
    switchTo(B::Financial);
    state.nNPV = 3;
    updateKeyLabels(state, view);
    EXPECT_EQ(view.labels[Id::CmdHyp], "V:3");
    press(state, view, "AC");
    EXPECT_EQ(view.labels[Id::CmdHyp], "V:1");
}

// Captions only show the state: the step of an angle under way stays.
TEST_F(ModeLayoutTest, LabelRefreshShowsTheDegreesStepAndKeepsIt) {
    switchTo(B::Decimal);
    state.dmsPhase = DmsPhase::Seconds;
    updateKeyLabels(state, view);
    EXPECT_EQ(state.dmsPhase, DmsPhase::Seconds);
    EXPECT_EQ(view.labels[Id::CmdDeg], "sec");
    state.shift = true;
    updateKeyLabels(state, view);
    EXPECT_EQ(view.labels[Id::CmdDeg], ">deg");
}

TEST_F(ModeLayoutTest, DegreesStepCaptionLeavesTheStep) {
    switchTo(B::Decimal);
    state.dmsPhase = DmsPhase::Minutes;
    showDmsPhaseLabel(state, view);
    EXPECT_EQ(view.labels[Id::CmdDeg], "min");
    EXPECT_EQ(state.dmsPhase, DmsPhase::Minutes);
}

TEST_F(ModeLayoutTest, BracketIndicatorIsRefreshedWithTheLabels) {
    switchTo(B::Decimal);
    press(state, view, "( (");
    state.shift = true;
    updateKeyLabels(state, view);
    EXPECT_EQ(view.labels[Id::CmdOpenBracket], "(..14");
    EXPECT_EQ(view.labels[Id::CmdCloseBracket], "2..)");
}

TEST_F(ModeLayoutTest, UnknownModeIsLabelledAsDecimal) {
    switchTo(static_cast<NumberBase>(9));
    EXPECT_EQ(view.title, "Zentra");
    EXPECT_EQ(view.labels[Id::CmdSin], "sin");
}

}  // namespace
}  // namespace zentra::testing
