#pragma once
// What the keys that report to the tape from inside hand to it: the texts
// only they know. The tape's step maker adds the key's name from its row.

#include <string>
#include <string_view>

#include "base/latin1_text.h"
#include "engine/calculator_state.h"
#include "engine/calculator_view.h"

namespace zentra {

// Leaves the step for the tape; only when there is one (state.tape).
void noteTape(CalculatorState& state, TapeKind kind, std::string value, std::string result,
              std::string detail);

// The display text (Latin-1 bytes) in UTF-8.
std::string tapeDisplayText(CalculatorView& view);
// A text of the display's (Latin-1 bytes) in UTF-8. Most are ASCII and go on
// unchanged: every step's operand passes here, so the test stays inline.
inline void makeUtf8(std::string& text) {
    for (char c : text) {
        if (static_cast<unsigned char>(c) >= 0x80) {
            text = latin1ToUtf8(text);
            return;
        }
    }
}

}  // namespace zentra
