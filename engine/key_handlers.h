#pragma once
// The handlers the key table dispatches to.

#include "engine/calculator_state.h"
#include "engine/calculator_view.h"

namespace zentra {

// scientific_keys.cpp: the scientific keys' functions; the key table says in
// which modes each key runs them.
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

// memories.cpp
void keyMemoryIn(CalculatorState&, CalculatorView&);
void keyMemoryRecall(CalculatorState&, CalculatorView&);
void keyMemoryAdd(CalculatorState&, CalculatorView&);

// statistics.cpp: a digit key under shift in Statistics, and the Data key (M+).
void statisticKey(CalculatorState&, CalculatorView&, int digit);
void dataKey(CalculatorState&, CalculatorView&);

// financial.cpp: in Financial, the hyp key enters a cash flow and 1/X opens
// the Financial Rates dialog.
void cashFlowKey(CalculatorState&, CalculatorView&);
void financialRatesKey(CalculatorState&, CalculatorView&);

// unit_keys.cpp
void keyUnit(CalculatorState&, CalculatorView&);
void keyConst(CalculatorState&, CalculatorView&);

// mode_dialog.cpp: the mode key; the window's right click calls it directly.
void keyMode(CalculatorState&, CalculatorView&);

}  // namespace zentra
