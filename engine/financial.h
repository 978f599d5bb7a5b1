#pragma once
// Financial mode's keys: the cash-flow key's running net present value and
// the Financial Rates dialog. The financial operators themselves are binary
// operators of the evaluator (evaluation.cpp).

#include "dialogs/financial_rates.h"
#include "engine/calculator_state.h"
#include "engine/calculator_view.h"

namespace zentra {

// In Financial, the hyp key enters a cash flow and 1/X opens the Financial
// Rates dialog.
void cashFlowKey(CalculatorState&, CalculatorView&);
void financialRatesKey(CalculatorState&, CalculatorView&);

}  // namespace zentra
