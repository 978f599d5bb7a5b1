#include "engine/dispatch.h"

#include "base/message_texts.h"
#include "engine/command_id.h"
#include "engine/control_keys.h"
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
        if (state.tape) reportTapeSeparator(state);
    }
}

bool performKey(const KeyRow& row, CalculatorState& state, CalculatorView& view) {
    const ModeFacts& facts = factsIn(row, state.numberBase);
    // Typing makes no step and raises no error: a digit costs the tape one test.
    if (facts.action.kind == Action::Kind::Character || !state.tape)
        return runAction(facts.action, state, view);
    return performRecorded(row, facts, state, view);
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
    if (endUncarriedAngleEntry(state)) markCaptions(state, CaptionChange::DegreesStep);
    if (state.captionChanges != 0) redrawCaptions(state, view);
    return engines;
}

void performOffKeypad(CalculatorState& state, CalculatorView& view, KeyHandler handler) {
    startKeyOfAngleEntry(state);
    handler(state, view);
    if (endUncarriedAngleEntry(state)) markCaptions(state, CaptionChange::DegreesStep);
    redrawCaptions(state, view);
}

}  // namespace zentra
