#include "engine/dispatch.h"

#include "base/message_texts.h"
#include "engine/command_id.h"
#include "engine/display_format.h"
#include "engine/entry.h"
#include "engine/key_labels.h"
#include "engine/key_table.h"
#include "engine/tape_steps.h"

namespace zentra {
namespace {

// Refuses a command in Error status; the sixth refusal since the last AC
// warns and clears.
void refuse(CalculatorState& state, CalculatorView& view) {
    if (state.errorBeep) view.beep();
    const int before = state.errorKeyCount++;
    if (before > 4) {
        view.showMessage(kNeedAllClearText, kWarningCaption);
        allClear(state, view);
    }
}

}  // namespace

bool handleCommand(CalculatorState& state, CalculatorView& view, std::uint32_t word) {
    const KeyRow* key = findKey(commandOf(word));
    if (!key) return false;
    // The gate compares the full word: F1 from the keyboard is not the Help button.
    const bool passes = state.calcStatus != CalcStatus::Error ||
                        word == commandWord(CommandId::CmdAllClear) ||
                        word == commandWord(CommandId::CmdHelp);
    startKeyOfAngleEntry(state);
    bool engines = true;
    if (passes)
        engines = performKey(*key, state, view);
    else
        refuse(state, view);
    if (endUncarriedAngleEntry(state)) showDmsPhaseLabel(state, view);
    return engines;
}

void performOffKeypad(CalculatorState& state, CalculatorView& view, KeyHandler handler) {
    startKeyOfAngleEntry(state);
    handler(state, view);
    if (endUncarriedAngleEntry(state)) showDmsPhaseLabel(state, view);
}

void resetEntry(CalculatorState& state, CalculatorView& view) {
    state.calcStatus = CalcStatus::Ready;
    showValue(state, view, 0.0);
    state.pendingOperator = OperatorCode::OpEquals;
    state.shift = false;
    state.hyp = false;
    updateKeyLabels(state, view);
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
    if (view.keepsTape()) reportTapeSeparator(view);
}

void clearEntry(CalculatorState& state, CalculatorView& view) {
    showValue(state, view, 0.0);
}

void toggleShift(CalculatorState& state, CalculatorView& view) {
    state.shift = !state.shift;
    updateKeyLabels(state, view);
}

}  // namespace zentra
