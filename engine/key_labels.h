#pragma once
// Key captions, key fonts and the window title for the mode and the latches.

#include "engine/calculator_state.h"
#include "engine/calculator_view.h"

namespace zentra {

// Before the first mode layout: every key's caption and font as the keypad
// starts, the operators' glyphs when the button font is loaded.
void applyStartCaptions(const CalculatorState& state, CalculatorView& view);

// After a change of mode: clears the latches, sets every mode caption and the
// title, then updateKeyLabels.
void applyModeLayout(CalculatorState& state, CalculatorView& view);
// After any change of shift, hyp or nNPV, every error and every reset. Reads
// the state only (the deg key shows its degrees-minutes-seconds step).
void updateKeyLabels(CalculatorState& state, CalculatorView& view);
// The deg key's caption as the state gives it in the modes that show it: the
// step of the angle under way ("deg", "min", "sec"), or ">deg" under shift.
void showDmsPhaseLabel(const CalculatorState& state, CalculatorView& view);

}  // namespace zentra
