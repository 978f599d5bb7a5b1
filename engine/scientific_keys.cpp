// The scientific keys in every mode. In Decimal and Statistics they are the
// one-operand functions; Hexadecimal borrows sin, cos, tan, hyp and deg as the
// digits D, E, F, C, B; the integer bases make ln, log, sqr, sqrt the logical
// operators; Financial makes most of them its binary operators.

#include <array>
#include <cmath>
#include <limits>

#include "base/display_errors.h"
#include "engine/angle_units.h"
#include "engine/display_format.h"
#include "engine/dms_text.h"
#include "engine/entry.h"
#include "engine/evaluation.h"
#include "engine/factorial.h"
#include "engine/key_handlers.h"
#include "engine/key_labels.h"
#include "engine/number_bases.h"

namespace zentra {
namespace {

using Handler = void (*)(CalculatorState&, CalculatorView&);

// Plain sin and cos of an angle inside this open window (radians) are exactly
// 1 and 0, so that 90 degrees or 100 grads give clean results.
constexpr double kRightAngleLow = 1.570796326;
constexpr double kRightAngleHigh = 1.570796328;
// The base of e^x: deliberately the ten-digit value, as the key always gave.
constexpr double kEulerBase = 2.718281828;
constexpr double kOneMinute = 0.016666666666666666;
constexpr double kOneSecond = 0.0002777777777777778;

// A function's result: a value to show, or the error text to show instead.
struct Outcome {
    double value = 0.0;
    const char* error = nullptr;
};

constexpr Outcome rangeError() {
    return {0.0, kRangeErrorText};
}

// Shows the outcome; then clears the latches the function used and refreshes
// the captions when it used any.
void finish(CalculatorState& state, CalculatorView& view, Outcome outcome, bool usedShift,
            bool usedHyp) {
    if (outcome.error) {
        showError(state, view, outcome.error);  // clears both latches itself
        return;
    }
    showValue(state, view, outcome.value);
    if (!usedShift && !usedHyp) return;
    if (usedShift) state.shift = false;
    if (usedHyp) state.hyp = false;
    updateKeyLabels(state, view);
}

// --- sin, cos, tan in Decimal and Statistics --------------------------------

// The library's inverse hyperbolic functions keep their precision for small
// and negative arguments, where the logarithm formulas cancel.
Outcome inverseSinh(double x) {
    return {std::asinh(x)};
}

Outcome inverseCosh(double x) {
    if (!(x >= 1.0)) return rangeError();
    return {std::acosh(x)};
}

Outcome inverseTanh(double x) {
    if (!(x >= -1.0 && x <= 1.0)) return rangeError();
    // At the ends the result is infinite; give it directly rather than dividing
    // by zero, so it is reported as an overflow without a floating-point trap.
    if (x == 1.0) return {std::numeric_limits<double>::infinity()};
    if (x == -1.0) return {-std::numeric_limits<double>::infinity()};
    return {std::atanh(x)};
}

Outcome inverseSin(double x) {
    if (!(x >= -1.0 && x <= 1.0)) return rangeError();
    return {std::asin(x)};
}

Outcome inverseCos(double x) {
    if (!(x >= -1.0 && x <= 1.0)) return rangeError();
    return {std::acos(x)};
}

Outcome inverseTan(double x) {
    return {std::atan(x)};
}

struct TrigKey {
    Outcome (*inverseHyperbolic)(double);  // shift and hyp
    Outcome (*inverse)(double);            // shift: radians, shown in the angle unit
    double (*hyperbolic)(double);          // hyp
    double (*plain)(double);               // of radians
    bool hasRightAngle;
    double rightAngleValue;
};

constexpr TrigKey kSinKey{inverseSinh,
                          inverseSin,
                          [](double x) { return std::sinh(x); },
                          [](double r) { return std::sin(r); },
                          true,
                          1.0};
constexpr TrigKey kCosKey{inverseCosh,
                          inverseCos,
                          [](double x) { return std::cosh(x); },
                          [](double r) { return std::cos(r); },
                          true,
                          0.0};
constexpr TrigKey kTanKey{inverseTanh,
                          inverseTan,
                          [](double x) { return std::tanh(x); },
                          [](double r) { return std::tan(r); },
                          false,
                          0.0};

void trigFunction(const TrigKey& key, CalculatorState& state, CalculatorView& view) {
    const double x = readDisplayValue(state, view);
    if (state.shift && state.hyp) {
        finish(state, view, key.inverseHyperbolic(x), true, true);
    } else if (state.shift) {
        Outcome outcome = key.inverse(x);
        if (!outcome.error) outcome.value = fromRadians(state, outcome.value);
        finish(state, view, outcome, true, false);
    } else if (state.hyp) {
        finish(state, view, {key.hyperbolic(x)}, false, true);
    } else {
        const double r = toRadians(state, x);
        const bool rightAngle = key.hasRightAngle && r > kRightAngleLow && r < kRightAngleHigh;
        showValue(state, view, rightAngle ? key.rightAngleValue : key.plain(r));
    }
}

void sinFunction(CalculatorState& state, CalculatorView& view) {
    trigFunction(kSinKey, state, view);
}
void cosFunction(CalculatorState& state, CalculatorView& view) {
    trigFunction(kCosKey, state, view);
}
void tanFunction(CalculatorState& state, CalculatorView& view) {
    trigFunction(kTanKey, state, view);
}

void toggleHyp(CalculatorState& state, CalculatorView& view) {
    state.hyp = !state.hyp;
    updateKeyLabels(state, view);
}

// --- ln, log, sqr, sqrt, 1/X in Decimal and Statistics ----------------------

// ln and log: the logarithm, or under shift the power it inverts. hyp is left alone.
void logarithm(CalculatorState& state, CalculatorView& view, double base, double (*log)(double)) {
    const double x = readDisplayValue(state, view);
    if (state.shift) {
        finish(state, view, {std::pow(base, x)}, true, false);
        return;
    }
    finish(state, view, x > 0.0 ? Outcome{log(x)} : rangeError(), false, false);
}

void lnFunction(CalculatorState& state, CalculatorView& view) {
    logarithm(state, view, kEulerBase, [](double x) { return std::log(x); });
}

void logFunction(CalculatorState& state, CalculatorView& view) {
    logarithm(state, view, 10.0, [](double x) { return std::log10(x); });
}

void square(CalculatorState& state, CalculatorView& view) {
    const double x = readDisplayValue(state, view);
    showValue(state, view, x * x);
}

void squareRoot(CalculatorState& state, CalculatorView& view) {
    const double x = readDisplayValue(state, view);
    // -0 passes and shows as -0.
    finish(state, view, x < 0.0 ? Outcome{0.0, kNegativeRootErrorText} : Outcome{std::sqrt(x)},
           false, false);
}

void reciprocal(CalculatorState& state, CalculatorView& view) {
    const double x = readDisplayValue(state, view);
    if (state.shift) {
        // Out of range factorial shows its error itself; showValue then leaves it.
        const double result = factorial(state, view, x);
        finish(state, view, {result}, true, false);
        return;
    }
    finish(state, view, x == 0.0 ? Outcome{0.0, kDivideZeroErrorText} : Outcome{1.0 / x}, false,
           false);
}

// --- deg in Decimal and Statistics ------------------------------------------

void showDegreesMinutesSeconds(CalculatorState& state, CalculatorView& view) {
    const auto text = dmsText(readDisplayValue(state, view));
    // The text goes out as an error display: it stays until AC and no key
    // reads it back as a number.
    showError(state, view, text ? std::string_view(*text) : std::string_view(kOverflowErrorText));
}

// Degrees, minutes and seconds typed in turn build one angle in degrees, kept
// aside from the evaluator: 12 deg 30 min 36 sec shows 12.51, and the next key
// takes it as it takes any displayed number (5 + 12 deg 30 min 36 sec = is 17.51).
void degreesKey(CalculatorState& state, CalculatorView& view) {
    if (state.shift) {
        showDegreesMinutesSeconds(state, view);
        return;
    }
    const double x = readDisplayValue(state, view);
    DmsPhase next = DmsPhase::Degrees;
    switch (state.dmsPhase) {
        case DmsPhase::Minutes:
            state.dmsAngle += x * kOneMinute;
            next = DmsPhase::Seconds;
            break;
        case DmsPhase::Seconds:
            state.dmsAngle += x * kOneSecond;
            next = DmsPhase::Degrees;
            break;
        case DmsPhase::Degrees:
        default:
            state.dmsAngle = x;
            next = DmsPhase::Minutes;
            break;
    }
    showValue(state, view, state.dmsAngle);
    // An angle too large to show has already restarted the steps.
    if (state.calcStatus == CalcStatus::Error) return;
    state.dmsPhase = next;
    showDmsPhaseLabel(state, view);
}

// --- the integer bases -------------------------------------------------------

void bitwiseNot(CalculatorState& state, CalculatorView& view) {
    showValue(state, view, static_cast<double>(~wordOf(readDisplayValue(state, view))));
}

// --- dispatch by mode --------------------------------------------------------

// What a key does in one mode: nothing, a function, a typed hex digit, or a
// binary operator of the evaluator.
struct Action {
    enum class Kind { None, Function, Digit, Operator } kind = Kind::None;
    Handler function = nullptr;
    char digit = 0;
    OperatorCode code = OperatorCode::OpEquals;
};

constexpr Action none() {
    return {};
}
constexpr Action run(Handler h) {
    return {Action::Kind::Function, h, 0, OperatorCode::OpEquals};
}
constexpr Action digit(char c) {
    return {Action::Kind::Digit, nullptr, c, OperatorCode::OpEquals};
}
constexpr Action op(OperatorCode c) {
    return {Action::Kind::Operator, nullptr, 0, c};
}

// One column per NumberBase, in its numbering: Decimal, Binary, Octal,
// Hexadecimal, Statistics, Financial.
using ModeRow = std::array<Action, 6>;

void perform(const ModeRow& row, CalculatorState& state, CalculatorView& view) {
    auto column = static_cast<std::size_t>(state.numberBase);
    // A mode number from a damaged state file computes as Decimal, as the display does.
    if (column >= row.size()) column = static_cast<std::size_t>(NumberBase::Decimal);
    const Action& action = row[column];
    switch (action.kind) {
        case Action::Kind::None:
            return;
        case Action::Kind::Function:
            action.function(state, view);
            return;
        case Action::Kind::Digit:
            enterCharacter(state, view, action.digit);
            return;
        case Action::Kind::Operator:
            applyOperator(state, view, action.code);
            return;
    }
}

using Op = OperatorCode;

// clang-format off
//                           Decimal           Binary            Octal             Hexadecimal       Statistics        Financial
const ModeRow kSinRow{       run(sinFunction), none(),           none(),           digit('D'),       run(sinFunction), op(Op::OpSld)};
const ModeRow kCosRow{       run(cosFunction), none(),           none(),           digit('E'),       run(cosFunction), op(Op::OpDdb)};
const ModeRow kTanRow{       run(tanFunction), none(),           none(),           digit('F'),       run(tanFunction), op(Op::OpSyd)};
const ModeRow kHypRow{       run(toggleHyp),   none(),           none(),           digit('C'),       run(toggleHyp),   run(cashFlowKey)};
const ModeRow kDegRow{       run(degreesKey),  none(),           none(),           digit('B'),       run(degreesKey),  op(Op::OpPresentValue)};
const ModeRow kLnRow{        run(lnFunction),  op(Op::OpXnor),   op(Op::OpXnor),   op(Op::OpXnor),   run(lnFunction),  op(Op::OpInvest)};
const ModeRow kLogRow{       run(logFunction), op(Op::OpXor),    op(Op::OpXor),    op(Op::OpXor),    run(logFunction), op(Op::OpMortgage)};
const ModeRow kSqrRow{       run(square),      op(Op::OpOr),     op(Op::OpOr),     op(Op::OpOr),     run(square),      op(Op::OpAnnuity)};
const ModeRow kSqrtRow{      run(squareRoot),  op(Op::OpAnd),    op(Op::OpAnd),    op(Op::OpAnd),    run(squareRoot),  op(Op::OpTerm)};
const ModeRow kReciprocalRow{run(reciprocal),  none(),           run(bitwiseNot),  run(bitwiseNot),  run(reciprocal),  run(financialRatesKey)};
// clang-format on

}  // namespace

void keySin(CalculatorState& state, CalculatorView& view) {
    perform(kSinRow, state, view);
}
void keyCos(CalculatorState& state, CalculatorView& view) {
    perform(kCosRow, state, view);
}
void keyTan(CalculatorState& state, CalculatorView& view) {
    perform(kTanRow, state, view);
}
void keyHyp(CalculatorState& state, CalculatorView& view) {
    perform(kHypRow, state, view);
}
void keyDeg(CalculatorState& state, CalculatorView& view) {
    perform(kDegRow, state, view);
}
void keyLn(CalculatorState& state, CalculatorView& view) {
    perform(kLnRow, state, view);
}
void keyLog(CalculatorState& state, CalculatorView& view) {
    perform(kLogRow, state, view);
}
void keySqr(CalculatorState& state, CalculatorView& view) {
    perform(kSqrRow, state, view);
}
void keySqrt(CalculatorState& state, CalculatorView& view) {
    perform(kSqrtRow, state, view);
}
void keyReciprocal(CalculatorState& state, CalculatorView& view) {
    perform(kReciprocalRow, state, view);
}

}  // namespace zentra
