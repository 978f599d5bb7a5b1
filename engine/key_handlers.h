#pragma once
// The handlers the command table dispatches to, by key. Each looks at the mode
// and the latches itself.

#include "engine/calculator_state.h"
#include "engine/calculator_view.h"

namespace zentra {

// scientific_keys.cpp: the scientific keys in every mode.
void keySin(CalculatorState&, CalculatorView&);
void keyCos(CalculatorState&, CalculatorView&);
void keyTan(CalculatorState&, CalculatorView&);
void keyHyp(CalculatorState&, CalculatorView&);
void keyDeg(CalculatorState&, CalculatorView&);
void keyLn(CalculatorState&, CalculatorView&);
void keyLog(CalculatorState&, CalculatorView&);
void keySqr(CalculatorState&, CalculatorView&);
void keySqrt(CalculatorState&, CalculatorView&);
void keyReciprocal(CalculatorState&, CalculatorView&);

// memories.cpp
void keyMemoryIn(CalculatorState&, CalculatorView&);
void keyMemoryRecall(CalculatorState&, CalculatorView&);
void keyMemoryAdd(CalculatorState&, CalculatorView&);  // the Data key in Statistics

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
