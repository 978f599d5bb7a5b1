#pragma once
// The steps of a calculation as the engine reports them to the tape through
// CalculatorView::appendTape. Most keys are recorded around their action by
// the key's role; the memory, data and unit keys report from inside, where the
// register or the names are known. Private to the engine.

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
void reportTapeError(CalculatorView& view);
// AC's mark, also when the error gate clears by itself.
void reportTapeSeparator(CalculatorView& view);

// The key's caption in words (UTF-8) as the key shows it now, under shift if
// shifted, never the button font's bytes.
std::string tapeKeyName(const CalculatorState& state, CommandId key, bool shifted);
// The display text (Latin-1 bytes) in UTF-8.
std::string tapeDisplayText(CalculatorView& view);

}  // namespace zentra
