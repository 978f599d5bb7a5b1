#pragma once

#include "engine/calculator_state.h"
#include "engine/calculator_view.h"

namespace zentra {

// floor(x)! in double precision for 0 <= x <= 100; outside that range (and for
// not-a-number) shows kErrorText and returns 0.
double factorial(CalculatorState& state, CalculatorView& view, double x);

}  // namespace zentra
