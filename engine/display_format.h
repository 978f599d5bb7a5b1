#pragma once
// The display text is the engine's only operand register: keys read it back
// with readDisplayValue and write results with showValue or showError.

#include <string>
#include <string_view>

#include "base/display_errors.h"
#include "engine/calculator_state.h"
#include "engine/calculator_view.h"

namespace zentra {

inline constexpr std::size_t kFormattedLimit = 25;  // characters of a formatted value
inline constexpr std::size_t kEntryLimit = 22;      // characters of a typed entry
// Every formatted value reads back whole, so that 1.000000000000000000E+020
// keeps its last exponent digit.
static_assert(kDisplayReadLimit == kFormattedLimit);

// The display text as the engine reads it: at most kDisplayReadLimit characters.
std::string readDisplayText(CalculatorView& view);

// The decimal display text of a value by display type and digits, with the
// 25-character fallback to "%#.*E" with 14 digits. Pure; no error handling.
std::string formatDecimalText(double value, DisplayType type, int digits);

// Formats and shows a value; calcStatus becomes Ready. Infinity shows
// kOverflowErrorText, not-a-number kErrorText. Does nothing in Error status.
void showValue(CalculatorState& state, CalculatorView& view, double value);

// The text a value shows in the current base and display type, or the error
// text it would show instead. Changes nothing.
std::string valueText(const CalculatorState& state, double value);

// Shows an error text and enters Error status; ends any pending operation and
// clears both latches.
void showError(CalculatorState& state, CalculatorView& view, std::string_view text = kErrorText);

// The display text read as a value in the current base.
double readDisplayValue(CalculatorState& state, CalculatorView& view);
// The same for a display text already read with readDisplayText.
double parseDisplayText(const CalculatorState& state, std::string_view text);

}  // namespace zentra
