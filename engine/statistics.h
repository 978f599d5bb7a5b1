#pragma once
// Single-variable statistics: a digit key under shift in Statistics, and the
// Data key (M+).

#include "engine/calculator_state.h"
#include "engine/calculator_view.h"

namespace zentra {

void statisticKey(CalculatorState&, CalculatorView&, int digit);
void dataKey(CalculatorState&, CalculatorView&);

}  // namespace zentra
