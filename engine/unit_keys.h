#pragma once
// The unit key (Convert, and under shift the display's property) and the
// const key (Properties).

#include "engine/calculator_state.h"
#include "engine/calculator_view.h"

namespace zentra {

void keyUnit(CalculatorState&, CalculatorView&);
void keyConst(CalculatorState&, CalculatorView&);

}  // namespace zentra
