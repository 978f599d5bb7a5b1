#pragma once
// Financial mode's keys: the cash-flow key's running net present value and
// the Financial Rates dialog. The financial operators themselves are binary
// operators of the evaluator (evaluation.cpp).

#include "dialogs/financial_rates.h"
#include "engine/calculator_state.h"
#include "engine/calculator_view.h"

namespace zentra {}  // namespace zentra
