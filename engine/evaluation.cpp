#include "engine/evaluation.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "base/display_errors.h"
#include "engine/command_id.h"
#include "engine/control_keys.h"
#include "engine/display_format.h"
#include "engine/factorial.h"
#include "engine/number_bases.h"

namespace zentra {
namespace {

struct Operands {
    CalculatorState& state;
    CalculatorView& view;
    double a;  // accum
    double x;  // the display value
};

using Compute = double (*)(Operands&);
using Check = const char* (*)(const Operands&);  // an error text, or nullptr

const char* divideCheck(const Operands& o) {
    return o.x == 0.0 ? kDivideZeroErrorText : nullptr;
}
const char* rootCheck(const Operands& o) {
    return o.x == 0.0 ? kNegativeRootErrorText : nullptr;
}
const char* lifeCheck(const Operands& o) {
    return o.a <= 0.0 ? kLifeErrorText : nullptr;
}
const char* principalCheck(const Operands& o) {
    return o.a <= 0.0 ? kPrincipalErrorText : nullptr;
}

// nCr refuses a negative r through r!; nPr never takes r! and must refuse it
// itself.
const char* permutationsCheck(const Operands& o) {
    return o.x < 0.0 ? kErrorText : nullptr;
}

// A depreciation fraction after x years of a life a: never below 0 nor above 1,
// and the whole cost once the life is over.
double depreciated(const Operands& o, double fraction) {
    if (o.x > o.a) return 1.0;
    return std::clamp(fraction, 0.0, 1.0);
}

// A rate of 100% or more (a life of 2 years or less) writes the whole cost off
// in the first year; below that the book value declines geometrically.
double doubleDeclining(Operands& o) {
    const double rate = 2.0 / o.a;
    if (rate >= 1.0) return o.x > 0.0 ? 1.0 : 0.0;
    return depreciated(o, 1.0 - std::pow(1.0 - rate, o.x));
}

double bankRate(const Operands& o) {
    return o.state.bankRate * 0.01;
}
double discRate(const Operands& o) {
    return o.state.discRate * 0.01;
}

double permutations(Operands& o) {
    const double n = factorial(o.state, o.view, o.a);
    const double nr = factorial(o.state, o.view, o.a - o.x);
    return n / nr;
}

double combinations(Operands& o) {
    const double n = factorial(o.state, o.view, o.a);
    const double nr = factorial(o.state, o.view, o.a - o.x);
    const double r = factorial(o.state, o.view, o.x);
    return n / (nr * r);
}

double logical(std::int32_t value) {
    return static_cast<double>(value);
}

struct Operation {
    OperatorCode code;
    Compute compute;
    Check check;
};

// Every operation of the evaluator. OpEquals and unknown codes compute nothing.
constexpr Operation kOperations[] = {
    {OperatorCode::OpAdd, [](Operands& o) { return o.a + o.x; }, nullptr},
    {OperatorCode::OpSubtract, [](Operands& o) { return o.a - o.x; }, nullptr},
    {OperatorCode::OpMultiply, [](Operands& o) { return o.a * o.x; }, nullptr},
    {OperatorCode::OpDivide, [](Operands& o) { return o.a / o.x; }, divideCheck},
    {OperatorCode::OpPower, [](Operands& o) { return std::pow(o.a, o.x); }, nullptr},
    {OperatorCode::OpRoot, [](Operands& o) { return std::pow(o.a, 1.0 / o.x); }, rootCheck},
    {OperatorCode::OpPermutations, permutations, permutationsCheck},
    {OperatorCode::OpCombinations, combinations, nullptr},
    {OperatorCode::OpOr, [](Operands& o) { return logical(wordOf(o.a) | wordOf(o.x)); }, nullptr},
    {OperatorCode::OpAnd, [](Operands& o) { return logical(wordOf(o.a) & wordOf(o.x)); }, nullptr},
    {OperatorCode::OpXor, [](Operands& o) { return logical(wordOf(o.a) ^ wordOf(o.x)); }, nullptr},
    {OperatorCode::OpXnor, [](Operands& o) { return logical(~(wordOf(o.a) ^ wordOf(o.x))); },
     nullptr},
    {OperatorCode::OpPresentValue,
     [](Operands& o) { return o.a * std::pow(1.0 + discRate(o), -o.x); }, nullptr},
    {OperatorCode::OpMortgage,
     [](Operands& o) {
         const double r = bankRate(o);
         return o.a / (1.0 - std::pow(1.0 + r, -o.x)) * r;
     },
     nullptr},
    {OperatorCode::OpInvest, [](Operands& o) { return o.a * std::pow(1.0 + bankRate(o), o.x); },
     nullptr},
    {OperatorCode::OpAnnuity,
     [](Operands& o) {
         const double r = bankRate(o);
         return (std::pow(1.0 + r, o.x) - 1.0) * o.a / r;
     },
     nullptr},
    {OperatorCode::OpTerm,
     [](Operands& o) { return std::log(o.x / o.a) / std::log(1.0 + bankRate(o)); }, principalCheck},
    {OperatorCode::OpSld, [](Operands& o) { return depreciated(o, o.x / o.a); }, lifeCheck},
    {OperatorCode::OpDdb, doubleDeclining, lifeCheck},
    {OperatorCode::OpSyd,
     [](Operands& o) {
         return depreciated(o, (2.0 * o.a - o.x + 1.0) / ((o.a + 1.0) * o.a) * o.x);
     },
     lifeCheck},
    {OperatorCode::OpRecallNpv, [](Operands& o) { return o.state.sNPV; }, nullptr},
};

const Operation* findOperation(OperatorCode code) {
    for (const Operation& op : kOperations)
        if (op.code == code) return &op;
    return nullptr;
}

}  // namespace

void applyOperator(CalculatorState& state, CalculatorView& view, OperatorCode code) {
    // An error display stays until AC: nothing is computed on it. (Keys are
    // refused in Error status; this guards the steps that chain operators
    // within one key, such as equals closing brackets.)
    if (state.calcStatus == CalcStatus::Error) return;
    applyOperatorTo(state, view, code, readDisplayValue(state, view));
}

void applyOperatorTo(CalculatorState& state, CalculatorView& view, OperatorCode code, double x) {
    if (state.calcStatus == CalcStatus::Error) return;
    double r = x;
    const Operation* op = findOperation(state.pendingOperator);
    if (!op) {
        state.calcStatus = CalcStatus::Ready;
    } else if (const char* error = op->check ? op->check({state, view, state.accum, x}) : nullptr) {
        showError(state, view, error);
    } else {
        Operands operands{state, view, state.accum, x};
        r = op->compute(operands);
        showValue(state, view, r);
    }
    state.pendingOperator = code;
    state.accum = r;
}

void openBracket(CalculatorState& state, CalculatorView& view) {
    if (state.bracketDepth >= kBracketLevels) return;
    if (state.bracketDepth < 0) state.bracketDepth = 0;
    const auto level = static_cast<std::size_t>(state.bracketDepth);
    state.operatorBracket[level] = state.pendingOperator;
    state.accumBracket[level] = state.accum;
    resetEntry(state, view);
    state.bracketDepth += 1;
    markCaptions(state, CaptionChange::Brackets);
}

void closeBracket(CalculatorState& state, CalculatorView& view) {
    if (state.bracketDepth <= 0) return;
    state.bracketDepth = std::min(state.bracketDepth, kBracketLevels) - 1;
    markCaptions(state, CaptionChange::Brackets);
    applyOperator(state, view, OperatorCode::OpEquals);
    // An error inside the bracket survives it: 2 X ( 1 / 0 ) keeps the error.
    if (state.calcStatus == CalcStatus::Error) return;
    const auto level = static_cast<std::size_t>(state.bracketDepth);
    state.pendingOperator = state.operatorBracket[level];
    state.accum = state.accumBracket[level];
    state.calcStatus = CalcStatus::Ready;
}

void equalsKey(CalculatorState& state, CalculatorView& view) {
    while (state.bracketDepth > 0) closeBracket(state, view);
    applyOperator(state, view, OperatorCode::OpEquals);
}

}  // namespace zentra
