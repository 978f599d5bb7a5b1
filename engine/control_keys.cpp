#include "engine/control_keys.h"

#include "engine/display_format.h"

namespace zentra {

void resetEntry(CalculatorState& state, CalculatorView& view) {
    state.calcStatus = CalcStatus::Ready;
    showValue(state, view, 0.0);
    state.pendingOperator = OperatorCode::OpEquals;
    state.shift = false;
    state.hyp = false;
    markCaptions(state, CaptionChange::Latches);
}

void allClear(CalculatorState& state, CalculatorView& view) {
    state.bracketDepth = 0;
    if (state.shift && state.numberBase == NumberBase::Statistics) {
        state.sum = 0.0;
        state.sumSq = 0.0;
        state.nSum = 0;
        state.max = -1.7976931348623157e308;
        state.min = 1.7976931348623157e308;
    }
    state.nNPV = 1;
    resetEntry(state, view);
    state.errorKeyCount = 0;
}

void clearEntry(CalculatorState& state, CalculatorView& view) {
    showValue(state, view, 0.0);
}

void toggleShift(CalculatorState& state, CalculatorView&) {
    state.shift = !state.shift;
    markCaptions(state, CaptionChange::Latches);
}

}  // namespace zentra
