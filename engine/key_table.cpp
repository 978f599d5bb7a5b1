// The key table. A row's six mode columns go in NumberBase order: Decimal,
// Binary, Octal, Hexadecimal, Statistics, Financial. In the integer bases a
// blank key keeps its action where it refuses by itself (digits, the sign,
// EXP, unit and const), as the keypad always did.

#include "engine/key_table.h"

#include <algorithm>
#include <array>
#include <string>

#include "base/key_glyphs.h"
#include "engine/control_keys.h"
#include "engine/entry.h"
#include "engine/evaluation.h"
#include "engine/financial.h"
#include "engine/memories.h"
#include "engine/mode_key.h"
#include "engine/scientific_keys.h"
#include "engine/statistics.h"
#include "engine/unit_keys.h"

namespace zentra {
namespace {

using Id = CommandId;
using Op = OperatorCode;

// --- the keys' small handlers -------------------------------------------------

// A digit key in Statistics: under shift the statistic it is labelled with.
template <int Digit>
void statisticsDigitKey(CalculatorState& state, CalculatorView& view) {
    if (state.shift) {
        statisticKey(state, view, Digit);
        return;
    }
    enterCharacter(state, view, static_cast<char>('0' + Digit));
}

void powKey(CalculatorState& state, CalculatorView& view) {
    if (state.shift) {
        applyOperator(state, view, OperatorCode::OpRoot);
        state.shift = false;
        markCaptions(state, CaptionChange::Latches);
        return;
    }
    applyOperator(state, view, OperatorCode::OpPower);
}

// sin, cos, tan: the function's name by the latches.
void writeTrigCaption(const CalculatorState& state, CalculatorView& view, CommandId key,
                      const Caption& plain) {
    // Under shift the glyph caption is the name with the inverse mark after it.
    const std::string function = std::string(plain.words) + (state.hyp ? "h" : "");
    if (!state.shift)
        view.setKeyLabel(key, function);
    else if (state.buttonFontLoaded)
        view.setKeyLabel(key, function + kInverseMark);
    else
        view.setKeyLabel(key, "a" + function);
}

// deg in Decimal and Statistics: the degrees-minutes-seconds step of the angle
// under way, ">deg" under shift.
void writeDegreesCaption(const CalculatorState& state, CalculatorView& view, CommandId key,
                         const Caption&) {
    const GlyphCaption& caption = state.shift                           ? kToDegreesGlyph
                                  : state.dmsPhase == DmsPhase::Minutes ? kMinutesGlyph
                                  : state.dmsPhase == DmsPhase::Seconds ? kSecondsGlyph
                                                                        : kDegreesGlyph;
    view.setKeyLabel(key, state.buttonFontLoaded && caption.glyph ? caption.glyph : caption.words);
}

// The hyp key in Financial: the cash flow to enter next, "V:n".
void writeCashFlowCaption(const CalculatorState& state, CalculatorView& view, CommandId key,
                          const Caption&) {
    view.setKeyLabel(key, "V:" + std::to_string(state.nNPV));
}

// --- building the rows ------------------------------------------------------

constexpr Caption text(const char* words) {
    return {words, nullptr, std::nullopt};
}
constexpr Caption glyph(const GlyphCaption& c) {
    return {c.words, c.glyph, std::nullopt, c.text};
}
// The digits and AC show in the key font, their statistics in the glyph font.
constexpr Caption numeral(const char* words) {
    return {words, nullptr, KeyFont::Key};
}
constexpr Caption statistic(const GlyphCaption& c) {
    return {c.words, c.glyph, KeyFont::Glyph, c.text};
}
// Start captions: in the glyph font or the key font.
constexpr Caption startGlyph(const char* words, const char* glyphBytes = nullptr) {
    return {words, glyphBytes, KeyFont::Glyph};
}
constexpr Caption startGlyph(const GlyphCaption& c) {
    return {c.words, c.glyph, KeyFont::Glyph, c.text};
}
constexpr Caption startKey(const char* words) {
    return {words, nullptr, KeyFont::Key};
}

using Tape = TapeRole;

constexpr Action none() {
    return {};
}
constexpr Action host() {
    return {Action::Kind::Host, nullptr, 0, Op::OpEquals};
}
// A handler, and what the tape records of it without and under shift.
constexpr Action run(Handler h, Tape tape = Tape::None) {
    return {Action::Kind::Function, h, 0, Op::OpEquals, tape, tape};
}
constexpr Action run(Handler h, Tape tape, Tape shifted) {
    return {Action::Kind::Function, h, 0, Op::OpEquals, tape, shifted};
}
constexpr Action character(char c) {
    return {Action::Kind::Character, nullptr, c, Op::OpEquals};
}
constexpr Action op(Op code) {
    return {Action::Kind::Operator, nullptr, 0, code, Tape::Operation, Tape::Operation};
}

constexpr ModeFacts fixed(Caption caption, Action action) {
    return {caption, {}, nullptr, action};
}
constexpr ModeFacts shifting(Caption caption, Caption shifted, Action action) {
    return {caption, shifted, nullptr, action};
}
constexpr ModeFacts written(Caption caption, CaptionWriter writer, TapeName name, Action action) {
    return {caption, {}, writer, action, name};
}
// The deg key: the tape names the degrees-minutes-seconds step it takes.
constexpr ModeFacts stepping(Caption caption, Action action) {
    return {caption, {}, writeDegreesCaption, action, TapeName::DegreesStep};
}
// The mode leaves the caption as it is.
constexpr ModeFacts kept(Action action) {
    return {{}, {}, nullptr, action};
}
constexpr ModeFacts blank(Action action) {
    return fixed(text(""), action);
}

constexpr const char* kNumerals[] = {"0", "1", "2", "3", "4", "5", "6", "7", "8", "9"};

template <int Digit>
constexpr ModeFacts typed() {
    return fixed(numeral(kNumerals[Digit]), character(static_cast<char>('0' + Digit)));
}
// A digit the base lacks: blank, and typing it is refused.
template <int Digit>
constexpr ModeFacts untyped() {
    return fixed(numeral(""), character(static_cast<char>('0' + Digit)));
}
// Under shift a statistic's value, or nPr and nCr, which are operators.
template <int Digit>
constexpr ModeFacts statistical(const GlyphCaption& shifted) {
    constexpr Tape kShifted = Digit == 7 || Digit == 8 ? Tape::Operation : Tape::Value;
    return shifting(numeral(kNumerals[Digit]), statistic(shifted),
                    run(statisticsDigitKey<Digit>, Tape::None, kShifted));
}

constexpr KeyRow key(Id id, KeyNames names, Caption start, ModeFacts decimal, ModeFacts binary,
                     ModeFacts octal, ModeFacts hexadecimal, ModeFacts statistics,
                     ModeFacts financial) {
    return {id, names, start, {decimal, binary, octal, hexadecimal, statistics, financial}};
}
constexpr KeyRow key(Id id, KeyNames names, Caption start, ModeFacts everyMode) {
    return key(id, names, start, everyMode, everyMode, everyMode, everyMode, everyMode, everyMode);
}

constexpr Action kAllClear = run(allClear, Tape::Separator);

// The keypad's keys in its order, then the keyboard's own commands.
// clang-format off
constexpr KeyRow kKeys[] = {
    key(Id::CmdShift, {"shift"}, startGlyph("shift"), kept(run(toggleShift))),
    key(Id::CmdCopy, {"copy"}, startGlyph("copy"), kept(host())),
    key(Id::CmdPaste, {"paste"}, startGlyph("paste"), kept(host())),
    key(Id::CmdUnit, {"unit"}, startGlyph("unit"),
        shifting(text("conv"), text("units"), run(keyUnit)),
        blank(none()),
        blank(none()),
        blank(none()),
        shifting(text("conv"), text("units"), run(keyUnit)),
        shifting(text("conv"), text("units"), run(keyUnit))),
    key(Id::CmdMode, {"mode"}, startGlyph("mode"), kept(run(keyMode))),
    key(Id::CmdHelp, {"Help"}, startGlyph("Help"), kept(host())),
    key(Id::CmdReciprocal, {"1/X"}, startGlyph("1/X"),
        shifting(glyph(kReciprocalGlyph), text("X!"), run(reciprocalFunction, Tape::Function)),
        blank(none()),
        fixed(text("NOT"), run(bitwiseNot, Tape::Function)),
        fixed(text("NOT"), run(bitwiseNot, Tape::Function)),
        shifting(glyph(kReciprocalGlyph), text("X!"), run(reciprocalFunction, Tape::Function)),
        fixed(text("Rate"), run(financialRatesKey))),
    key(Id::CmdSqrt, {"sqrt"}, startGlyph("sqrt"),
        fixed(glyph(kSqrtGlyph), run(squareRootFunction, Tape::Function)),
        fixed(text("AND"), op(Op::OpAnd)),
        fixed(text("AND"), op(Op::OpAnd)),
        fixed(text("AND"), op(Op::OpAnd)),
        fixed(glyph(kSqrtGlyph), run(squareRootFunction, Tape::Function)),
        fixed(text("Term"), op(Op::OpTerm))),
    key(Id::CmdSqr, {"sqr"}, startGlyph("sqr"),
        fixed(glyph(kSquareGlyph), run(squareFunction, Tape::Function)),
        fixed(text("OR"), op(Op::OpOr)),
        fixed(text("OR"), op(Op::OpOr)),
        fixed(text("OR"), op(Op::OpOr)),
        fixed(glyph(kSquareGlyph), run(squareFunction, Tape::Function)),
        fixed(text("Ann"), op(Op::OpAnnuity))),
    key(Id::CmdLog, {"log"}, startGlyph("log"),
        shifting(glyph(kLogGlyph), glyph(kTenPowerGlyph), run(logFunction, Tape::Function)),
        fixed(text("XOR"), op(Op::OpXor)),
        fixed(text("XOR"), op(Op::OpXor)),
        fixed(text("XOR"), op(Op::OpXor)),
        shifting(glyph(kLogGlyph), glyph(kTenPowerGlyph), run(logFunction, Tape::Function)),
        fixed(text("Mrtg"), op(Op::OpMortgage))),
    key(Id::CmdLn, {"ln"}, startGlyph("ln"),
        shifting(glyph(kLnGlyph), glyph(kExpGlyph), run(lnFunction, Tape::Function)),
        fixed(text("XNR"), op(Op::OpXnor)),
        fixed(text("XNR"), op(Op::OpXnor)),
        fixed(text("XNR"), op(Op::OpXnor)),
        shifting(glyph(kLnGlyph), glyph(kExpGlyph), run(lnFunction, Tape::Function)),
        fixed(text("Inv"), op(Op::OpInvest))),
    key(Id::CmdPow, {"Pow"}, startGlyph("Pow"),
        shifting(glyph(kPowerGlyph), glyph(kRootGlyph), run(powKey, Tape::Operation))),
    key(Id::CmdConst, {"const"}, startGlyph("const"),
        fixed(text("const"), run(keyConst)),
        blank(none()),
        blank(none()),
        fixed(text("A"), character('A')),
        fixed(text("const"), run(keyConst)),
        fixed(text("const"), run(keyConst))),
    // The caption also shows the degrees-minutes-seconds step.
    key(Id::CmdDeg, {"deg"}, startGlyph("deg"),
        stepping(glyph(kDegreesGlyph), run(degreesKey, Tape::Function, Tape::Display)),
        blank(none()),
        blank(none()),
        fixed(text("B"), character('B')),
        stepping(glyph(kDegreesGlyph), run(degreesKey, Tape::Function, Tape::Display)),
        fixed(text("NPV"), op(Op::OpPresentValue))),
    key(Id::CmdHyp, {"hyp"}, startGlyph("hyp"),
        fixed(text("hyp"), run(toggleHyp)),
        blank(none()),
        blank(none()),
        fixed(text("C"), character('C')),
        fixed(text("hyp"), run(toggleHyp)),
        written({}, writeCashFlowCaption, TapeName::CashFlow, run(cashFlowKey, Tape::CashFlow))),
    key(Id::CmdSin, {"sin"}, startGlyph("sin"),
        written(text("sin"), writeTrigCaption, TapeName::Trig, run(sinFunction, Tape::Function)),
        blank(none()),
        blank(none()),
        fixed(text("D"), character('D')),
        written(text("sin"), writeTrigCaption, TapeName::Trig, run(sinFunction, Tape::Function)),
        fixed(text("SLD"), op(Op::OpSld))),
    key(Id::CmdCos, {"cos"}, startGlyph("cos"),
        written(text("cos"), writeTrigCaption, TapeName::Trig, run(cosFunction, Tape::Function)),
        blank(none()),
        blank(none()),
        fixed(text("E"), character('E')),
        written(text("cos"), writeTrigCaption, TapeName::Trig, run(cosFunction, Tape::Function)),
        fixed(text("DDB"), op(Op::OpDdb))),
    key(Id::CmdTan, {"tan"}, startGlyph("tan"),
        written(text("tan"), writeTrigCaption, TapeName::Trig, run(tanFunction, Tape::Function)),
        blank(none()),
        blank(none()),
        fixed(text("F"), character('F')),
        written(text("tan"), writeTrigCaption, TapeName::Trig, run(tanFunction, Tape::Function)),
        fixed(text("SYD"), op(Op::OpSyd))),
    key(Id::CmdChangeSign, {"+/-"}, startGlyph("+/-"),
        fixed(glyph(kChangeSignGlyph), run(changeSign)),
        blank(run(changeSign)),
        fixed(text("NEG"), run(changeSign)),
        fixed(text("NEG"), run(changeSign)),
        fixed(glyph(kChangeSignGlyph), run(changeSign)),
        fixed(glyph(kChangeSignGlyph), run(changeSign))),
    key(Id::CmdBackspace, {"<"}, startGlyph("<"), kept(run(backspace))),
    // The bracket keys' captions show the depth; updateBracketIndicator writes both.
    key(Id::CmdOpenBracket, {"(", "(..."}, startGlyph("(..."),
        kept(run(openBracket, Tape::OpenBracket))),
    key(Id::CmdCloseBracket, {")", "...)"}, startGlyph("...)"),
        kept(run(closeBracket, Tape::CloseBracket))),
    key(Id::CmdMemoryIn, {"Min"}, startGlyph("Min"),
        shifting(text("Min"), text("MnIn"), run(keyMemoryIn))),
    key(Id::CmdMemoryRecall, {"MR"}, startGlyph("MR"),
        shifting(text("MR"), text("MnR"), run(keyMemoryRecall))),
    // Digits: Decimal, Binary, Octal, Hexadecimal; then Statistics, Financial.
    key(Id::Cmd7, {"7"}, startKey("7"), typed<7>(), untyped<7>(), typed<7>(), typed<7>(),
        statistical<7>({"nPr", "nPr"}), typed<7>()),
    key(Id::Cmd8, {"8"}, startKey("8"), typed<8>(), untyped<8>(), untyped<8>(), typed<8>(),
        statistical<8>({"nCr", "nCr"}), typed<8>()),
    key(Id::Cmd9, {"9"}, startKey("9"), typed<9>(), untyped<9>(), untyped<9>(), typed<9>(),
        statistical<9>({"max", "max"}), typed<9>()),
    key(Id::CmdClear, {"C"}, startKey("C"), kept(run(clearEntry))),
    key(Id::CmdAllClear, {"AC"}, startKey("AC"),
        fixed(numeral("AC"), kAllClear),
        fixed(numeral("AC"), kAllClear),
        fixed(numeral("AC"), kAllClear),
        fixed(numeral("AC"), kAllClear),
        shifting(numeral("AC"), statistic({"SAC", "SAC"}), kAllClear),  // clears the data too
        fixed(numeral("AC"), kAllClear)),
    key(Id::Cmd4, {"4"}, startKey("4"), typed<4>(), untyped<4>(), typed<4>(), typed<4>(),
        statistical<4>({"n", "n"}), typed<4>()),
    key(Id::Cmd5, {"5"}, startKey("5"), typed<5>(), untyped<5>(), typed<5>(), typed<5>(),
        statistical<5>(kSumGlyph), typed<5>()),
    key(Id::Cmd6, {"6"}, startKey("6"), typed<6>(), untyped<6>(), typed<6>(), typed<6>(),
        statistical<6>(kSumSquaresGlyph), typed<6>()),
    key(Id::CmdMultiply, {"X", "*"}, startGlyph(kMultiplyGlyph), kept(op(Op::OpMultiply))),
    key(Id::CmdDivide, {"/"}, startGlyph(kDivideGlyph), kept(op(Op::OpDivide))),
    key(Id::Cmd1, {"1"}, startKey("1"), typed<1>(), typed<1>(), typed<1>(), typed<1>(),
        statistical<1>(kMeanGlyph), typed<1>()),
    key(Id::Cmd2, {"2"}, startKey("2"), typed<2>(), untyped<2>(), typed<2>(), typed<2>(),
        statistical<2>(kDeviationGlyph), typed<2>()),
    key(Id::Cmd3, {"3"}, startKey("3"), typed<3>(), untyped<3>(), typed<3>(), typed<3>(),
        statistical<3>(kSampleDeviationGlyph), typed<3>()),
    key(Id::CmdAdd, {"+"}, startGlyph(kAddGlyph), kept(op(Op::OpAdd))),
    key(Id::CmdSubtract, {"-"}, startGlyph(kSubtractGlyph), kept(op(Op::OpSubtract))),
    key(Id::Cmd0, {"0"}, startKey("0"), typed<0>(), typed<0>(), typed<0>(), typed<0>(),
        statistical<0>({"min", "min"}), typed<0>()),
    key(Id::CmdPoint, {"."}, startGlyph(kPointGlyph),
        fixed(glyph(kPointGlyph), character('.')),
        blank(character('.')),
        blank(character('.')),
        blank(character('.')),
        fixed(glyph(kPointGlyph), character('.')),
        fixed(glyph(kPointGlyph), character('.'))),
    key(Id::CmdExp, {"EXP"}, startGlyph("EXP"),
        shifting(text("EXP"), glyph(kPiGlyph), run(exponentKey, Tape::None, Tape::Value)),
        blank(run(exponentKey)),
        blank(run(exponentKey)),
        blank(run(exponentKey)),
        shifting(text("EXP"), glyph(kPiGlyph), run(exponentKey, Tape::None, Tape::Value)),
        fixed(text("EXP"), run(exponentKey))),
    key(Id::CmdEquals, {"="}, startKey("="), kept(run(equalsKey, Tape::Equals))),
    key(Id::CmdMemoryAdd, {"M+"}, startGlyph("M+"),
        shifting(text("M+"), text("Mn+"), run(keyMemoryAdd)),
        shifting(text("M+"), text("Mn+"), run(keyMemoryAdd)),
        shifting(text("M+"), text("Mn+"), run(keyMemoryAdd)),
        shifting(text("M+"), text("Mn+"), run(keyMemoryAdd)),
        shifting(text("Data"), text("Data"), run(dataKey)),
        shifting(text("M+"), text("Mn+"), run(keyMemoryAdd))),
    // The keyboard's % does nothing, but is a command all the same.
    key(Id::CmdPercent, {"%"}, {}, kept(none())),
};
// clang-format on

}  // namespace

std::span<const KeyRow> keyTable() {
    return kKeys;
}

namespace {

// The rows by command, for a look-up on every key that does not walk the table.
struct KeyIndex {
    CommandId id;
    std::size_t row;
};

constexpr auto kKeyIndex = [] {
    std::array<KeyIndex, std::size(kKeys)> index{};
    for (std::size_t i = 0; i < index.size(); ++i) index[i] = {kKeys[i].id, i};
    std::sort(index.begin(), index.end(),
              [](const KeyIndex& a, const KeyIndex& b) { return a.id < b.id; });
    return index;
}();

}  // namespace

const KeyRow* findKey(CommandId id) {
    const auto* found =
        std::lower_bound(kKeyIndex.begin(), kKeyIndex.end(), id,
                         [](const KeyIndex& entry, CommandId wanted) { return entry.id < wanted; });
    return found != kKeyIndex.end() && found->id == id ? &kKeys[found->row] : nullptr;
}

NumberBase effectiveMode(NumberBase base) {
    const auto n = static_cast<int>(base);
    return n >= 0 && n < static_cast<int>(kModeCount) ? base : NumberBase::Decimal;
}

const ModeFacts& factsIn(const KeyRow& row, NumberBase base) {
    return row.modes[static_cast<std::size_t>(effectiveMode(base))];
}

bool runAction(const Action& action, CalculatorState& state, CalculatorView& view) {
    switch (action.kind) {
        case Action::Kind::None:
            return true;
        case Action::Kind::Host:
            return false;
        case Action::Kind::Function:
            action.function(state, view);
            return true;
        case Action::Kind::Character:
            enterCharacter(state, view, action.character);
            return true;
        case Action::Kind::Operator:
            applyOperator(state, view, action.code);
            return true;
    }
    return true;
}

}  // namespace zentra
