#pragma once
// The ten memory registers' keys; under shift each opens Select Memory.

#include "engine/calculator_state.h"
#include "engine/calculator_view.h"

namespace zentra {

void keyMemoryIn(CalculatorState&, CalculatorView&);
void keyMemoryRecall(CalculatorState&, CalculatorView&);
void keyMemoryAdd(CalculatorState&, CalculatorView&);

}  // namespace zentra
