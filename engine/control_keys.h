#pragma once
// AC, C and shift: the keys that clear or latch rather than compute.

#include "engine/calculator_state.h"
#include "engine/calculator_view.h"

namespace zentra {

// The common reset of AC and of the open-bracket key.
void resetEntry(CalculatorState& state, CalculatorView& view);
void allClear(CalculatorState& state, CalculatorView& view);
void clearEntry(CalculatorState& state, CalculatorView& view);
void toggleShift(CalculatorState& state, CalculatorView& view);

}  // namespace zentra
