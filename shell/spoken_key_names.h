#pragma once
// What a screen reader says for each key: what the key does now, in the mode
// and under the latches, unique among the keys of every mode and latch state.
// The caption the key shows stays its description.

#include "engine/calculator.h"

namespace zentra {

// The two latches; their keys are toggles in the modes where they latch.
enum class Latch { None, Shift, Hyp };

struct SpokenKey {
    const char* name;
    // False where the key does nothing in the mode (a blank key).
    bool available;
    Latch latch;
};

// The key's spoken facts in the state's mode and latches; nullptr name for a
// command that is no key of the keypad.
SpokenKey spokenKey(CommandId id, const CalculatorState& state);

}  // namespace zentra
