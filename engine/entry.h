#pragma once
// Typing numbers into the display: digits, point, exponent mark, hex letters,
// the sign key and backspace.

#include "engine/calculator_state.h"
#include "engine/calculator_view.h"

namespace zentra {

// Digit, point, exponent mark or hexadecimal letter; characters the base does
// not accept, a second point or exponent mark, and a 23rd character are ignored.
void enterCharacter(CalculatorState& state, CalculatorView& view, char ch);
void changeSign(CalculatorState& state, CalculatorView& view);
void backspace(CalculatorState& state, CalculatorView& view);
// EXP: pi under shift in Decimal and Statistics, else the exponent mark.
void exponentKey(CalculatorState& state, CalculatorView& view);

inline constexpr double kPi = 3.141592653589793;

}  // namespace zentra
