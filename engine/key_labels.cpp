#include "engine/key_labels.h"

#include "engine/evaluation.h"

namespace zentra {

// TODO(captions): the full caption tables of every mode.
void applyModeLayout(CalculatorState& state, CalculatorView& view) {
    state.shift = false;
    state.hyp = false;
    view.setTitle("Zentra");
    updateKeyLabels(state, view);
}

void updateKeyLabels(CalculatorState& state, CalculatorView& view) {
    state.dmsPhase = DmsPhase::Degrees;
    updateBracketIndicator(state, view);
}

}  // namespace zentra
