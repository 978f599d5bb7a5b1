#include "engine/financial.h"

#include <climits>
#include <cmath>

#include "base/message_texts.h"
#include "base/number_text.h"
#include "base/tape.h"
#include "engine/display_format.h"

namespace zentra {

void cashFlowKey(CalculatorState& state, CalculatorView& view) {
    const double x = readDisplayValue(state, view);
    const int k = state.nNPV;
    // The first flow is discounted by one full period.
    const double v = x * std::pow(1.0 + state.discRate * 0.01, -static_cast<double>(k));
    state.sNPV = k == 1 ? v : state.sNPV + v;
    if (k < INT_MAX) state.nNPV = k + 1;
    state.calcStatus = CalcStatus::Ready;
    // Replaces a pending operator unevaluated: = now shows the sum.
    state.pendingOperator = OperatorCode::OpRecallNpv;
    markCaptions(state, CaptionChange::Latches);
}

void financialRatesKey(CalculatorState& state, CalculatorView& view) {
    FinancialRatesModel model({state.bankRate, state.discRate});
    const bool accepted = [&] {
        PowerOffPause pause(view);
        return view.runFinancialRatesDialog(model);
    }();
    if (!accepted) return;
    const double bank = state.bankRate;
    const double discount = state.discRate;
    state.bankRate = model.rates().bankRate;
    state.discRate = model.rates().discRate;
    if (!state.tape || (bank == state.bankRate && discount == state.discRate)) return;
    // The rates every later financial result depends on.
    state.tape->append(TapeKind::Setting, "Rates: bank " + formatShortestDouble(state.bankRate) +
                                              " %, discount " +
                                              formatShortestDouble(state.discRate) + " %");
}

}  // namespace zentra
