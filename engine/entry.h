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

// An angle entered in degrees, minutes and seconds is the run of deg presses
// with the number typed between them. Typing (digits, point, EXP, backspace)
// and deg carry the angle under way over their key; any other key ends it, and
// the angle so far is then an ordinary displayed number. The rule is kept
// around every key, so a new key ends an angle without being listed anywhere.
inline void carryAngleEntry(CalculatorState& state) {
    state.dmsCarried = true;
}
// Before a key: it has not carried the angle yet.
inline void startKeyOfAngleEntry(CalculatorState& state) {
    state.dmsCarried = false;
}
// After a key: ends an angle it did not carry; true when one ended, so that
// the deg key's caption is shown again.
bool endUncarriedAngleEntry(CalculatorState& state);

}  // namespace zentra
