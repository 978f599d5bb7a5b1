// The keys' spoken names. A row's six mode columns go in NumberBase order:
// Decimal, Binary, Octal, Hexadecimal, Statistics, Financial. A key blank in
// a mode keeps its row's idle name there, marked unavailable.

#include "shell/spoken_key_names.h"

#include <array>
#include <cstddef>
#include <iterator>

namespace zentra {
namespace {

using Id = CommandId;
constexpr std::size_t kModes = 6;

struct SpokenName {
    const char* plain = nullptr;    // nullptr: the key does nothing in the mode
    const char* shifted = nullptr;  // under shift, where it differs
    const char* hyp = nullptr;      // under hyp, where it differs
    const char* shiftedHyp = nullptr;
    Latch latch = Latch::None;
};

struct SpokenRow {
    Id id;
    const char* idle;  // the name where the key does nothing
    std::array<SpokenName, kModes> modes;
};

constexpr SpokenName none{};

constexpr SpokenName name(const char* plain, const char* shifted = nullptr) {
    return {plain, shifted};
}
constexpr SpokenName trig(const char* plain, const char* shifted, const char* hyp,
                          const char* shiftedHyp) {
    return {plain, shifted, hyp, shiftedHyp};
}
constexpr SpokenName latch(const char* plain, Latch which) {
    return {plain, nullptr, nullptr, nullptr, which};
}

constexpr SpokenRow row(Id id, const char* idle, SpokenName decimal, SpokenName binary,
                        SpokenName octal, SpokenName hexadecimal, SpokenName statistics,
                        SpokenName financial) {
    return {id, idle, {decimal, binary, octal, hexadecimal, statistics, financial}};
}
constexpr SpokenRow row(Id id, SpokenName every) {
    return row(id, every.plain, every, every, every, every, every, every);
}
// The scientific keys: the same in Decimal and Statistics.
constexpr SpokenRow row(Id id, SpokenName scientific, SpokenName binary, SpokenName octal,
                        SpokenName hexadecimal, SpokenName financial) {
    return row(id, scientific.plain, scientific, binary, octal, hexadecimal, scientific, financial);
}
// A digit: typed where the base has it, its statistic under shift.
constexpr SpokenRow digit(Id id, const char* numeral, int lowestBase, const char* statistic) {
    const SpokenName typed = name(numeral);
    return row(id, numeral, typed, lowestBase <= 2 ? typed : none, lowestBase <= 8 ? typed : none,
               typed, name(numeral, statistic), typed);
}

// clang-format off
constexpr SpokenRow kSpokenKeys[] = {
    row(Id::CmdShift, latch("shift", Latch::Shift)),
    row(Id::CmdCopy, name("copy", "copy selection")),
    row(Id::CmdPaste, name("paste", "paste over selection")),
    row(Id::CmdUnit, name("convert units", "edit units"), none, none, none,
        name("convert units", "edit units")),
    row(Id::CmdMode, name("calculator mode")),
    row(Id::CmdHelp, name("help")),
    row(Id::CmdReciprocal, name("reciprocal", "factorial"), none, name("logical not"),
        name("logical not"), name("financial rates")),
    row(Id::CmdSqrt, name("square root"), name("logical and"), name("logical and"),
        name("logical and"), name("term")),
    row(Id::CmdSqr, name("x squared"), name("logical or"), name("logical or"),
        name("logical or"), name("annuity")),
    row(Id::CmdLog, name("logarithm", "ten to the power x"), name("logical xor"),
        name("logical xor"), name("logical xor"), name("mortgage payment")),
    row(Id::CmdLn, name("natural logarithm", "e to the power x"), name("logical xnor"),
        name("logical xnor"), name("logical xnor"), name("compound growth")),
    row(Id::CmdPow, name("x to the power y", "y-th root of x")),
    row(Id::CmdConst, name("constants"), none, none, name("hex digit A"), name("constants")),
    row(Id::CmdDeg, name("degrees minutes seconds", "to decimal degrees"), none, none,
        name("hex digit B"), name("present value")),
    row(Id::CmdHyp, latch("hyperbolic", Latch::Hyp), none, none, name("hex digit C"),
        name("cash flow")),
    row(Id::CmdSin, trig("sine", "arc sine", "hyperbolic sine", "inverse hyperbolic sine"),
        none, none, name("hex digit D"), name("straight-line depreciation")),
    row(Id::CmdCos,
        trig("cosine", "arc cosine", "hyperbolic cosine", "inverse hyperbolic cosine"),
        none, none, name("hex digit E"), name("double-declining depreciation")),
    row(Id::CmdTan,
        trig("tangent", "arc tangent", "hyperbolic tangent", "inverse hyperbolic tangent"),
        none, none, name("hex digit F"), name("sum-of-years'-digits depreciation")),
    row(Id::CmdChangeSign, name("change sign"), none, name("negate"), name("negate"),
        name("change sign")),
    row(Id::CmdBackspace, name("backspace")),
    row(Id::CmdOpenBracket, name("open bracket")),
    row(Id::CmdCloseBracket, name("close bracket")),
    row(Id::CmdMemoryIn, name("memory in", "memory in, choose memory")),
    row(Id::CmdMemoryRecall, name("memory recall", "memory recall, choose memory")),
    digit(Id::Cmd7, "7", 8, "permutations"),
    digit(Id::Cmd8, "8", 10, "combinations"),
    digit(Id::Cmd9, "9", 10, "maximum"),
    row(Id::CmdClear, name("clear")),
    row(Id::CmdAllClear, "all clear", name("all clear"), name("all clear"), name("all clear"),
        name("all clear"), name("all clear", "all clear and clear data"), name("all clear")),
    digit(Id::Cmd4, "4", 8, "count"),
    digit(Id::Cmd5, "5", 8, "sum"),
    digit(Id::Cmd6, "6", 8, "sum of squares"),
    row(Id::CmdMultiply, name("multiply by")),
    row(Id::CmdDivide, name("divide by")),
    digit(Id::Cmd1, "1", 2, "mean"),
    digit(Id::Cmd2, "2", 8, "standard deviation"),
    digit(Id::Cmd3, "3", 8, "sample standard deviation"),
    row(Id::CmdAdd, name("plus")),
    row(Id::CmdSubtract, name("minus")),
    digit(Id::Cmd0, "0", 2, "minimum"),
    row(Id::CmdPoint, name("decimal point"), none, none, none, name("decimal point")),
    row(Id::CmdExp, name("exponent", "pi"), none, none, none, name("exponent")),
    row(Id::CmdEquals, name("equals")),
    row(Id::CmdMemoryAdd, "memory add", name("memory add", "memory add, choose memory"),
        name("memory add", "memory add, choose memory"),
        name("memory add", "memory add, choose memory"),
        name("memory add", "memory add, choose memory"), name("enter data"),
        name("memory add", "memory add, choose memory")),
};
// clang-format on

// The name the latches pick: each falls back to the one with fewer latches.
const char* pick(const SpokenName& spoken, bool shift, bool hyp) {
    const char* const byLatches[2][2] = {{spoken.plain, spoken.hyp},
                                         {spoken.shifted, spoken.shiftedHyp}};
    const char* chosen = byLatches[shift][hyp];
    if (!chosen && shift && hyp) chosen = spoken.shifted;
    if (!chosen && hyp) chosen = spoken.hyp;
    return chosen ? chosen : spoken.plain;
}

}  // namespace

SpokenKey spokenKey(CommandId id, const CalculatorState& state) {
    for (const SpokenRow& spoken : kSpokenKeys) {
        if (spoken.id != id) continue;
        // A mode number from a damaged state lays out as Decimal.
        const auto mode = static_cast<std::size_t>(state.numberBase);
        const SpokenName& facts = spoken.modes[mode < kModes ? mode : 0];
        if (!facts.plain) return {spoken.idle, false, Latch::None};
        return {pick(facts, state.shift, state.hyp), true, facts.latch};
    }
    return {nullptr, false, Latch::None};
}

}  // namespace zentra
