#pragma once
// The Calculator Mode dialog's side of the engine: the dialog's starting copy
// of the settings, applying an OK, and the mode key, which reads the display,
// runs the dialog and applies an OK.

#include <optional>
#include <string>

#include "base/appearance_settings.h"
#include "dialogs/mode_dialog_model.h"
#include "engine/calculator_state.h"
#include "engine/calculator_view.h"

namespace zentra {

// The dialog's starting copy: the state's settings, the window's appearance
// (when the host has it) and the angle choice from the "angle" property.
ModeSettings modeSettingsFrom(const CalculatorState& state, CalculatorView& view);

// Deg unless "angle" exists and its current unit is "radians" (Rad) or "gr" (Grad).
AngleChoice currentAngleChoice(PropertyDatabase* database);

// Applies a validated OK: the settings, the host's appearance, the angle unit
// (a missing unit is a runtime problem that abandons the rest), the mode
// layout, and heldValue shown again in the new base and display type.
void applyModeSettings(CalculatorState& state, CalculatorView& view, const ModeSettings& settings,
                       double heldValue);

// The mode key (and the window's right click): runs the dialog around a paused
// power-off countdown; only OK changes anything.
void runModeDialog(CalculatorState& state, CalculatorView& view);
// The mode key's handler: runModeDialog.
void keyMode(CalculatorState& state, CalculatorView& view);

}  // namespace zentra
