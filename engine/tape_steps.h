#pragma once
// The steps of a calculation as the engine writes them to the state's tape.
// Most keys are recorded around their action by
// the key's role; the memory, data and unit keys leave a note from inside,
// where the register or the names are known (tape_notes.h). Private to the engine.

#include <string>
#include <string_view>

#include "engine/calculator_state.h"
#include "engine/calculator_view.h"
#include "engine/command_id.h"
#include "engine/key_table.h"

namespace zentra {

// Performs the key's action and reports the step it made; an error it raised
// follows it. False when the host performs the action.
bool performRecorded(const KeyRow& row, const ModeFacts& facts, CalculatorState& state,
                     CalculatorView& view);
// The display's error text, after a key that raised it.
void reportTapeError(CalculatorState& state, CalculatorView& view);
// AC's mark, also when the error gate clears by itself.
void reportTapeSeparator(CalculatorState& state);

}  // namespace zentra
