// The scientific keys' functions: in Decimal and Statistics the one-operand
// functions, hyp and deg, and NOT in the integer bases. Which mode runs which
// is the key table's say (key_table.cpp), as are the hex digits and the
// operators the same keys give in the other modes.

#include <cmath>
#include <limits>

#include "base/display_errors.h"
#include "engine/angle_units.h"
#include "engine/display_format.h"
#include "engine/dms_text.h"
#include "engine/entry.h"
#include "engine/evaluation.h"
#include "engine/factorial.h"
#include "engine/number_bases.h"
#include "engine/scientific_keys.h"

namespace zentra {
namespace {

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

// Shows the outcome; then clears the latches the function used.
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
    markCaptions(state, CaptionChange::Latches);
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

}  // namespace

void sinFunction(CalculatorState& state, CalculatorView& view) {
    trigFunction(kSinKey, state, view);
}
void cosFunction(CalculatorState& state, CalculatorView& view) {
    trigFunction(kCosKey, state, view);
}
void tanFunction(CalculatorState& state, CalculatorView& view) {
    trigFunction(kTanKey, state, view);
}

void toggleHyp(CalculatorState& state, CalculatorView&) {
    state.hyp = !state.hyp;
    markCaptions(state, CaptionChange::Latches);
}

// --- ln, log, sqr, sqrt, 1/X in Decimal and Statistics ----------------------

namespace {

// ln and log: the logarithm, or under shift the power it inverts. hyp is left alone.
void logarithm(CalculatorState& state, CalculatorView& view, double base, double (*log)(double)) {
    const double x = readDisplayValue(state, view);
    if (state.shift) {
        finish(state, view, {std::pow(base, x)}, true, false);
        return;
    }
    finish(state, view, x > 0.0 ? Outcome{log(x)} : rangeError(), false, false);
}

}  // namespace

void lnFunction(CalculatorState& state, CalculatorView& view) {
    logarithm(state, view, kEulerBase, [](double x) { return std::log(x); });
}

void logFunction(CalculatorState& state, CalculatorView& view) {
    logarithm(state, view, 10.0, [](double x) { return std::log10(x); });
}

void squareFunction(CalculatorState& state, CalculatorView& view) {
    const double x = readDisplayValue(state, view);
    showValue(state, view, x * x);
}

void squareRootFunction(CalculatorState& state, CalculatorView& view) {
    const double x = readDisplayValue(state, view);
    // -0 passes and shows as -0.
    finish(state, view, x < 0.0 ? Outcome{0.0, kNegativeRootErrorText} : Outcome{std::sqrt(x)},
           false, false);
}

void reciprocalFunction(CalculatorState& state, CalculatorView& view) {
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

namespace {

void showDegreesMinutesSeconds(CalculatorState& state, CalculatorView& view) {
    const auto text = dmsText(readDisplayValue(state, view));
    // The text goes out as an error display: it stays until AC and no key
    // reads it back as a number.
    showError(state, view, text ? std::string_view(*text) : std::string_view(kOverflowErrorText));
}

}  // namespace

// Degrees, minutes and seconds typed in turn build one angle in degrees, kept
// aside from the evaluator: 12 deg 30 min 36 sec shows 12.51, and the next key
// takes it as it takes any displayed number (5 + 12 deg 30 min 36 sec = is 17.51).
// Only typing and deg carry the angle on (entry.h); a deg after any other key
// starts a new one.
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
            state.dmsAngle = x;
            next = DmsPhase::Minutes;
            break;
    }
    showValue(state, view, state.dmsAngle);
    // An angle too large to show is not carried on: the error ends it.
    if (state.calcStatus == CalcStatus::Error) return;
    state.dmsPhase = next;
    carryAngleEntry(state);
    markCaptions(state, CaptionChange::DegreesStep);
}

// --- the integer bases -------------------------------------------------------

void bitwiseNot(CalculatorState& state, CalculatorView& view) {
    showValue(state, view, static_cast<double>(~wordOf(readDisplayValue(state, view))));
}

}  // namespace zentra
