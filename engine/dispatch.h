#pragma once
// The engine's one entry point: a host's full command word in, the state and
// the display changed through the view, then the captions and title redrawn
// once from the state.

#include <cstdint>

#include "engine/calculator_state.h"
#include "engine/calculator_view.h"

namespace zentra {

// Applies the error gate and performs the command. Returns false for the
// commands the host performs itself (copy, paste, Help) once they passed the
// gate, and for identifiers outside the command table.
bool handleCommand(CalculatorState& state, CalculatorView& view, std::uint32_t commandWord);
// A key's handler that a host runs outside the keypad (the Mode dialog of the
// window's right click), performed as one key all the same.
using KeyHandler = void (*)(CalculatorState&, CalculatorView&);
void performOffKeypad(CalculatorState& state, CalculatorView& view, KeyHandler handler);

}  // namespace zentra
