#pragma once
// The calculator state across runs: the keys of section "Calc" (saved_fields.h),
// read and written in a fixed order.

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "base/appearance_settings.h"
#include "base/settings_store.h"
#include "engine/calculator_state.h"
#include "engine/calculator_view.h"

namespace zentra {

struct PropertyDatabase;

// Reads every key but the display text into the state and appearance; the
// angle unit goes into the database (when given). Values that would break the
// model are held to it: the bracket depth to 0..16, face names to 31 characters.
void restoreSavedState(CalculatorState& state, AppearanceSettings& appearance, SettingsStore& store,
                       PropertyDatabase* database);

// The saved display text, read last and put into the display unchanged.
std::string readSavedDisplay(SettingsStore& store);

// The last step of restoring, once the host's controls are set up: the saved
// display text, unchanged; the captions and title of the restored mode are
// marked for the next redraw.
void restoreDisplayAndLayout(CalculatorState& state, CalculatorView& view, SettingsStore& store);

// Writes every key; the display text is cut to what the engine reads back.
void saveState(const CalculatorState& state, const AppearanceSettings& appearance,
               std::string_view displayText, SettingsStore& store, PropertyDatabase* database);

// The saved keys --dump shows, in its order, with the settings store's text
// forms: the display text whole, the calculation, memories, statistics, rates,
// modes and the angle unit (empty without an "angle" property).
std::vector<std::pair<std::string, std::string>> dumpedKeys(const CalculatorState& state,
                                                            std::string_view displayText);

}  // namespace zentra
