#pragma once
// Chained evaluation, strictly left to right, with 16 bracket levels. Every
// operator key first completes the pending operation (left operand accum, right
// operand the display value) and then becomes the pending one.

#include "engine/calculator_state.h"
#include "engine/calculator_view.h"

namespace zentra {

void applyOperator(CalculatorState& state, CalculatorView& view, OperatorCode code);
// The same with the display value x already read.
void applyOperatorTo(CalculatorState& state, CalculatorView& view, OperatorCode code, double x);
void openBracket(CalculatorState& state, CalculatorView& view);
void closeBracket(CalculatorState& state, CalculatorView& view);
void equalsKey(CalculatorState& state, CalculatorView& view);

}  // namespace zentra
