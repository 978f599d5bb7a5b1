// Key captions and the window title. Every call rebuilds the captions from the
// mode, the latches, the cash-flow counter and the bracket depth; nothing about
// them is remembered. Glyph captions are bytes of the button font's pictures.

#include "engine/key_labels.h"

#include <array>
#include <string>

#include "base/key_glyphs.h"
#include "engine/calculator.h"
#include "engine/command_id.h"
#include "engine/evaluation.h"

namespace zentra {
namespace {

using Id = CommandId;

// Columns of the per-mode tables, in NumberBase numbering: Decimal, Binary,
// Octal, Hexadecimal, Statistics, Financial.
constexpr std::size_t kModeCount = 6;
using PerMode = std::array<const char*, kModeCount>;

// A mode number from a damaged state file is labelled as Decimal, as it computes.
NumberBase effectiveMode(NumberBase base) {
    const auto n = static_cast<int>(base);
    return n >= 0 && n < static_cast<int>(kModeCount) ? base : NumberBase::Decimal;
}

bool isScientificMode(NumberBase base) {
    const NumberBase mode = effectiveMode(base);
    return mode == NumberBase::Decimal || mode == NumberBase::Statistics;
}

// The caption a key takes in each mode: nullptr leaves it as it is, "" blanks
// it. The glyph, where there is one, replaces the text when the button font is
// loaded.
struct ModeCaption {
    Id key;
    PerMode text;
    PerMode glyph;
};

constexpr const char* kKeep = nullptr;
constexpr PerMode kNoGlyph{};
constexpr PerMode scientificGlyph(const char* glyph) {
    return {glyph, kKeep, kKeep, kKeep, glyph, kKeep};
}
// Every mode but Binary, Octal and Hexadecimal.
constexpr PerMode exceptBasesGlyph(const char* glyph) {
    return {glyph, kKeep, kKeep, kKeep, glyph, glyph};
}

// clang-format off
const ModeCaption kModeCaptions[] = {
    //                   Decimal  Binary Octal  Hex    Stats    Financial
    {Id::CmdConst,      {"const", "",    "",    "A",   "const", "const"}, kNoGlyph},
    {Id::CmdUnit,       {"conv",  "",    "",    "",    "conv",  "conv"},  kNoGlyph},
    {Id::CmdDeg,        {"deg",   "",    "",    "B",   "deg",   "NPV"},   scientificGlyph(kDegreesGlyph.glyph)},
    {Id::CmdHyp,        {"hyp",   "",    "",    "C",   "hyp",   kKeep},   kNoGlyph},  // V:n later
    {Id::CmdSin,        {"sin",   "",    "",    "D",   "sin",   "SLD"},   kNoGlyph},
    {Id::CmdCos,        {"cos",   "",    "",    "E",   "cos",   "DDB"},   kNoGlyph},
    {Id::CmdTan,        {"tan",   "",    "",    "F",   "tan",   "SYD"},   kNoGlyph},
    {Id::CmdReciprocal, {"1/x",   "",    "NOT", "NOT", "1/x",   "Rate"},  scientificGlyph(kReciprocalGlyph.glyph)},
    {Id::CmdLog,        {"log",   "XOR", "XOR", "XOR", "log",   "Mrtg"},  scientificGlyph(kLogGlyph.glyph)},
    {Id::CmdLn,         {"ln",    "XNR", "XNR", "XNR", "ln",    "Inv"},   scientificGlyph(kLnGlyph.glyph)},
    {Id::CmdSqrt,       {"sqrt",  "AND", "AND", "AND", "sqrt",  "Term"},  scientificGlyph(kSqrtGlyph.glyph)},
    {Id::CmdSqr,        {"x^2",   "OR",  "OR",  "OR",  "x^2",   "Ann"},   scientificGlyph(kSquareGlyph.glyph)},
    {Id::CmdExp,        {"EXP",   "",    "",    "",    "EXP",   "EXP"},   kNoGlyph},
    {Id::CmdChangeSign, {"+/-",   "",    "NEG", "NEG", "+/-",   "+/-"},   exceptBasesGlyph(kChangeSignGlyph.glyph)},
    {Id::Cmd2,          {"2",     "",    "2",   "2",   "2",     "2"},     kNoGlyph},
    {Id::Cmd3,          {"3",     "",    "3",   "3",   "3",     "3"},     kNoGlyph},
    {Id::Cmd4,          {"4",     "",    "4",   "4",   "4",     "4"},     kNoGlyph},
    {Id::Cmd5,          {"5",     "",    "5",   "5",   "5",     "5"},     kNoGlyph},
    {Id::Cmd6,          {"6",     "",    "6",   "6",   "6",     "6"},     kNoGlyph},
    {Id::Cmd7,          {"7",     "",    "7",   "7",   "7",     "7"},     kNoGlyph},
    {Id::Cmd8,          {"8",     "",    "",    "8",   "8",     "8"},     kNoGlyph},
    {Id::Cmd9,          {"9",     "",    "",    "9",   "9",     "9"},     kNoGlyph},
    // The point keeps the caption given just before unless it is blanked.
    {Id::CmdPoint,      {kKeep,   "",    "",    "",    kKeep,   kKeep},   kNoGlyph},
};
// clang-format on

// Every key as the keypad starts: its caption, the glyph that replaces it when
// the button font is loaded, and its font. A key with a glyph but no button
// font shows its text in the key font.
struct StartCaption {
    Id key;
    const char* text;
    const char* glyph;
    KeyFont font;
};

// clang-format off
const StartCaption kStartCaptions[] = {
    {Id::CmdShift, "shift", nullptr, KeyFont::Glyph},
    {Id::CmdCopy, "copy", nullptr, KeyFont::Glyph},
    {Id::CmdPaste, "paste", nullptr, KeyFont::Glyph},
    {Id::CmdUnit, "unit", nullptr, KeyFont::Glyph},
    {Id::CmdMode, "mode", nullptr, KeyFont::Glyph},
    {Id::CmdHelp, "Help", nullptr, KeyFont::Glyph},
    {Id::CmdReciprocal, "1/X", nullptr, KeyFont::Glyph},
    {Id::CmdSqrt, "sqrt", nullptr, KeyFont::Glyph},
    {Id::CmdSqr, "sqr", nullptr, KeyFont::Glyph},
    {Id::CmdLog, "log", nullptr, KeyFont::Glyph},
    {Id::CmdLn, "ln", nullptr, KeyFont::Glyph},
    {Id::CmdPow, "Pow", nullptr, KeyFont::Glyph},
    {Id::CmdConst, "const", nullptr, KeyFont::Glyph},
    {Id::CmdDeg, "deg", nullptr, KeyFont::Glyph},
    {Id::CmdHyp, "hyp", nullptr, KeyFont::Glyph},
    {Id::CmdSin, "sin", nullptr, KeyFont::Glyph},
    {Id::CmdCos, "cos", nullptr, KeyFont::Glyph},
    {Id::CmdTan, "tan", nullptr, KeyFont::Glyph},
    {Id::CmdChangeSign, "+/-", nullptr, KeyFont::Glyph},
    {Id::CmdBackspace, "<", nullptr, KeyFont::Glyph},
    {Id::CmdOpenBracket, "(...", nullptr, KeyFont::Glyph},
    {Id::CmdCloseBracket, "...)", nullptr, KeyFont::Glyph},
    {Id::CmdMemoryIn, "Min", nullptr, KeyFont::Glyph},
    {Id::CmdMemoryRecall, "MR", nullptr, KeyFont::Glyph},
    {Id::Cmd7, "7", nullptr, KeyFont::Key},
    {Id::Cmd8, "8", nullptr, KeyFont::Key},
    {Id::Cmd9, "9", nullptr, KeyFont::Key},
    {Id::CmdClear, "C", nullptr, KeyFont::Key},
    {Id::CmdAllClear, "AC", nullptr, KeyFont::Key},
    {Id::Cmd4, "4", nullptr, KeyFont::Key},
    {Id::Cmd5, "5", nullptr, KeyFont::Key},
    {Id::Cmd6, "6", nullptr, KeyFont::Key},
    {Id::CmdMultiply, "X", kMultiplyGlyph.glyph, KeyFont::Glyph},
    {Id::CmdDivide, "/", kDivideGlyph.glyph, KeyFont::Glyph},
    {Id::Cmd1, "1", nullptr, KeyFont::Key},
    {Id::Cmd2, "2", nullptr, KeyFont::Key},
    {Id::Cmd3, "3", nullptr, KeyFont::Key},
    {Id::CmdAdd, "+", kAddGlyph.glyph, KeyFont::Glyph},
    {Id::CmdSubtract, "-", kSubtractGlyph.glyph, KeyFont::Glyph},
    {Id::Cmd0, "0", nullptr, KeyFont::Key},
    {Id::CmdPoint, ".", kPointGlyph.glyph, KeyFont::Glyph},
    {Id::CmdExp, "EXP", nullptr, KeyFont::Glyph},
    {Id::CmdEquals, "=", nullptr, KeyFont::Key},
    {Id::CmdMemoryAdd, "M+", nullptr, KeyFont::Glyph},
};
// clang-format on
static_assert(std::size(kStartCaptions) == kKeyCount);

constexpr const char* kTitleSuffix[kModeCount] = {"",       " [Bin]",   " [Oct]",
                                                  " [Hex]", " [Stats]", " [Fin]"};

// The ten digit keys and AC, which Statistics relabels under shift.
constexpr Id kDigitKeys[] = {Id::Cmd0, Id::Cmd1, Id::Cmd2, Id::Cmd3, Id::Cmd4,
                             Id::Cmd5, Id::Cmd6, Id::Cmd7, Id::Cmd8, Id::Cmd9};

struct StatisticCaption {
    Id key;
    GlyphCaption caption;
};

const StatisticCaption kStatisticCaptions[] = {
    {Id::Cmd0, {"min", "min"}},
    {Id::Cmd1, kMeanGlyph},
    {Id::Cmd2, kDeviationGlyph},
    {Id::Cmd3, kSampleDeviationGlyph},
    {Id::Cmd4, {"n", "n"}},
    {Id::Cmd5, kSumGlyph},
    {Id::Cmd6, kSumSquaresGlyph},
    {Id::Cmd7, {"nPr", "nPr"}},
    {Id::Cmd8, {"nCr", "nCr"}},
    {Id::Cmd9, {"max", "max"}},
    {Id::CmdAllClear, {"SAC", "SAC"}},
};

// Text or glyph, by whether the button font is there.
void setCaption(const CalculatorState& state, CalculatorView& view, Id key, const char* text,
                const char* glyph) {
    view.setKeyLabel(key, state.buttonFontLoaded && glyph ? glyph : text);
}

void setCaption(const CalculatorState& state, CalculatorView& view, Id key,
                const GlyphCaption& caption) {
    setCaption(state, view, key, caption.words, caption.glyph);
}

void setPlainDigitKeys(CalculatorView& view) {
    for (int d = 0; d < 10; ++d) {
        view.setKeyFont(kDigitKeys[d], KeyFont::Key);
        view.setKeyLabel(kDigitKeys[d], std::string(1, static_cast<char>('0' + d)));
    }
    view.setKeyFont(Id::CmdAllClear, KeyFont::Key);
    view.setKeyLabel(Id::CmdAllClear, "AC");
}

void setStatisticKeys(const CalculatorState& state, CalculatorView& view) {
    for (const StatisticCaption& c : kStatisticCaptions) {
        view.setKeyFont(c.key, KeyFont::Glyph);
        setCaption(state, view, c.key, c.caption);
    }
}

void setPowCaption(const CalculatorState& state, CalculatorView& view) {
    if (state.shift)
        setCaption(state, view, Id::CmdPow, kRootGlyph);
    else
        setCaption(state, view, Id::CmdPow, kPowerGlyph);
}

// sin, cos, tan: the function's name by the latches; under shift the glyph
// caption is the name with the inverse mark after it.
void setTrigCaption(const CalculatorState& state, CalculatorView& view, Id key, const char* name) {
    const std::string function = std::string(name) + (state.hyp ? "h" : "");
    if (!state.shift)
        view.setKeyLabel(key, function);
    else if (state.buttonFontLoaded)
        view.setKeyLabel(key, function + kInverseMark);
    else
        view.setKeyLabel(key, "a" + function);
}

// The captions of the scientific keys in Decimal and Statistics.
void setScientificCaptions(CalculatorState& state, CalculatorView& view) {
    setTrigCaption(state, view, Id::CmdSin, "sin");
    setTrigCaption(state, view, Id::CmdCos, "cos");
    setTrigCaption(state, view, Id::CmdTan, "tan");
    if (state.shift) {
        setCaption(state, view, Id::CmdLog, kTenPowerGlyph);
        setCaption(state, view, Id::CmdLn, kExpGlyph);
        setCaption(state, view, Id::CmdExp, kPiGlyph);
        setCaption(state, view, Id::CmdDeg, kToDegreesGlyph);
        setCaption(state, view, Id::CmdReciprocal, "X!", nullptr);
        setCaption(state, view, Id::CmdUnit, "units", nullptr);
    } else {
        setCaption(state, view, Id::CmdLog, kLogGlyph);
        setCaption(state, view, Id::CmdLn, kLnGlyph);
        setCaption(state, view, Id::CmdExp, "EXP", nullptr);
        showDmsPhaseLabel(state, view);  // "deg": the phase was just reset
        setCaption(state, view, Id::CmdReciprocal, kReciprocalGlyph);
        setCaption(state, view, Id::CmdUnit, "conv", nullptr);
    }
}

}  // namespace

void applyStartCaptions(const CalculatorState& state, CalculatorView& view) {
    for (const StartCaption& c : kStartCaptions) {
        const bool glyph = state.buttonFontLoaded && c.glyph;
        view.setKeyFont(c.key, c.glyph && !glyph ? KeyFont::Key : c.font);
        view.setKeyLabel(c.key, glyph ? c.glyph : c.text);
    }
}

void applyModeLayout(CalculatorState& state, CalculatorView& view) {
    state.shift = false;
    state.hyp = false;
    setPlainDigitKeys(view);
    setCaption(state, view, Id::CmdPow, kPowerGlyph);
    setCaption(state, view, Id::CmdPoint, kPointGlyph);

    const auto column = static_cast<std::size_t>(effectiveMode(state.numberBase));
    for (const ModeCaption& c : kModeCaptions) {
        if (const char* text = c.text[column])
            setCaption(state, view, c.key, text, c.glyph[column]);
    }
    view.setTitle(std::string(kTitleBase) + kTitleSuffix[column]);
    updateKeyLabels(state, view);
}

void updateKeyLabels(CalculatorState& state, CalculatorView& view) {
    // The deg key's caption is rewritten below (in the modes that show it), so
    // degrees-minutes-seconds entry starts again.
    state.dmsPhase = DmsPhase::Degrees;
    const NumberBase mode = effectiveMode(state.numberBase);

    view.setKeyLabel(Id::CmdMemoryIn, state.shift ? "MnIn" : "Min");
    view.setKeyLabel(Id::CmdMemoryRecall, state.shift ? "MnR" : "MR");
    setPowCaption(state, view);

    if (isScientificMode(mode)) setScientificCaptions(state, view);

    if (mode == NumberBase::Statistics) {
        if (state.shift)
            setStatisticKeys(state, view);
        else
            setPlainDigitKeys(view);
    }

    if (mode == NumberBase::Statistics)
        view.setKeyLabel(Id::CmdMemoryAdd, "Data");
    else
        view.setKeyLabel(Id::CmdMemoryAdd, state.shift ? "Mn+" : "M+");

    if (mode == NumberBase::Financial) {
        view.setKeyLabel(Id::CmdHyp, "V:" + std::to_string(state.nNPV));
        view.setKeyLabel(Id::CmdUnit, state.shift ? "units" : "conv");
    }

    updateBracketIndicator(state, view);
}

void showDmsPhaseLabel(const CalculatorState& state, CalculatorView& view) {
    if (!isScientificMode(state.numberBase)) return;
    switch (state.dmsPhase) {
        case DmsPhase::Minutes:
            setCaption(state, view, Id::CmdDeg, kMinutesGlyph);
            return;
        case DmsPhase::Seconds:
            setCaption(state, view, Id::CmdDeg, kSecondsGlyph);
            return;
        case DmsPhase::Degrees:
        default:
            setCaption(state, view, Id::CmdDeg, kDegreesGlyph);
            return;
    }
}

}  // namespace zentra
