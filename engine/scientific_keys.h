#pragma once
// The scientific keys' functions; the key table says in which modes each key
// runs them.

#include "engine/calculator_state.h"
#include "engine/calculator_view.h"

namespace zentra {

void sinFunction(CalculatorState&, CalculatorView&);
void cosFunction(CalculatorState&, CalculatorView&);
void tanFunction(CalculatorState&, CalculatorView&);
void toggleHyp(CalculatorState&, CalculatorView&);
void degreesKey(CalculatorState&, CalculatorView&);
void lnFunction(CalculatorState&, CalculatorView&);
void logFunction(CalculatorState&, CalculatorView&);
void squareFunction(CalculatorState&, CalculatorView&);
void squareRootFunction(CalculatorState&, CalculatorView&);
void reciprocalFunction(CalculatorState&, CalculatorView&);
void bitwiseNot(CalculatorState&, CalculatorView&);  // NOT in Octal and Hexadecimal

}  // namespace zentra
