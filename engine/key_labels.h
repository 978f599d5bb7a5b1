#pragma once
// Key captions, key fonts and the window title for the mode and the latches,
// drawn from the state. Dispatch calls redrawCaptions once after each key; no
// key calls them.

#include "engine/calculator_state.h"
#include "engine/calculator_view.h"

namespace zentra {

// Before the first mode layout: every key's caption and font as the keypad
// starts, the operators' glyphs when the button font is loaded.
void applyStartCaptions(const CalculatorState& state, CalculatorView& view);

// After a change of mode: sets every mode caption and the title, then
// updateKeyLabels.
void applyModeLayout(CalculatorState& state, CalculatorView& view);
// After any change of shift, hyp or nNPV, every error and every reset. Reads
// the state only (the deg key shows its degrees-minutes-seconds step).
void updateKeyLabels(CalculatorState& state, CalculatorView& view);
// The bracket keys' captions: "(..%d" free levels and "%d..)" open levels.
void updateBracketIndicator(const CalculatorState& state, CalculatorView& view);
// What the captionChanges marked since the last redraw, once; then none is marked.
void redrawCaptions(CalculatorState& state, CalculatorView& view);
// The deg key's caption for the current degrees-minutes-seconds step ("deg",
// "min", "sec"), leaving the step as it is.
void showDmsPhaseLabel(const CalculatorState& state, CalculatorView& view);

}  // namespace zentra
